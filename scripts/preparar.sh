#!/usr/bin/env bash
# Instala os pacotes Debian de que a compilação e os testes precisam.
# Rápido quando tudo já está instalado: só chama o apt quando falta algum.
set -euo pipefail
pacotes=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${faltam[@]}"
fi
