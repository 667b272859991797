#pragma once
// What the benchmarks share: a fresh main window as the program starts it, its outer size set in
// twips, and the two fractions written into their boxes.

#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "shell/eventos.h"
#include "shell/twips.h"
#include "speed_dialog/frm_velocidad.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

// A main window with its state from zero, loaded, shown and laid out for its first frame.
inline std::unique_ptr<FrmPrincipal> VentanaNueva() {
    DescargarFrmVelocidad();
    BorrarEstado();
    OlvidarTerminacion();
    auto ventana = std::make_unique<FrmPrincipal>();
    ventana->show();
    if (!QTest::qWaitForWindowExposed(ventana.get())) qWarning("main window not exposed");
    QCoreApplication::processEvents();
    return ventana;
}

// Outer size in twips (frame, caption and menu bar included); the resize lays the window out again.
inline void TamanoExterior(FrmPrincipal& ventana, Single ancho, Single alto) {
    const QSize marco = ventana.frameGeometry().size() - ventana.size();
    const double dpiX = ventana.logicalDpiX(), dpiY = ventana.logicalDpiY();
    ventana.resize(TwipsAPixeles(ancho, dpiX) - marco.width(),
                   TwipsAPixeles(alto, dpiY) - marco.height());
    QCoreApplication::processEvents();
}

// The outer size whose layout gives squares of side lado (A = B = lado).
inline void TamanoParaLado(FrmPrincipal& ventana, Single lado) {
    TamanoExterior(ventana, 2 * lado + 3000, 2 * lado + 1300);
}

// Writes n1/d1 + n2/d2 into the four boxes; each box's change handler stores and draws it.
inline void EscribirSuma(FrmPrincipal& ventana, int n1, int d1, int n2, int d2) {
    ventana.txtNum(1)->setText(QString::number(n1));
    ventana.txtDen(1)->setText(QString::number(d1));
    ventana.txtNum(2)->setText(QString::number(n2));
    ventana.txtDen(2)->setText(QString::number(d2));
    QCoreApplication::processEvents();
}
