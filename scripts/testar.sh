#!/usr/bin/env bash
# Prepara a máquina, compila e roda todos os testes: primeiro a build normal,
# depois a build com AddressSanitizer e UndefinedBehaviorSanitizer.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
"$raiz/scripts/compilar.sh" "$raiz/build" -DCMAKE_BUILD_TYPE=Release
(cd "$raiz/build" && ctest --output-on-failure -j"$(nproc)")
"$raiz/scripts/compilar.sh" "$raiz/build-san" -DCMAKE_BUILD_TYPE=Debug -DGALERIA_SANITIZADORES=ON -DGALERIA_BENCH=OFF
(cd "$raiz/build-san" && ctest --output-on-failure -j"$(nproc)")
