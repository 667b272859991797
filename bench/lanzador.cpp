// Starts programs and reports, for each run, its wall time until it exited and its peak memory.
// A process of its own, and a small one: a child's ru_maxrss also counts the memory of the process
// that started it, as it stood when the child replaced it with its program.
//
//   lanzador VECES PROGRAMA [ARGUMENTO] [-- PROGRAMA [ARGUMENTO]]...
//
// Runs each program once to warm the file cache, then VECES rounds in which the programs take
// turns. Prints one line per run: index of the program, milliseconds, peak KiB, exit status.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct Programa {
    std::vector<char*> argumentos; // ends in nullptr
};

bool Correr(const Programa& p, double& ms, long& kib, int& estado) {
    const auto inicio = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, p.argumentos[0], nullptr, nullptr, p.argumentos.data(), environ) != 0)
        return false;
    rusage uso{};
    if (wait4(pid, &estado, 0, &uso) != pid) return false;
    const auto fin = std::chrono::steady_clock::now();
    ms = std::chrono::duration<double, std::milli>(fin - inicio).count();
    kib = uso.ru_maxrss;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: lanzador VECES PROGRAMA [ARGUMENTO] [-- PROGRAMA ...]\n");
        return 2;
    }
    const int veces = std::atoi(argv[1]);
    std::vector<Programa> programas(1);
    for (int k = 2; k < argc; ++k) {
        if (std::strcmp(argv[k], "--") == 0) {
            programas.emplace_back();
            continue;
        }
        programas.back().argumentos.push_back(argv[k]);
    }
    for (Programa& p : programas) {
        if (p.argumentos.empty()) return 2;
        p.argumentos.push_back(nullptr);
    }
    double ms = 0;
    long kib = 0;
    int estado = 0;
    for (const Programa& p : programas)
        Correr(p, ms, kib, estado);
    for (int vuelta = 0; vuelta < veces; ++vuelta)
        for (std::size_t i = 0; i < programas.size(); ++i) {
            if (!Correr(programas[i], ms, kib, estado)) return 1;
            const int salida = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
            std::printf("%zu %.3f %ld %d\n", i, ms, kib, salida);
        }
    return 0;
}
