#include "ayuda_pruebas.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The speed dialog: its window and controls, where it stands, and what the pupil's choice does to
// the speed, opening after opening.
class TestVelocidad : public QObject {
    Q_OBJECT
  private slots:
    void ventana();
    void controles_data();
    void controles();
    void ordenDeTabulacion();
    void colocacion_data();
    void colocacion();
    void lugarFijo();
    void primeraApertura();
    void elegir_data();
    void elegir();
};

namespace {

QRect RectanguloTwips(const QWidget* w, Single x, Single y, Single ancho, Single alto) {
    const double dx = w->logicalDpiX(), dy = w->logicalDpiY();
    return QRect(TwipsAPixeles(x, dx), TwipsAPixeles(y, dy), TwipsAPixeles(ancho, dx),
                 TwipsAPixeles(alto, dy));
}

// The index of the selected option, -1 for none, -2 when more than one is selected.
int Elegida(FrmVelocidad& d) {
    int elegida = -1;
    for (int i = 0; i <= 4; ++i)
        if (d.optVelocidad(i)->isChecked()) elegida = (elegida == -1) ? i : -2;
    return elegida;
}

// What one opening of the dialog found.
struct Apertura {
    bool esElDialogo = false;
    int elegidaAlAbrir = -1;
    QPoint lugar;
    bool seCerro = false;
};

// Opens the dialog as the pupil does (the menu's shortcut, or its command), lets accion act on it
// while it is shown, and returns when it has been hidden.
template <typename Accion> Apertura Abrir(FrmPrincipal& v, bool conAtajo, Accion accion) {
    auto visto = std::make_shared<Apertura>();
    const auto responder = [visto, accion](QWidget* modal) {
        FrmVelocidad& d = frmVelocidad();
        visto->esElDialogo = (modal == &d);
        if (!visto->esElDialogo) {
            if (modal) modal->close();
            return;
        }
        visto->elegidaAlAbrir = Elegida(d);
        visto->lugar = d.pos();
        if (!QTest::qWaitForWindowActive(&d)) qWarning("speed dialog not active");
        accion(d);
        visto->seCerro = QTest::qWaitFor([&d] { return !d.isVisible(); }, 2000);
        if (!visto->seCerro) d.hide(); // so that the next test finds it hidden
    };
    if (conAtajo)
        QTest::keyClick(v.txtNum(1), Qt::Key_V, Qt::ControlModifier);
    else
        v.mnuOpcVelocidad_Click();
    responder(ModalAbierto());
    return *visto;
}

} // namespace

void TestVelocidad::ventana() {
    auto v = NuevaVentana();
    FrmVelocidad& d = frmVelocidad();
    QCOMPARE(d.windowTitle(), QStringLiteral("Zafrelo: configurar velocidad"));
    const QSize cliente = RectanguloTwips(&d, 0, 0, 3705, 2625).size();
    QCOMPARE(d.size(), cliente);
    QCOMPARE(d.minimumSize(), cliente);
    QCOMPARE(d.maximumSize(), cliente);
    const Qt::WindowFlags marco = d.windowFlags();
    QVERIFY(!(marco & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(marco & Qt::WindowMaximizeButtonHint));
    QVERIFY(marco & Qt::WindowCloseButtonHint);
    QVERIFY(!d.isVisible());
}

void TestVelocidad::controles_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QRect>("twips");
    // Options are placed inside the frame.
    QTest::newRow("cmdAceptar") << "cmdAceptar"
                                << "&Aceptar" << QRect(2280, 240, 1215, 375);
    QTest::newRow("CancelButton") << "CancelButton"
                                  << "&Cancelar" << QRect(2280, 840, 1215, 375);
    QTest::newRow("Frame1") << "Frame1"
                            << "Movimiento:" << QRect(240, 120, 1695, 2295);
    QTest::newRow("opt 0") << "optVelocidad(0)"
                           << "M&uy lento" << QRect(240, 360, 1200, 255);
    QTest::newRow("opt 1") << "optVelocidad(1)"
                           << "&Lento" << QRect(240, 720, 1200, 255);
    QTest::newRow("opt 2") << "optVelocidad(2)"
                           << "&Medio" << QRect(240, 1080, 1200, 255);
    QTest::newRow("opt 3") << "optVelocidad(3)"
                           << "&Rápido" << QRect(240, 1440, 1200, 255);
    QTest::newRow("opt 4") << "optVelocidad(4)"
                           << "&Inmediato" << QRect(240, 1800, 1200, 255);
}

