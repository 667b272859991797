#include "main_window/disposicion.h"

#include "animation/adicion.h"
#include "drawing/geometria.h"
#include "drawing/graficar.h"
#include "main_window/frm_principal.h"
#include "shell/estado.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

Disposicion CalcularDisposicion(Single anchoExterior, Single altoExterior) {
    Disposicion d{};
    d.A = RedondearIntegerSaturado((double(anchoExterior) - 3000) / 2);
    d.B = RedondearIntegerSaturado((double(altoExterior) - 1300) / 2);
    d.Lado = Single(std::min<Integer>(d.A < d.B ? d.A : d.B, kLadoMaximo));
    // With Lado at most kLadoMaximo these and every sum below stay within 16 bits.
    d.T = RedondearIntegerSaturado(double(d.Lado) / 2 - 260);
    d.R = RedondearIntegerSaturado(double(d.Lado) + 1320);
    d.ArribaAnimar = d.Lado * 1.5f;
    return d;
}

void FrmPrincipal::Form_Resize() {
    tamanoDispuesto_ = QSizeF(Width(), Height());
    resolucionDispuesta_ = QSizeF(lienzo_->PuntosPorPulgadaX(), lienzo_->PuntosPorPulgadaY());
    const Disposicion d = CalcularDisposicion(Width(), Height());
    Lado = d.Lado;
    const int T = d.T, R = d.R;
    MoverTwips(txtNum(1), 360, T);
    MoverTwips(txtDen(1), 360, T + 440);
    Lin(1)->setY1(T + 360);
    Lin(1)->setY2(Lin(1)->Y1());
    MoverTwips(cmdSimpli(1), 120, T + 800);
    MoverTwips(txtNum(2), R + 720, T);
    MoverTwips(txtDen(2), R + 720, T + 440);
    Lin(2)->setY1(T + 360);
    Lin(2)->setY2(Lin(2)->Y1());
    Lin(2)->setX1(R + 600);
    Lin(2)->setX2(R + 1320);
    MoverTwips(cmdSimpli(2), R + 480, T + 800);
    MoverTwips(lblOp, R, T + 120);
    MoverTwips(cmdAnimar, 480, d.ArribaAnimar); // the "=" button only moves up and down
    ColocarCuadrados();
    Cls();
    RedibujarTodo();
    // The redraw has no result cells: an addition shown before is gone from the picture, and one
    // under way counts only the cells it lands from now on.
    suma_.reset();
    adicion_->OlvidarPosadas();
    DescribirDibujo();
}
