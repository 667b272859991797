#pragma once
// Reading the number a pupil typed into a fraction box, with the user's decimal separator and
// signs.

#include "shell/tipos.h"

#include <QString>

class QLocale;

struct NumeroLeido {
    // The text is one decimal number: blanks, an optional sign, digits with an optional decimal
    // part, blanks. A number outside the 16-bit range after rounding does not count as one.
    bool numerico = false;
    // The value rounded to the nearest integer, halves to even.
    Integer entero = 0;
    // Whether the value, as a real number, is above zero (0.4 is; −0 and 0.0 are not).
    bool positivo = false;
};

NumeroLeido LeerNumero(const QString& texto, const QLocale& configuracion);
// With the user's regional settings.
NumeroLeido LeerNumero(const QString& texto);

// An Integer as the boxes show it: plain digits, a minus sign for negatives, nothing else.
QString EscribirNumero(Integer valor);
