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

double IzquierdaColumna(long long c, Integer columnas, Single anchoCelda) {
    if (c > columnas) return double(c - columnas - 1) * double(anchoCelda) + double(PosX(4));
    return double(c - 1) * double(anchoCelda) + double(PosX(3));
}

double ArribaFila(long long f, Integer filas, Single altoCelda) {
    return double(filas - f) * double(altoCelda) + double(PosY(3));
}

// The differences are 16-bit in the program's arithmetic, exact in double; a coordinate that
// leaves 16 bits is held at the limit. An addition checks its corners before it starts, so only a
// window's odd states ever reach the limit.
Integer ColumnaX(Integer c) {
    return RedondearIntegerSaturado(IzquierdaColumna(c, Columnas, AnchoCelda));
}

Integer FilaY(Integer f) {
    return RedondearIntegerSaturado(ArribaFila(f, Filas, AltoCelda));
}

Esquina EsquinaCeldaOperando(int k, Integer c, Integer f) {
    return {Single(c - 1) * AnchoCelda + PosX(k), Single(Filas - f) * AltoCelda + PosY(k)};
}

std::optional<Integer> OrdinalCelda(Integer c, Integer f) {
    const long long ordinal = (static_cast<long long>(c) - 1) * Filas + f;
    if (!CabeEnInteger(ordinal)) return std::nullopt;
    return static_cast<Integer>(ordinal);
}
