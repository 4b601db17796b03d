#!/usr/bin/env bash
# Prepara a máquina, compila (o que também monta a pasta de instalação
# build/instalacao) e calcula com galeria-calc o projeto de exemplo da corrida
# típica, Arquivos/galeria1.gal, com a configuração dessa pasta.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/preparar.sh"
"$raiz/scripts/compilar.sh" "$raiz/build" -DCMAKE_BUILD_TYPE=Release
instalacao="$raiz/build/instalacao"
"$instalacao/galeria-calc" "$instalacao/Arquivos/galeria1.gal" --pasta "$instalacao" "$@"
