// The page's address as a command line: "?a=1/2&b=1/3&velocidad=inmediato&sumar" becomes
// zafrelo --velocidad=inmediato --sumar -- 1/2 1/3, read then by the same parser as the desktop's.

#include "main_window/leccion.h"

#include <QByteArray>
#include <QStringTokenizer>

#include <array>

namespace {

int ValorHexadecimal(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// As a browser reads a form: "+" is a blank and %XX a byte of UTF-8 ("%2B" is a plus sign); a "%"
// not followed by two hexadecimal digits stays as it is. (Qt's own decoding takes any two
// characters after "%" as digits.)
QString Decodificar(QStringView texto) {
    const QByteArray bytes = texto.toUtf8();
    QByteArray salida;
    salida.reserve(bytes.size());
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const char c = bytes[k];
        const int alto = c == '%' && k + 2 < bytes.size() ? ValorHexadecimal(bytes[k + 1]) : -1;
        const int bajo = alto >= 0 ? ValorHexadecimal(bytes[k + 2]) : -1;
        if (bajo >= 0) {
            salida.append(char(alto * 16 + bajo));
            k += 2;
        } else {
            salida.append(c == '+' ? ' ' : c);
        }
    }
    return QString::fromUtf8(salida);
}

enum Clave { kA, kB, kVelocidad, kSumar, kNinguna };

Clave ClaveDe(const QString& nombre) {
    const QString n = nombre.trimmed().toLower();
    if (n == QLatin1String("a")) return kA;
    if (n == QLatin1String("b")) return kB;
    if (n == QLatin1String("velocidad")) return kVelocidad;
    if (n == QLatin1String("sumar")) return kSumar;
    return kNinguna;
}

} // namespace

ConsultaLeida LeerConsulta(const QString& consulta) {
    ConsultaLeida leida;
    // The first of each key counts; a value is empty when the key comes without "=".
    std::array<std::optional<QString>, kNinguna> valores;
    QStringView resto(consulta);
    if (resto.startsWith(u'?')) resto = resto.mid(1);
    // The pieces are split before decoding, so that %26 and %3D stay inside a value.
    for (QStringView pieza : qTokenize(resto, u'&')) {
        if (pieza.isEmpty()) continue;
        const qsizetype igual = pieza.indexOf(u'=');
        const QString nombre = Decodificar(igual < 0 ? pieza : pieza.left(igual));
        const QString valor = igual < 0 ? QString() : Decodificar(pieza.mid(igual + 1));
        const QString dicho = igual < 0 ? nombre : nombre + u'=' + valor;
        const Clave clave = ClaveDe(nombre);
        if (clave == kNinguna) {
            leida.avisos.Anadir(QStringLiteral("Zafrelo: se omite %1 de la dirección: solo se "
                                               "entienden a, b, velocidad y sumar.")
                                    .arg(Citar(dicho)));
        } else if (valores[clave]) {
            leida.avisos.Anadir(
                QStringLiteral(
                    "Zafrelo: se omite %1 de la dirección: repite %2, y vale el primero.")
                    .arg(Citar(dicho), nombre.trimmed().toLower()));
        } else if (clave == kSumar && !valor.isEmpty()) {
            leida.avisos.Anadir(
                QStringLiteral("Zafrelo: se omite %1 de la dirección: sumar no lleva valor.")
                    .arg(Citar(dicho)));
        } else {
            valores[clave] = valor;
        }
    }

    // Only these forms are made, whatever the address holds: no value can become an option of its
    // own (--help would end the program), and the fractions follow "--", so -1/2 is a fraction.
    leida.argumentos.append(QStringLiteral("zafrelo"));
    if (valores[kVelocidad])
        leida.argumentos.append(QStringLiteral("--velocidad=") + *valores[kVelocidad]);
    if (valores[kSumar]) leida.argumentos.append(QStringLiteral("--sumar"));
    if (valores[kA] || valores[kB]) {
        leida.argumentos.append(QStringLiteral("--"));
        // "-" keeps the first fraction's place when only b is given.
        leida.argumentos.append(valores[kA].value_or(QStringLiteral("-")));
        if (valores[kB]) leida.argumentos.append(*valores[kB]);
    }
    return leida;
}
