#pragma once
// The layout a resize gives: the side of the squares and where the fraction controls go, from the
// window's outer size in twips.

#include "shell/tipos.h"

// The largest side for which every sum of the layout still fits 16 bits (R + 1320 = 32767).
inline constexpr Integer kLadoMaximo = 30127;

struct Disposicion {
    Integer A;           // half the width left over beside the controls
    Integer B;           // half the height left over
    Single Lado;         // the side of every square
    Integer T;           // top of both numerator boxes
    Integer R;           // left of the "+" label; the right fraction is placed from it
    Single ArribaAnimar; // top of the "=" button
};

// Halves are rounded to the even neighbour. A window too large for the 16-bit arithmetic gives
// Lado = kLadoMaximo, the largest layout that fits; a window too small gives a zero or negative
// Lado and is laid out all the same.
Disposicion CalcularDisposicion(Single anchoExterior, Single altoExterior);
