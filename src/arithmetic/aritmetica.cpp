#include "arithmetic/aritmetica.h"

#include <cmath>

std::int16_t MCD(std::int16_t a, std::int16_t b) {
    // Carried in int: the values only shrink, and g * e is always a common divisor of the
    // arguments, so everything stays within 16 bits.
    int x = a, y = b, g = 1, e = 2;
    while (x >= e && y >= e) {
        while (x % e == 0 && y % e == 0) {
            x /= e;
            y /= e;
            g *= e;
        }
        e += (e == 2) ? 1 : 2;
    }
    return static_cast<std::int16_t>(g);
}

void Reducir(std::int16_t n, std::int16_t d, std::int16_t& numeradorReducido,
             std::int16_t& denominadorReducido) {
    const double g = MCD(n, d);
    // g divides both exactly, so the rounded quotients are the exact ones.
    numeradorReducido = static_cast<std::int16_t>(std::nearbyint(n / g));
    denominadorReducido = static_cast<std::int16_t>(std::nearbyint(d / g));
}
