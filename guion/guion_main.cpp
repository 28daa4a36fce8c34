// naipalia-guion: plays a script through the game headless and prints its transcript.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>

#include "guion/interprete.h"
#include "guion/senales.h"

namespace {

int fallo(int linea, const std::string& motivo) {
    std::cout << "ERROR line " << linea << ": " << motivo << '\n' << std::flush;
    return 1;
}

// The script file, or -1 after its usage error. Opened without blocking: a fifo with no
// writer would hang the opening itself; then refused, as any file that is not plain.
int abrirGuion(const char* ruta) {
    const int fd = open(ruta, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat datos {};
    if (fd < 0 || fstat(fd, &datos) != 0) {
        std::cerr << "naipalia-guion: no se puede leer " << ruta << "\n";
        return -1;
    }
    if (!S_ISREG(datos.st_mode)) {
        std::cerr << "naipalia-guion: " << ruta << " no es un archivo común\n";
        return -1;
    }
    return fd;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "uso: naipalia-guion [ARCHIVO]\n";
        return 2;
    }
    naipalia::guion::InstalarSenales();
    const int fd = argc == 2 ? abrirGuion(argv[1]) : STDIN_FILENO;
    if (fd < 0) return 2;
    // The built program folder is the driver's own.
    std::error_code error;
    const auto propio = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string carpeta = error ? std::string(".") : propio.parent_path().string();
    // Whatever the game or the library throws ends the script with its ERROR line, never an abort.
    int estado = 1;
    {
        std::unique_ptr<naipalia::guion::Interprete> interprete;
        try {
            interprete = std::make_unique<naipalia::guion::Interprete>(fd, std::cout, carpeta);
            estado = interprete->ejecutar();
        } catch (const naipalia::guion::Interrupcion&) {
        } catch (const std::exception& e) {
            estado = fallo(interprete ? interprete->linea() : 0, std::string("unexpected failure: ") + e.what());
        } catch (...) {
            estado = fallo(interprete ? interprete->linea() : 0, "unexpected failure");
        }
    }
    // The program folder is gone: a signal that came may end the driver now.
    std::cout.flush();
    naipalia::guion::RelanzarSenal();
    return estado;
}
