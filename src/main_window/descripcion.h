#pragma once
// The picture in words, for screen readers: what the two squares hold and, after an addition, how
// many cells of the result it coloured.

#include "shell/tipos.h"

#include <QString>

#include <optional>

// A finished addition: the cells it landed, counted over the cells of one square of its grid, and
// the fractions it added, so that a sum is only told while the fractions are still the same.
struct SumaContada {
    long long coloreadas = 0;
    long long porCuadro = 0;
    Integer num1 = 0, den1 = 0, num2 = 0, den2 = 0;
};

// "Suma: 5 de 6 celdas coloreadas." or, past one square, "Suma: 8 celdas coloreadas; cada cuadro
// tiene 6 celdas."
QString FraseSuma(const SumaContada& suma);

// "Primera fracción: 1/2. Segunda fracción: 1/3." then, for a sum of those fractions, its
// sentence.
QString DescripcionDibujo(Integer num1, Integer den1, Integer num2, Integer den2,
                          const std::optional<SumaContada>& suma);