void TestVelocidad::controles() {
    QFETCH(QString, nombre);
    QFETCH(QString, texto);
    QFETCH(QRect, twips);
    auto v = NuevaVentana();
    FrmVelocidad& d = frmVelocidad();
    QWidget* control = d.findChild<QWidget*>(nombre);
    QVERIFY(control);
    QString leyenda;
    if (auto* boton = qobject_cast<QAbstractButton*>(control)) leyenda = boton->text();
    if (auto* marco = qobject_cast<QGroupBox*>(control)) leyenda = marco->title();
    QCOMPARE(leyenda, texto);
    QCOMPARE(control->geometry(),
             RectanguloTwips(control, twips.x(), twips.y(), twips.width(), twips.height()));
    if (nombre.startsWith(QLatin1String("optVelocidad")))
        QCOMPARE(control->parentWidget(), static_cast<QWidget*>(d.Frame1));
}

void TestVelocidad::ordenDeTabulacion() {
    auto v = NuevaVentana();
    FrmVelocidad& d = frmVelocidad();
    const QList<QWidget*> esperado = {d.cmdAceptar,      d.CancelButton,    d.optVelocidad(0),
                                      d.optVelocidad(1), d.optVelocidad(2), d.optVelocidad(3),
                                      d.optVelocidad(4)};
    QList<QWidget*> orden;
    QWidget* w = d.cmdAceptar;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && d.isAncestorOf(w)) orden.append(w);
        w = w->nextInFocusChain();
    } while (w != d.cmdAceptar && orden.size() <= esperado.size());
    QCOMPARE(orden, esperado);
}

void TestVelocidad::colocacion_data() {
    QTest::addColumn<Single>("anchoPrincipal");
    QTest::addColumn<Single>("altoPrincipal");
    QTest::addColumn<Single>("anchoDialogo");
    QTest::addColumn<Single>("altoDialogo");
    QTest::addColumn<Single>("izquierda");
    QTest::addColumn<Single>("arriba");
    QTest::newRow("9000x7300, 3800x3000")
        << 9000.0f << 7300.0f << 3800.0f << 3000.0f << 2600.0f << 2150.0f;
    QTest::newRow("odd difference keeps the half")
        << 9000.0f << 7300.0f << 3795.0f << 3000.0f << 2602.5f << 2150.0f;
}

void TestVelocidad::colocacion() {
    QFETCH(Single, anchoPrincipal);
    QFETCH(Single, altoPrincipal);
    QFETCH(Single, anchoDialogo);
    QFETCH(Single, altoDialogo);
    const PosicionDialogo p =
        CalcularPosicionDialogo(anchoPrincipal, altoPrincipal, anchoDialogo, altoDialogo);
    QTEST(p.Left, "izquierda");
    QTEST(p.Top, "arriba");
}

// The dialog is placed once, when the main window loads, centred across the main window's first
// width (8880 twips before any frame); resizing or moving the main window never moves it.
void TestVelocidad::lugarFijo() {
    auto v = NuevaVentana();
    FrmVelocidad& d = frmVelocidad();
    const QPoint cargado = d.pos();
    QCOMPARE(cargado.x(), TwipsAPixeles((8880 - 3705) / 2.0, d.logicalDpiX()));
    FijarTamanoExterior(*v, 12000, 9000);
    v->move(v->pos() + QPoint(40, 30));
    QCoreApplication::processEvents();
    const Apertura vista = Abrir(*v, false, [](FrmVelocidad& dialogo) {
        QTest::mouseClick(dialogo.CancelButton, Qt::LeftButton);
    });
    QVERIFY(vista.esElDialogo);
    QCOMPARE(vista.lugar, cargado);
}

// Ctrl+V opens the dialog with the start-up speed selected; accepting it keeps that speed.
void TestVelocidad::primeraApertura() {
    auto v = NuevaVentana();
    const Apertura vista =
        Abrir(*v, true, [](FrmVelocidad& d) { QTest::mouseClick(d.cmdAceptar, Qt::LeftButton); });
    QVERIFY(vista.esElDialogo);
    QVERIFY(vista.seCerro);
    QCOMPARE(vista.elegidaAlAbrir, 2);
    QCOMPARE(int(Velocidad), 2);
}

