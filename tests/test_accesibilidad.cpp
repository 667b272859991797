#include "ayuda_pruebas.h"
#include "main_window/accesibilidad.h"
#include "main_window/descripcion.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

// What a screen reader finds in the program, and the keyboard alone reaching every command: names
// and descriptions of the controls and menus, the picture told in words as it changes, Enter and
// Space on the buttons, the menus by Alt and a letter.
class TestAccesibilidad : public QObject {
    Q_OBJECT
  private slots:
    void nombresVentanaPrincipal();
    void nombresDialogoVelocidad();
    void redaccionDeLaDescripcion();
    void descripcionTrasSumar_data();
    void descripcionTrasSumar();
    void descripcionSigueAlDibujo();
    void teclasEnBotones_data();
    void teclasEnBotones();
    void menusConAlt();
    void cajaVaciaAnunciadaAlEntrar();
};

namespace {

// What assistive technology reads, through Qt's accessibility interface.
QString Leido(QObject* objeto, QAccessible::Text que) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(objeto);
    return iface ? iface->text(que) : QStringLiteral("<no accessible interface>");
}
QString Nombre(QObject* o) {
    return Leido(o, QAccessible::Name);
}
QString Descripcion(QObject* o) {
    return Leido(o, QAccessible::Description);
}

// The notices spoken by themselves: screen readers speak the notification each time it shows.
class OyenteDeAvisos : public QObject {
  public:
    explicit OyenteDeAvisos(FrmPrincipal& v) { v.findChild<AvisoVoz*>()->installEventFilter(this); }
    QStringList avisos;

  protected:
    bool eventFilter(QObject* aviso, QEvent* e) override {
        if (e->type() == QEvent::Show) avisos << static_cast<QWidget*>(aviso)->accessibleName();
        return false;
    }
};

QString DescripcionDelDibujo(FrmPrincipal& v) {
    return Descripcion(v.lienzo());
}

// Parts Qt makes for itself, such as the menu bar's overflow button and its untitled menu.
bool DeQt(const QWidget* w, const QWidget* raiz) {
    if (auto* menu = qobject_cast<const QMenu*>(w); menu && menu->title().isEmpty()) return true;
    for (; w && w != raiz; w = w->parentWidget())
        if (w->objectName().startsWith(QLatin1String("qt_"))) return true;
    return false;
}

// Every widget of a window that shows (or takes input) must be named and described; the
// containers Qt adds around them are left out.
QStringList SinNombreODescripcion(QWidget* raiz) {
    QStringList faltan;
    for (QWidget* w : raiz->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) ||
                             qobject_cast<QMenu*>(w) || w->inherits("ControlLinea") ||
                             w->inherits("ControlFigura") || w->inherits("Lienzo");
        if (!control || DeQt(w, raiz)) continue;
        if (Nombre(w).trimmed().isEmpty() || Descripcion(w).trimmed().isEmpty())
            faltan << w->objectName() + QLatin1Char(' ') +
                          QLatin1String(w->metaObject()->className());
    }
    return faltan;
}

void Teclear(QLineEdit* caja, const QString& texto) {
    caja->setFocus();
    caja->selectAll();
    QTest::keyClick(caja, Qt::Key_Delete);
    QTest::keyClicks(caja, texto);
}

void TeclearFracciones(FrmPrincipal& v, int n1, int d1, int n2, int d2) {
    Teclear(v.txtNum(1), QString::number(n1));
    Teclear(v.txtDen(1), QString::number(d1));
    Teclear(v.txtNum(2), QString::number(n2));
    Teclear(v.txtDen(2), QString::number(d2));
}

