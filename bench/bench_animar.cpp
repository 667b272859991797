// The "=" command at the immediate speed, from the first redraw to the last landed cell, until the
// window has taken the finished picture.

#include "ayuda_bench.h"

#include <benchmark/benchmark.h>

namespace {

void Sumar(benchmark::State& estado, int n1, int d1, int n2, int d2) {
    auto ventana = NuevaVentana();
    EscribirSuma(*ventana, n1, d1, n2, d2);
    Velocidad = 4;
    for (auto _ : estado) {
        ventana->cmdAnimar_Click();
        QCoreApplication::processEvents();
    }
    estado.counters["celdas"] = double(Num(1)) * Filas + double(Num(2)) * Columnas;
}

void BM_AnimarOnceDoceavos(benchmark::State& estado) {
    Sumar(estado, 11, 12, 11, 12);
}
BENCHMARK(BM_AnimarOnceDoceavos);

// 181 × 181 = 32761 cells, every one of them flown: the largest sum whose ordinals fit 16 bits.
void BM_AnimarMayor(benchmark::State& estado) {
    Sumar(estado, 181, 181, 0, 181);
}
BENCHMARK(BM_AnimarMayor);

} // namespace