void TestVelocidad::elegir_data() {
    QTest::addColumn<int>("antes");
    QTest::addColumn<int>("opcion");
    QTest::addColumn<bool>("teclado");
    QTest::addColumn<QString>("cierre");
    QTest::addColumn<int>("velocidad");
    QTest::newRow("Rápido, Aceptar") << 2 << 3 << false << "Aceptar" << 3;
    QTest::newRow("Alt+R, Alt+A") << 2 << 3 << true << "Alt+A" << 3;
    QTest::newRow("Inmediato, Enter") << 2 << 4 << false << "Enter" << 4;
    QTest::newRow("Muy lento, Enter") << 4 << 0 << true << "Enter" << 0;
    QTest::newRow("Lento, Esc") << 3 << 1 << false << "Esc" << 3;
    QTest::newRow("Lento, Cancelar") << 0 << 1 << false << "Cancelar" << 0;
    QTest::newRow("Alt+L, Alt+C") << 4 << 1 << true << "Alt+C" << 4;
    QTest::newRow("Inmediato, Enter on Cancelar") << 2 << 4 << false << "Enter en Cancelar" << 2;
    QTest::newRow("Muy lento, close box") << 3 << 0 << false << "cierre" << 3;
}

// The pupil picks an option and leaves the dialog one way or another; the speed follows, and the
// next opening shows the speed in force.
void TestVelocidad::elegir() {
    QFETCH(int, antes);
    QFETCH(int, opcion);
    QFETCH(bool, teclado);
    QFETCH(QString, cierre);
    QFETCH(int, velocidad);
    auto v = NuevaVentana();
    FrmVelocidad* const dialogo = &frmVelocidad();
    Velocidad = Byte(antes);
    dialogo->optVelocidad(antes)->setChecked(true);

    bool alInstante = true;
    const Apertura primera = Abrir(*v, false, [&](FrmVelocidad& d) {
        if (teclado) {
            static const Qt::Key teclas[] = {Qt::Key_U, Qt::Key_L, Qt::Key_M, Qt::Key_R, Qt::Key_I};
            QTest::keyClick(&d, teclas[opcion], Qt::AltModifier);
            // At once, with no event loop between: Enter typed straight after keeps this option.
            alInstante = d.optVelocidad(opcion)->isChecked();
        } else {
            QTest::mouseClick(d.optVelocidad(opcion), Qt::LeftButton);
        }
        if (cierre == QLatin1String("Aceptar"))
            QTest::mouseClick(d.cmdAceptar, Qt::LeftButton);
        else if (cierre == QLatin1String("Cancelar"))
            QTest::mouseClick(d.CancelButton, Qt::LeftButton);
        else if (cierre == QLatin1String("Alt+A"))
            QTest::keyClick(&d, Qt::Key_A, Qt::AltModifier);
        else if (cierre == QLatin1String("Alt+C"))
            QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier);
        else if (cierre == QLatin1String("Enter"))
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        else if (cierre == QLatin1String("Enter en Cancelar")) {
            d.CancelButton->setFocus();
            QTest::keyClick(d.CancelButton, Qt::Key_Return);
        } else if (cierre == QLatin1String("Esc"))
            QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
        else
            d.close();
    });
    QVERIFY(primera.esElDialogo);
    QVERIFY2(alInstante, "the access key did not select its option at once");
    QCOMPARE(primera.elegidaAlAbrir, antes);
    QVERIFY(primera.seCerro);
    QCOMPARE(int(Velocidad), velocidad);
    QCOMPARE(Elegida(*dialogo), velocidad);
    // Hidden, never destroyed: the next opening finds the same dialog.
    QVERIFY(FrmVelocidadCargado());
    QCOMPARE(&frmVelocidad(), dialogo);

    const Apertura segunda = Abrir(
        *v, false, [](FrmVelocidad& d) { QTest::mouseClick(d.CancelButton, Qt::LeftButton); });
    QVERIFY(segunda.esElDialogo);
    QCOMPARE(segunda.elegidaAlAbrir, velocidad);
    QCOMPARE(int(Velocidad), velocidad);
}

QTEST_MAIN(TestVelocidad)
#include "test_velocidad.moc"
