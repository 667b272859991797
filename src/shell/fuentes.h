#pragma once
// The fonts of the program's windows. "Arial" is found as its metric twin where it is not
// installed, so the designed control sizes fit their captions everywhere.

#include <QFont>

// The classic small dialog font: every control of the design fits its caption in it.
inline QFont FuenteVentana() {
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPointSize(8);
    return fuente;
}

inline QFont FuenteGrande() {
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPointSize(24);
    fuente.setWeight(QFont::Normal);
    return fuente;
}
