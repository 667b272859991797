#include "drawing/geometria.h"

#include "shell/estado.h"

void ColocarCuadrados() {
    PosX(1) = 1080;
    PosY(1) = 60;
    PosX(2) = Lado + PosX(1) + 1660;
    PosY(2) = PosY(1);
    PosX(3) = 2350;
    PosY(3) = Lado + PosY(1) + 320;
    PosX(4) = Lado + PosX(3) + 100;
    PosY(4) = PosY(3);
}

// The differences are 16-bit in the program's arithmetic; they are formed in int, where they always
// fit, and a coordinate that leaves 16 bits is held at the limit. An addition checks its corners
// before it starts, so only a window's odd states ever reach the limit.
Integer ColumnaX(Integer c) {
    double x;
    if (c > Columnas)
        x = double(Single(c - Columnas - 1)) * double(AnchoCelda) + double(PosX(4));
    else
        x = double(Single(c - 1)) * double(AnchoCelda) + double(PosX(3));
    return RedondearIntegerSaturado(x);
}

Integer FilaY(Integer f) {
    const double y = double(Single(Filas - f)) * double(AltoCelda) + double(PosY(3));
    return RedondearIntegerSaturado(y);
}

Esquina EsquinaCeldaOperando(int k, Integer c, Integer f) {
    return {Single(c - 1) * AnchoCelda + PosX(k), Single(Filas - f) * AltoCelda + PosY(k)};
}

std::optional<Integer> OrdinalCelda(Integer c, Integer f) {
    const long long ordinal = (static_cast<long long>(c) - 1) * Filas + f;
    if (!CabeEnInteger(ordinal)) return std::nullopt;
    return static_cast<Integer>(ordinal);
}
