#include "drawing/graficar.h"

#include "drawing/geometria.h"
#include "shell/estado.h"
#include "shell/formulario.h"

void DibujarCaja(Single x, Single y, Single w, Single h, Long color) {
    frmLienzo->setDrawStyle(kDrawStyleSolido);
    frmLienzo->CajaRellena(x, y, w, h, color);
    frmLienzo->Caja(x, y, w, h);
}

void DibujarCuadro(Byte k) {
    DibujarCaja(PosX(k), PosY(k), Lado, Lado, Colores(3));
}

void DibujarOperando(Integer i) {
    const int den = Den(i); // read once, before the first strip
    if (den <= 0) return;
    const Single s = Lado / Single(den);
    for (int j = 1; j <= den; ++j) {
        const Long color = (j <= Num(i)) ? Colores(i) : Colores(3);
        if (Orientacion(i) != 0)
            DibujarCaja(PosX(i) + Single(j - 1) * s, PosY(i), s, Lado, color);
        else // strip 1 along the bottom edge, the last along the top
            DibujarCaja(PosX(i), PosY(i) + Single(den - j) * s, Lado, s, color);
    }
}

void DibujarCuadricula() {
    frmLienzo->setDrawStyle(kDrawStylePunteado);
    for (int i = 1; i <= 2; ++i) {
        const int lineas = Den(i) - 1; // read once for each operand
        for (int j = 1; j <= lineas; ++j) {
            if (Orientacion(i) != 0) {
                const Single d = Single(j) * AnchoCelda;
                for (int k = 1; k <= 4; ++k)
                    frmLienzo->Linea(PosX(k) + d, PosY(k), 0, Lado);
            } else {
                const Single d = Single(j) * AltoCelda;
                for (int k = 1; k <= 4; ++k)
                    frmLienzo->Linea(PosX(k), PosY(k) + d, Lado, 0);
            }
        }
    }
}

void RedibujarTodo() {
    for (Byte k = 1; k <= 4; ++k)
        DibujarCuadro(k);
    DibujarOperando(1);
    DibujarOperando(2);
    DibujarCuadricula();
    frmLienzo->Refresh();
}

void NumerarCelda(Integer fila, Integer columna) {
    // An ordinal beyond 16 bits is never printed: an addition refuses such a grid before it starts.
    const std::optional<Integer> ordinal = OrdinalCelda(columna, fila);
    if (!ordinal) return;
    frmLienzo->setCurrentX(ColumnaX(columna));
    frmLienzo->setCurrentY(FilaY(fila));
    frmLienzo->Print(*ordinal);
}