// The result cells that show a fraction's colour, counted over squares 3 and 4 on the grid the
// addition used (its cell size is gone once it has ended).
int CeldasColoreadas(const FrmPrincipal& v) {
    const Single ancho = Lado / Single(Columnas), alto = Lado / Single(Filas);
    int n = 0;
    for (int c = 1; c <= 2 * Columnas; ++c)
        for (int f = 1; f <= Filas; ++f) {
            const Single x = c <= Columnas ? PosX(3) + (Single(c) - 0.5f) * ancho
                                           : PosX(4) + (Single(c - Columnas) - 0.5f) * ancho;
            const Single y = PosY(3) + (Single(Filas - f) + 0.5f) * alto;
            const Long color = ColorEn(v, x, y);
            n += (color == kVerde || color == kRojo);
        }
    return n;
}

} // namespace

void TestAccesibilidad::nombresVentanaPrincipal() {
    auto v = NuevaVentana();
    const struct {
        QObject* objeto;
        const char* nombre;
    } esperados[] = {
        {v->txtNum(1), "Numerador de la primera fracción"},
        {v->txtDen(1), "Denominador de la primera fracción"},
        {v->txtNum(2), "Numerador de la segunda fracción"},
        {v->txtDen(2), "Denominador de la segunda fracción"},
        {v->cmdSimpli(1), "Simplificar la primera fracción"},
        {v->cmdSimpli(2), "Simplificar la segunda fracción"},
        {v->cmdAnimar, "Sumar las dos fracciones"},
        {v->lblOp, "Más"},
        {v->lienzo(), "Modelo de área"},
        {v->findChild<QMenu*>(QStringLiteral("mnuArchivo")), "Archivo"},
        {v->findChild<QMenu*>(QStringLiteral("mnuOpciones")), "Opciones"},
        {v->findChild<QMenu*>(QStringLiteral("mnuAyuda")), "Ayuda"},
    };
    for (const auto& e : esperados) {
        QVERIFY(e.objeto);
        QCOMPARE(Nombre(e.objeto), QString::fromUtf8(e.nombre));
    }
    const QStringList faltan = SinNombreODescripcion(v.get());
    QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(QStringLiteral(", "))));

    // The menu items are read by their captions, without the access-key marks.
    QAccessibleInterface* archivo =
        QAccessible::queryAccessibleInterface(v->findChild<QMenu*>(QStringLiteral("mnuArchivo")));
    QVERIFY(archivo);
    QStringList items;
    for (int k = 0; k < archivo->childCount(); ++k)
        if (archivo->child(k)->role() != QAccessible::Separator)
            items << archivo->child(k)->text(QAccessible::Name);
    QCOMPARE(items, QStringList({QStringLiteral("Nueva operación"), QStringLiteral("Salir")}));

    // The picture is an image, which screen readers present; the menu bar's items are read by
    // their menus' names ("Ayuda", not the sign "?"), and every item is described.
    QCOMPARE(QAccessible::queryAccessibleInterface(v->lienzo())->role(), QAccessible::Graphic);
    QAccessibleInterface* barra = QAccessible::queryAccessibleInterface(v->menuBar());
    QCOMPARE(barra->text(QAccessible::Name), QStringLiteral("Barra de menús"));
    QStringList menus;
    for (int k = 0; k < barra->childCount(); ++k) {
        QAccessibleInterface* menu = barra->child(k);
        menus << menu->text(QAccessible::Name);
        QVERIFY(!menu->text(QAccessible::Description).isEmpty());
        QAccessibleInterface* popup = menu->child(0);
        QVERIFY(popup && popup->parent()->object() == menu->object());
        for (int j = 0; j < popup->childCount(); ++j)
            QVERIFY2(popup->child(j)->role() == QAccessible::Separator ||
                         !popup->child(j)->text(QAccessible::Description).isEmpty(),
                     qPrintable(popup->child(j)->text(QAccessible::Name)));
    }
    QCOMPARE(menus, QStringList({QStringLiteral("Archivo"), QStringLiteral("Opciones"),
                                 QStringLiteral("Ayuda")}));
}

