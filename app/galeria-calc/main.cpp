// galeria-calc: calculates one culvert project without the desktop program.
//   galeria-calc [PROJETO.gal] [--pasta DIR] [--definir Grupo.campo=VALOR]...
//                [--salvar SAIDA.gal] [--custo] [--json]
// With a project file it does what "Abrir" does: the configuration check and
// reading of the installation folder, the file read, the mesh rebuilt, the
// calculation and the stored mesh and bar choice put back. Without one it
// calculates the start project.
// Exit status: 0 complete run, 1 stopped run, 2 usage error, 3 a file error
// (missing configuration, refused project, unusable prices, failed save). A
// cost the project's numbers leave undefined is a warning, not an error.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "analysis/analise.h"
#include "design/abertura.h"
#include "design/calculo.h"
#include "design/custo_sessao.h"
#include "documento_json.h"
#include "project/arquivo_projeto.h"
#include "project/campos.h"
#include "project/configuracao.h"
#include "project/disco.h"
#include "resumo.h"

namespace fs = std::filesystem;

namespace {

using namespace galeria;

constexpr int saidaCompleta = 0;
constexpr int saidaInterrompida = 1;
constexpr int saidaUso = 2;
constexpr int saidaArquivo = 3;

const char* const uso =
    "Uso: galeria-calc [PROJETO.gal] [--pasta DIR] [--definir Grupo.campo=VALOR]...\n"
    "                  [--salvar SAIDA.gal] [--custo] [--json]\n"
    "  PROJETO.gal                  abre o projeto como o comando \"Abrir\" (sem ele, o projeto "
    "inicial)\n"
    "  --pasta DIR                  pasta de instalação com config/ (padrão: a pasta atual)\n"
    "  --definir Grupo.campo=VALOR  altera um dado do projeto (ex.: Geometria.bl=4,50)\n"
    "  --salvar SAIDA.gal           grava o projeto com a escolha de telas e barras\n"
    "  --custo                      imprime os quantitativos e o custo (preços de Fabricante.ini)\n"
    "  --json                       imprime o resultado como um documento JSON\n"
    "Saída: 0 cálculo completo, 1 cálculo interrompido, 2 erro de uso, 3 erro de arquivo.\n";

struct TOpcoes {
  std::optional<fs::path> projeto;
  std::optional<fs::path> pasta;
  std::optional<fs::path> salvar;
  std::vector<std::pair<std::string, std::string>> definicoes;
  bool custo = false;
  bool json = false;
  bool ajuda = false;
};

// The value of an option given as "--nome VALOR" or "--nome=VALOR".
bool valorDaOpcao(const std::string& nome, int argc, char** argv, int& i, std::string& valor,
                  std::string& erro) {
  const std::string arg = argv[i];
  if (arg == nome) {
    if (i + 1 >= argc) {
      erro = "Falta o valor depois de " + nome + ".";
      return false;
    }
    valor = argv[++i];
  } else {
    valor = arg.substr(nome.size() + 1);
  }
  if (valor.empty()) {
    erro = "Valor vazio para " + nome + ".";
    return false;
  }
  return true;
}

bool comecaCom(const std::string& arg, const std::string& nome) {
  return arg == nome || arg.rfind(nome + "=", 0) == 0;
}

bool lerOpcoes(int argc, char** argv, TOpcoes& o, std::string& erro) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::string valor;
    if (arg == "--json") {
      o.json = true;
    } else if (arg == "--custo") {
      o.custo = true;
    } else if (arg == "--ajuda" || arg == "-h" || arg == "--help") {
      o.ajuda = true;
    } else if (comecaCom(arg, "--definir")) {
      if (!valorDaOpcao("--definir", argc, argv, i, valor, erro)) return false;
      const auto igual = valor.find('=');
      if (igual == std::string::npos || igual == 0) {
        erro = "Definição sem \"=\": " + valor + " (use Grupo.campo=VALOR).";
        return false;
      }
      o.definicoes.emplace_back(valor.substr(0, igual), valor.substr(igual + 1));
    } else if (comecaCom(arg, "--pasta")) {
      if (!valorDaOpcao("--pasta", argc, argv, i, valor, erro)) return false;
      o.pasta = fs::path(valor);
    } else if (comecaCom(arg, "--salvar")) {
      if (!valorDaOpcao("--salvar", argc, argv, i, valor, erro)) return false;
      o.salvar = fs::path(valor);
    } else if (!arg.empty() && arg[0] == '-') {
      erro = "Argumento desconhecido: " + arg + ".";
      return false;
    } else if (o.projeto) {
      erro = "Só um arquivo de projeto pode ser dado: " + arg + ".";
      return false;
    } else if (arg.empty()) {
      erro = "Nome de arquivo de projeto vazio.";
      return false;
    } else {
      o.projeto = fs::path(arg);
    }
  }
  return true;
}

// The --definir values, then what confirming the dialogs does, and the soil
// of the catalogue when its index was given. Empty, or the message.
std::string aplicarDefinicoes(const TOpcoes& o, const TCatalogoSolos& solos, TProjeto& p) {
  if (o.definicoes.empty()) return {};
  bool soloDefinido = false;
  for (const auto& [campo, valor] : o.definicoes) {
    std::string erro = definirCampo(p, campo, valor);
    if (!erro.empty()) return erro;
    soloDefinido = soloDefinido || campo == "Instalacao.solo";
  }
  if (soloDefinido) {
    if (!solos.indiceValido(p.Instalacao.solo))
      return "O solo " + std::to_string(p.Instalacao.solo) +
             " não existe no catálogo de solos (0 a " + std::to_string(solos.tamanho() - 1) + ").";
    selecionarSolo(solos, p.Instalacao.solo, p.Instalacao);
  }
  aplicarRegrasDosDialogos(p);
  return {};
}

