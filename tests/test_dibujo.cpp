#include "ayuda_pruebas.h"

#include "drawing/geometria.h"
#include "drawing/graficar.h"

// The drawing routines, seen twice: through a form that writes down every surface operation, and
// on the real window, read back pixel by pixel.

namespace {

// Nine digits: enough to tell any two Singles apart.
QString N(double v) {
    return QString::number(v, 'g', 9);
}

// One line per operation: "B x y w h colour style" filled box, "C x y w h style" outline,
// "L x y dx dy style" segment, "P n x y" print at the print position, "R" refresh.
QString Rellena(double x, double y, double w, double h, Long c, int estilo = kDrawStyleSolido) {
    return QStringLiteral("B %1 %2 %3 %4 %5 %6").arg(N(x), N(y), N(w), N(h), N(c), N(estilo));
}
QString Contorno(double x, double y, double w, double h, int estilo = kDrawStyleSolido) {
    return QStringLiteral("C %1 %2 %3 %4 %5").arg(N(x), N(y), N(w), N(h), N(estilo));
}
QString Segmento(double x, double y, double dx, double dy, int estilo = kDrawStylePunteado) {
    return QStringLiteral("L %1 %2 %3 %4 %5").arg(N(x), N(y), N(dx), N(dy), N(estilo));
}
// What one solid box of the drawing routines amounts to.
QStringList Caja(double x, double y, double w, double h, Long c) {
    return {Rellena(x, y, w, h, c), Contorno(x, y, w, h)};
}

class FormularioGrabador : public Formulario {
  public:
    QStringList ops;
    int cambiosDeRelleno = 0;

    void Reiniciar() {
        ops.clear();
        cambiosDeRelleno = 0;
        drawStyle_ = kDrawStyleSolido;
        currentX_ = currentY_ = 0;
    }
    // The first letter of every operation.
    QString Firma() const {
        QString s;
        for (const QString& o : ops)
            s += o.at(0);
        return s;
    }

    Single Width() const override { return 9000; }
    Single Height() const override { return 7300; }
    void setDrawStyle(int estilo) override { drawStyle_ = estilo; }
    int DrawStyle() const override { return drawStyle_; }
    void setFillStyle(int) override { ++cambiosDeRelleno; }
    int FillStyle() const override { return kFillStyleTransparente; }
    void setFillColor(Long) override { ++cambiosDeRelleno; }
    Long FillColor() const override { return 0; }
    void Linea(Single x, Single y, Single dx, Single dy) override {
        ops << Segmento(x, y, dx, dy, drawStyle_);
    }
    void CajaRellena(Single x, Single y, Single w, Single h, Long color) override {
        ops << Rellena(x, y, w, h, color, drawStyle_);
    }
    void Caja(Single x, Single y, Single w, Single h) override {
        ops << Contorno(x, y, w, h, drawStyle_);
    }
    void setCurrentX(Single x) override { currentX_ = x; }
    void setCurrentY(Single y) override { currentY_ = y; }
    Single CurrentX() const override { return currentX_; }
    Single CurrentY() const override { return currentY_; }
    void Print(Integer n) override {
        ops << QStringLiteral("P %1 %2 %3").arg(N(n), N(currentX_), N(currentY_));
    }
    void Cls() override { ops.clear(); }
    void Refresh() override { ops << QStringLiteral("R"); }
    QObject* Miembro(const QString&) override { return nullptr; }

  private:
    int drawStyle_ = kDrawStyleSolido;
    Single currentX_ = 0, currentY_ = 0;
};

} // namespace

class TestDibujo : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void operando_data();
    void operando();
    void cuadricula_data();
    void cuadricula();
    void cajaTrasCuadricula();
    void numerarCelda_data();
    void numerarCelda();
    void redibujarTodo_data();
    void redibujarTodo();
    void ventanaReal();
    void cuadriculaYNumeroEnVentana();

  private:
    FormularioGrabador grabador_;
};

