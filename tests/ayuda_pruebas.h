#pragma once
// What the window tests share: a fresh main window for each test, its outer size set in twips, and
// the colour of the picture at a point in twips.

#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "shell/eventos.h"
#include "shell/twips.h"
#include "speed_dialog/frm_velocidad.h"

#include <QApplication>
#include <QTest>

#include <memory>

inline constexpr Long kVerde = 0x0000FF00;
inline constexpr Long kRojo = 0x000000FF;
inline constexpr Long kBlanco = 0x00FFFFFF;
inline constexpr Long kNegro = 0x00000000;

// A main window as the program starts it: state from zero, loaded, shown, first resize done.
inline std::unique_ptr<FrmPrincipal> NuevaVentana() {
    DescargarFrmVelocidad();
    BorrarEstado();
    OlvidarTerminacion();
    auto ventana = std::make_unique<FrmPrincipal>();
    ventana->show();
    if (!QTest::qWaitForWindowExposed(ventana.get())) qWarning("main window not exposed");
    ventana->activateWindow();
    if (!QTest::qWaitForWindowActive(ventana.get())) qWarning("main window not active");
    return ventana;
}

// Gives the window the outer size in twips (frame, caption and menu bar included), which runs
// its resize.
inline void FijarTamanoExterior(FrmPrincipal& ventana, Single ancho, Single alto) {
    const QSize marco = ventana.frameGeometry().size() - ventana.size();
    const double dpiX = ventana.logicalDpiX(), dpiY = ventana.logicalDpiY();
    ventana.resize(TwipsAPixeles(ancho, dpiX) - marco.width(),
                   TwipsAPixeles(alto, dpiY) - marco.height());
    QCoreApplication::processEvents();
}

// The picture's colour at (x, y) twips, as 0x00BBGGRR.
inline Long ColorEn(const FrmPrincipal& ventana, Single x, Single y) {
    return ventana.lienzo()->ColorEn(x, y);
}

// The modal window (dialog or message box) the command just given opened, once it shows; null
// when none comes. The program never waits for it: the test answers it and the program goes on.
inline QWidget* ModalAbierto() {
    (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 1000);
    return QApplication::activeModalWidget();
}

// Lets the addition under way run to its end, as a pupil watching it would; false if it has not
// ended after ms milliseconds.
inline bool EsperarSuma(const FrmPrincipal& ventana, int ms = 20000) {
    return QTest::qWaitFor([&ventana] { return !ventana.Animando(); }, ms);
}
