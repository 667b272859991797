#include "ayuda_pruebas.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cmath>

#if __has_include(<qpa/qplatformnativeinterface.h>)
#include <qpa/qplatformnativeinterface.h>
#define ZAFRELO_ESCALA_EN_SU_SITIO 1
#endif

// The window on a screen of several device pixels per logical pixel (a HiDPI projector): the
// picture is drawn in device pixels, its lines stay one device pixel thin, and the layout in
// twips is the one of an ordinary screen. CTest runs it at QT_SCALE_FACTOR 1 and 2, with the same
// expectations.
class TestAltaDensidad : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void imagenEnPixelesDelDispositivo();
    void disposicionEnTwips();
    void trazosDeUnPixel();
    void dibujoDeLaSuma();
    void celdaVoladora();
    void otraPantalla();
    void escalaCambiadaEnSuSitio();

  private:
    double razon_ = 1;
};

namespace {

QRgb Tinta() {
    return qRgb(0, 0, 0);
}

// Device pixels of ink met along a row (or a column) of the picture, between two device
// coordinates.
int TintaEnFila(const QImage& img, int y, int desde, int hasta) {
    int n = 0;
    for (int x = desde; x <= hasta; ++x)
        n += (img.pixel(x, y) & 0xFFFFFF) == (Tinta() & 0xFFFFFF);
    return n;
}
int TintaEnColumna(const QImage& img, int x, int desde, int hasta) {
    int n = 0;
    for (int y = desde; y <= hasta; ++y)
        n += (img.pixel(x, y) & 0xFFFFFF) == (Tinta() & 0xFFFFFF);
    return n;
}

// Twips to the picture's device pixels.
int Px(const FrmPrincipal& v, double twips) {
    return TwipsAPixeles(twips, v.lienzo()->PuntosPorPulgadaX());
}

QString FueraDeLugar(const QWidget* c, double x, double y) {
    // Nearest logical pixel: within half a pixel of the twips asked for.
    const double media = 720.0 / c->logicalDpiX();
    if (std::abs(IzquierdaTwips(c) - x) <= media && std::abs(ArribaTwips(c) - y) <= media)
        return {};
    return QStringLiteral("%1 at (%2, %3) twips, expected (%4, %5)")
        .arg(c->objectName())
        .arg(IzquierdaTwips(c))
        .arg(ArribaTwips(c))
        .arg(x)
        .arg(y);
}

} // namespace

void TestAltaDensidad::initTestCase() {
    razon_ = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QVERIFY(razon_ >= 1);
}

void TestAltaDensidad::imagenEnPixelesDelDispositivo() {
    auto v = NuevaVentana();
    Lienzo* lienzo = v->lienzo();
    QCOMPARE(lienzo->devicePixelRatioF(), razon_);
    // Twips are measured against logical pixels: the scale factor must not shrink the window.
    QCOMPARE(v->logicalDpiX(), 96);
    QCOMPARE(lienzo->PuntosPorPulgadaX(), 96 * razon_);
    const QImage& imagen = lienzo->Imagen();
    QVERIFY(imagen.width() >= std::ceil(lienzo->width() * razon_));
    QVERIFY(imagen.height() >= std::ceil(lienzo->height() * razon_));

    // A box of 900 × 600 twips covers 60 × 40 logical pixels, so 60 × razon + 1 device pixels
    // with both corners: drawn at full resolution, not enlarged from a smaller picture.
    v->Cls();
    v->CajaRellena(6000, 1200, 900, 600, kRojo);
    const QImage& caja = lienzo->Imagen();
    const int y = Px(*v, 1500), x = Px(*v, 6450);
    int ancho = 0, alto = 0;
    for (int i = 0; i < caja.width(); ++i)
        ancho += caja.pixelColor(i, y) == QColor(Qt::red);
    for (int j = 0; j < caja.height(); ++j)
        alto += caja.pixelColor(x, j) == QColor(Qt::red);
    QCOMPARE(ancho, int(60 * razon_) + 1);
    QCOMPARE(alto, int(40 * razon_) + 1);

    // The title-bar icon has an image of its own for the ratio, not one blown up.
    const QSize icono = v->windowIcon().pixmap(QSize(16, 16), razon_).size();
    QCOMPARE(icono, QSize(16, 16) * razon_);
    QVERIFY(v->windowIcon().availableSizes().contains(icono));

    // What the window shows is that picture, pixel for pixel.
    const QImage enPantalla = v->lienzo()->grab().toImage();
    QCOMPARE(enPantalla.devicePixelRatio(), razon_);
    QCOMPARE(enPantalla.pixelColor(x, y), QColor(Qt::red));
    QCOMPARE(enPantalla.pixelColor(Px(*v, 6000) - 1, y),
             v->lienzo()->palette().color(QPalette::Window));
}