// The squares of Lado 1800: (1080, 60), (4540, 60), (2350, 2180), (4250, 2180).
void TestDibujo::init() {
    BorrarEstado();
    Orientacion(1) = 1;
    Orientacion(2) = 0;
    Colores(1) = kVerde;
    Colores(2) = kRojo;
    Colores(3) = kBlanco;
    Lado = 1800;
    ColocarCuadrados();
    grabador_.Reiniciar();
    frmLienzo = &grabador_;
}

void TestDibujo::cleanup() {
    if (frmLienzo != &grabador_) return;
    frmLienzo = nullptr;
    QCOMPARE(grabador_.cambiosDeRelleno, 0); // the fill style belongs to the flight of a cell
}

void TestDibujo::operando_data() {
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("num");
    QTest::addColumn<int>("den");
    QTest::addColumn<QStringList>("ops");
    QTest::newRow("1/2 en columnas")
        << 1 << 1 << 2 << Caja(1080, 60, 900, 1800, kVerde) + Caja(1980, 60, 900, 1800, kBlanco);
    QTest::newRow("1/3 en filas desde abajo")
        << 2 << 1 << 3
        << Caja(4540, 1260, 1800, 600, kRojo) + Caja(4540, 660, 1800, 600, kBlanco) +
               Caja(4540, 60, 1800, 600, kBlanco);
    QTest::newRow("0/3") << 2 << 0 << 3
                         << Caja(4540, 1260, 1800, 600, kBlanco) +
                                Caja(4540, 660, 1800, 600, kBlanco) +
                                Caja(4540, 60, 1800, 600, kBlanco);
    QTest::newRow("5/3") << 1 << 5 << 3
                         << Caja(1080, 60, 600, 1800, kVerde) + Caja(1680, 60, 600, 1800, kVerde) +
                                Caja(2280, 60, 600, 1800, kVerde);
    QTest::newRow("-1/2") << 1 << -1 << 2
                          << Caja(1080, 60, 900, 1800, kBlanco) +
                                 Caja(1980, 60, 900, 1800, kBlanco);
    QTest::newRow("2/1") << 2 << 2 << 1 << Caja(4540, 60, 1800, 1800, kRojo);
    QTest::newRow("den 0") << 1 << 1 << 0 << QStringList();
    QTest::newRow("den negativo") << 2 << 1 << -4 << QStringList();
}

void TestDibujo::operando() {
    QFETCH(int, i);
    QFETCH(int, num);
    QFETCH(int, den);
    Num(i) = Integer(num);
    Den(i) = Integer(den);
    grabador_.setDrawStyle(kDrawStylePunteado); // as the grid leaves it: every box is solid anyway
    DibujarOperando(Integer(i));
    QTEST(grabador_.ops, "ops");
}

void TestDibujo::cuadricula_data() {
    QTest::addColumn<float>("ancho");
    QTest::addColumn<float>("alto");
    QTest::newRow("celdas de 900 x 600") << 900.0f << 600.0f;
    QTest::newRow("fuera de una suma") << 0.0f << 0.0f; // every line on a left or top edge
}

void TestDibujo::cuadricula() {
    QFETCH(float, ancho);
    QFETCH(float, alto);
    Den(1) = 2;
    Den(2) = 3;
    AnchoCelda = ancho;
    AltoCelda = alto;
    DibujarCuadricula();
    // Operand 1's one vertical line through the four squares, then operand 2's two horizontal ones.
    const double x[] = {1080, 4540, 2350, 4250}, y[] = {60, 60, 2180, 2180};
    QStringList esperados;
    for (int k = 0; k < 4; ++k)
        esperados << Segmento(x[k] + ancho, y[k], 0, 1800);
    for (int j = 1; j <= 2; ++j)
        for (int k = 0; k < 4; ++k)
            esperados << Segmento(x[k], y[k] + j * alto, 1800, 0);
    QCOMPARE(grabador_.ops, esperados);
    QCOMPARE(grabador_.DrawStyle(), kDrawStylePunteado); // left dotted
}

