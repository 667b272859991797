#include "ayuda_pruebas.h"

#include "animation/vuelo.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>

// The "=" command: the flight arithmetic, the finished picture, and one addition watched while its
// cells fly.
class TestAnimacion : public QObject {
    Q_OBJECT
  private slots:
    void pasosPorVelocidad_data();
    void pasosPorVelocidad();
    void ticksDeVuelo_data();
    void ticksDeVuelo();
    void sumaTerminada_data();
    void sumaTerminada();
    void ordinalesDelResultado();
    void sinNadaEscrito();
    void denominadorBorrado();
    void sumaDemasiadoGrande_data();
    void sumaDemasiadoGrande();
    void ventanaDemasiadoPequena_data();
    void ventanaDemasiadoPequena();
    void vueloDelEjemplo();
    void vueloSinBajar_data();
    void vueloSinBajar();
    void redimensionarTrasPosar();
    void sumaEnVuelo();
    void escribirYRedimensionarEnVuelo();
    void cambiosEnVuelo();
};

namespace {

// The window every picture test uses: outer 6600 × 9000 twips gives squares of side 1800 at these
// corners.
constexpr Single kLado = 1800;
constexpr Single kX[] = {0, 1080, 4540, 2350, 4250};
constexpr Single kY[] = {0, 60, 60, 2180, 2180};

std::unique_ptr<FrmPrincipal> VentanaDeLado1800() {
    auto v = NuevaVentana();
    FijarTamanoExterior(*v, 6600, 9000);
    return v;
}

void Escribir(FrmPrincipal& v, const QString& n1, const QString& d1, const QString& n2,
              const QString& d2) {
    QTest::keyClicks(v.txtNum(1), n1);
    QTest::keyClicks(v.txtDen(1), d1);
    QTest::keyClicks(v.txtNum(2), n2);
    QTest::keyClicks(v.txtDen(2), d2);
}

// Every colour in a 7 × 7 pixel patch around (x, y) twips.
QSet<Long> ColoresAlrededor(const FrmPrincipal& v, Single x, Single y) {
    const QImage& imagen = v.lienzo()->Imagen();
    const int cx = TwipsAPixeles(x, v.lienzo()->PuntosPorPulgadaX());
    const int cy = TwipsAPixeles(y, v.lienzo()->PuntosPorPulgadaY());
    QSet<Long> colores;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            colores.insert(LongDesdeColor(imagen.pixelColor(cx + dx, cy + dy)));
    return colores;
}

// One letter for what a cell shows at its centre: G green, R red, W white; g and r for a white
// cell cross-hatched in green or red; ? for anything else.
QChar Letra(const QSet<Long>& colores) {
    if (colores == QSet<Long>{kVerde}) return u'G';
    if (colores == QSet<Long>{kRojo}) return u'R';
    if (colores == QSet<Long>{kBlanco}) return u'W';
    if (colores == QSet<Long>{kBlanco, kVerde}) return u'g';
    if (colores == QSet<Long>{kBlanco, kRojo}) return u'r';
    return u'?';
}

// The cells of square k on a grid of the given size, read in the order of the result's ordinals:
// up the first column from the bottom, then up the next.
QString Cuadro(const FrmPrincipal& v, int k, int columnas, int filas) {
    const Single ancho = kLado / columnas, alto = kLado / filas;
    QString letras;
    for (int c = 1; c <= columnas; ++c)
        for (int f = 1; f <= filas; ++f)
            letras += Letra(
                ColoresAlrededor(v, kX[k] + (c - 0.5f) * ancho, kY[k] + (filas - f + 0.5f) * alto));
    return letras;
}

// Whether something other than the cell's own fill is printed just inside its top-left corner,
// where a cell's ordinal goes.
bool HayNumero(const FrmPrincipal& v, Single x, Single y) {
    const QImage& imagen = v.lienzo()->Imagen();
    const int x0 = TwipsAPixeles(x, v.lienzo()->PuntosPorPulgadaX());
    const int y0 = TwipsAPixeles(y, v.lienzo()->PuntosPorPulgadaY());
    const QColor fondo = imagen.pixelColor(x0 + 25, y0 + 25);
    for (int dy = 2; dy < 16; ++dy)
        for (int dx = 2; dx < 22; ++dx)
            if (imagen.pixelColor(x0 + dx, y0 + dy) != fondo) return true;
    return false;
}

// Counts the events of one type an object receives.
class Contador : public QObject {
  public:
    Contador(QObject* objeto, QEvent::Type tipo) : tipo_(tipo) { objeto->installEventFilter(this); }
    int veces = 0;

  protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == tipo_) ++veces;
        return false;
    }

  private:
    QEvent::Type tipo_;
};

// The ticks each flight took, told by the flying cell hiding in the tick that ends its flight, and
// where that flight left the cell and its steps.
class Vuelos : public QObject {
  public:
    explicit Vuelos(FrmPrincipal& v) {
        v.shpVuela->installEventFilter(this);
        connect(v.tmr, &QTimer::timeout, this, [this] { ++ticks_; });
    }
    struct Fin {
        int ticks;
        Single x, y, pasoX, pasoY;
    };
    QList<Fin> fines;

  protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Hide) { // counted before this tick reaches the test
            fines << Fin{ticks_ + 1 - tickFinal_, VueloX, VueloY, PasoX, PasoY};
            tickFinal_ = ticks_ + 1;
        }
        return false;
    }

  private:
    int ticks_ = 0, tickFinal_ = 0;
};

void ComprobarEnReposo(const FrmPrincipal& v) {
    QVERIFY(!v.Animando());
    QCOMPARE(AnchoCelda, 0.0f);
    QCOMPARE(AltoCelda, 0.0f);
    QVERIFY(!v.tmr->isActive());
    QVERIFY(!v.shpVuela->Visible());
}

} // namespace

void TestAnimacion::pasosPorVelocidad_data() {
    QTest::addColumn<int>("velocidad");
    QTest::addColumn<int>("pasos");
    QTest::newRow("muy lento") << 0 << 50;
    QTest::newRow("lento") << 1 << 35;
    QTest::newRow("medio") << 2 << 15;
    QTest::newRow("rapido") << 3 << 5;
    QTest::newRow("inmediato: no flight") << 4 << 0;
}

void TestAnimacion::pasosPorVelocidad() {
    QFETCH(int, velocidad);
    QFETCH(int, pasos);
    QCOMPARE(int(PasosDeVelocidad(Byte(velocidad))), pasos);
}

void TestAnimacion::ticksDeVuelo_data() {
    QTest::addColumn<Single>("origenY");
    QTest::addColumn<Single>("destinoY");
    QTest::addColumn<int>("pasos");
    QTest::addColumn<int>("ticks");
    // The five flights of 1/2 + 1/3 with squares of side 1800: rounding of the stored Singles
    // ends the third one a tick early.
    QTest::newRow("1/2+1/3 flight 1") << 1260.0f << 3380.0f << 15 << 15;
    QTest::newRow("1/2+1/3 flight 2") << 660.0f << 2780.0f << 15 << 15;
    QTest::newRow("1/2+1/3 flight 3") << 60.0f << 2180.0f << 15 << 14;
    QTest::newRow("1/2+1/3 flight 4") << 1260.0f << 3380.0f << 15 << 15;
    QTest::newRow("1/2+1/3 flight 5") << 1260.0f << 2780.0f << 15 << 15;
    // A target not below its source: level, the flight takes its steps and no more; above, it
    // ends before the first tick.
    QTest::newRow("level, 5 steps") << 1000.0f << 1000.0f << 5 << 5;
    QTest::newRow("level, 50 steps") << 60.0f << 60.0f << 50 << 50;
    QTest::newRow("target above") << 1000.0f << 400.0f << 5 << 0;
}

void TestAnimacion::ticksDeVuelo() {
    QFETCH(Single, origenY);
    QFETCH(Single, destinoY);
    QFETCH(int, pasos);
    QFETCH(int, ticks);
    QCOMPARE(TicksDeVuelo(origenY, destinoY, Integer(pasos)), ticks);
}

