#include "main_window/lectura_numeros.h"

#include <QLocale>

namespace {

bool EsBlanco(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\u00A0';
}
bool EsDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool EmpiezaCon(QStringView texto, qsizetype pos, const QString& prefijo) {
    return !prefijo.isEmpty() && texto.mid(pos).startsWith(prefijo);
}

} // namespace

// The number is rounded from its digits, not from a double: "2.5000000000000000001" is above the
// half and goes up, however many digits the pupil typed.
NumeroLeido LeerNumero(const QString& texto, const QLocale& configuracion) {
    NumeroLeido r;
    qsizetype inicio = 0, fin = texto.size();
    while (inicio < fin && EsBlanco(texto[inicio]))
        ++inicio;
    while (fin > inicio && EsBlanco(texto[fin - 1]))
        --fin;
    const QStringView cuerpo = QStringView(texto).mid(inicio, fin - inicio);

    qsizetype pos = 0;
    bool negativo = false;
    if (EmpiezaCon(cuerpo, pos, configuracion.negativeSign())) {
        negativo = true;
        pos += configuracion.negativeSign().size();
    } else if (cuerpo.mid(pos).startsWith(u'-')) {
        negativo = true;
        ++pos;
    } else if (EmpiezaCon(cuerpo, pos, configuracion.positiveSign())) {
        pos += configuracion.positiveSign().size();
    } else if (cuerpo.mid(pos).startsWith(u'+')) {
        ++pos;
    }

    // Whole part: leading zeros skipped, at most six significant digits kept (any more is out of
    // range anyway, and noted as such).
    long long parteEntera = 0;
    bool demasiadoGrande = false, hayDigitos = false;
    for (; pos < cuerpo.size() && EsDigito(cuerpo[pos]); ++pos) {
        hayDigitos = true;
        if (parteEntera > 99999)
            demasiadoGrande = true;
        else
            parteEntera = parteEntera * 10 + (cuerpo[pos].unicode() - u'0');
    }

    // Decimal part: what decides the rounding is its first digit and whether anything follows.
    int primerDecimal = 0;
    bool restoNoNulo = false;
    const QString separador = configuracion.decimalPoint();
    if (EmpiezaCon(cuerpo, pos, separador)) {
        pos += separador.size();
        bool primero = true;
        for (; pos < cuerpo.size() && EsDigito(cuerpo[pos]); ++pos) {
            hayDigitos = true;
            const int digito = cuerpo[pos].unicode() - u'0';
            if (primero)
                primerDecimal = digito;
            else if (digito != 0)
                restoNoNulo = true;
            primero = false;
        }
    }
    if (!hayDigitos || pos != cuerpo.size()) return r;
    if (demasiadoGrande) return r;

    long long redondeado = parteEntera;
    if (primerDecimal > 5 || (primerDecimal == 5 && (restoNoNulo || parteEntera % 2 == 1)))
        ++redondeado;
    const long long valor = negativo ? -redondeado : redondeado;
    if (!CabeEnInteger(valor)) return r;

    r.numerico = true;
    r.entero = static_cast<Integer>(valor);
    r.positivo = !negativo && (parteEntera > 0 || primerDecimal > 0 || restoNoNulo);
    return r;
}

NumeroLeido LeerNumero(const QString& texto) {
    return LeerNumero(texto, QLocale());
}

QString EscribirNumero(Integer valor) {
    return QString::number(valor);
}