void TestAltaDensidad::disposicionEnTwips() {
    auto v = NuevaVentana();
    FijarTamanoExterior(*v, 9000, 7305);
    QCOMPARE(v->Width(), 9000.f);
    QCOMPARE(v->Height(), 7305.f);
    QCOMPARE(Lado, 3000.f);
    const double T = 1240, R = 4320;
    const struct {
        QWidget* control;
        double x, y;
    } lugares[] = {{v->txtNum(1), 360, T},           {v->txtDen(1), 360, T + 440},
                   {v->cmdSimpli(1), 120, T + 800},  {v->txtNum(2), R + 720, T},
                   {v->txtDen(2), R + 720, T + 440}, {v->cmdSimpli(2), R + 480, T + 800},
                   {v->lblOp, R, T + 120},           {v->cmdAnimar, 480, 4500}};
    for (const auto& l : lugares) {
        const QString error = FueraDeLugar(l.control, l.x, l.y);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    // Designed sizes in twips, to the nearest logical pixel.
    QCOMPARE(v->txtNum(1)->size(), QSize(33, 19));
    QCOMPARE(v->cmdAnimar->size(), QSize(81, 54));
    QCOMPARE(v->cmdSimpli(2)->size(), QSize(57, 33));
}

// Every line of the picture is one device pixel across, whatever the ratio: segments solid and
// dotted, and box outlines.
void TestAltaDensidad::trazosDeUnPixel() {
    auto v = NuevaVentana();
    v->Cls();
    v->setDrawStyle(kDrawStyleSolido);
    v->Linea(1500, 1200, 1500, 0);
    v->Linea(4500, 1500, 0, 1500);
    v->setDrawStyle(kDrawStylePunteado);
    v->Linea(1500, 3000, 1500, 0);
    v->setDrawStyle(kDrawStyleSolido);
    v->setFillStyle(kFillStyleTransparente);
    v->Caja(1500, 3600, 1500, 900);
    const QImage& img = v->lienzo()->Imagen();
    const int holgura = int(4 * razon_); // device pixels either side of a line

    const int yH = Px(*v, 1200), xV = Px(*v, 4500);
    QCOMPARE(TintaEnColumna(img, Px(*v, 2250), yH - holgura, yH + holgura), 1);
    QCOMPARE(TintaEnFila(img, Px(*v, 2250), xV - holgura, xV + holgura), 1);

    // The dotted one: broken along its length, one pixel across wherever it has ink.
    const int yP = Px(*v, 3000);
    const int largo = Px(*v, 3000) - Px(*v, 1500) + 1;
    const int puntos = TintaEnFila(img, yP, Px(*v, 1500), Px(*v, 3000));
    QVERIFY2(puntos > largo / 5 && puntos < largo * 3 / 4, qPrintable(QString::number(puntos)));
    for (int x = Px(*v, 1500); x <= Px(*v, 3000); ++x)
        if (TintaEnColumna(img, x, yP, yP) == 1)
            QCOMPARE(TintaEnColumna(img, x, yP - holgura, yP + holgura), 1);

    const int izquierda = Px(*v, 1500), arriba = Px(*v, 3600), medioY = Px(*v, 4050);
    QCOMPARE(TintaEnFila(img, medioY, izquierda - holgura, izquierda + holgura), 1);
    QCOMPARE(TintaEnColumna(img, Px(*v, 2250), arriba - holgura, arriba + holgura), 1);
    QCOMPARE(TintaEnFila(img, medioY, Px(*v, 3000) - holgura, Px(*v, 3000) + holgura), 1);
}

// The program's own drawing at that ratio: the outline of a square and the dotted grid an
// addition leaves over an empty result square.
void TestAltaDensidad::dibujoDeLaSuma() {
    auto v = NuevaVentana();
    Velocidad = 4;
    for (auto [caja, texto] : {std::pair{v->txtNum(1), "1"}, std::pair{v->txtDen(1), "2"},
                               std::pair{v->txtNum(2), "1"}, std::pair{v->txtDen(2), "3"}}) {
        caja->setFocus();
        QTest::keyClicks(caja, QString::fromLatin1(texto));
    }
    QTest::keyClick(v->txtDen(2), Qt::Key_Return);
    const QImage& img = v->lienzo()->Imagen();
    const int holgura = int(4 * razon_);

    const int medio = Px(*v, PosY(1) + Lado / 2), borde = Px(*v, PosX(1));
    QCOMPARE(TintaEnFila(img, medio, borde - holgura, borde + holgura), 1);
    // Square 4 got no cell: its middle column line is the dotted grid over white, crossed by the
    // two row lines.
    const int x = Px(*v, PosX(4) + Lado / 2);
    const int filas[] = {Px(*v, PosY(4) + Lado / 3), Px(*v, PosY(4) + 2 * Lado / 3)};
    int conTinta = 0;
    for (int y = Px(*v, PosY(4)) + holgura; y < Px(*v, PosY(4) + Lado) - holgura; ++y) {
        if (std::abs(y - filas[0]) <= holgura || std::abs(y - filas[1]) <= holgura) continue;
        const int n = TintaEnFila(img, y, x - holgura, x + holgura);
        QVERIFY2(n <= 1, qPrintable(QStringLiteral("%1 pixels across at row %2").arg(n).arg(y)));
        conTinta += n;
    }
    QVERIFY(conTinta > 0);
}

// The flying cell is a control above the picture: it too has a border of one device pixel.
void TestAltaDensidad::celdaVoladora() {
    auto v = NuevaVentana();
    ControlFigura* celda = v->shpVuela;
    celda->setFillColor(kRojo);
    celda->Move(1500, 1500);
    celda->setVisible(true);
    const QImage img = celda->grab().toImage();
    QCOMPARE(img.width(), int(std::lround(celda->width() * razon_)));
    const int medio = img.height() / 2;
    QCOMPARE(img.pixelColor(0, medio), QColor(Qt::black));
    QCOMPARE(img.pixelColor(1, medio), QColor(Qt::red));
    QCOMPARE(img.pixelColor(img.width() - 1, medio), QColor(Qt::black));
    QCOMPARE(img.pixelColor(img.width() - 2, medio), QColor(Qt::red));
}

// Dragged to a screen at scale 2 and back, the window draws its picture at the new scale at once.
void TestAltaDensidad::otraPantalla() {
    const QList<QScreen*> pantallas = QGuiApplication::screens();
    if (pantallas.size() < 2) QSKIP("two screens of different scales: see dos_pantallas.json");
    auto v = NuevaVentana();
    QTest::keyClicks(v->txtNum(1), QStringLiteral("1"));
    QTest::keyClicks(v->txtDen(1), QStringLiteral("2"));
    for (QScreen* pantalla : {pantallas[1], pantallas[0]}) {
        v->move(pantalla->geometry().topLeft() + QPoint(40, 40));
        QTRY_COMPARE(v->lienzo()->devicePixelRatioF(), pantalla->devicePixelRatio());
        QCOMPARE(ColorEn(*v, PosX(1) + Lado / 4, PosY(1) + Lado / 2), kVerde);
        QCOMPARE(ColorEn(*v, PosX(2) + Lado - 20, PosY(2) + Lado - 20), kBlanco);
    }
}

// The desktop's scale changed with the window where it stands (Windows' settings, 125 % to 150 %;
// a projector in duplicate mode): the window system may say nothing of it, and the next paint
// finds a picture of another scale. The squares are drawn again at once, not left blank.
void TestAltaDensidad::escalaCambiadaEnSuSitio() {
#ifdef ZAFRELO_ESCALA_EN_SU_SITIO
    // Qt's offscreen platform changes its screens' ratio in place, telling no window.
    using Configurar = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    using Leer = QJsonObject (*)(QPlatformNativeInterface*);
    QPlatformNativeInterface* nativa = QGuiApplication::platformNativeInterface();
    const auto configurar = reinterpret_cast<Configurar>(
        nativa ? nativa->nativeResourceForIntegration("setConfiguration") : nullptr);
    const auto leer = reinterpret_cast<Leer>(
        nativa ? nativa->nativeResourceForIntegration("configuration") : nullptr);
    if (!configurar || !leer) QSKIP("only Qt's offscreen platform changes a scale in place");
    const QJsonObject antes = leer(nativa);
    auto conRazon = [&antes](double razon) {
        QJsonObject c = antes;
        QJsonArray pantallas = c[QStringLiteral("screens")].toArray();
        for (auto&& p : pantallas) {
            QJsonObject o = p.toObject();
            o[QStringLiteral("dpr")] = razon;
            p = o;
        }
        c[QStringLiteral("screens")] = pantallas;
        return c;
    };
    const QRegularExpression aviso(QStringLiteral("DPR change notifications"));
    auto v = NuevaVentana();
    QTest::keyClicks(v->txtNum(1), QStringLiteral("1"));
    QTest::keyClicks(v->txtDen(1), QStringLiteral("2"));
    const QScopeGuard restaurar([&] { configurar(antes, nativa); }); // the loop ends at 1
    for (double razon : {1.5, 1.0}) {
        QTest::ignoreMessage(QtWarningMsg, aviso);
        configurar(conRazon(razon), nativa);
        v->lienzo()->repaint(); // what the window system asks for after a new scale
        QCOMPARE(v->lienzo()->PuntosPorPulgadaX(), 96 * razon * razon_);
        QTRY_COMPARE(ColorEn(*v, PosX(1) + Lado / 4, PosY(1) + Lado / 2), kVerde);
        QCOMPARE(ColorEn(*v, PosX(1) + Lado * 3 / 4, PosY(1) + Lado / 2), kBlanco);
        QCOMPARE(ColorEn(*v, PosX(2) + Lado / 2, PosY(2) + Lado / 2), kBlanco);
    }
#else
    QSKIP("Qt's private platform headers are not installed");
#endif
}

QTEST_MAIN(TestAltaDensidad)
#include "test_alta_densidad.moc"