void TestAccesibilidad::nombresDialogoVelocidad() {
    auto v = NuevaVentana();
    FrmVelocidad& d = frmVelocidad();
    QCOMPARE(Nombre(d.cmdAceptar), QStringLiteral("Aceptar"));
    QCOMPARE(Nombre(d.CancelButton), QStringLiteral("Cancelar"));
    QCOMPARE(Nombre(d.Frame1), QStringLiteral("Movimiento"));
    const char* const opciones[] = {"Muy lento", "Lento", "Medio", "Rápido", "Inmediato"};
    QStringList descripciones;
    for (int i = 0; i <= 4; ++i) {
        QCOMPARE(Nombre(d.optVelocidad(i)), QString::fromUtf8(opciones[i]));
        descripciones << Descripcion(d.optVelocidad(i));
    }
    // Each option says something of its own about the flight, not one text for all.
    descripciones.removeDuplicates();
    QCOMPARE(descripciones.size(), 5);
    const QStringList faltan = SinNombreODescripcion(&d);
    QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(QStringLiteral(", "))));
    QVERIFY(!Descripcion(&d).isEmpty());
}

// The wordings the window tests below do not reach: a fraction without denominator, a negative
// numerator, a grid of one cell with nothing landed.
void TestAccesibilidad::redaccionDeLaDescripcion() {
    QCOMPARE(DescripcionDibujo(3, 0, -3, 4, std::nullopt),
             QStringLiteral("Primera fracción: 3, sin denominador. Segunda fracción: -3/4."));
    const SumaContada nada{0, 1, 0, 0, 0, 0};
    QCOMPARE(DescripcionDibujo(0, 0, 0, 0, nada),
             QStringLiteral("Primera fracción: vacía. Segunda fracción: vacía. "
                            "Suma: 0 de 1 celda coloreada."));
}

void TestAccesibilidad::descripcionTrasSumar_data() {
    QTest::addColumn<int>("velocidad");
    QTest::addColumn<int>("num1");
    QTest::addColumn<int>("den1");
    QTest::addColumn<int>("num2");
    QTest::addColumn<int>("den2");
    QTest::addColumn<QString>("suma");
    QTest::newRow("1/2 + 1/3, flown")
        << 3 << 1 << 2 << 1 << 3 << QStringLiteral("Suma: 5 de 6 celdas coloreadas.");
    QTest::newRow("2/3 + 1/2 runs into square 4")
        << 4 << 2 << 3 << 1 << 2
        << QStringLiteral("Suma: 7 celdas coloreadas; cada cuadro tiene 6 celdas.");
    QTest::newRow("1/1 + 1/1") << 4 << 1 << 1 << 1 << 1
                               << QStringLiteral(
                                      "Suma: 2 celdas coloreadas; cada cuadro tiene 1 celda.");
    QTest::newRow("0/4 + 1/4") << 4 << 0 << 4 << 1 << 4
                               << QStringLiteral("Suma: 4 de 16 celdas coloreadas.");
}

// The count told is the count the picture shows, at any speed, for sums within and past one
// square.
void TestAccesibilidad::descripcionTrasSumar() {
    QFETCH(int, velocidad);
    QFETCH(int, num1);
    QFETCH(int, den1);
    QFETCH(int, num2);
    QFETCH(int, den2);
    QFETCH(QString, suma);
    auto v = NuevaVentana();
    Velocidad = Byte(velocidad);
    TeclearFracciones(*v, num1, den1, num2, den2);
    const QString fracciones = QStringLiteral("Primera fracción: %1/%2. Segunda fracción: %3/%4.")
                                   .arg(num1)
                                   .arg(den1)
                                   .arg(num2)
                                   .arg(den2);
    QCOMPARE(DescripcionDelDibujo(*v), fracciones);

    OyenteDeAvisos oyente(*v);
    QTest::keyClick(v->txtDen(2), Qt::Key_Return);
    QVERIFY(EsperarSuma(*v));
    QCOMPARE(DescripcionDelDibujo(*v), fracciones + QLatin1Char(' ') + suma);
    const int contadas = suma.section(QLatin1Char(' '), 1, 1).toInt();
    QCOMPARE(CeldasColoreadas(*v), contadas);
    // Heard without asking, the focus left in its box: the flights once, if they take time, then
    // the sum.
    QStringList avisos({suma});
    if (velocidad < 4)
        avisos.prepend(QStringLiteral("Vuelan %1 celdas al resultado.").arg(contadas));
    QCOMPARE(oyente.avisos, avisos);
    QCOMPARE(QApplication::focusWidget(), v->txtDen(2));
}

