// naipalia-bench-arranque: start-up time (launch to the first painted frame) and peak
// memory of the game against a window with one label and a one-entry menu bar, as
// medians over several launches of each: the table (the game without its database, whose
// first window is the notice that recuerdos are off, the table built once it is closed) and,
// beside it, the registry (the game with its database). Each program measures itself through
// NAIPALIA_MEDIR (qt/medicion.h). Both pairs are measured on Qt's offscreen platform and,
// when Xvfb is installed, on a private Xvfb display; QT_QPA_PLATFORM set from outside
// measures that platform only.
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
#include <sstream>
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

// The three programs, alternated, on the platform QT_QPA_PLATFORM names.
bool medir(int veces, const std::filesystem::path& carpeta, const std::filesystem::path& sinBase) {
    const std::string nombres[3] = {"naipalia (mesa)", "naipalia (registro)", "naipalia-ventana-vacia"};
    const std::string programas[3] = {(sinBase / "naipalia").string(), (carpeta / "naipalia").string(),
                                      (carpeta / "naipalia-ventana-vacia").string()};
    std::vector<double> ms[3], kb[3];

    for (const std::string& p : programas) lanzar(p);  // warm the disk cache
    for (int i = 0; i < veces; ++i) {
        for (int k = 0; k < 3; ++k) {
            const auto m = lanzar(programas[k]);
            if (!m) {
                std::fprintf(stderr, "%s no informó su arranque\n", nombres[k].c_str());
                return false;
            }
            ms[k].push_back(m->ms);
            kb[k].push_back(m->kb);
        }
    }

    const double vaciaMs = mediana(ms[2]), vaciaKb = mediana(kb[2]);
    std::printf("Arranque hasta el primer cuadro pintado, medianas de %d lanzamientos (QT_QPA_PLATFORM=%s)\n", veces,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-24s %12s %12s\n", "programa", "arranque_ms", "memoria_kb");
    for (int k = 0; k < 3; ++k)
        std::printf("%-24s %12.1f %12.0f\n", nombres[k].c_str(), mediana(ms[k]), mediana(kb[k]));
    std::printf("%-24s %12.2f %12.2f   (objetivo: no más de 1.10)\n", "relación, la mesa", mediana(ms[0]) / vaciaMs,
                mediana(kb[0]) / vaciaKb);
    std::printf("%-24s %12.2f %12.2f   (objetivo: no más de 1.50 de la mesa)\n", "relación, el registro",
                mediana(ms[1]) / mediana(ms[0]), mediana(kb[1]) / mediana(kb[0]));
    return true;
}

bool enElCamino(const std::string& programa) {
    const char* camino = std::getenv("PATH");
    std::istringstream carpetas(camino ? camino : "");
    for (std::string carpeta; std::getline(carpetas, carpeta, ':');)
        if (access((std::filesystem::path(carpeta) / programa).c_str(), X_OK) == 0) return true;
    return false;
}

// A display of our own, stopped at the end; none when every number is taken or Xvfb fails.
pid_t abrirXvfb(std::string& pantalla) {
    for (int n = 91; n < 120; ++n) {
        char socket[64], cerrojo[64], nombre[16];
        std::snprintf(socket, sizeof socket, "/tmp/.X11-unix/X%d", n);
        std::snprintf(cerrojo, sizeof cerrojo, "/tmp/.X%d-lock", n);
        std::snprintf(nombre, sizeof nombre, ":%d", n);
        if (access(socket, F_OK) == 0 || access(cerrojo, F_OK) == 0) continue;
        pantalla = nombre;
        const pid_t pid = fork();
        if (pid == 0) {
            const int nulo = open("/dev/null", O_WRONLY);
            dup2(nulo, STDOUT_FILENO);
            dup2(nulo, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", pantalla.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < 100; ++i) {
            if (access(socket, F_OK) == 0) return pid;
            if (waitpid(pid, nullptr, WNOHANG) == pid) return -1;
            usleep(50000);
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int veces = argc > 1 ? std::atoi(argv[1]) : 10;
    if (veces < 1) {
        std::fprintf(stderr, "uso: naipalia-bench-arranque [LANZAMIENTOS]\n");
        return 2;
    }
    const std::filesystem::path carpeta = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::filesystem::path sinBase = copiaSinBase(carpeta);
    const auto terminar = [&](int estado) {
        std::error_code e;
        std::filesystem::remove_all(sinBase, e);
        return estado;
    };
    if (std::getenv("QT_QPA_PLATFORM")) return terminar(medir(veces, carpeta, sinBase) ? 0 : 1);

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!medir(veces, carpeta, sinBase)) return terminar(1);
    if (!enElCamino("Xvfb")) {
        std::printf("\nXvfb no está instalado: sin la medida en X11\n");
        return terminar(0);
    }
    std::string pantalla;
    const pid_t xvfb = abrirXvfb(pantalla);
    if (xvfb < 0) {
        std::printf("\nXvfb no arrancó: sin la medida en X11\n");
        return terminar(0);
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DISPLAY", pantalla.c_str(), 1);
    std::printf("\n");
    const bool bien = medir(veces, carpeta, sinBase);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return terminar(bien ? 0 : 1);
}
