// naipalia-crear-base ARCHIVO: makes the initial database file afresh.
#include <cstdio>
#include <filesystem>

#include "game/archivos.h"
#include "platform/sqlcipher/base_sqlcipher.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: naipalia-crear-base ARCHIVO\n");
        return 2;
    }
    std::error_code e;
    std::filesystem::remove(argv[1], e);
    std::string error;
    if (!naipalia::BaseSqlcipher::Crear(argv[1], naipalia::archivos::ClaveBase, error)) {
        std::fprintf(stderr, "naipalia-crear-base: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
