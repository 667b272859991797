#pragma once
// Random text of the kind a pupil types or pastes into a fraction box: numbers with either decimal
// separator, signs and blanks, letters, digits of other scripts, runs of thousands of digits, and
// near misses made by changing one character of a number.

#include <QString>
#include <QStringList>

#include <random>

using Azar = std::mt19937_64;

inline int Entre(Azar& azar, int desde, int hasta) {
    return std::uniform_int_distribution<int>(desde, hasta)(azar);
}

// True with the given chance in percent.
inline bool Suerte(Azar& azar, int porcentaje) {
    return Entre(azar, 0, 99) < porcentaje;
}

template <typename Lista> const auto& Elegir(Azar& azar, const Lista& lista) {
    return lista[Entre(azar, 0, int(std::size(lista)) - 1)];
}

inline QString Digitos(Azar& azar, int cuantos) {
    QString t;
    t.reserve(cuantos);
    for (int k = 0; k < cuantos; ++k)
        t += QChar(u'0' + Entre(azar, 0, 9));
    return t;
}

// Mostly one or two digits, now and then enough to leave 16 bits, rarely thousands.
inline QString TramoDeDigitos(Azar& azar) {
    const int r = Entre(azar, 0, 99);
    const int cuantos = r < 60   ? Entre(azar, 1, 2)
                        : r < 85 ? Entre(azar, 3, 5)
                        : r < 96 ? Entre(azar, 6, 25)
                                 : Entre(azar, 26, 3000);
    QString t = Suerte(azar, 10) ? QString(Entre(azar, 1, 40), u'0') : QString();
    return t + Digitos(azar, cuantos);
}

inline QString Blancos(Azar& azar) {
    static const char16_t blancos[] = {u' ', u' ', u'\t', u'\u00A0', u'\u2003'};
    QString t;
    for (int k = Entre(azar, 1, 3); k > 0; --k)
        t += QChar(Elegir(azar, blancos));
    return t;
}

// Something shaped like a number in one locale or the other: blanks, a sign, whole part, decimals.
inline QString NumeroAleatorio(Azar& azar) {
    static const char16_t signos[] = {u'+', u'-', u'-', u'\u2212'};
    QString t;
    if (Suerte(azar, 15)) t += Blancos(azar);
    if (Suerte(azar, 30)) t += QChar(Elegir(azar, signos));
    const bool conDecimales = Suerte(azar, 45);
    if (!conDecimales || Suerte(azar, 85)) t += TramoDeDigitos(azar);
    if (conDecimales) {
        t += Suerte(azar, 50) ? u'.' : u',';
        if (Suerte(azar, 85)) t += TramoDeDigitos(azar);
    }
    if (Suerte(azar, 15)) t += Blancos(azar);
    return t;
}

// Pieces that are not digits, ASCII or not.
inline const QStringList& PiezasExtranas() {
    static const QStringList piezas = {
        QStringLiteral("+"),      QStringLiteral("-"),   QStringLiteral("."),
        QStringLiteral(","),      QStringLiteral(" "),   QStringLiteral("\t"),
        QStringLiteral("\n"),     QStringLiteral("a"),   QStringLiteral("e"),
        QStringLiteral("E"),      QStringLiteral("e5"),  QStringLiteral("0x"),
        QStringLiteral("/"),      QStringLiteral("'"),   QStringLiteral("_"),
        QStringLiteral("inf"),    QStringLiteral("nan"), QStringLiteral("½"),
        QStringLiteral("٣"),      QStringLiteral("３"),  QStringLiteral("−"),
        QStringLiteral("€"),      QStringLiteral("ñ"),   QStringLiteral("٫"),
        QStringLiteral("\u00A0"), QStringLiteral("😀"),   QString(QChar(0xD800)),
        QString(QChar(0)),
    };
    return piezas;
}

// A string of numbers, runs of digits and odd pieces glued together.
inline QString TextoMezclado(Azar& azar) {
    QString t;
    for (int k = Entre(azar, 0, 6); k > 0; --k) {
        switch (Entre(azar, 0, 2)) {
        case 0:
            t += TramoDeDigitos(azar);
            break;
        case 1:
            t += NumeroAleatorio(azar);
            break;
        default:
            t += Elegir(azar, PiezasExtranas());
            break;
        }
    }
    return t;
}

// A number with one character inserted, removed or replaced.
inline QString CasiNumero(Azar& azar) {
    QString t = NumeroAleatorio(azar);
    const int donde = Entre(azar, 0, int(t.size()));
    const QString pieza = Suerte(azar, 50) ? Elegir(azar, PiezasExtranas()) : Digitos(azar, 1);
    switch (Entre(azar, 0, 2)) {
    case 0:
        t.insert(donde, pieza);
        break;
    case 1:
        if (donde < t.size()) t.remove(donde, 1);
        break;
    default:
        if (donde < t.size()) t.replace(donde, 1, pieza);
        break;
    }
    return t;
}

inline QString TextoAleatorio(Azar& azar) {
    const int r = Entre(azar, 0, 99);
    if (r < 45) return NumeroAleatorio(azar);
    if (r < 75) return CasiNumero(azar);
    return TextoMezclado(azar);
}
