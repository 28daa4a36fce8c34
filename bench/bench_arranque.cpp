// naipalia-bench-arranque: start-up time (launch to the window shown) and peak memory of
// the game against a bare Qt Widgets window, as medians over several launches of each.
// Each program measures itself through NAIPALIA_MEDIR (qt/medicion.h). Qt's offscreen
// platform is used unless QT_QPA_PLATFORM says otherwise.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Medida {
    double ms = 0;
    double kb = 0;
};

long long ahoraNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<Medida> lanzar(const std::string& programa) {
    int tubo[2];
    if (pipe(tubo) != 0) return std::nullopt;
    const long long lanzamiento = ahoraNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(tubo[1], STDOUT_FILENO);
        close(tubo[0]);
        close(tubo[1]);
        const int nulo = open("/dev/null", O_WRONLY);
        dup2(nulo, STDERR_FILENO);
        setenv("NAIPALIA_MEDIR", std::to_string(lanzamiento).c_str(), 1);
        execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    std::string salida;
    pollfd espera{tubo[0], POLLIN, 0};
    char bloque[256];
    // A program that never shows its window is stopped after 30 seconds.
    while (poll(&espera, 1, 30000) > 0) {
        const ssize_t n = read(tubo[0], bloque, sizeof bloque);
        if (n <= 0) break;
        salida.append(bloque, static_cast<std::size_t>(n));
        // The one line is the measure: a program that goes on (a modal registry) is not waited for.
        if (salida.find('\n') != std::string::npos) break;
    }
    close(tubo[0]);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    Medida m;
    if (std::sscanf(salida.c_str(), "arranque_ms=%lf memoria_kb=%lf", &m.ms, &m.kb) != 2) return std::nullopt;
    return m;
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

// The program folder without its database: a copy beside it, removed at the end.
std::filesystem::path copiaSinBase(const std::filesystem::path& carpeta) {
    namespace fs = std::filesystem;
    std::string plantilla = (fs::temp_directory_path() / "naipalia-sin-base-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) return {};
    const fs::path copia = plantilla;
    std::error_code e;
    fs::copy(carpeta, copia, fs::copy_options::recursive | fs::copy_options::overwrite_existing, e);
    fs::remove(copia / "naipalia.mdb", e);
    return copia;
}

int main(int argc, char* argv[]) {
    const int veces = argc > 1 ? std::atoi(argv[1]) : 10;
    if (veces < 1) {
        std::fprintf(stderr, "uso: naipalia-bench-arranque [LANZAMIENTOS]\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::filesystem::path carpeta = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::filesystem::path sinBase = copiaSinBase(carpeta);
    // With the database the first window is the registry; without it, the table.
    const std::string nombres[3] = {"naipalia (sin base)", "naipalia (registro)", "naipalia-ventana-vacia"};
    const std::string programas[3] = {(sinBase / "naipalia").string(), (carpeta / "naipalia").string(),
                                      (carpeta / "naipalia-ventana-vacia").string()};
    std::vector<double> ms[3], kb[3];

    for (const std::string& p : programas) lanzar(p);  // warm the disk cache
    for (int i = 0; i < veces; ++i) {
        for (int k = 0; k < 3; ++k) {
            const auto m = lanzar(programas[k]);
            if (!m) {
                std::fprintf(stderr, "%s no informó su arranque\n", nombres[k].c_str());
                std::error_code e;
                std::filesystem::remove_all(sinBase, e);
                return 1;
            }
            ms[k].push_back(m->ms);
            kb[k].push_back(m->kb);
        }
    }
    std::error_code e;
    std::filesystem::remove_all(sinBase, e);

    std::printf("Arranque hasta la primera ventana mostrada, medianas de %d lanzamientos (QT_QPA_PLATFORM=%s)\n", veces,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-24s %12s %12s\n", "programa", "arranque_ms", "memoria_kb");
    for (int k = 0; k < 3; ++k) std::printf("%-24s %12.1f %12.0f\n", nombres[k].c_str(), mediana(ms[k]), mediana(kb[k]));
    std::printf("%-24s %12.2f %12.2f   (objetivo: no más de 1.30)\n", "relación sin base", mediana(ms[0]) / mediana(ms[2]),
                mediana(kb[0]) / mediana(kb[2]));
    std::printf("%-24s %12.2f %12.2f\n", "relación registro", mediana(ms[1]) / mediana(ms[2]),
                mediana(kb[1]) / mediana(kb[2]));
    return 0;
}
