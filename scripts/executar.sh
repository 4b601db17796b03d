#!/usr/bin/env bash
# Prepara a máquina, compila e roda o cálculo do projeto padrão com galeria-calc.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
"$raiz/scripts/compilar.sh" "$raiz/build" -DCMAKE_BUILD_TYPE=Release
"$raiz/build/app/galeria-calc/galeria-calc" "$@"