void TestAnimacion::sumaTerminada_data() {
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<int>("columnas");
    QTest::addColumn<int>("filas");
    QTest::addColumn<QString>("cuadro1");
    QTest::addColumn<QString>("cuadro2");
    QTest::addColumn<QString>("cuadro3");
    QTest::addColumn<QString>("cuadro4");
    QTest::addColumn<bool>("conEnter");
    QTest::addColumn<int>("veces");
    // clang-format off
    // Squares are read cell by cell in ordinal order (up each column from the bottom).
    QTest::newRow("1/2 + 1/3") << "1" << "2" << "1" << "3" << 2 << 3 << "gggWWW" << "rWWrWW"
                               << "GGGRRW" << "WWWWWW" << false << 1;
    QTest::newRow("1/2 + 1/3, Enter, twice") << "1" << "2" << "1" << "3" << 2 << 3 << "gggWWW"
                                             << "rWWrWW" << "GGGRRW" << "WWWWWW" << true << 2;
    QTest::newRow("1/2 + 1/2") << "1" << "2" << "1" << "2" << 2 << 2 << "ggWW" << "rWrW"
                               << "GGRR" << "WWWW" << false << 1;
    QTest::newRow("2/3 + 1/2") << "2" << "3" << "1" << "2" << 3 << 2 << "ggggWW" << "rWrWrW"
                               << "GGGGRR" << "RWWWWW" << false << 1;
    QTest::newRow("1/1 + 1/1") << "1" << "1" << "1" << "1" << 1 << 1 << "g" << "r" << "G"
                               << "R" << true << 1;
    QTest::newRow("3/2 + 0/1") << "3" << "2" << "0" << "1" << 2 << 1 << "gg" << "WW" << "GG"
                               << "GW" << false << 1;
    QTest::newRow("0/2 + 1/3") << "0" << "2" << "1" << "3" << 2 << 3 << "WWWWWW" << "rWWrWW"
                               << "RRWWWW" << "WWWWWW" << false << 1;
    QTest::newRow("-1/2 + 1/3") << "-1" << "2" << "1" << "3" << 2 << 3 << "WWWWWW" << "rWWrWW"
                                << "RRWWWW" << "WWWWWW" << false << 1;
    // clang-format on
}

// At the immediate speed "=" runs to its end without letting any event run: the finished picture
// stands when it returns.
void TestAnimacion::sumaTerminada() {
    QFETCH(QString, n1);
    QFETCH(QString, d1);
    QFETCH(QString, n2);
    QFETCH(QString, d2);
    QFETCH(int, columnas);
    QFETCH(int, filas);
    QFETCH(bool, conEnter);
    QFETCH(int, veces);

    auto v = VentanaDeLado1800();
    QCOMPARE(Lado, kLado);
    Escribir(*v, n1, d1, n2, d2);
    Velocidad = 4;
    Contador mostrado(v->shpVuela, QEvent::Show);
    for (int vez = 0; vez < veces; ++vez) {
        if (conEnter)
            QTest::keyClick(v->txtDen(2), Qt::Key_Return);
        else
            QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    }

    QTEST(Cuadro(*v, 1, columnas, filas), "cuadro1");
    QTEST(Cuadro(*v, 2, columnas, filas), "cuadro2");
    QTEST(Cuadro(*v, 3, columnas, filas), "cuadro3");
    QTEST(Cuadro(*v, 4, columnas, filas), "cuadro4");
    QCOMPARE(int(Columnas), columnas);
    QCOMPARE(int(Filas), filas);
    ComprobarEnReposo(*v);
    QCOMPARE(mostrado.veces, 0);
}

