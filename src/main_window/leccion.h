#pragma once
// A lesson prepared by the teacher: the two fractions, the speed and whether "=" runs at once, as
// given on the command line or in the page's address. What cannot be read is left out with a note
// on standard error, and the rest still applies.

#include "shell/tipos.h"

#include <QStringList>

#include <optional>

class FrmPrincipal;

struct FraccionLeccion {
    Integer num = 0;
    Integer den = 0;
};

// The notes of what was left out, one line each. A flood (a hostile address) is cut short: only the
// first few are kept, the rest counted.
struct AvisosLeccion {
    static constexpr qsizetype kMaximo = 10;
    QStringList lineas;
    qsizetype deMas = 0;
    void Anadir(const QString& linea);
};

struct Leccion {
    Arreglo<std::optional<FraccionLeccion>, 1, 2> fraccion;
    std::optional<Byte> velocidad;
    bool sumar = false;
    bool ayuda = false;
    bool version = false;
    AvisosLeccion avisos;
};

// Reads the command line; the first argument is the program's name. Needs no window.
Leccion LeerLeccion(const QStringList& argumentos);
// Prints the usage (in Spanish) or the version the lesson asks for and ends the program with 0.
void MostrarAyudaOVersion(const Leccion& leccion);

// The page's query ("?a=1/2&b=1/3&velocidad=inmediato&sumar") as the same command line, and the
// notes of what in it has no place there.
struct ConsultaLeida {
    QStringList argumentos;
    AvisosLeccion avisos;
};
ConsultaLeida LeerConsulta(const QString& consulta);

// Text as a note quotes it: on one line, and not too long.
QString Citar(const QString& texto);

// The lesson of this run, from the command line or, in a browser, from the page's address; its
// notes are printed. --help and --version print and end the program here.
Leccion LeccionDeArranque();

// Applies the lesson to the main window, once it has been shown: the fractions as if typed into
// their boxes, the speed as if chosen in the speed dialog, and "=" once the window has painted.
void AplicarLeccion(FrmPrincipal& ventana, const Leccion& leccion);
