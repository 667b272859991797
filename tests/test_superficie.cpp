#include "ayuda_pruebas.h"

#include "shell/controles.h"
#include "shell/lienzo.h"

#include <QMenuBar>
#include <QSignalSpy>

#include <climits>

// The window's surface read back pixel by pixel at known twip positions, the controls placed in
// twips, and the main window as the drawing routines see it.
class TestSuperficie : public QObject {
    Q_OBJECT
  private slots:
    void colorLong_data();
    void colorLong();
    void cajaRellenaYContorno();
    void trazoPunteado();
    void rellenoCruzado();
    void imprimirNumero();
    void clsBorraTodo();
    void persisteAlRedimensionarYRefrescar();
    void ubicarTwips_data();
    void ubicarTwips();
    void controlLinea();
    void controlFigura();
    void controlTemporizador();
    void ventanaPrincipal();
};

namespace {

// Twips covered by one pixel of the picture.
double TwipsPorPixel(const Lienzo& lienzo) {
    return 1440.0 / lienzo.PuntosPorPulgadaX();
}

Long Fondo(const Lienzo& lienzo) {
    return LongDesdeColor(lienzo.palette().color(QPalette::Window));
}

QPoint Pixel(const Lienzo& lienzo, Single x, Single y) {
    return {TwipsAPixeles(x, lienzo.PuntosPorPulgadaX()),
            TwipsAPixeles(y, lienzo.PuntosPorPulgadaY())};
}

// A fresh main window with its picture wiped and solid lines again (the grid drawn by its first
// resize leaves the dotted style set).
std::unique_ptr<FrmPrincipal> VentanaEnBlanco() {
    auto ventana = NuevaVentana();
    ventana->Cls();
    ventana->setDrawStyle(kDrawStyleSolido);
    return ventana;
}

// The pixels of r that are neither the background nor `sobre`: their leftmost column and top row,
// or (INT_MAX, INT_MAX) when there are none.
QPoint PrimeraTinta(const Lienzo& lienzo, QRect r, Long sobre) {
    QPoint primera(INT_MAX, INT_MAX);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const Long v = LongDesdeColor(lienzo.Imagen().pixelColor(x, y));
            if (v != Fondo(lienzo) && v != sobre)
                primera = {std::min(primera.x(), x), std::min(primera.y(), y)};
        }
    return primera;
}

} // namespace

void TestSuperficie::colorLong_data() {
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("rojo");
    QTest::addColumn<int>("verde");
    QTest::addColumn<int>("azul");
    QTest::newRow("0x00123456") << 0x00123456 << 0x56 << 0x34 << 0x12;
    QTest::newRow("verde") << int(kVerde) << 0 << 0xFF << 0;
    QTest::newRow("rojo") << int(kRojo) << 0xFF << 0 << 0;
    QTest::newRow("azul") << 0x00FF0000 << 0 << 0 << 0xFF;
}

void TestSuperficie::colorLong() {
    QFETCH(int, color);
    const QColor c = ColorDesdeLong(Long(color));
    QTEST(c.red(), "rojo");
    QTEST(c.green(), "verde");
    QTEST(c.blue(), "azul");
    QCOMPARE(LongDesdeColor(c), Long(color));
}

void TestSuperficie::cajaRellenaYContorno() {
    auto ventana = VentanaEnBlanco();
    const double p = TwipsPorPixel(*ventana->lienzo());
    const Long fondo = Fondo(*ventana->lienzo());
    ventana->CajaRellena(1500, 1200, 900, 600, kRojo);
    QCOMPARE(ColorEn(*ventana, 1500, 1200), kRojo);
    QCOMPARE(ColorEn(*ventana, 2400, 1800), kRojo); // the far corner belongs to the box
    QCOMPARE(ColorEn(*ventana, 1500 - p, 1200), fondo);
    QCOMPARE(ColorEn(*ventana, 1500, 1200 - p), fondo);
    QCOMPARE(ColorEn(*ventana, 2400 + p, 1800), fondo);
    QCOMPARE(ColorEn(*ventana, 2400, 1800 + p), fondo);

    QCOMPARE(ventana->FillStyle(), kFillStyleTransparente); // the window's default
    ventana->Caja(1500, 1200, 900, 600);
    for (const QPointF borde : {QPointF(1500, 1200), QPointF(2400, 1800), QPointF(1950, 1200),
                                QPointF(1500, 1500), QPointF(2400, 1500), QPointF(1950, 1800)})
        QCOMPARE(ColorEn(*ventana, Single(borde.x()), Single(borde.y())), kNegro);
    QCOMPARE(ColorEn(*ventana, 1500 + p, 1200 + p), kRojo);
    QCOMPARE(ColorEn(*ventana, 2400 - p, 1800 - p), kRojo);
    QCOMPARE(ColorEn(*ventana, 1950, 1500), kRojo);
    QCOMPARE(ColorEn(*ventana, 2400 + p, 1800 + p), fondo);
}

