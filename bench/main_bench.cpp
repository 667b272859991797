// Runs the benchmarks on a headless Qt application and prints one table: every figure beside the
// target it is held to. Google Benchmark's own report goes to standard error.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Run = benchmark::BenchmarkReporter::Run;

// The run a figure is read from: the median when a benchmark was repeated, else its only run.
class Resultados {
  public:
    void Anotar(const Run& run) {
        const std::string nombre =
            run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
        if (run.error_occurred) {
            errores_[nombre] = run.error_message;
            return;
        }
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") return;
        auto& actual = runs_[nombre];
        if (!actual || run.run_type == Run::RT_Aggregate) actual = run;
    }

    // Real time per iteration in milliseconds.
    std::optional<double> Ms(const std::string& nombre) const {
        const auto it = runs_.find(nombre);
        if (it == runs_.end() || !it->second) return std::nullopt;
        const Run& r = *it->second;
        return r.GetAdjustedRealTime() * MsPorUnidad(r.time_unit);
    }

    std::optional<double> Contador(const std::string& nombre, const std::string& contador) const {
        const auto it = runs_.find(nombre);
        if (it == runs_.end() || !it->second) return std::nullopt;
        const auto c = it->second->counters.find(contador);
        if (c == it->second->counters.end()) return std::nullopt;
        return c->second.value;
    }

    // Why a benchmark that ran gave no figure; nothing when it gave one or did not run.
    std::optional<std::string> Error(const std::string& nombre) const {
        const auto it = errores_.find(nombre);
        if (it == errores_.end()) return std::nullopt;
        return it->second;
    }

  private:
    static double MsPorUnidad(benchmark::TimeUnit unidad) {
        switch (unidad) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kMillisecond:
            return 1.0;
        case benchmark::kSecond:
            return 1e3;
        }
        return 1.0;
    }
    std::map<std::string, std::optional<Run>> runs_;
    std::map<std::string, std::string> errores_;
};

struct Medida {
    std::string texto;
    std::optional<bool> cumple; // nothing: a reference figure with no target
};

struct Fila {
    std::string figura;
    std::string objetivo;
    std::string benchmark; // the one it is read from
    std::function<std::optional<Medida>(const Resultados&)> medir;
};

std::string Formato(const char* formato, double a, double b = 0, double c = 0) {
    char texto[160];
    std::snprintf(texto, sizeof texto, formato, a, b, c);
    return texto;
}

// A time held to an upper bound in milliseconds.
Fila Tiempo(std::string figura, std::string benchmark, double maximoMs) {
    return {std::move(figura), Formato("<= %g ms", maximoMs), benchmark,
            [benchmark, maximoMs](const Resultados& r) -> std::optional<Medida> {
                const auto ms = r.Ms(benchmark);
                if (!ms) return std::nullopt;
                return Medida{Formato(*ms < 10 ? "%.3f ms" : "%.1f ms", *ms), *ms <= maximoMs};
            }};
}

// The program against a reference window: a ratio of two counters, held to an upper bound (or,
// with no bound, shown for comparison only).
Fila Proporcion(std::string figura, std::string programa, std::string referencia,
                const char* unidad, std::optional<double> maximo) {
    return {std::move(figura), maximo ? Formato("<= %.1fx minimal", *maximo) : "(reference)",
            "BM_Arranque/veces:15", [=](const Resultados& r) -> std::optional<Medida> {
                const auto a = r.Contador("BM_Arranque/veces:15", programa);
                const auto b = r.Contador("BM_Arranque/veces:15", referencia);
                if (!a || !b || *b <= 0) return std::nullopt;
                const double razon = *a / *b;
                const std::string texto =
                    Formato("%.0f vs %.0f ", *a, *b) + unidad + Formato(" = %.2fx", razon);
                return Medida{texto, maximo ? std::optional<bool>(razon <= *maximo) : std::nullopt};
            }};
}

Fila Vuelo(std::string figura, std::string contador, const char* formato, std::string objetivo,
           double maximo) {
    return {std::move(figura), std::move(objetivo), "BM_VueloMedio",
            [=](const Resultados& r) -> std::optional<Medida> {
                const auto v = r.Contador("BM_VueloMedio", contador);
                if (!v) return std::nullopt;
                return Medida{Formato(formato, *v), *v <= maximo};
            }};
}

