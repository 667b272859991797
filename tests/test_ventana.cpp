#include "ayuda_pruebas.h"
#include "shell/controles.h"
#include "shell/traduccion.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>

// The main window as the pupil meets it: menus, controls, tab order, the layout at several sizes,
// and the keys that reach the menus from inside a fraction box.
class TestVentana : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QVERIFY(InstalarTraduccionQt()); }
    void menus();
    void controles();
    void ordenDeTabulacion();
    void disposicion_data();
    void disposicion();
    void volverAlTamanoAnterior();
    void enterEnCadaCaja_data();
    void enterEnCadaCaja();
    void acercaDe();
    void menuContextualDeUnaCaja();
    void ctrlNEnUnaCaja();
    void ctrlVEnUnaCaja_data();
    void ctrlVEnUnaCaja();
    // Ends the program: Qt then leaves every later event loop at once, so it runs last.
    void ctrlXEnUnaCaja_data();
    void ctrlXEnUnaCaja();
};

namespace {

// Control positions and sizes come back from whole pixels: one pixel of slack, in twips. Each
// returns what is wrong, or nothing.
QString FueraDeLugar(const QWidget* c, double x, double y) {
    const double holgura = 1440.0 / c->logicalDpiX();
    const double cx = IzquierdaTwips(c), cy = ArribaTwips(c);
    if (std::abs(cx - x) <= holgura && std::abs(cy - y) <= holgura) return {};
    return QStringLiteral("%1 at (%2, %3), expected (%4, %5)")
        .arg(c->objectName())
        .arg(cx)
        .arg(cy)
        .arg(x)
        .arg(y);
}

QString FueraDeMedida(const QWidget* c, double ancho, double alto) {
    const double holgura = 1440.0 / c->logicalDpiX();
    const double w = PixelesATwips(c->width(), c->logicalDpiX());
    const double h = PixelesATwips(c->height(), c->logicalDpiY());
    if (std::abs(w - ancho) <= holgura && std::abs(h - alto) <= holgura) return {};
    return QStringLiteral("%1 is %2 x %3, expected %4 x %5")
        .arg(c->objectName())
        .arg(w)
        .arg(h)
        .arg(ancho)
        .arg(alto);
}

#define EN_SU_SITIO(error)                                                                         \
    do {                                                                                           \
        const QString e = (error);                                                                 \
        QVERIFY2(e.isEmpty(), qPrintable(e));                                                      \
    } while (false)

// The four fraction boxes in tab order, 1 to 4, and the value each one stores.
QLineEdit* Caja(FrmPrincipal& v, int n) {
    QLineEdit* const cajas[] = {v.txtNum(1), v.txtDen(1), v.txtNum(2), v.txtDen(2)};
    return cajas[n - 1];
}
int ValorDeCaja(int n) {
    const int i = (n + 1) / 2;
    return n % 2 ? Num(i) : Den(i);
}

void Escribir(QLineEdit* caja, const QString& texto) {
    QTest::mouseClick(caja, Qt::LeftButton);
    QTest::keyClicks(caja, texto);
}

void TeclearUnMedioMasUnTercio(FrmPrincipal& v) {
    Escribir(v.txtNum(1), QStringLiteral("1"));
    Escribir(v.txtDen(1), QStringLiteral("2"));
    Escribir(v.txtNum(2), QStringLiteral("1"));
    Escribir(v.txtDen(2), QStringLiteral("3"));
}

// Every control whose size is designed, with that size in twips; no resize changes it.
struct Medida {
    QWidget* control;
    double ancho, alto;
};
std::vector<Medida> MedidasDisenadas(FrmPrincipal& v) {
    return {{v.txtNum(1), 495, 285},  {v.txtDen(1), 495, 285},    {v.txtNum(2), 495, 285},
            {v.txtDen(2), 495, 285},  {v.cmdSimpli(1), 855, 495}, {v.cmdSimpli(2), 855, 495},
            {v.cmdAnimar, 1215, 810}, {v.lblOp, 375, 375}};
}

// Everything a resize sets, to compare two layouts.
QStringList Disposicion(FrmPrincipal& v) {
    QStringList d;
    for (QWidget* c : v.lienzo()->findChildren<QWidget*>())
        d << c->objectName() + QStringLiteral(" %1,%2").arg(c->x()).arg(c->y());
    for (int i = 1; i <= 2; ++i)
        d << QStringLiteral("Lin %1 %2 %3 %4")
                 .arg(v.Lin(i)->X1())
                 .arg(v.Lin(i)->Y1())
                 .arg(v.Lin(i)->X2())
                 .arg(v.Lin(i)->Y2());
    for (int k = 1; k <= 4; ++k)
        d << QStringLiteral("%1 %2,%3").arg(k).arg(PosX(k)).arg(PosY(k));
    d << QString::number(Lado);
    return d;
}

// Centre of result cell (column c, row f) on the 2 × 3 grid of 1/2 + 1/3.
Long ColorCeldaResultado(const FrmPrincipal& v, int c, int f) {
    return ColorEn(v, PosX(3) + (Single(c) - 0.5f) * Lado / 2,
                   PosY(3) + (3.5f - Single(f)) * Lado / 3);
}

} // namespace