// The words follow what the picture means: a fraction changed, a new operation, a resize that
// wipes the result.
void TestAccesibilidad::descripcionSigueAlDibujo() {
    auto v = NuevaVentana();
    Velocidad = 4;
    QCOMPARE(DescripcionDelDibujo(*v),
             QStringLiteral("Primera fracción: vacía. Segunda fracción: vacía."));
    TeclearFracciones(*v, 1, 2, 1, 3);
    QTest::keyClick(v->txtDen(2), Qt::Key_Return);
    const QString sumada = QStringLiteral(
        "Primera fracción: 1/2. Segunda fracción: 1/3. Suma: 5 de 6 celdas coloreadas.");
    QCOMPARE(DescripcionDelDibujo(*v), sumada);

    // Another numerator: the result squares no longer belong to these fractions.
    Teclear(v->txtNum(1), QStringLiteral("2"));
    QCOMPARE(DescripcionDelDibujo(*v),
             QStringLiteral("Primera fracción: 2/2. Segunda fracción: 1/3."));
    // Back to the fraction that was added: its sum still stands in the picture.
    Teclear(v->txtNum(1), QStringLiteral("1"));
    QCOMPARE(DescripcionDelDibujo(*v), sumada);

    // A resize redraws the squares without the result.
    FijarTamanoExterior(*v, 9000, 7305);
    QCOMPARE(DescripcionDelDibujo(*v),
             QStringLiteral("Primera fracción: 1/2. Segunda fracción: 1/3."));

    QTest::keyClick(v->txtDen(2), Qt::Key_Return);
    QCOMPARE(DescripcionDelDibujo(*v), sumada);
    QTest::keyClick(v->txtDen(2), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(DescripcionDelDibujo(*v),
             QStringLiteral("Primera fracción: vacía. Segunda fracción: vacía."));
}

void TestAccesibilidad::teclasEnBotones_data() {
    QTest::addColumn<int>("tabuladores"); // from the first box to the button
    QTest::addColumn<int>("tecla");
    for (const auto& [tecla, nombre] :
         {std::pair{Qt::Key_Return, "Enter"}, std::pair{Qt::Key_Enter, "keypad Enter"},
          std::pair{Qt::Key_Space, "Space"}}) {
        QTest::addRow("= with %s", nombre) << 4 << int(tecla);
        QTest::addRow("Simplificar 1 with %s", nombre) << 5 << int(tecla);
        QTest::addRow("Simplificar 2 with %s", nombre) << 6 << int(tecla);
    }
}

// A button reached with Tab answers Enter and Space as a click, as in a dialog.
void TestAccesibilidad::teclasEnBotones() {
    QFETCH(int, tabuladores);
    QFETCH(int, tecla);
    auto v = NuevaVentana();
    Velocidad = 4;
    TeclearFracciones(*v, 2, 4, 3, 6);
    v->txtNum(1)->setFocus();
    for (int k = 0; k < tabuladores; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* boton = QApplication::focusWidget();
    QVERIFY(qobject_cast<QPushButton*>(boton));

    QTest::keyClick(boton, Qt::Key(tecla));
    const QString fracciones = QStringLiteral("%1/%2 + %3/%4")
                                   .arg(v->txtNum(1)->text(), v->txtDen(1)->text(),
                                        v->txtNum(2)->text(), v->txtDen(2)->text());
    if (boton == v->cmdAnimar) {
        QCOMPARE(fracciones, QStringLiteral("2/4 + 3/6"));
        QVERIFY2(
            DescripcionDelDibujo(*v).endsWith(QStringLiteral("Suma: 24 de 24 celdas coloreadas.")),
            qPrintable(DescripcionDelDibujo(*v)));
    } else if (boton == v->cmdSimpli(1)) {
        QCOMPARE(fracciones, QStringLiteral("1/2 + 3/6"));
    } else {
        QCOMPARE(boton, v->cmdSimpli(2));
        QCOMPARE(fracciones, QStringLiteral("2/4 + 1/2"));
    }
    QCOMPARE(QApplication::focusWidget(), boton); // the button keeps the focus
}

// Each menu opens with Alt and its letter, and its commands run from the keyboard alone.
void TestAccesibilidad::menusConAlt() {
    auto v = NuevaVentana();
    auto abrirMenu = [&](int tecla) -> QMenu* {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(tecla), Qt::AltModifier);
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
            return nullptr;
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };

    TeclearFracciones(*v, 1, 2, 1, 3);
    QMenu* archivo = abrirMenu(Qt::Key_A);
    QVERIFY(archivo);
    QCOMPARE(archivo->objectName(), QStringLiteral("mnuArchivo"));
    QTest::keyClick(archivo, Qt::Key_N); // Nueva operación
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(v->txtNum(1)->text().isEmpty() && v->txtDen(2)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), v->txtNum(1));

    QMenu* opciones = abrirMenu(Qt::Key_O);
    QVERIFY(opciones);
    QCOMPARE(opciones->objectName(), QStringLiteral("mnuOpciones"));
    QString abierto;
    const auto responder = [&](QWidget* modal) {
        abierto = modal ? modal->objectName() : QStringLiteral("nothing");
        if (modal) QTest::keyClick(modal, Qt::Key_Escape);
    };
    QTest::keyClick(opciones, Qt::Key_V); // Velocidad
    responder(ModalAbierto());
    QCOMPARE(abierto, QStringLiteral("frmVelocidad"));

    // "Acerca de" has no letter of its own: the arrow keys and Enter reach it.
    // The offscreen platform has no window manager to hand the activation back after a dialog.
    v->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(v.get()));
    QMenu* ayuda = abrirMenu(Qt::Key_Question);
    QVERIFY(ayuda);
    QCOMPARE(ayuda->objectName(), QStringLiteral("mnuAyuda"));
    if (!ayuda->activeAction()) QTest::keyClick(ayuda, Qt::Key_Down);
    QCOMPARE(ayuda->activeAction(), v->mnuAyudaAcerca);
    QString titulo;
    const auto responderAcerca = [&](QWidget* modal) {
        titulo = modal ? modal->windowTitle() : QStringLiteral("nothing");
        if (modal) QTest::keyClick(modal, Qt::Key_Return);
    };
    QTest::keyClick(ayuda, Qt::Key_Return);
    responderAcerca(ModalAbierto());
    QCOMPARE(titulo, QStringLiteral("Acerca de..."));
}

// Tab into an empty box that never had the focus: a box that reports its caret then does so
// before the focus reaches the screen reader, which takes the box as announced and says nothing.
// The report goes out with cursorPositionChanged.
void TestAccesibilidad::cajaVaciaAnunciadaAlEntrar() {
    auto v = NuevaVentana();
    QSignalSpy cursor(v->txtDen(1), &QLineEdit::cursorPositionChanged);
    QTest::keyClick(v->txtNum(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), v->txtDen(1));
    QCOMPARE(cursor.count(), 0);
}

QTEST_MAIN(TestAccesibilidad)
#include "test_accesibilidad.moc"
