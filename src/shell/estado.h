#pragma once
// The program's process-wide state: one copy, shared by every window and routine. The main
// window's load handler sets the starting values; everything else starts at zero.

#include "shell/tipos.h"

class Formulario;
class Figura;

// The surface every square, line, box and number is drawn on.
inline Formulario* frmLienzo = nullptr;
// The flying cell of an addition.
inline Figura* shpVolador = nullptr;

// How operand i is cut: 1 = vertical strips (columns), 0 = horizontal strips (rows).
inline Arreglo<Long, 1, 2> Orientacion;
// Operand 1's colour, operand 2's colour, and the background of every square (0x00BBGGRR).
inline Arreglo<Long, 1, 3> Colores;
// Flight speed, 0 (very slow) to 4 (immediate).
inline Byte Velocidad = 0;

// The two fractions as last accepted from their boxes.
inline Arreglo<Integer, 1, 2> Num;
inline Arreglo<Integer, 1, 2> Den;

// Top-left corners of the four squares (1, 2 operands; 3, 4 the result area) and their side.
inline Arreglo<Single, 1, 4> PosX;
inline Arreglo<Single, 1, 4> PosY;
inline Single Lado = 0;

// Size of one cell of the common grid; non-zero only while an addition runs.
inline Single AnchoCelda = 0;
inline Single AltoCelda = 0;

// The common grid, recomputed whenever a denominator is accepted.
inline Integer Filas = 0;
inline Integer Columnas = 0;

// The flying cell's corner and the distance it moves on each tick.
inline Single VueloX = 0;
inline Single VueloY = 0;
inline Single PasoX = 0;
inline Single PasoY = 0;

// Sets every variable back to zero, as at the start of the process.
void BorrarEstado();
