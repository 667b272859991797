#pragma once
// Where the four squares lie and where every cell of the common grid lies. Twips from the top-left
// of the client area; rows count from the bottom, columns from the left.

#include "shell/tipos.h"

// Sets PosX/PosY of the four squares from Lado: the operands on top, the result area below.
void ColocarCuadrados();

// Left edge of result column c (columns past Columnas lie in square 4 and beyond), whole twips.
Integer ColumnaX(Integer c);
// Top edge of result row f, whole twips.
Integer FilaY(Integer f);
// The same edges on a grid of the given size, neither rounded nor held within 16 bits: whether an
// addition's corners fit is asked of them before it starts.
double IzquierdaColumna(long long c, Integer columnas, Single anchoCelda);
double ArribaFila(long long f, Integer filas, Single altoCelda);

// Top-left corner of cell (column c, row f) inside operand square k, not rounded.
struct Esquina {
    Single x;
    Single y;
};
Esquina EsquinaCeldaOperando(int k, Integer c, Integer f);

// The ordinal of result cell (column c, row f): column by column, bottom row first. Empty when it
// would not fit 16 bits.
std::optional<Integer> OrdinalCelda(Integer c, Integer f);