void TestVentana::menus() {
    auto v = NuevaVentana();
    QCOMPARE(v->windowTitle(), QStringLiteral("Zafrelo - prototipo"));
    // Each menu as "title: item [shortcut] | - | item", "-" being a separator.
    QStringList menus;
    for (QAction* m : v->menuBar()->actions()) {
        QVERIFY(m->menu());
        QStringList items;
        for (QAction* a : m->menu()->actions()) {
            QVERIFY(a->isEnabled() && a->isVisible() && !a->isChecked());
            QString item = a->isSeparator() ? QStringLiteral("-") : a->text();
            if (!a->shortcut().isEmpty())
                item += QStringLiteral(" [%1]").arg(a->shortcut().toString());
            items << item;
        }
        menus << m->text() + QStringLiteral(": ") + items.join(QStringLiteral(" | "));
    }
    QCOMPARE(
        menus,
        QStringList({QStringLiteral("&Archivo: &Nueva operación [Ctrl+N] | - | &Salir [Ctrl+X]"),
                     QStringLiteral("&Opciones: &Velocidad [Ctrl+V]"),
                     QStringLiteral("&?: Acerca de")}));
}

void TestVentana::controles() {
    auto v = NuevaVentana();
    // The client area as designed: the surface below the menu bar.
    EN_SU_SITIO(FueraDeMedida(v->lienzo(), 8880, 6405));

    for (int n = 1; n <= 4; ++n) {
        QVERIFY(Caja(*v, n)->text().isEmpty());
        QVERIFY(Caja(*v, n)->alignment() & Qt::AlignHCenter);
    }
    QCOMPARE(v->lblOp->text(), QStringLiteral("+"));
    QCOMPARE(v->cmdAnimar->text(), QStringLiteral("="));
    QCOMPARE(v->cmdSimpli(1)->text(), QStringLiteral("Simplificar"));
    QCOMPARE(v->cmdSimpli(2)->text(), QStringLiteral("Simplificar"));
    for (QWidget* c : {static_cast<QWidget*>(v->lblOp), static_cast<QWidget*>(v->cmdAnimar)}) {
        QCOMPARE(c->font().family(), QStringLiteral("Arial"));
        QCOMPARE(c->font().pointSize(), 24);
        QCOMPARE(c->font().weight(), QFont::Normal);
        QVERIFY(!c->font().italic());
    }
}

