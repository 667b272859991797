#pragma once
// One cell's flight: how many ticks it has at each speed, the arithmetic of each step, kept in
// Single precision as the flight itself is, and its three moments: lift, step, land.

#include "shell/tipos.h"

// Steps of one flight at each speed; 0 for the immediate speed, which does not fly.
Integer PasosDeVelocidad(Byte velocidad);

// A flight goes on while the target, one step back, is not above the cell.
inline bool SigueVolando(Single destinoY, Single pasoY, Single vueloY) {
    const Single unPasoAntes = destinoY - pasoY;
    return unPasoAntes >= vueloY;
}

// How many ticks a flight from y0 to destinoY takes in pasos steps; never more than pasos.
int TicksDeVuelo(Single y0, Single destinoY, Integer pasos);

// One cell between its lift and its landing: where it is going, and the ticks it has taken of the
// most it may take. A flight whose target is not below its source would never end by its own
// test; it ends after its steps all the same.
struct Vuelo {
    Single destinoX = 0;
    Single destinoY = 0;
    int ticks = 0;
    int pasos = 0;
};

// Lifts the source cell of operand i at (column c, row r) towards the result cell at the cursor.
// True when the cell flies: it shows one step along its path and the form's timer "tmr" runs;
// false when it is to land at once (the immediate speed, or a target not below its source).
bool VolarCelda(Byte i, Integer c, Integer r, Integer FilaDestino, Integer ColumnaDestino,
                Vuelo& vuelo);

// One tick: the flying cell moves a step. True when that step ended the flight.
bool AvanzarVuelo(Vuelo& vuelo);

// Lands the cell on its target, coloured and numbered, and moves the cursor to the next result
// cell. The timer stops and the flying cell hides.
void PosarCelda(const Vuelo& vuelo, Integer& FilaDestino, Integer& ColumnaDestino);

// Drops a flight where it is: the timer stops and the flying cell vanishes without landing.
void DetenerVuelo();
