// The "=" command: the common grid over the four squares, the numbered result, and every coloured
// cell flown into it one at a time.

#include "animation/animar.h"

#include "animation/vuelo.h"
#include "drawing/geometria.h"
#include "drawing/graficar.h"
#include "main_window/frm_principal.h"
#include "shell/estado.h"
#include "shell/eventos.h"

#include <algorithm>

namespace {

// Left edge of result column c, not rounded, for a run's own cell width.
double XDeColumna(long long c, Integer columnas, Single anchoCelda) {
    if (c > columnas) return double(c - columnas - 1) * anchoCelda + double(PosX(4));
    return double(c - 1) * anchoCelda + double(PosX(3));
}

// Top edge of result row f, not rounded, for a run's own cell height.
double YDeFila(long long f, Integer filas, Single altoCelda) {
    return double(filas - f) * altoCelda + double(PosY(3));
}

// Cells an operand contributes: every strip it colours, each a column or a row of the grid.
long long CeldasDe(int i, Integer filas, Integer columnas) {
    if (Den(i) <= 0 || Num(i) <= 0) return 0;
    return static_cast<long long>(Num(i)) * (Orientacion(i) == 1 ? filas : columnas);
}

} // namespace

bool SumaCabe(Integer filas, Integer columnas, Single anchoCelda, Single altoCelda) {
    if (!CabeEnInteger(static_cast<long long>(filas) * columnas)) return false;
    // The bottom row of the result area lies lowest; in a very tall window it can pass 32767.
    if (!CabeEnInteger(std::llround(YDeFila(1, filas, altoCelda)))) return false;
    const long long ultimo = CeldasDe(1, filas, columnas) + CeldasDe(2, filas, columnas);
    if (!CabeEnInteger(ultimo)) return false;
    if (ultimo == 0) return true;
    const long long ultimaColumna = (ultimo + filas - 1) / filas;
    return CabeEnInteger(std::llround(XDeColumna(ultimaColumna, columnas, anchoCelda)));
}

bool DestinoCabe(Integer fila, Integer columna, Single anchoCelda, Single altoCelda) {
    if (!OrdinalCelda(columna, fila)) return false;
    return CabeEnInteger(std::llround(XDeColumna(columna, Columnas, anchoCelda))) &&
           CabeEnInteger(std::llround(YDeFila(fila, Filas, altoCelda)));
}

void FrmPrincipal::cmdAnimar_Click() {
    // One addition at a time: "=" pressed during a flight is ignored.
    if (animando_) return;
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

    animando_ = true;
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
    Integer FilaDestino = 1, ColumnaDestino = 1;
    VueloAbandonado = false;
    celdasPosadas_ = 0;
    // A run goes on while the program is not closing, no new operation has dropped it, and its
    // next target can still be drawn. A fraction changed in the middle of it counts from then on
    // and can lengthen it as well as shorten it: a larger denominator gives longer strips.
    auto seguir = [&] {
        return !Terminando() && !VueloAbandonado &&
               DestinoCabe(FilaDestino, ColumnaDestino, AnchoCelda, AltoCelda);
    };
    auto volar = [&](Byte i, int c, int r) {
        if (VolarCelda(i, Integer(c), Integer(r), FilaDestino, ColumnaDestino)) ++celdasPosadas_;
    };
    for (Byte i = 1; i <= 2 && seguir(); ++i) {
        shpVuela->setFillColor(Colores(i));
        if (Den(i) <= 0) continue; // no denominator, no cells
        const int tiras = Num(i);
        for (int k = 1; k <= tiras && seguir(); ++k) {
            if (Orientacion(i) == 1) {
                const int celdas = Filas;
                for (int j = 1; j <= celdas && seguir(); ++j)
                    volar(i, k, j);
            } else {
                const int celdas = Columnas;
                for (int j = 1; j <= celdas && seguir(); ++j)
                    volar(i, j, k);
            }
        }
    }

    AnchoCelda = 0;
    AltoCelda = 0;
    animando_ = false;
    // A new operation in the middle leaves nothing of this one, its sum included.
    if (VueloAbandonado) {
        VueloAbandonado = false;
        return;
    }
    // Told as the picture shows it: the cells that landed since it was last redrawn, on the grid
    // whose cells they are, whatever the fractions became meanwhile.
    DescribirSuma(celdasPosadas_, static_cast<long long>(filas) * columnas);
}

void FrmPrincipal::AbandonarSuma() {
    if (animando_) VueloAbandonado = true;
}

void FrmPrincipal::tmr_Timer() {
    // A flight held up (by a modal dialog opened during its wait) stops on its target.
    if (TicksVuelo >= PasosVuelo) return;
    ++TicksVuelo;
    VueloX = VueloX + PasoX;
    VueloY = VueloY + PasoY;
    shpVuela->Move(VueloX, VueloY);
}
