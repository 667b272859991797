#pragma once
// One cell's flight: how many ticks it has at each speed, and the arithmetic of each step, kept in
// Single precision as the flight itself is.

#include "shell/tipos.h"

// Steps of one flight at each speed; 0 for the immediate speed, which does not fly.
Integer PasosDeVelocidad(Byte velocidad);

// The wait of a flight goes on while the target, one step back, is not above the cell.
inline bool SigueVolando(Single destinoY, Single pasoY, Single vueloY) {
    const Single unPasoAntes = destinoY - pasoY;
    return unPasoAntes >= vueloY;
}

// How many ticks a flight from y0 to destinoY takes in pasos steps; never more than pasos.
int TicksDeVuelo(Single y0, Single destinoY, Integer pasos);

// Ticks of the flight under way and the most it may take. A flight whose target is not below its
// source would never end by its own test; it ends after its steps all the same, and the cell stops
// moving once it has taken them.
inline int TicksVuelo = 0;
inline int PasosVuelo = 0;

// Set while a flight is under way to drop it: the cell vanishes without landing.
inline bool VueloAbandonado = false;

// Lifts the source cell of operand i at (column c, row r), flies it to the target cursor unless the
// speed is immediate, lands it, numbers it, and moves the cursor to the next result cell. False
// when the cell did not land: the program is closing or the flight was abandoned.
bool VolarCelda(Byte i, Integer c, Integer r, Integer& FilaDestino, Integer& ColumnaDestino);