void TestSuperficie::trazoPunteado() {
    auto ventana = VentanaEnBlanco();
    const double p = TwipsPorPixel(*ventana->lienzo());
    const Long fondo = Fondo(*ventana->lienzo());
    auto pixelesConTinta = [&](Single y) { // along the row y, from x = 1500 to 3000
        int n = 0;
        for (double x = 1500; x <= 3000; x += p)
            n += (ColorEn(*ventana, Single(x), y) != fondo);
        return n;
    };
    const int largo = int(1500 / p) + 1;

    ventana->setDrawStyle(kDrawStylePunteado);
    ventana->Linea(1500, 600, 1500, 0);
    ventana->Linea(1500, 900, 1500, 0); // still dotted: the style stays set
    QCOMPARE(ventana->DrawStyle(), kDrawStylePunteado);
    ventana->setDrawStyle(kDrawStyleSolido);
    ventana->Linea(1500, 1200, 1500, 0);
    ventana->Linea(1500, 1500, 0, 600);

    for (Single y : {600.0f, 900.0f}) {
        const int n = pixelesConTinta(y);
        QVERIFY2(n > largo / 5 && n < largo * 3 / 4, qPrintable(QString::number(n)));
    }
    QCOMPARE(pixelesConTinta(1200), largo);
    QCOMPARE(ColorEn(*ventana, 2250, 1200), kNegro);    // in the foreground colour
    QCOMPARE(ColorEn(*ventana, 2250, 1200 + p), fondo); // one pixel wide
    for (double y = 1500; y <= 2100; y += p)
        QCOMPARE(ColorEn(*ventana, 1500, Single(y)), kNegro);
}

void TestSuperficie::rellenoCruzado() {
    auto ventana = VentanaEnBlanco();
    const double p = TwipsPorPixel(*ventana->lienzo());
    const Long c = 0x00C08040;
    ventana->CajaRellena(1500, 1500, 1500, 1500, kBlanco);
    ventana->setFillStyle(kFillStyleCruzDiagonal);
    ventana->setFillColor(c);
    ventana->Caja(1500, 1500, 1500, 1500);
    QCOMPARE(ventana->FillStyle(), kFillStyleCruzDiagonal);
    QCOMPARE(ventana->FillColor(), c);

    int enColor = 0, enBlanco = 0, otros = 0;
    for (double y = 1500 + 2 * p; y < 3000 - p; y += p)
        for (double x = 1500 + 2 * p; x < 3000 - p; x += p) {
            const Long v = ColorEn(*ventana, Single(x), Single(y));
            (v == c ? enColor : v == kBlanco ? enBlanco : otros)++;
        }
    QVERIFY(enColor > 0);
    QVERIFY(enBlanco > 0);
    QCOMPARE(otros, 0);
    QCOMPARE(ColorEn(*ventana, 1500, 1500), kNegro); // outlined as any box
    QCOMPARE(ColorEn(*ventana, 3000, 3000), kNegro);
}

void TestSuperficie::imprimirNumero() {
    auto ventana = VentanaEnBlanco();
    const Lienzo& lienzo = *ventana->lienzo();
    const QFontMetrics medidas(lienzo.font(), &lienzo.Imagen()); // in the picture's pixels
    const int blanco = medidas.horizontalAdvance(QLatin1Char(' '));
    const QSize texto(medidas.horizontalAdvance(QStringLiteral("-7 ")), medidas.height());
    auto alrededor = [&](QPoint a) { return QRect(a - QPoint(10, 10), texto + QSize(20, 20)); };

    // Printed over a red box, on a transparent background: the box stays red around the digit.
    ventana->CajaRellena(1500, 1500, 1500, 600, kRojo);
    ventana->setCurrentX(1800);
    ventana->setCurrentY(1650);
    ventana->Print(7);
    const QPoint a = Pixel(lienzo, 1800, 1650);
    QCOMPARE(ColorEn(*ventana, 1800, 1650), kRojo);
    const QPoint siete = PrimeraTinta(lienzo, alrededor(a), kRojo);
    QVERIFY2(siete.x() >= a.x() + blanco - 1 && siete.x() <= a.x() + blanco + 2,
             qPrintable(QStringLiteral("digit at %1, print at %2, blank %3")
                            .arg(siete.x())
                            .arg(a.x())
                            .arg(blanco)));
    QVERIFY(siete.y() >= a.y() && siete.y() < a.y() + texto.height());
    int masOscuro = 255; // in the foreground colour, up to smoothing
    for (int y = a.y(); y < a.y() + texto.height(); ++y)
        for (int x = a.x(); x < a.x() + texto.width(); ++x)
            masOscuro = std::min(masOscuro, qGray(lienzo.Imagen().pixel(x, y)));
    QVERIFY2(masOscuro < 32, qPrintable(QString::number(masOscuro)));

    // A negative number: the minus sign stands where the blank stood.
    ventana->setCurrentX(1800);
    ventana->setCurrentY(3000);
    ventana->Print(-7);
    const QPoint b = Pixel(lienzo, 1800, 3000);
    const QPoint menos = PrimeraTinta(lienzo, alrededor(b), Fondo(lienzo));
    QVERIFY(menos.x() >= b.x() && menos.x() < b.x() + blanco);
    QVERIFY(menos.y() >= b.y());
}

