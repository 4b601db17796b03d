// galeria-calc: calculates one culvert project without the desktop program.
//   galeria-calc [--definir Grupo.campo=VALOR]... [--json]
// Exit status: 0 complete run, 1 stopped run, 2 usage error.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/analise.h"
#include "design/calculo.h"
#include "documento_json.h"
#include "project/campos.h"
#include "resumo.h"

namespace {

constexpr int saidaUso = 2;

const char* const uso =
    "Uso: galeria-calc [--definir Grupo.campo=VALOR]... [--json]\n"
    "  --definir Grupo.campo=VALOR  altera um dado do projeto (ex.: Geometria.bl=4,50)\n"
    "  --json                       imprime o resultado como um documento JSON\n";

struct TOpcoes {
  std::vector<std::pair<std::string, std::string>> definicoes;
  bool json = false;
};

bool lerOpcoes(int argc, char** argv, TOpcoes& o, std::string& erro) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--json") {
      o.json = true;
    } else if (arg == "--definir" || arg.rfind("--definir=", 0) == 0) {
      std::string def;
      if (arg == "--definir") {
        if (i + 1 >= argc) {
          erro = "Falta Grupo.campo=VALOR depois de --definir.";
          return false;
        }
        def = argv[++i];
      } else {
        def = arg.substr(10);
      }
      const auto igual = def.find('=');
      if (igual == std::string::npos || igual == 0) {
        erro = "Definição sem \"=\": " + def + " (use Grupo.campo=VALOR).";
        return false;
      }
      o.definicoes.emplace_back(def.substr(0, igual), def.substr(igual + 1));
    } else if (arg == "--ajuda" || arg == "-h" || arg == "--help") {
      std::cout << uso;
      std::exit(0);
    } else {
      erro = "Argumento desconhecido: " + arg + ".";
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace galeria;
  TOpcoes opcoes;
  std::string erro;
  if (!lerOpcoes(argc, argv, opcoes, erro)) {
    std::cerr << erro << '\n' << uso;
    return saidaUso;
  }

  TSessao sessao;
  sessao.projeto = projetoInicial();
  for (const auto& [campo, valor] : opcoes.definicoes) {
    erro = definirCampo(sessao.projeto, campo, valor);
    if (!erro.empty()) {
      std::cerr << erro << '\n';
      return saidaUso;
    }
  }
  aplicarRegrasDosDialogos(sessao.projeto);
  confirmarGeometria(sessao.projeto, sessao.analise.modelo);

  TRegistroMemoria registro;
  executarCalculo(sessao, registro);

  if (opcoes.json) {
    std::cout << documentoJson(sessao, registro.linhas).dump(1) << '\n';
  } else {
    for (const std::string& linha : registro.linhas) std::cout << linha << '\n';
    std::cout << sessao.banner << '\n';
    if (!sessao.projeto.estado.calculoInterrompido) imprimirResumo(sessao, std::cout);
  }
  return sessao.projeto.estado.calculoInterrompido ? 1 : 0;
}
