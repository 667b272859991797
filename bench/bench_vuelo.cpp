// An addition watched while its cells fly at the initial speed: the processor time it takes against
// the time it lasts, and how evenly the timer ticks that move the cell.

#include "ayuda_bench.h"

#include "shell/controles.h"

#include <benchmark/benchmark.h>

#include <QEvent>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include <sys/resource.h>

namespace {

using Reloj = std::chrono::steady_clock;

double SegundosDeProcesador() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// The flying cell is shown right before its timer starts: that moment opens each flight's ticks.
// A tick is marked when its timer event arrives, before the program handles it: the tick that ends
// a flight also lifts the next cell.
class InicioDeVuelo : public QObject {
  public:
    std::vector<Reloj::time_point>* marcas = nullptr;
    std::vector<std::size_t>* inicios = nullptr;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Show) {
            inicios->push_back(marcas->size());
            marcas->push_back(Reloj::now());
        } else if (evento->type() == QEvent::Timer) {
            marcas->push_back(Reloj::now());
        }
        return QObject::eventFilter(objeto, evento);
    }
};

void BM_VueloMedio(benchmark::State& estado) {
    auto ventana = NuevaVentana();
    // Squares of 1800 twips: flights of 15, 15, 14, 15 and 15 ticks.
    FijarTamanoExterior(*ventana, 6600, 9000);
    EscribirSuma(*ventana, 1, 2, 1, 3);
    Velocidad = 2;

    std::vector<Reloj::time_point> marcas;
    std::vector<std::size_t> inicios;
    InicioDeVuelo filtro;
    filtro.marcas = &marcas;
    filtro.inicios = &inicios;
    ventana->shpVuela->installEventFilter(&filtro);
    ventana->tmr->installEventFilter(&filtro);

    double cpu = 0, pared = 0;
    for (auto _ : estado) {
        const double cpu0 = SegundosDeProcesador();
        const auto t0 = Reloj::now();
        ventana->cmdAnimar_Click();
        while (ventana->Animando())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        pared = std::chrono::duration<double>(Reloj::now() - t0).count();
        cpu = SegundosDeProcesador() - cpu0;
    }
    ventana->shpVuela->removeEventFilter(&filtro);
    ventana->tmr->removeEventFilter(&filtro);

    // How far each interval strays from 50 ms: from a flight's start to its first tick, and
    // between its ticks.
    std::vector<double> desvios;
    for (std::size_t v = 0; v < inicios.size(); ++v) {
        const std::size_t fin = v + 1 < inicios.size() ? inicios[v + 1] : marcas.size();
        for (std::size_t k = inicios[v] + 1; k < fin; ++k) {
            const double ms =
                std::chrono::duration<double, std::milli>(marcas[k] - marcas[k - 1]).count();
            desvios.push_back(std::abs(ms - 50.0));
        }
    }
    if (desvios.empty()) {
        estado.SkipWithError("no tick was seen");
        return;
    }
    double suma = 0, peor = 0;
    for (double d : desvios) {
        suma += d;
        peor = std::max(peor, d);
    }
    estado.counters["cpu_pct"] = 100.0 * cpu / pared;
    estado.counters["pared_s"] = pared;
    estado.counters["ticks"] = double(desvios.size());
    estado.counters["tick_medio_desvio_ms"] = suma / double(desvios.size());
    estado.counters["tick_peor_desvio_ms"] = peor;
}
BENCHMARK(BM_VueloMedio)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
