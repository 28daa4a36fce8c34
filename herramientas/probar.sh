#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as built,
# once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash herramientas/dependencias.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DNAIPALIA_QT=ON -DNAIPALIA_ESTRICTO=ON
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300
cmake -S . -B build-sanitizado -G Ninja -DNAIPALIA_SANITIZE=ON -DNAIPALIA_QT=ON -DNAIPALIA_ESTRICTO=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitizado
ctest --test-dir build-sanitizado --output-on-failure --timeout 600