void TestDibujo::cajaTrasCuadricula() {
    Num(1) = 1;
    Den(1) = 3;
    Den(2) = 1; // one strip: no horizontal line
    AnchoCelda = 600;
    DibujarCuadricula();
    DibujarOperando(1);
    QCOMPARE(grabador_.Firma(), QStringLiteral("LLLLLLLLBCBCBC"));
    QCOMPARE(grabador_.ops.mid(8, 2), Caja(1080, 60, 600, 1800, kVerde)); // solid again
    QCOMPARE(grabador_.DrawStyle(), kDrawStyleSolido);

    grabador_.ops.clear();
    Den(1) = 0;
    Den(2) = -2;
    DibujarCuadricula();
    QVERIFY(grabador_.ops.isEmpty());
    QCOMPARE(grabador_.DrawStyle(), kDrawStylePunteado);
}

void TestDibujo::numerarCelda_data() {
    QTest::addColumn<int>("columnas");
    QTest::addColumn<int>("filas");
    QTest::addColumn<float>("ancho");
    QTest::addColumn<float>("alto");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("columna");
    QTest::addColumn<QString>("op");
    QTest::newRow("1 abajo a la izquierda")
        << 2 << 3 << 900.0f << 600.0f << 1 << 1 << "P 1 2350 3380";
    QTest::newRow("6 arriba a la derecha")
        << 2 << 3 << 900.0f << 600.0f << 3 << 2 << "P 6 3250 2180";
    QTest::newRow("7 primera del cuadro 4")
        << 2 << 3 << 900.0f << 600.0f << 1 << 3 << "P 7 4250 3380";
    QTest::newRow("8 sobre la 7") << 2 << 3 << 900.0f << 600.0f << 2 << 3 << "P 8 4250 2780";
    QTest::newRow("empate al par") << 2 << 3 << 500.5f << 600.0f << 1 << 2 << "P 4 2850 3380";
    // Nothing typed yet: no grid and cells one side high, so 1 lands above the result area.
    QTest::newRow("sin denominadores") << 0 << 0 << 1800.0f << 1800.0f << 1 << 1 << "P 1 4250 380";
}

void TestDibujo::numerarCelda() {
    QFETCH(int, columnas);
    QFETCH(int, filas);
    QFETCH(float, ancho);
    QFETCH(float, alto);
    QFETCH(int, fila);
    QFETCH(int, columna);
    QFETCH(QString, op);
    Columnas = Integer(columnas);
    Filas = Integer(filas);
    AnchoCelda = ancho;
    AltoCelda = alto;
    grabador_.setCurrentX(-1);
    grabador_.setCurrentY(-1);
    NumerarCelda(Integer(fila), Integer(columna));
    QCOMPARE(grabador_.ops, QStringList{op});
}

void TestDibujo::redibujarTodo_data() {
    QTest::addColumn<int>("den1");
    QTest::addColumn<QString>("firma");
    const QString cuadros = QStringLiteral("BC").repeated(4);
    QTest::newRow("1/2 y 1/3") << 2
                               << cuadros + QStringLiteral("BC").repeated(5) +
                                      QStringLiteral("L").repeated(12) + "R";
    QTest::newRow("sin el primero")
        << 0 << cuadros + QStringLiteral("BC").repeated(3) + QStringLiteral("L").repeated(8) + "R";
}

void TestDibujo::redibujarTodo() {
    QFETCH(int, den1);
    Num(1) = 1;
    Num(2) = 1;
    Den(1) = Integer(den1);
    Den(2) = 3;
    AnchoCelda = 900;
    AltoCelda = 600;
    grabador_.setDrawStyle(kDrawStylePunteado);
    RedibujarTodo();
    QTEST(grabador_.Firma(), "firma");
    // Four white squares, in order, before anything else; square 1 then gets its strips or none.
    QCOMPARE(grabador_.ops.mid(0, 8),
             Caja(1080, 60, 1800, 1800, kBlanco) + Caja(4540, 60, 1800, 1800, kBlanco) +
                 Caja(2350, 2180, 1800, 1800, kBlanco) + Caja(4250, 2180, 1800, 1800, kBlanco));
    QCOMPARE(grabador_.ops.at(8),
             den1 ? Rellena(1080, 60, 900, 1800, kVerde) : Rellena(4540, 1260, 1800, 600, kRojo));
}

