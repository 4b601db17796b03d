#!/usr/bin/env bash
# compilar.sh PASTA [opções do cmake...]: configura e compila numa pasta de build.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
pasta="$1"; shift
cmake -S "$raiz" -B "$pasta" "$@" >/dev/null
cmake --build "$pasta" -j"$(nproc)"