// The numbering step prints every ordinal of square 3; a cell of square 4 gets its number only
// when a cell lands in it.
void TestAnimacion::ordinalesDelResultado() {
    auto v = VentanaDeLado1800();
    Escribir(*v, "2", "3", "1", "2");
    Velocidad = 4;
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    const Single ancho = kLado / 3, alto = kLado / 2;
    for (int c = 1; c <= 3; ++c)
        for (int f = 1; f <= 2; ++f)
            QVERIFY2(HayNumero(*v, kX[3] + (c - 1) * ancho, kY[3] + (2 - f) * alto),
                     qPrintable(QStringLiteral("square 3, column %1, row %2").arg(c).arg(f)));
    // Ordinal 7 is the bottom-left cell of square 4, red; the cell above it stays unnumbered.
    QCOMPARE(ColorEn(*v, kX[4] + ancho / 2, kY[4] + alto * 1.5f), kRojo);
    QVERIFY(HayNumero(*v, kX[4], kY[4] + alto));
    QVERIFY(!HayNumero(*v, kX[4], kY[4]));
    QVERIFY(!HayNumero(*v, kX[4] + ancho, kY[4] + alto));
}

// Nothing typed: every count is zero, the grid is one cell, and only the ordinal 1 is printed.
void TestAnimacion::sinNadaEscrito() {
    auto v = VentanaDeLado1800();
    Velocidad = 4;
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(Cuadro(*v, k, 1, 1), QStringLiteral("W"));
    QVERIFY(HayNumero(*v, kX[3], kY[3]));
    QVERIFY(!HayNumero(*v, kX[4], kY[4]));
    QCOMPARE(int(Filas), 1);
    QCOMPARE(int(Columnas), 1);
    ComprobarEnReposo(*v);
}

// A denominator box emptied after the grid was set: that operand flies nothing, and the other's
// cells are cut from the grid of the denominators as they stand (2 × 1, not 2 × 3).
void TestAnimacion::denominadorBorrado() {
    auto v = VentanaDeLado1800();
    Escribir(*v, "1", "2", "1", "3");
    QCOMPARE(int(Filas), 3);
    QTest::keyClick(v->txtDen(2), Qt::Key_Backspace);
    QCOMPARE(int(Den(2)), 0);
    QCOMPARE(int(Filas), 3);
    Velocidad = 4;
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QCOMPARE(int(Filas), 1);
    QCOMPARE(int(Columnas), 2);
    QCOMPARE(Cuadro(*v, 1, 2, 1), QStringLiteral("gW"));
    QCOMPARE(Cuadro(*v, 3, 2, 1), QStringLiteral("GW"));
    QCOMPARE(Cuadro(*v, 4, 2, 1), QStringLiteral("WW"));
    // Square 2 has no strips to show, and nothing left it.
    QCOMPARE(Cuadro(*v, 2, 2, 3), QStringLiteral("WWWWWW"));
    ComprobarEnReposo(*v);
}

void TestAnimacion::sumaDemasiadoGrande_data() {
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<Single>("ancho");
    QTest::addColumn<Single>("alto");
    QTest::addColumn<Single>("lado");
    QTest::newRow("last ordinal 32768") << "32767"
                                        << "1"
                                        << "1"
                                        << "1" << 6600.0f << 9000.0f << 1800.0f;
    QTest::newRow("40000 cells to number") << "1"
                                           << "200"
                                           << "1"
                                           << "200" << 6600.0f << 9000.0f << 1800.0f;
    QTest::newRow("column corner past 32767 twips") << "100"
                                                    << "1"
                                                    << "1"
                                                    << "1" << 6600.0f << 9000.0f << 1800.0f;
    // A very tall window: the bottom row of the result area starts at 99 × 170.1 + 17390 twips.
    QTest::newRow("row corner past 32767 twips") << "1"
                                                 << "1"
                                                 << "1"
                                                 << "100" << 37020.0f << 35520.0f << 17010.0f;
}

