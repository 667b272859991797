// The "=" command: the common grid over the four squares, the numbered result, and every coloured
// cell flown into it one at a time.

#include "animation/animar.h"

#include "animation/adicion.h"
#include "drawing/geometria.h"
#include "drawing/graficar.h"
#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "shell/eventos.h"

namespace {

// Cells an operand contributes: every strip it colours, each a column or a row of the grid.
long long CeldasDe(int i, Integer filas, Integer columnas) {
    if (Den(i) <= 0 || Num(i) <= 0) return 0;
    return static_cast<long long>(Num(i)) * (Orientacion(i) == 1 ? filas : columnas);
}

} // namespace

bool SumaCabe(Integer filas, Integer columnas, Single anchoCelda, Single altoCelda) {
    if (!CabeEnInteger(static_cast<long long>(filas) * columnas)) return false;
    // The bottom row of the result area lies lowest; in a very tall window it can pass 32767.
    if (!CabeEnInteger(std::llround(ArribaFila(1, filas, altoCelda)))) return false;
    const long long ultimo = CeldasDe(1, filas, columnas) + CeldasDe(2, filas, columnas);
    if (!CabeEnInteger(ultimo)) return false;
    if (ultimo == 0) return true;
    const long long ultimaColumna = (ultimo + filas - 1) / filas;
    return CabeEnInteger(std::llround(IzquierdaColumna(ultimaColumna, columnas, anchoCelda)));
}

bool DestinoCabe(Integer fila, Integer columna, Single anchoCelda, Single altoCelda) {
    if (!OrdinalCelda(columna, fila)) return false;
    return CabeEnInteger(std::llround(IzquierdaColumna(columna, Columnas, anchoCelda))) &&
           CabeEnInteger(std::llround(ArribaFila(fila, Filas, altoCelda)));
}

void FrmPrincipal::cmdAnimar_Click() {
    // One addition at a time: "=" pressed while cells fly is ignored.
    if (adicion_->EnCurso()) return;
    // A window too small for its squares has nowhere to put the cells.
    if (Lado <= 0) return;

    // The run's grid follows the denominators as they stand, which is what Filas and Columnas
    // hold unless a denominator box was emptied since the last one was accepted.
    const Integer filas = Divisiones(0), columnas = Divisiones(1);
    const Single ancho = Lado / Single(columnas), alto = Lado / Single(filas);
    if (!SumaCabe(filas, columnas, ancho, alto)) {
        MsgBox(this, QStringLiteral("Estas fracciones son demasiado grandes para dibujar su suma."),
               QStringLiteral("Zafrelo"));
        return;
    }

    Filas = filas;
    Columnas = columnas;
    AnchoCelda = ancho;
    AltoCelda = alto;
    RedibujarTodo();
    const int numerarColumnas = Divisiones(1), numerarFilas = Divisiones(0);
    for (int c = 1; c <= numerarColumnas; ++c)
        for (int f = 1; f <= numerarFilas; ++f)
            NumerarCelda(Integer(f), Integer(c));

    // A run that flies takes a while: say once what is coming, never cell by cell.
    const long long celdas = CeldasDe(1, Filas, Columnas) + CeldasDe(2, Filas, Columnas);
    if (Velocidad < 4 && celdas > 0) AnunciarVuelo(celdas);

    shpVuela->setWidth(AnchoCelda);
    shpVuela->setHeight(AltoCelda);
    // The sum is told when the last cell has landed (the connection made with the window): as the
    // picture shows it, the cells landed since it was last redrawn, on the grid whose cells they
    // are, whatever the fractions became meanwhile.
    adicion_->Empezar(static_cast<long long>(filas) * columnas);
}

void FrmPrincipal::AbandonarSuma() {
    adicion_->Abandonar();
}

void FrmPrincipal::tmr_Timer() {
    adicion_->Tick();
}
