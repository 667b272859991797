#pragma once
// Arithmetic on fractions of 16-bit integers: no state, no window.

#include <cstdint>

// Greatest common divisor by trial division (2, then every odd number). Any argument below 2
// (zero, one or negative) gives 1, so such fractions are never reduced.
std::int16_t MCD(std::int16_t a, std::int16_t b);

// Divides a numerator and a denominator by their MCD; the results go to the last two arguments.
void Reducir(std::int16_t n, std::int16_t d, std::int16_t& numeradorReducido,
             std::int16_t& denominadorReducido);