void TestVentana::ordenDeTabulacion() {
    auto v = NuevaVentana();
    QWidget* const orden[] = {v->txtNum(1), v->txtDen(1),    v->txtNum(2),   v->txtDen(2),
                              v->cmdAnimar, v->cmdSimpli(1), v->cmdSimpli(2)};
    const int n = int(std::size(orden));
    QCOMPARE(QApplication::focusWidget(), orden[0]);
    // Forwards round to the first box again, then backwards round to it once more.
    for (int k = 1; k <= n; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), orden[k % n]);
    }
    for (int k = n - 1; k >= 0; --k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), orden[k]);
    }
}

// Sizes are whole pixels, 15 twips each at the 96 dpi of the test platform, so every row's outer
// size lies on that grid.
void TestVentana::disposicion_data() {
    QTest::addColumn<float>("ancho");
    QTest::addColumn<float>("alto");
    QTest::addColumn<float>("lado");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("r");
    // B = 3002 (from 3002.5), A = 3000: the layout of a 9000 × 7300 window.
    QTest::newRow("9000x7305") << 9000.f << 7305.f << 3000.f << 1240 << 4320;
    // Width-bound: A = 2002 (from 2002.5), B = 3850.
    QTest::newRow("7005x9000") << 7005.f << 9000.f << 2002.f << 741 << 3322;
    QTest::newRow("2400x555 too small") << 2400.f << 555.f << -372.f << -446 << 948;
    // Both halves beyond 16 bits: the side stops where R + 1320 is 32767.
    QTest::newRow("70005x70005 too large") << 70005.f << 70005.f << 30127.f << 14804 << 31447;
}

void TestVentana::disposicion() {
    QFETCH(float, ancho);
    QFETCH(float, alto);
    QFETCH(float, lado);
    QFETCH(int, t);
    QFETCH(int, r);
    auto v = NuevaVentana();
    if (v->logicalDpiX() != 96 || v->logicalDpiY() != 96)
        QSKIP("rows are on the 96 dpi pixel grid");
    FijarTamanoExterior(*v, ancho, alto);
    QCOMPARE(v->Width(), ancho);
    QCOMPARE(v->Height(), alto);

    QCOMPARE(Lado, lado);
    const double T = t, R = r;
    const struct {
        QWidget* control;
        double x, y;
    } lugares[] = {{v->txtNum(1), 360, T},        {v->txtDen(1), 360, T + 440},
                   {v->Lin(1), 240, T + 360},     {v->cmdSimpli(1), 120, T + 800},
                   {v->txtNum(2), R + 720, T},    {v->txtDen(2), R + 720, T + 440},
                   {v->Lin(2), R + 600, T + 360}, {v->cmdSimpli(2), R + 480, T + 800},
                   {v->lblOp, R, T + 120},        {v->cmdAnimar, 480, lado * 1.5}};
    for (const auto& l : lugares)
        EN_SU_SITIO(FueraDeLugar(l.control, l.x, l.y));
    for (const Medida& m : MedidasDisenadas(*v))
        EN_SU_SITIO(FueraDeMedida(m.control, m.ancho, m.alto));
    // The bar of fraction 1 keeps its extent; the bar of fraction 2 follows the "+" label.
    QCOMPARE(v->Lin(1)->X1(), 240.f);
    QCOMPARE(v->Lin(1)->X2(), 960.f);
    QCOMPARE(v->Lin(2)->X1(), Single(r + 600));
    QCOMPARE(v->Lin(2)->X2(), Single(r + 1320));
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(v->Lin(i)->Y1(), Single(t + 360));
        QCOMPARE(v->Lin(i)->Y2(), Single(t + 360));
    }

    const Single xs[] = {1080, lado + 2740, 2350, lado + 2450};
    const Single ys[] = {60, 60, lado + 380, lado + 380};
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(PosX(k), xs[k - 1]);
        QCOMPARE(PosY(k), ys[k - 1]);
    }

    if (lado <= 0) return; // squares turned inside out: nothing sensible to look at
    // Four white squares, outlined in black, on the window's background.
    for (int k = 1; k <= 4; ++k) {
        const Single medio = PosY(k) + Lado / 2;
        QCOMPARE(ColorEn(*v, PosX(k) + Lado / 2, medio), kBlanco);
        QCOMPARE(ColorEn(*v, PosX(k), medio), kNegro);
        QCOMPARE(ColorEn(*v, PosX(k) + Lado, medio), kNegro);
        QVERIFY(ColorEn(*v, PosX(k) - 45, medio) != kBlanco);
        QVERIFY(ColorEn(*v, PosX(k) + Lado + 45, medio) != kBlanco);
    }
}