void TestSuperficie::clsBorraTodo() {
    auto ventana = NuevaVentana(); // its first resize drew the four squares
    Lienzo& lienzo = *ventana->lienzo();
    QCOMPARE(ColorEn(*ventana, PosX(1) + Lado / 2, PosY(1) + Lado / 2), kBlanco);
    ventana->setCurrentX(300);
    ventana->setCurrentY(300);
    ventana->Print(123);
    ventana->Linea(0, 0, 3000, 3000);
    ventana->Cls();
    const QRgb fondo = lienzo.palette().color(QPalette::Window).rgb();
    int distintos = 0;
    for (int y = 0; y < lienzo.Imagen().height(); ++y)
        for (int x = 0; x < lienzo.Imagen().width(); ++x)
            distintos += (lienzo.Imagen().pixel(x, y) != fondo);
    QCOMPARE(distintos, 0);
    const QImage pantalla = lienzo.grab().toImage();
    QCOMPARE(pantalla.pixel(pantalla.width() / 2, pantalla.height() / 2), fondo);
}

void TestSuperficie::persisteAlRedimensionarYRefrescar() {
    // A surface of its own: the main window's resize clears its picture and draws it again.
    Lienzo lienzo;
    lienzo.resize(300, 200);
    lienzo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lienzo));
    const double p = TwipsPorPixel(lienzo);
    const Single x = Single(250 * p), y = Single(150 * p); // near the far corner
    lienzo.CajaRellena(x, y, 450, 300, kVerde);
    lienzo.Refresh();
    const QPoint a = Pixel(lienzo, x, y);
    QCOMPARE(lienzo.ColorEn(x, y), kVerde);
    QCOMPARE(LongDesdeColor(lienzo.grab().toImage().pixelColor(a)), kVerde); // shown, not erased

    lienzo.resize(100, 80);
    QCoreApplication::processEvents();
    lienzo.resize(320, 220);
    QCoreApplication::processEvents();
    QCOMPARE(lienzo.ColorEn(x, y), kVerde);
    QCOMPARE(LongDesdeColor(lienzo.grab().toImage().pixelColor(a)), kVerde);
    QCOMPARE(lienzo.ColorEn(Single(315 * p), Single(215 * p)), Fondo(lienzo)); // newly shown
}

void TestSuperficie::ubicarTwips_data() {
    QTest::addColumn<QRectF>("twips");
    QTest::newRow("caja de texto") << QRectF(360, 1320, 495, 285);
    QTest::newRow("medio pixel") << QRectF(367, 368, 22.5, 7.4);
    QTest::newRow("fracciones") << QRectF(1234.5, 2000.25, 1199.9, 480);
}

void TestSuperficie::ubicarTwips() {
    QFETCH(QRectF, twips);
    QWidget padre;
    QWidget control(&padre);
    const double dpiX = control.logicalDpiX(), dpiY = control.logicalDpiY();
    auto px = [](double t, double dpi) { return int(std::lround(t * dpi / 1440.0)); };
    UbicarTwips(&control, Single(twips.x()), Single(twips.y()), Single(twips.width()),
                Single(twips.height()));
    QCOMPARE(control.geometry(), QRect(px(twips.x(), dpiX), px(twips.y(), dpiY),
                                       px(twips.width(), dpiX), px(twips.height(), dpiY)));
    const QSize tamano = control.size();
    MoverTwips(&control, Single(twips.x() + 1440), Single(twips.y() + 720));
    QCOMPARE(control.pos(), QPoint(px(twips.x() + 1440, dpiX), px(twips.y() + 720, dpiY)));
    QCOMPARE(control.size(), tamano);
}

