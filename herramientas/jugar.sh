#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash herramientas/dependencias.sh
# Its own build folder: the test command's strict settings stay out of it.
cmake -S . -B build-juego -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-juego
exec ./build-juego/programa/naipalia