// The window as the program shows it, with the operands set straight into the state.
void TestDibujo::ventanaReal() {
    frmLienzo = nullptr;
    auto ventana = NuevaVentana();
    Num(1) = 1;
    Den(1) = 2;
    Num(2) = 1;
    Den(2) = 3;
    RedibujarTodo();
    QVERIFY(Lado > 600);
    auto en = [&](int k, double fx, double fy) {
        return ColorEn(*ventana, Single(PosX(k) + fx * Lado), Single(PosY(k) + fy * Lado));
    };
    QCOMPARE(en(1, 0.25, 0.5), kVerde);
    QCOMPARE(en(1, 0.75, 0.5), kBlanco);
    QCOMPARE(en(1, 0.5, 0.5), kNegro); // a solid border between the strips
    QCOMPARE(en(2, 0.5, 5.0 / 6), kRojo);
    QCOMPARE(en(2, 0.05, 0.95), kRojo);
    QCOMPARE(en(2, 0.5, 0.5), kBlanco);
    QCOMPARE(en(2, 0.5, 1.0 / 6), kBlanco);
    for (int k = 3; k <= 4; ++k) {
        QCOMPARE(en(k, 0.5, 0.5), kBlanco);
        QCOMPARE(en(k, 1.0, 1.0), kNegro);
    }
    QCOMPARE(en(1, 1.1, 0.5), LongDesdeColor(ventana->lienzo()->palette().color(QPalette::Window)));

    Den(1) = 0; // square 1 without a denominator stays plain white
    RedibujarTodo();
    QCOMPARE(en(1, 0.25, 0.5), kBlanco);
    QCOMPARE(en(1, 0.5, 0.5), kBlanco);
}

void TestDibujo::cuadriculaYNumeroEnVentana() {
    frmLienzo = nullptr;
    auto ventana = NuevaVentana();
    const Lienzo& lienzo = *ventana->lienzo();
    Den(1) = 2;
    Den(2) = 3;
    Columnas = 2;
    Filas = 3;
    AnchoCelda = Lado / 2;
    AltoCelda = Lado / 3;
    RedibujarTodo();
    // Square 3's vertical grid line is dotted: black and white pixels along it.
    const double p = 1440.0 / lienzo.PuntosPorPulgadaY();
    int negros = 0, blancos = 0;
    for (double y = PosY(3) + 2 * p; y < PosY(3) + Lado - p; y += p) {
        const Long c = ColorEn(*ventana, PosX(3) + AnchoCelda, Single(y));
        negros += (c == kNegro);
        blancos += (c == kBlanco);
    }
    QVERIFY(negros > 0);
    QVERIFY(blancos > negros);

    // Ordinal 1 shows near the top-left corner of square 3's bottom-left cell, not in the next one.
    NumerarCelda(1, 1);
    const QPoint a(TwipsAPixeles(ColumnaX(1), lienzo.PuntosPorPulgadaX()),
                   TwipsAPixeles(FilaY(1), lienzo.PuntosPorPulgadaY()));
    const QFontMetrics medidas(lienzo.font(), &lienzo.Imagen()); // in the picture's pixels
    auto oscuros = [&](int x0) {
        int n = 0;
        for (int y = a.y() + 1; y < a.y() + medidas.height(); ++y)
            for (int x = x0 + 1; x < x0 + medidas.horizontalAdvance(QStringLiteral(" 1 ")); ++x)
                n += qGray(lienzo.Imagen().pixel(x, y)) < 128;
        return n;
    };
    QVERIFY(oscuros(a.x()) > 0);
    QCOMPARE(oscuros(TwipsAPixeles(ColumnaX(2), lienzo.PuntosPorPulgadaX())), 0);
}

QTEST_MAIN(TestDibujo)
#include "test_dibujo.moc"