// The installation folder to read, when there is one to read: the given one,
// or the working folder when a project is opened or it holds "config".
std::optional<fs::path> pastaDaConfiguracao(const TOpcoes& o) {
  if (o.pasta) return o.pasta;
  std::error_code ec;
  const fs::path atual = fs::current_path(ec);
  if (ec) return o.projeto ? std::optional<fs::path>(fs::path(".")) : std::nullopt;
  if (o.projeto || fs::is_directory(caminhoInstalacao(atual, "config"), ec)) return atual;
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  TOpcoes opcoes;
  std::string erro;
  if (!lerOpcoes(argc, argv, opcoes, erro)) {
    std::cerr << erro << '\n' << uso;
    return saidaUso;
  }
  if (opcoes.ajuda) {
    std::cout << uso;
    return saidaCompleta;
  }
  // Names and values of --definir are checked before any file is touched.
  {
    TProjeto rascunho = projetoInicial();
    for (const auto& [campo, valor] : opcoes.definicoes) {
      erro = definirCampo(rascunho, campo, valor);
      if (!erro.empty()) {
        std::cerr << erro << '\n';
        return saidaUso;
      }
    }
  }

  // The start-up check and reading of the configuration.
  TConfiguracao configuracao;
  std::vector<std::string> avisos;
  if (const auto pasta = pastaDaConfiguracao(opcoes)) {
    const TVerificacaoArquivos verificacao = verificarArquivos(*pasta);
    if (verificacao.encerrar) {
      std::cerr << verificacao.mensagem << '\n'
                << "Falta \"" << verificacao.faltando.generic_string() << "\" na pasta \""
                << pasta->generic_string() << "\".\n";
      return saidaArquivo;
    }
    TLeituraConfiguracao leitura = lerConfiguracao(*pasta);
    configuracao = std::move(leitura.configuracao);
    avisos = std::move(leitura.avisos);
  }

  TSessao sessao;
  sessao.projeto = projetoInicial();
  selecionarSolo(configuracao.solos, 0, sessao.projeto.Instalacao);
  TRegistroMemoria registro;
  if (opcoes.projeto) {
    bool erroDeUso = false;
    auto ajuste = [&](TProjeto& p) {
      std::string e = aplicarDefinicoes(opcoes, configuracao.solos, p);
      erroDeUso = !e.empty();
      return e;
    };
    TAberturaSessao abertura =
        abrirProjetoSessao(sessao, *opcoes.projeto, configuracao, registro, ajuste);
    if (!abertura.aberto) {
      std::cerr << abertura.erro << '\n';
      return erroDeUso ? saidaUso : saidaArquivo;
    }
    for (std::string& aviso : abertura.avisos) avisos.push_back(std::move(aviso));
  } else {
    erro = aplicarDefinicoes(opcoes, configuracao.solos, sessao.projeto);
    if (!erro.empty()) {
      std::cerr << erro << '\n';
      return saidaUso;
    }
    confirmarGeometria(sessao.projeto, sessao.analise.modelo);
    executarCalculo(sessao, registro);
  }
  const bool interrompido = sessao.projeto.estado.calculoInterrompido;

  // The cost needs a complete design; prices it refuses are a configuration error.
  std::optional<TResultadoCusto> custo;
  if (opcoes.custo) {
    if (interrompido) {
      avisos.push_back("O custo não foi calculado: o cálculo foi interrompido.");
    } else {
      custo = calcularCusto(entradaCustoDaSessao(sessao, configuracao.precos));
      if (!custo->valido && custo->campo != TCampoCusto::nenhum) {
        std::cerr << custo->mensagem << " (preços de \"" << arquivoFabricante.generic_string()
                  << "\")\n";
        return saidaArquivo;
      }
      if (!custo->valido) {
        // The prices were accepted; the project's own numbers leave no cost.
        avisos.push_back("O custo não foi calculado: " + custo->mensagem);
        custo.reset();
      } else {
        for (const std::string& aviso : custo->avisos) avisos.push_back(aviso);
      }
    }
  }

  if (opcoes.salvar) {
    erro = salvarProjeto(*opcoes.salvar, sessao.projeto);
    if (!erro.empty()) {
      std::cerr << erro << '\n';
      return saidaArquivo;
    }
  }

  for (const std::string& aviso : avisos) std::cerr << aviso << '\n';
  if (opcoes.json) {
    nlohmann::json doc = documentoJson(sessao, registro.linhas);
    doc["avisos"] = avisos;
    if (opcoes.projeto) doc["arquivo"] = nomeParaMensagem(*opcoes.projeto);
    if (opcoes.salvar) doc["salvo"] = nomeParaMensagem(*opcoes.salvar);
    if (opcoes.custo) doc["custo"] = custo ? custoJson(*custo) : nlohmann::json(nullptr);
    std::cout << doc.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  } else {
    for (const std::string& linha : registro.linhas) std::cout << linha << '\n';
    std::cout << sessao.banner << '\n';
    if (!interrompido) imprimirResumo(sessao, std::cout);
    if (custo) imprimirCusto(*custo, std::cout);
    if (opcoes.salvar) std::cout << "\nProjeto gravado em \"" << opcoes.salvar->string() << "\".\n";
  }
  return interrompido ? saidaInterrompida : saidaCompleta;
}
