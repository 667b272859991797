// Reading a prepared lesson from the command line: Qt's parser, with Spanish texts, and the
// fractions read with the boxes' own limits.

#include "main_window/leccion.h"

#include "main_window/lectura_numeros.h"

#include <QCommandLineParser>
#include <QLocale>

namespace {

const char* const kNombresVelocidad[] = {"muy-lento", "lento", "medio", "rapido", "inmediato"};
const char* const kOrdinal[] = {"", "primera", "segunda"};

struct Opciones {
    QCommandLineOption ayuda{{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("Muestra esta ayuda.")};
    QCommandLineOption velocidad{
        QStringLiteral("velocidad"),
        QStringLiteral("Con qué rapidez vuelan las celdas, como en Opciones ▸ Velocidad: "
                       "muy-lento, lento, medio, rapido o inmediato."),
        QStringLiteral("velocidad")};
    QCommandLineOption sumar{QStringLiteral("sumar"),
                             QStringLiteral("Suma las dos fracciones, como «=», en cuanto se "
                                            "abre la ventana.")};
};

void Preparar(QCommandLineParser& analizador, const Opciones& opciones) {
    // -velocidad=lento is read whole, and -1/2 is one unknown option rather than three.
    analizador.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    analizador.setApplicationDescription(
        QStringLiteral("Zafrelo suma dos fracciones con un modelo de área.\n"
                       "Ejemplo: zafrelo --velocidad=inmediato --sumar 1/2 1/3\n"
                       "Lo que no se puede leer se omite, con un aviso; el resto se aplica."));
    analizador.addOption(opciones.ayuda);
    analizador.addVersionOption();
    analizador.addOption(opciones.velocidad);
    analizador.addOption(opciones.sumar);
    analizador.addPositionalArgument(
        QStringLiteral("N/D"),
        QStringLiteral("La primera y la segunda fracción, como si se escribieran en sus cajas: "
                       "enteros hasta 32767, el denominador mayor que 0. Un guion (-) deja "
                       "vacía la primera. Una fracción negativa va detrás de --: "
                       "zafrelo -- -1/2 1/3."),
        QStringLiteral("[N/D [N/D]]"));
}

// Plain digits with an optional sign, blanks around them allowed: what a link means is the same
// whatever the language of the browser or the desktop, so no decimal separator is taken.
bool EsEntero(const QString& texto) {
    const QString t = texto.trimmed();
    qsizetype pos = (t.startsWith(u'-') || t.startsWith(u'+')) ? 1 : 0;
    if (pos == t.size()) return false;
    for (; pos < t.size(); ++pos)
        if (t[pos] < u'0' || t[pos] > u'9') return false;
    return true;
}

void LeerFraccion(const QString& texto, int i, Leccion& leccion) {
    // A dash keeps the place of a fraction left out, so that the second can be given alone.
    if (texto == QLatin1String("-")) return;
    const QString cual = QString::fromLatin1(kOrdinal[i]);
    auto omitir = [&](const char* motivo) {
        leccion.avisos.Anadir(QStringLiteral("Zafrelo: se omite la %1 fracción, %2: %3.")
                                  .arg(cual, Citar(texto), QString::fromUtf8(motivo)));
    };
    if (texto.trimmed().isEmpty()) {
        leccion.avisos.Anadir(
            QStringLiteral("Zafrelo: se omite la %1 fracción, que está vacía.").arg(cual));
        return;
    }
    const QStringList partes = texto.split(u'/');
    if (partes.size() != 2 || !EsEntero(partes[0]) || !EsEntero(partes[1]))
        return omitir("se escribe N/D, con números enteros, como 1/2");
    // The boxes' own reading: the same 16-bit limits and the same refusals.
    const NumeroLeido num = LeerNumero(partes[0].trimmed(), QLocale::c());
    const NumeroLeido den = LeerNumero(partes[1].trimmed(), QLocale::c());
    if (!num.numerico || !den.numerico)
        return omitir("las cajas solo admiten enteros de -32768 a 32767");
    if (!den.positivo) return omitir("el denominador ha de ser mayor que 0");
    leccion.fraccion(i) = FraccionLeccion{num.entero, den.entero};
}

// Qt takes --sumar=x as --sumar, with only a general error: the value is looked for here.
bool SumarConValor(const QStringList& argumentos) {
    for (qsizetype k = 1; k < argumentos.size(); ++k) {
        const QString& a = argumentos[k];
        if (a == QLatin1String("--")) break;
        if (a.startsWith(QLatin1String("--sumar=")) || a.startsWith(QLatin1String("-sumar=")))
            return true;
    }
    return false;
}

QString NombreDeOpcion(const QString& nombre) {
    return (nombre.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nombre;
}

// The speed a word names (muy-lento, lento, medio, rapido, inmediato), if any.
std::optional<Byte> VelocidadDeNombre(const QString& nombre) {
    // Teachers may write the accent, capitals, or a blank for the dash.
    QString n = nombre.trimmed().toLower();
    n.replace(u'á', u'a').replace(u' ', u'-').replace(u'_', u'-');
    for (int v = 0; v <= 4; ++v)
        if (n == QLatin1String(kNombresVelocidad[v])) return Byte(v);
    return std::nullopt;
}

} // namespace

void AvisosLeccion::Anadir(const QString& linea) {
    if (lineas.size() < kMaximo)
        lineas.append(linea);
    else
        ++deMas;
}

QString Citar(const QString& texto) {
    constexpr qsizetype kLargo = 40;
    QString t = texto.left(kLargo);
    // A note stays one line: line breaks and other control characters in a hostile value become a
    // visible sign instead.
    for (QChar& c : t)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u'?';
    if (t.size() && t.back().isHighSurrogate()) t.chop(1);
    if (texto.size() > kLargo) t += u'…';
    return u'«' + t + u'»';
}

Leccion LeerLeccion(const QStringList& argumentos) {
    Leccion leccion;
    if (argumentos.isEmpty()) return leccion;
    QCommandLineParser analizador;
    const Opciones opciones;
    Preparar(analizador, opciones);
    // A failed parse still holds everything it could read; each fault is noted below.
    analizador.parse(argumentos);
    leccion.ayuda = analizador.isSet(opciones.ayuda);
    leccion.version = analizador.isSet(QStringLiteral("version"));

    for (const QString& nombre : analizador.unknownOptionNames()) {
        const QString opcion = NombreDeOpcion(nombre);
        if (EsEntero(nombre.section(u'/', 0, 0)) && nombre.contains(u'/'))
            leccion.avisos.Anadir(
                QStringLiteral("Zafrelo: se omite %1: una fracción negativa va detrás de --, "
                               "como en zafrelo -- -1/2 1/3.")
                    .arg(Citar(u'-' + nombre)));
        else
            leccion.avisos.Anadir(
                QStringLiteral("Zafrelo: se omite la opción desconocida %1.").arg(Citar(opcion)));
    }

    if (analizador.isSet(opciones.velocidad)) {
        const QStringList valores = analizador.values(opciones.velocidad);
        const QString primera = valores.value(0);
        if (primera.trimmed().isEmpty())
            leccion.avisos.Anadir(QStringLiteral(
                "Zafrelo: se omite la velocidad, que está vacía: ha de ser muy-lento, lento, "
                "medio, rapido o inmediato."));
        else if ((leccion.velocidad = VelocidadDeNombre(primera)); !leccion.velocidad)
            leccion.avisos.Anadir(QStringLiteral("Zafrelo: se omite la velocidad %1: ha de ser "
                                                 "muy-lento, lento, medio, rapido o inmediato.")
                                      .arg(Citar(primera)));
        for (qsizetype k = 1; k < valores.size(); ++k)
            leccion.avisos.Anadir(
                QStringLiteral("Zafrelo: se omite la velocidad repetida %1: vale la primera.")
                    .arg(Citar(valores[k])));
    }

    if (analizador.isSet(opciones.sumar)) {
        if (SumarConValor(argumentos))
            leccion.avisos.Anadir(QStringLiteral(
                "Zafrelo: se omite --sumar con un valor: --sumar no lleva ninguno."));
        else
            leccion.sumar = true;
    }

    const QStringList fracciones = analizador.positionalArguments();
    for (qsizetype k = 0; k < fracciones.size(); ++k) {
        if (k < 2)
            LeerFraccion(fracciones[k], int(k + 1), leccion);
        else
            leccion.avisos.Anadir(
                QStringLiteral("Zafrelo: se omite %1: no hay más que dos fracciones.")
                    .arg(Citar(fracciones[k])));
    }
    return leccion;
}

void MostrarAyudaOVersion(const Leccion& leccion) {
    QCommandLineParser analizador;
    const Opciones opciones;
    Preparar(analizador, opciones);
    // Both print (on Windows without a console, in a message box) and end the program with 0.
    if (leccion.ayuda) analizador.showHelp(0);
    if (leccion.version) analizador.showVersion();
}
