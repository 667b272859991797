#pragma once
// The drawing routines of the area model. They read the shared state and draw on frmLienzo only.

#include "shell/tipos.h"

// A box filled with color and outlined; its interior also takes the surface's fill style.
void DibujarCaja(Single x, Single y, Single w, Single h, Long color);
// Square k (1 to 4) drawn white and outlined, wiping what it showed.
void DibujarCuadro(Byte k);
// The strips of operand i over its square; nothing while its denominator is not positive.
void DibujarOperando(Integer i);
// The dotted lines of the common grid across all four squares.
void DibujarCuadricula();
// The four squares, both operands and the grid, then the window is refreshed.
void RedibujarTodo();
// The ordinal of result cell (row fila, column columna) at its top-left corner.
void NumerarCelda(Integer fila, Integer columna);