// Through a smaller, a tiny and a huge window and back: controls, squares and picture as before.
void TestVentana::volverAlTamanoAnterior() {
    auto v = NuevaVentana();
    TeclearUnMedioMasUnTercio(*v);
    FijarTamanoExterior(*v, 9000, 7305);
    const QStringList antes = Disposicion(*v);
    const QRect zona = v->lienzo()->rect();
    const QImage dibujoAntes = v->lienzo()->Imagen().copy(zona);
    QCOMPARE(ColorEn(*v, PosX(1) + Lado / 4, PosY(1) + Lado / 2), kVerde);

    for (const QSizeF& s : {QSizeF(7005, 9000), QSizeF(2400, 555), QSizeF(70005, 70005)}) {
        FijarTamanoExterior(*v, s.width(), s.height());
        QVERIFY(Disposicion(*v) != antes);
    }
    FijarTamanoExterior(*v, 9000, 7305);
    QCOMPARE(Disposicion(*v), antes);
    QVERIFY(v->lienzo()->Imagen().copy(zona) == dibujoAntes);
}

void TestVentana::enterEnCadaCaja_data() {
    QTest::addColumn<int>("caja");
    QTest::newRow("txtNum(1)") << 1;
    QTest::newRow("txtDen(1)") << 2;
    QTest::newRow("txtNum(2)") << 3;
    QTest::newRow("txtDen(2)") << 4;
}

// Enter in a fraction box runs "=": at the immediate speed 1/2 + 1/3 is finished when it returns.
void TestVentana::enterEnCadaCaja() {
    QFETCH(int, caja);
    auto v = NuevaVentana();
    Velocidad = 4;
    TeclearUnMedioMasUnTercio(*v);
    QCOMPARE(ColorCeldaResultado(*v, 1, 1), kBlanco);

    QTest::mouseClick(Caja(*v, caja), Qt::LeftButton);
    QTest::keyClick(Caja(*v, caja), Qt::Key_Return);
    // Cells 1 to 3 (column 1) green, 4 and 5 (bottom two of column 2) red, 6 white.
    QCOMPARE(ColorCeldaResultado(*v, 1, 1), kVerde);
    QCOMPARE(ColorCeldaResultado(*v, 1, 2), kVerde);
    QCOMPARE(ColorCeldaResultado(*v, 1, 3), kVerde);
    QCOMPARE(ColorCeldaResultado(*v, 2, 1), kRojo);
    QCOMPARE(ColorCeldaResultado(*v, 2, 2), kRojo);
    QCOMPARE(ColorCeldaResultado(*v, 2, 3), kBlanco);
}

void TestVentana::acercaDe() {
    auto v = NuevaVentana();
    QString titulo, texto;
    bool soloAceptar = false; // modal, no icon, only an OK button
    QString boton;
    const auto responder = [&](QWidget* modal) {
        if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
            titulo = caja->windowTitle();
            texto = caja->text();
            soloAceptar = caja->isModal() && caja->icon() == QMessageBox::NoIcon &&
                          caja->standardButtons() == QMessageBox::Ok;
            boton = caja->button(QMessageBox::Ok)->text();
            caja->button(QMessageBox::Ok)->click();
        } else if (modal) {
            modal->close();
        }
    };
    v->mnuAyudaAcerca->trigger();
    responder(ModalAbierto());

    QCOMPARE(titulo, QStringLiteral("Acerca de..."));
    QVERIFY(soloAceptar);
    QCOMPARE(boton, QStringLiteral("Aceptar"));
    // Four lines broken as a Qt label breaks them: a carriage return would be read out.
    QVERIFY2(texto.startsWith(QStringLiteral("Operaciones con zafrelo\n(versión preliminar) \n\n")),
             qPrintable(texto));
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    QCOMPARE(lineas.size(), 4);
    QVERIFY(!lineas[3].trimmed().isEmpty()); // the credit line
    QVERIFY(!texto.contains(QLatin1Char('\r')));
}

