// Start-up of the real program as its own process, against the smallest Qt window this build can
// make (bare, and with one line of text): the time until each has painted its first frame and
// left, and each one's peak memory. The runs are made by a small launcher process, so that the
// memory of this one does not count in theirs.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void BM_Arranque(benchmark::State& estado) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("ZAFRELO_SALIR_TRAS_PRIMER_CUADRO", "1", 1);
    const int veces = int(estado.range(0));
    const char* const nombres[] = {"zafrelo", "minima", "minima_texto"};
    const std::string orden = std::string("'") + LANZADOR_EXE + "' " + std::to_string(veces) +
                              " '" + ZAFRELO_EXE + "' -- '" + VENTANA_MINIMA_EXE + "' -- '" +
                              VENTANA_MINIMA_EXE + "' texto";
    std::vector<double> ms[3], kib[3];
    bool bien = true;
    for (auto _ : estado) {
        FILE* salida = popen(orden.c_str(), "r");
        if (!salida) {
            bien = false;
            break;
        }
        unsigned indice = 0;
        double t = 0, k = 0;
        int fin = 0;
        while (std::fscanf(salida, "%u %lf %lf %d", &indice, &t, &k, &fin) == 4) {
            bien = bien && indice < 3 && fin == 0;
            if (indice < 3) {
                ms[indice].push_back(t);
                kib[indice].push_back(k);
            }
        }
        bien = pclose(salida) == 0 && bien;
    }
    unsetenv("ZAFRELO_SALIR_TRAS_PRIMER_CUADRO");
    if (!bien || ms[0].empty() || ms[1].empty() || ms[2].empty()) {
        estado.SkipWithError("a program did not paint its first frame and exit");
        return;
    }
    for (int i = 0; i < 3; ++i) {
        estado.counters[std::string(nombres[i]) + "_ms"] = Mediana(ms[i]);
        estado.counters[std::string(nombres[i]) + "_KiB"] = Mediana(kib[i]);
    }
}
BENCHMARK(BM_Arranque)->ArgName("veces")->Arg(15)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