void TestSuperficie::controlLinea() {
    QWidget padre;
    ControlLinea linea(&padre);
    linea.setX1(240);
    linea.setY1(1680);
    linea.setX2(960);
    linea.setY2(1680);
    QCOMPARE(QRectF(QPointF(linea.X1(), linea.Y1()), QPointF(linea.X2(), linea.Y2())),
             QRectF(240, 1680, 720, 0));
    const double dpi = padre.logicalDpiX();
    const QRect g = linea.geometry();
    QCOMPARE(g.topLeft(), QPoint(TwipsAPixeles(240, dpi), TwipsAPixeles(1680, dpi)));
    QCOMPARE(g.right(), TwipsAPixeles(960, dpi) + 1);
    QCOMPARE(g.height(), 2); // two pixels thick
    const QImage imagen = linea.grab().toImage();
    const QRgb tinta = linea.palette().color(QPalette::WindowText).rgb();
    QCOMPARE(imagen.pixel(g.width() / 2, 0), tinta);
    QCOMPARE(imagen.pixel(g.width() / 2, 1), tinta);
}

void TestSuperficie::controlFigura() {
    QWidget padre;
    ControlFigura control(&padre);
    Figura& f = control;
    f.setWidth(1200);
    f.setHeight(480);
    f.setFillColor(kVerde);
    f.Move(1234.5f, 677.25f);
    QCOMPARE(f.Left(), 1234.5f); // kept as given, not rounded to pixels
    QCOMPARE(f.Top(), 677.25f);
    QCOMPARE(f.Width(), 1200.0f);
    QCOMPARE(f.Height(), 480.0f);
    const double dpi = padre.logicalDpiX();
    QCOMPARE(control.geometry(),
             QRect(QPoint(TwipsAPixeles(1234.5, dpi), TwipsAPixeles(677.25, dpi)),
                   QPoint(TwipsAPixeles(2434.5, dpi), TwipsAPixeles(1157.25, dpi))));
    const QPoint centro = control.rect().center();
    QCOMPARE(LongDesdeColor(control.grab().toImage().pixelColor(centro)), kVerde);
    QCOMPARE(LongDesdeColor(control.grab().toImage().pixelColor(0, 0)), kNegro); // thin border
    f.setFillColor(kRojo);
    QCOMPARE(f.FillColor(), kRojo);
    QCOMPARE(LongDesdeColor(control.grab().toImage().pixelColor(centro)), kRojo);
    f.setVisible(false);
    QVERIFY(!f.Visible());
    f.setVisible(true);
    QVERIFY(f.Visible());
}

void TestSuperficie::controlTemporizador() {
    ControlTemporizador reloj(nullptr, 50);
    Temporizador& t = reloj;
    QCOMPARE(reloj.interval(), 50);
    QVERIFY(!t.Enabled());
    QSignalSpy tic(&reloj, &QTimer::timeout);
    t.setEnabled(true);
    QVERIFY(t.Enabled());
    QVERIFY(tic.wait(2000));
    t.setEnabled(false);
    QVERIFY(!t.Enabled());
    QVERIFY(!reloj.isActive());
}

void TestSuperficie::ventanaPrincipal() {
    auto ventana = NuevaVentana();
    QCOMPARE(ventana->windowTitle(), QStringLiteral("Zafrelo - prototipo"));
    const Lienzo* lienzo = ventana->lienzo();
    QCOMPARE(ventana->centralWidget(), lienzo);
    const double dpiX = lienzo->logicalDpiX(), dpiY = lienzo->logicalDpiY();
    QCOMPARE(lienzo->size(), QSize(TwipsAPixeles(8880, dpiX), TwipsAPixeles(6405, dpiY)));
    QCOMPARE(lienzo->mapTo(ventana.get(), QPoint(0, 0)).y(),
             ventana->menuBar()->geometry().bottom() + 1);

    Formulario& form = *ventana;
    QCOMPARE(frmLienzo, &form);
    QCOMPARE(form.Width(), PixelesATwips(ventana->frameGeometry().width(), dpiX));
    QCOMPARE(form.Height(), PixelesATwips(ventana->frameGeometry().height(), dpiY));
    QVERIFY(form.Width() >= 8880);
    QVERIFY(form.Height() >= 6405 + PixelesATwips(ventana->menuBar()->height(), dpiY));

    Temporizador* tmr = MiembroComo<Temporizador>(form, QStringLiteral("tmr"));
    QVERIFY(tmr);
    QVERIFY(!tmr->Enabled());
    QCOMPARE(ventana->tmr->interval(), 50);
    Figura* figura = MiembroComo<Figura>(form, QStringLiteral("shpVuela"));
    QVERIFY(figura);
    QCOMPARE(shpVolador, figura);
    QVERIFY(!figura->Visible());
    QVERIFY(!MiembroComo<Figura>(form, QStringLiteral("tmr")));
    QVERIFY(!form.Miembro(QStringLiteral("noExiste")));
}

QTEST_MAIN(TestSuperficie)
#include "test_superficie.moc"
