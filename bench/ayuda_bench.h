#pragma once
// What the benchmarks add to the tests' helpers: a window sized for a given side of the squares,
// and the two fractions written into their boxes.

#include "ayuda_pruebas.h"

#include <QLineEdit>

// The outer size whose layout gives squares of side lado (A = B = lado).
inline void TamanoParaLado(FrmPrincipal& ventana, Single lado) {
    FijarTamanoExterior(ventana, 2 * lado + 3000, 2 * lado + 1300);
}

// Writes n1/d1 + n2/d2 into the four boxes; each box's change handler stores and draws it.
inline void EscribirSuma(FrmPrincipal& ventana, int n1, int d1, int n2, int d2) {
    ventana.txtNum(1)->setText(QString::number(n1));
    ventana.txtDen(1)->setText(QString::number(d1));
    ventana.txtNum(2)->setText(QString::number(n2));
    ventana.txtDen(2)->setText(QString::number(d2));
    QCoreApplication::processEvents();
}