std::vector<Fila> Filas() {
    const std::string peor = "BM_RedibujarPeor/columnas:";
    return {
        Tiempo("Redraw 5/12 + 7/12, no grid (window as opened)", "BM_RedibujarTipico/cuadricula:0",
               1),
        Tiempo("Redraw 5/12 + 7/12 with the 12 x 12 grid", "BM_RedibujarTipico/cuadricula:1", 1),
        Tiempo("Redraw 1/32767 + 1/1, grid, Lado 7450 (full HD)", peor + "1/lado:7450", 30),
        Tiempo("Redraw 1/1 + 1/32767, grid, Lado 7450 (full HD)", peor + "0/lado:7450", 30),
        Tiempo("Redraw 1/32767 + 1/1, grid, Lado 30127 (largest)", peor + "1/lado:30127", 30),
        Tiempo("Redraw 1/1 + 1/32767, grid, Lado 30127 (largest)", peor + "0/lado:30127", 30),
        Tiempo("NumerarCelda, all 144 cells of 12 x 12 (share of \"=\")",
               "BM_NumerarCuadricula/den:12", 5),
        Tiempo("NumerarCelda, all 32761 cells of 181 x 181 (share of \"=\")",
               "BM_NumerarCuadricula/den:181", 250),
        Tiempo("\"=\" at speed 4, 11/12 + 11/12", "BM_AnimarOnceDoceavos", 5),
        Tiempo("\"=\" at speed 4, 181/181 + 0/181 (32761 cells)", "BM_AnimarMayor", 250),
        Proporcion("Start-up to first painted frame", "zafrelo_ms", "minima_ms", "ms", 1.3),
        Proporcion("  the same against a minimal window with one line of text", "zafrelo_ms",
                   "minima_texto_ms", "ms", std::nullopt),
        Proporcion("Peak memory (ru_maxrss) at first frame", "zafrelo_KiB", "minima_KiB", "KiB",
                   1.2),
        Proporcion("  the same against a minimal window with one line of text", "zafrelo_KiB",
                   "minima_texto_KiB", "KiB", std::nullopt),
        Vuelo("CPU / wall time, 1/2 + 1/3 at speed 2", "cpu_pct", "%.2f %%", "<= 2 %", 2),
        Vuelo("Timer tick, mean |interval - 50 ms|", "tick_medio_desvio_ms", "%.2f ms", "<= 5 ms",
              5),
        Vuelo("Timer tick, worst |interval - 50 ms|", "tick_peor_desvio_ms", "%.2f ms", "<= 5 ms",
              5),
    };
}

class ReporteTabla : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            resultados_.Anotar(run);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("%-62s %-28s %-18s %s\n", "figure", "measured", "target", "");
        for (const Fila& fila : Filas()) {
            auto medida = fila.medir(resultados_);
            if (!medida) {
                const auto error = resultados_.Error(fila.benchmark);
                if (!error) continue; // not run: filtered out
                medida = Medida{"failed: " + *error, false};
            }
            const char* estado = !medida->cumple ? "-" : *medida->cumple ? "met" : "MISSED";
            std::printf("%-62s %-28s %-18s %s\n", fila.figura.c_str(), medida->texto.c_str(),
                        fila.objetivo.c_str(), estado);
        }
        std::fflush(stdout);
    }

  private:
    Resultados resultados_;
};

// The offscreen platform says on every resize that it cannot pass size hints on; nothing else
// it says is dropped.
QtMessageHandler mensajeAnterior = nullptr;

void Mensaje(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.contains(QLatin1String("propagateSizeHints"))) return;
    if (mensajeAnterior)
        mensajeAnterior(tipo, contexto, texto);
    else
        std::fprintf(stderr, "%s\n", qPrintable(texto));
}

} // namespace

int main(int argc, char* argv[]) {
    // Headless unless told otherwise.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    mensajeAnterior = qInstallMessageHandler(Mensaje);
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ReporteTabla reporte;
    reporte.SetOutputStream(&std::cerr);
    reporte.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporte);
    benchmark::Shutdown();
    return 0;
}
