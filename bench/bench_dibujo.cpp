// The drawing routines on the real window surface: the whole picture redrawn, and the result grid
// numbered as the "=" command numbers it. Each iteration ends once the window has taken the
// picture.

#include "ayuda_bench.h"

#include "drawing/graficar.h"

#include <benchmark/benchmark.h>

namespace {

// The picture of n1/d1 + n2/d2, with the common grid as an addition lays it or without it.
void Redibujar(benchmark::State& estado, Single lado, int n1, int d1, int n2, int d2,
               bool cuadricula) {
    auto ventana = NuevaVentana();
    if (lado > 0) TamanoParaLado(*ventana, lado);
    EscribirSuma(*ventana, n1, d1, n2, d2);
    if (cuadricula) {
        AnchoCelda = Lado / Single(FrmPrincipal::Divisiones(1));
        AltoCelda = Lado / Single(FrmPrincipal::Divisiones(0));
    }
    for (auto _ : estado) {
        RedibujarTodo();
        QCoreApplication::processEvents();
    }
    AnchoCelda = AltoCelda = 0;
    estado.counters["Lado"] = Lado;
}

// A typical lesson: twelfths in the window as it opens.
void BM_RedibujarTipico(benchmark::State& estado) {
    Redibujar(estado, 0, 5, 12, 7, 12, estado.range(0) != 0);
}
BENCHMARK(BM_RedibujarTipico)->ArgName("cuadricula")->Arg(0)->Arg(1);

// The largest denominators: 32767 strips and as many grid lines across each square, on a maximised
// full-HD window (Lado 7450, squares of 497 pixels) and on the largest layout the 16-bit
// coordinates allow (Lado 30127, squares of 2008 pixels, a window of 4217 x 4104 pixels).
void BM_RedibujarPeor(benchmark::State& estado) {
    const Single lado = Single(estado.range(1));
    if (estado.range(0) == 1)
        Redibujar(estado, lado, 1, 32767, 1, 1, true);
    else
        Redibujar(estado, lado, 1, 1, 1, 32767, true);
}
BENCHMARK(BM_RedibujarPeor)
    ->ArgNames({"columnas", "lado"})
    ->Args({1, 7450})
    ->Args({0, 7450})
    ->Args({1, 30127})
    ->Args({0, 30127});

// Every cell of a den × den result grid numbered, column by column, bottom row first.
void BM_NumerarCuadricula(benchmark::State& estado) {
    const int den = int(estado.range(0));
    auto ventana = NuevaVentana();
    EscribirSuma(*ventana, 0, den, 0, den);
    const int columnas = FrmPrincipal::Divisiones(1), filas = FrmPrincipal::Divisiones(0);
    AnchoCelda = Lado / Single(columnas);
    AltoCelda = Lado / Single(filas);
    RedibujarTodo();
    for (auto _ : estado) {
        for (int c = 1; c <= columnas; ++c)
            for (int f = 1; f <= filas; ++f)
                NumerarCelda(Integer(f), Integer(c));
        QCoreApplication::processEvents();
    }
    AnchoCelda = AltoCelda = 0;
    estado.counters["celdas"] = double(filas) * columnas;
}
BENCHMARK(BM_NumerarCuadricula)->ArgName("den")->Arg(12)->Arg(181);

} // namespace