// A sum the 16-bit ordinals and corners cannot hold does not start: a message tells the pupil why,
// and the picture and the state stay as they were.
void TestAnimacion::sumaDemasiadoGrande() {
    QFETCH(QString, n1);
    QFETCH(QString, d1);
    QFETCH(QString, n2);
    QFETCH(QString, d2);
    QFETCH(Single, ancho);
    QFETCH(Single, alto);
    QFETCH(Single, lado);
    auto v = NuevaVentana();
    FijarTamanoExterior(*v, ancho, alto);
    QCOMPARE(Lado, lado);
    Escribir(*v, n1, d1, n2, d2);
    Velocidad = 4;
    const QImage antes = v->lienzo()->Imagen().copy();
    const Integer filas = Filas, columnas = Columnas;

    struct Respuesta {
        bool dada = false;
        QString titulo, texto;
        QMessageBox::StandardButtons botones;
    };
    auto respuesta = std::make_shared<Respuesta>();
    const auto responder = [respuesta](QWidget* modal) {
        respuesta->dada = true;
        auto* caja = qobject_cast<QMessageBox*>(modal);
        if (!caja) return;
        respuesta->titulo = caja->windowTitle();
        respuesta->texto = caja->text();
        respuesta->botones = caja->standardButtons();
        caja->button(QMessageBox::Ok)->click();
    };
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    responder(ModalAbierto());
    QTRY_VERIFY(respuesta->dada);

    QCOMPARE(respuesta->titulo, QStringLiteral("Zafrelo"));
    QVERIFY2(respuesta->texto.contains(QStringLiteral("demasiado grandes")),
             qPrintable(respuesta->texto));
    QCOMPARE(respuesta->botones, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(v->lienzo()->Imagen() == antes);
    QCOMPARE(Filas, filas);
    QCOMPARE(Columnas, columnas);
    ComprobarEnReposo(*v);
}

void TestAnimacion::ventanaDemasiadoPequena_data() {
    QTest::addColumn<Single>("ancho");
    QTest::addColumn<Single>("lado");
    QTest::newRow("side 0") << 3000.0f << 0.0f;
    QTest::newRow("side -150") << 2700.0f << -150.0f;
}

// With no room for the squares "=" does nothing at all.
void TestAnimacion::ventanaDemasiadoPequena() {
    QFETCH(Single, ancho);
    QFETCH(Single, lado);
    auto v = NuevaVentana();
    Escribir(*v, "1", "2", "1", "3");
    FijarTamanoExterior(*v, ancho, 9000);
    QCOMPARE(Lado, lado);
    Velocidad = 2;
    const QImage antes = v->lienzo()->Imagen().copy();
    Contador mostrado(v->shpVuela, QEvent::Show);
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY(v->lienzo()->Imagen() == antes);
    QCOMPARE(mostrado.veces, 0);
    QCOMPARE(int(Filas), 3);
    ComprobarEnReposo(*v);
}

// 1/2 + 1/3 at the initial speed, watched flight by flight: 15, 15, 14, 15 and 15 ticks. The third
// flight has the first one's steps, exactly (2350 − 1080) / 15 and (2180 − 60) / 15 in Single
// precision, yet ends a tick early: its cell is hidden one step short of its target, and the
// target is coloured all the same. The program sleeps between ticks.
void TestAnimacion::vueloDelEjemplo() {
    auto v = VentanaDeLado1800();
    Escribir(*v, "1", "2", "1", "3");
    Velocidad = 2;
    Vuelos vuelos(*v);
    QSignalSpy ticks(v->tmr, &QTimer::timeout);
    QAbstractEventDispatcher* despachador = QAbstractEventDispatcher::instance();
    QSignalSpy esperas(despachador, &QAbstractEventDispatcher::aboutToBlock);
    QSignalSpy despertares(despachador, &QAbstractEventDispatcher::awake);

    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY(v->Animando());
    // Waited for as the program's own loop waits, sleeping until events come.
    QEventLoop bucle;
    connect(v->tmr, &QTimer::timeout, &bucle, [&] {
        if (!v->Animando()) bucle.quit();
    });
    QTimer::singleShot(20000, &bucle, &QEventLoop::quit);
    bucle.exec();
    QVERIFY2(!v->Animando(), "the addition did not end by itself");

    QCOMPARE(vuelos.fines.size(), 5);
    QList<int> porVuelo;
    for (const Vuelos::Fin& f : vuelos.fines)
        porVuelo << f.ticks;
    QCOMPARE(porVuelo, QList<int>({15, 15, 14, 15, 15}));
    const Vuelos::Fin tercero = vuelos.fines[2];
    QVERIFY2(tercero.pasoX == Single(2350 - 1080) / Single(15),
             qPrintable(QString::number(tercero.pasoX, 'g', 9)));
    QVERIFY2(tercero.pasoY == Single(2180 - 60) / Single(15),
             qPrintable(QString::number(tercero.pasoY, 'g', 9)));
    QCOMPARE(qRound(tercero.pasoX * 100), 8467);
    QCOMPARE(qRound(tercero.pasoY * 100), 14133);
    QCOMPARE(tercero.x, 1080 + 14 * tercero.pasoX);
    QVERIFY(tercero.y < 2180);
    QCOMPARE(Cuadro(*v, 3, 2, 3), QStringLiteral("GGGRRW"));
    QCOMPARE(Cuadro(*v, 1, 2, 3), QStringLiteral("gggWWW"));
    ComprobarEnReposo(*v);
    // Every tick was waited for: nothing of the run keeps the loop awake between ticks.
    QCOMPARE(ticks.count(), 74);
    QVERIFY2(esperas.count() >= ticks.count(), qPrintable(QString::number(esperas.count())));
    QVERIFY2(despertares.count() < 20 * ticks.count(),
             qPrintable(QString::number(despertares.count())));
}

void TestAnimacion::vueloSinBajar_data() {
    QTest::addColumn<Single>("arribaResultado");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<Single>("ultimoX");
    // Sources' top 60. A level target would never end a flight by its own test; one above ends it
    // before the first tick.
    QTest::newRow("target level") << 60.0f << 5 << 4250.0f;
    QTest::newRow("target above") << 20.0f << 0 << 4540.0f;
}

// 1/1 + 1/1 with the result area raised: each flight whose target is not below its source still
// ends, after its steps at most, and lands.
void TestAnimacion::vueloSinBajar() {
    QFETCH(Single, arribaResultado);
    QFETCH(int, ticks);
    QFETCH(Single, ultimoX);
    auto v = VentanaDeLado1800();
    Escribir(*v, "1", "1", "1", "1");
    PosY(3) = PosY(4) = arribaResultado;
    Velocidad = 3;
    QSignalSpy tics(v->tmr, &QTimer::timeout);

    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY2(EsperarSuma(*v), "the addition did not end by itself");

    QCOMPARE(tics.count(), 2 * ticks);
    QCOMPARE(VueloX, ultimoX);
    QCOMPARE(VueloY, 60.0f);
    ComprobarEnReposo(*v);
    // Landed on their targets, the green one over square 1's right edge.
    QCOMPARE(ColorEn(*v, 3500, arribaResultado + 900), kVerde);
    QCOMPARE(ColorEn(*v, 4400, arribaResultado + 900), kRojo);
}

// 1/2 + 1/3 at the fast speed; a resize after the first landing wipes that cell from the picture,
// and the sum told counts only the four that landed since.
void TestAnimacion::redimensionarTrasPosar() {
    auto v = VentanaDeLado1800();
    Escribir(*v, "1", "2", "1", "3");
    Velocidad = 3;
    Vuelos vuelos(*v);
    bool redimensionada = false; // taller: the squares stay where they were
    connect(v->tmr, &QTimer::timeout, v.get(), [&] {
        if (vuelos.fines.size() == 1 && !std::exchange(redimensionada, true))
            FijarTamanoExterior(*v, 6600, 9300);
    });
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY2(EsperarSuma(*v), "the addition did not end by itself");
    QVERIFY(redimensionada);
    QCOMPARE(Lado, kLado);
    QCOMPARE(Cuadro(*v, 3, 2, 3), QStringLiteral("WGGRRW"));
    QCOMPARE(v->lienzo()->accessibleDescription(),
             QStringLiteral(
                 "Primera fracción: 1/2. Segunda fracción: 1/3. Suma: 4 de 6 celdas coloreadas."));
}

// 1/2 + 1/3 flying at the fast speed. Mid-flight the cell is visible and the clock runs; a second
// "=", by button or by Enter, changes nothing; the run ends with the same picture as ever.
void TestAnimacion::sumaEnVuelo() {
    auto v = VentanaDeLado1800();
    Escribir(*v, "1", "2", "1", "3");
    Velocidad = 3;

    struct Observado {
        bool primerTick = false, visible = false, reloj = false;
        Single izquierda = 0, arriba = 0;
        bool repetido = false, animando = false, relojTras = false, visibleTras = false;
        Single anchoTras = 0;
        QString cuadro3Tras;
    } visto;
    const Single centroX1 = kX[3] + 450, centroY1 = kY[3] + 1500;
    auto conexion = connect(v->tmr, &QTimer::timeout, v.get(), [&] {
        if (!visto.primerTick) {
            visto.primerTick = true;
            visto.visible = v->shpVuela->Visible();
            visto.reloj = v->tmr->isActive();
            visto.izquierda = v->shpVuela->Left();
            visto.arriba = v->shpVuela->Top();
        }
        if (!visto.repetido && ColorEn(*v, centroX1, centroY1) == kVerde) {
            visto.repetido = true; // the first cell has landed; the second is flying
            QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
            QTest::keyClick(v->txtDen(2), Qt::Key_Return);
            visto.animando = v->Animando();
            visto.relojTras = v->tmr->isActive();
            visto.visibleTras = v->shpVuela->Visible();
            visto.anchoTras = AnchoCelda;
            visto.cuadro3Tras = Cuadro(*v, 3, 2, 3);
        }
    });
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY2(EsperarSuma(*v), "the addition did not end by itself");
    disconnect(conexion);

    QVERIFY(visto.primerTick);
    QVERIFY(visto.visible);
    QVERIFY(visto.reloj);
    // Shown one step along its path (254, 424 a step at 5 steps), and still there after tick one.
    QCOMPARE(visto.izquierda, 1080.0f + 254);
    QCOMPARE(visto.arriba, 1260.0f + 424);
    QVERIFY(visto.repetido);
    QVERIFY(visto.animando);
    QVERIFY(visto.relojTras);
    QVERIFY(visto.visibleTras);
    QCOMPARE(visto.anchoTras, 900.0f);
    QCOMPARE(visto.cuadro3Tras, QStringLiteral("GWWWWW"));

    QCOMPARE(Cuadro(*v, 1, 2, 3), QStringLiteral("gggWWW"));
    QCOMPARE(Cuadro(*v, 2, 2, 3), QStringLiteral("rWWrWW"));
    QCOMPARE(Cuadro(*v, 3, 2, 3), QStringLiteral("GGGRRW"));
    QCOMPARE(Cuadro(*v, 4, 2, 3), QStringLiteral("WWWWWW"));
    ComprobarEnReposo(*v);
}

// 1/1 + 1/1 flying; during the first flight the pupil types into a box and the window is resized.
// The typed value is taken, the first cell lands where it was heading, the second flies to the new
// square 4, and the run ends.
void TestAnimacion::escribirYRedimensionarEnVuelo() {
    auto v = VentanaDeLado1800();
    Escribir(*v, "1", "1", "1", "1");
    Velocidad = 3;

    bool hecho = false;
    int num1 = 0;
    QString texto1;
    Single lado = 0;
    auto conexion = connect(v->tmr, &QTimer::timeout, v.get(), [&] {
        if (hecho) return;
        hecho = true;
        QTest::keyClicks(v->txtNum(1), QStringLiteral("2"));
        num1 = Num(1);
        texto1 = v->txtNum(1)->text();
        FijarTamanoExterior(*v, 9000, 7300);
        lado = Lado;
    });
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY2(EsperarSuma(*v), "the addition did not end by itself");
    disconnect(conexion);

    QVERIFY(hecho);
    QCOMPARE(num1, 12);
    QCOMPARE(texto1, QStringLiteral("12"));
    QCOMPARE(lado, 3000.0f);
    // The first target, square 3 of the old layout, now between the rows of squares.
    QCOMPARE(ColorEn(*v, 2350 + 900, 2180 + 900), kVerde);
    // The second: square 4 of the new layout, at (5450, 3380), with the run's cell size.
    QCOMPARE(ColorEn(*v, 5450 + 900, 3380 + 900), kRojo);
    ComprobarEnReposo(*v);
}

// On a dark desktop, 2/4 + 1/3; in its first flight the second numerator is retyped and
// Simplificar makes 1/2. Nothing drawn then is hatched, the ink shows on white and round the
// flying cell, and the sum told is what landed on the run's 4 × 3 grid. Then a new operation in a
// flight of 9/2 + 1/3 stops it, and nothing of the old operation stays, not even the cells beside
// the squares.
void TestAnimacion::cambiosEnVuelo() {
    const QPalette clara = QApplication::palette();
    QPalette oscura = clara;
    oscura.setColor(QPalette::Window, Qt::black);
    oscura.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(oscura);
    auto v = VentanaDeLado1800();
    Escribir(*v, "2", "4", "1", "3");
    Velocidad = 3;
    QImage celda; // the flying cell, outlined in the picture's ink, not the desktop's white text
    std::function<void()> enVuelo = [&] {
        celda = v->shpVuela->grab().toImage();
        QTest::keyClicks(v->txtNum(2), QStringLiteral("\b1"));
        QTest::mouseClick(v->cmdSimpli(1), Qt::LeftButton);
    };
    connect(v->tmr, &QTimer::timeout, v.get(), [&] {
        if (auto f = std::exchange(enVuelo, nullptr)) f();
    });
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY(EsperarSuma(*v));
    const bool numero = HayNumero(*v, 3700, 2180); // ordinal 12, on a white cell
    int puntos = 0;                                // the grid in square 4
    for (Single y = 2840; y < 3320; y += 15)
        puntos += ColorEn(*v, 5600, y) == kNegro;
    QApplication::setPalette(clara);
    QVERIFY(numero && puntos > 0);
    QCOMPARE(LongDesdeColor(celda.pixelColor(0, celda.height() / 2)), kNegro);
    QCOMPARE(LongDesdeColor(celda.pixelColor(celda.width() / 2, celda.height() / 2)), kVerde);
    QCOMPARE(Cuadro(*v, 1, 4, 3) + Cuadro(*v, 2, 4, 3), QStringLiteral("GgggggWWWWWWrWWrWWRWWRWW"));
    QCOMPARE(Cuadro(*v, 3, 4, 3) + Cuadro(*v, 4, 4, 3), QStringLiteral("GGGGGGWWWWWWRRWWWWWWWWWW"));
    QCOMPARE(v->lienzo()->accessibleDescription(),
             QStringLiteral(
                 "Primera fracción: 1/2. Segunda fracción: 1/3. Suma: 8 de 12 celdas coloreadas."));
    QCOMPARE(v->findChild<QWidget*>(QStringLiteral("avisoVoz"))->accessibleName(),
             QStringLiteral("Suma: 8 de 12 celdas coloreadas."));
    const Long fondo = LongDesdeColor(clara.color(QPalette::Window));
    QTRY_COMPARE(ColorEn(*v, 200, 4500), fondo); // drawn again in the new colours

    QTest::keyClick(v->txtNum(1), Qt::Key_N, Qt::ControlModifier);
    Escribir(*v, "9", "2", "1", "3");
    Velocidad = 4;
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    Velocidad = 3;
    enVuelo = [&] { QTest::keyClick(v->txtNum(1), Qt::Key_N, Qt::ControlModifier); };
    QTest::mouseClick(v->cmdAnimar, Qt::LeftButton);
    QVERIFY(EsperarSuma(*v));
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(Cuadro(*v, k, 2, 3), QStringLiteral("WWWWWW"));
    QCOMPARE(ColorEn(*v, 3300, 900), fondo);  // strip 3 of 9/2, beside square 1
    QCOMPARE(ColorEn(*v, 6500, 3500), fondo); // result cell 13, beside square 4
    QCOMPARE(v->lienzo()->accessibleDescription(),
             QStringLiteral("Primera fracción: vacía. Segunda fracción: vacía."));
    ComprobarEnReposo(*v);
}

QTEST_MAIN(TestAnimacion)
#include "test_animacion.moc"
