// naipalia-guion: plays a script through the game headless and prints its transcript.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "guion/interprete.h"

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
    naipalia::guion::Interprete interprete(argc == 2 ? static_cast<std::istream&>(archivo) : std::cin, std::cout,
                                           carpeta);
    return interprete.ejecutar();
}