// Qt's own menu on a fraction box speaks Spanish too, whatever the desktop's language.
void TestVentana::menuContextualDeUnaCaja() {
    auto v = NuevaVentana();
    QTest::keyClicks(v->txtNum(1), QStringLiteral("12"));
    std::unique_ptr<QMenu> menu(v->txtNum(1)->createStandardContextMenu());
    QStringList textos;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) textos << a->text().remove(QLatin1Char('&')).section(u'\t', 0, 0);
    QCOMPARE(textos, QStringList({"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Borrar",
                                  "Seleccionar todo"}));
}

void TestVentana::ctrlNEnUnaCaja() {
    auto v = NuevaVentana();
    TeclearUnMedioMasUnTercio(*v);
    QCOMPARE(QApplication::focusWidget(), v->txtDen(2));
    QTest::keyClick(v->txtDen(2), Qt::Key_N, Qt::ControlModifier);
    for (int n = 1; n <= 4; ++n)
        QVERIFY(Caja(*v, n)->text().isEmpty());
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(int(Num(i)), 0);
        QCOMPARE(int(Den(i)), 0);
    }
    QCOMPARE(QApplication::focusWidget(), v->txtNum(1));
}

void TestVentana::ctrlVEnUnaCaja_data() {
    enterEnCadaCaja_data();
}

// Ctrl+V opens the speed dialog and pastes nothing.
void TestVentana::ctrlVEnUnaCaja() {
    QFETCH(int, caja);
    auto v = NuevaVentana();
    QApplication::clipboard()->setText(QStringLiteral("7"));
    Escribir(Caja(*v, caja), QStringLiteral("3"));

    QString titulo;
    const auto responder = [&titulo](QWidget* modal) {
        if (!modal) return;
        titulo = modal->windowTitle();
        modal->close();
    };
    QTest::keyClick(Caja(*v, caja), Qt::Key_V, Qt::ControlModifier);
    responder(ModalAbierto());
    QCOMPARE(titulo, QStringLiteral("Zafrelo: configurar velocidad"));
    QVERIFY(!frmVelocidad().isVisible());
    QCOMPARE(int(Velocidad), 2);
    QCOMPARE(Caja(*v, caja)->text(), QStringLiteral("3"));
    QCOMPARE(ValorDeCaja(caja), 3);
    QVERIFY(!Terminando());
}

void TestVentana::ctrlXEnUnaCaja_data() {
    enterEnCadaCaja_data();
}

// Ctrl+X ends the program and cuts nothing.
void TestVentana::ctrlXEnUnaCaja() {
    QFETCH(int, caja);
    auto v = NuevaVentana();
    QApplication::clipboard()->setText(QStringLiteral("nada"));
    Escribir(Caja(*v, caja), QStringLiteral("12"));
    QTest::keyClick(Caja(*v, caja), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Caja(*v, caja)->selectedText(), QStringLiteral("12"));
    QVERIFY(!Terminando());

    QTest::keyClick(Caja(*v, caja), Qt::Key_X, Qt::ControlModifier);
    QVERIFY(Terminando());
    QVERIFY(!v->isVisible());
    QCOMPARE(Caja(*v, caja)->text(), QStringLiteral("12"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("nada"));
}

QTEST_MAIN(TestVentana)
#include "test_ventana.moc"
