#pragma once
// Twips (1440 to the inch) to pixels and back. A corner is turned into a whole pixel before
// anything is drawn at it, so that boxes that share an edge in twips share it in pixels too.

#include "shell/tipos.h"

#include <algorithm>
#include <cmath>

inline constexpr double kTwipsPorPulgada = 1440.0;

inline int TwipsAPixeles(double twips, double puntosPorPulgada) {
    const double px = std::floor(twips * puntosPorPulgada / kTwipsPorPulgada + 0.5);
    // Far beyond any screen; keeps the int conversion defined whatever the twips were. NaN would
    // pass std::clamp unchanged and make it undefined.
    if (std::isnan(px)) return 0;
    return static_cast<int>(std::clamp(px, -1.0e7, 1.0e7));
}

inline Single PixelesATwips(int pixeles, double puntosPorPulgada) {
    return static_cast<Single>(pixeles * kTwipsPorPulgada / puntosPorPulgada);
}
