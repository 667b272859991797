#pragma once
// What an addition needs of its grid before it starts.

#include "shell/tipos.h"

// Whether the sum of the current fractions, on a grid of filas × columnas cells of the given
// size, can be numbered and drawn with 16-bit ordinals and result corners.
bool SumaCabe(Integer filas, Integer columnas, Single anchoCelda, Single altoCelda);

// Whether the result cell at the cursor has an ordinal and a corner within 16 bits.
bool DestinoCabe(Integer fila, Integer columna, Single anchoCelda, Single altoCelda);
