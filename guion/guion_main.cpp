// naipalia-guion: plays a script through the game headless and prints its transcript.
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "guion/interprete.h"

namespace {

int fallo(int linea, const std::string& motivo) {
    std::cout << "ERROR line " << linea << ": " << motivo << '\n' << std::flush;
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "uso: naipalia-guion [ARCHIVO]\n";
        return 2;
    }
    std::ifstream archivo;
    if (argc == 2) {
        archivo.open(argv[1]);
        if (!archivo) {
            std::cerr << "naipalia-guion: no se puede leer " << argv[1] << "\n";
            return 2;
        }
    }
    // The built program folder is the driver's own.
    std::error_code error;
    const auto propio = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string carpeta = error ? std::string(".") : propio.parent_path().string();
    // Whatever the game or the library throws ends the script with its ERROR line, never an abort.
    std::unique_ptr<naipalia::guion::Interprete> interprete;
    try {
        interprete = std::make_unique<naipalia::guion::Interprete>(
            argc == 2 ? static_cast<std::istream&>(archivo) : std::cin, std::cout, carpeta);
        return interprete->ejecutar();
    } catch (const std::exception& e) {
        return fallo(interprete ? interprete->linea() : 0, std::string("unexpected failure: ") + e.what());
    } catch (...) {
        return fallo(interprete ? interprete->linea() : 0, "unexpected failure");
    }
}
