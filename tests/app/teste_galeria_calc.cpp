// The batch command galeria-calc run as a program: the start-up check of the
// installation folder, refused project files, saving and opening again, and
// the cost. Every run is in folders of its own; the output goes to another.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "design/exemplos.h"
#include "project/configuracao.h"
#include "project/pasta_temporaria.h"

namespace galeria {
namespace {

namespace fs = std::filesystem;
using teste::lerBytes;
using teste::TPastaTemporaria;

std::string entreAspas(const std::string& texto) {
  std::string q = "'";
  for (char c : texto) {
    if (c == '\'')
      q.append("'\\''");
    else
      q.push_back(c);
  }
  q.push_back('\'');
  return q;
}

struct TExecucao {
  int saida = -1;
  std::string out, err;
};

// Runs galeria-calc with `argumentos` in the folder `pastaAtual`.
TExecucao executar(const fs::path& pastaAtual, const std::vector<std::string>& argumentos) {
  const TPastaTemporaria capturas;
  const fs::path out = capturas / "saida";
  const fs::path err = capturas / "erros";
  std::string comando = "cd ";
  comando.append(entreAspas(pastaAtual.string())).append(" && ").append(entreAspas(GALERIA_CALC));
  for (const std::string& a : argumentos) comando.append(" ").append(entreAspas(a));
  comando.append(" > ").append(entreAspas(out.string()));
  comando.append(" 2> ").append(entreAspas(err.string()));
  const int estado = std::system(comando.c_str());
  TExecucao r;
  r.saida = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  r.out = lerBytes(out);
  r.err = lerBytes(err);
  return r;
}

// Every file under a folder with its bytes.
std::map<std::string, std::string> conteudo(const fs::path& pasta) {
  std::map<std::string, std::string> c;
  for (const auto& e : fs::recursive_directory_iterator(pasta))
    c[fs::relative(e.path(), pasta).generic_string()] =
        e.is_regular_file() ? lerBytes(e.path()) : "<pasta>";
  return c;
}

// A fresh installation with the example projects.
class GaleriaCalc : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(instalarPadrao(instalacao.caminho()).empty());
    ASSERT_TRUE(gravarExemplos(instalacao.caminho(), catalogoSolosPadrao()).empty());
  }
  fs::path exemplo(const std::string& nome) const { return instalacao / "Arquivos" / nome; }
  std::string pasta() const { return instalacao.caminho().string(); }

  TPastaTemporaria instalacao;
  TPastaTemporaria outra;  // a working folder without configuration
};

const std::string mensagemApagado = "Algum arquivo de inicialização foi apagado!";

TEST_F(GaleriaCalc, ArquivoDeConfiguracaoApagadoEncerraSemGravarNada) {
  fs::remove(instalacao / "config" / "Terreno.ini");
  const std::string cores = lerBytes(instalacao / "config" / "Cores.ini");
  const std::string fabricante = lerBytes(instalacao / "config" / "Fabricante.ini");
  const auto antes = conteudo(instalacao.caminho());
  const std::string saida = (instalacao / "Arquivos" / "saida.gal").string();
  const std::string projeto = exemplo("galeria1.gal").string();

  struct TCaso {
    const char* nome;
    fs::path pastaAtual;
    std::vector<std::string> argumentos;
  };
  const TCaso casos[] = {
      {"--pasta", outra.caminho(), {projeto, "--pasta", pasta(), "--salvar", saida, "--custo"}},
      {"pasta atual", instalacao.caminho(), {projeto, "--salvar", saida, "--json"}},
      {"sem projeto", outra.caminho(), {"--pasta", pasta(), "--salvar", saida}},
      {"sem projeto, pasta atual", instalacao.caminho(), {"--salvar", saida}},
  };
  for (const TCaso& c : casos) {
    SCOPED_TRACE(c.nome);
    const TExecucao r = executar(c.pastaAtual, c.argumentos);
    EXPECT_NE(r.saida, 0);
    EXPECT_NE(r.saida, 1);
    EXPECT_EQ(r.err.rfind(mensagemApagado + "\n", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("Terreno.ini"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(saida));
    EXPECT_EQ(lerBytes(instalacao / "config" / "Cores.ini"), cores);
    EXPECT_EQ(lerBytes(instalacao / "config" / "Fabricante.ini"), fabricante);
    EXPECT_EQ(conteudo(instalacao.caminho()), antes);
  }
}

TEST_F(GaleriaCalc, ProjetoIlegivelDaMensagemClaraESemArquivoGravado) {
  teste::gravarBytes(outra / "lixo.gal", std::string("\x00\x01\xFF\xFE lixo\n\x1A\r\n", 13));
  teste::gravarBytes(outra / "vazio.gal", "");
  fs::create_directory(outra / "pasta.gal");
  std::string cortado = lerBytes(exemplo("galeria1.gal"));
  cortado.resize(cortado.size() / 2);
  teste::gravarBytes(outra / "cortado.gal", cortado);

  struct TCaso {
    const char* arquivo;
    const char* trecho;
  };
  const TCaso casos[] = {{"lixo.gal", "linha"},
                         {"vazio.gal", "vazio"},
                         {"cortado.gal", "linha"},
                         {"nao_existe.gal", "não foi encontrado"},
                         {"pasta.gal", "pasta"}};
  const auto antes = conteudo(outra.caminho());
  const auto instalacaoAntes = conteudo(instalacao.caminho());
  for (const TCaso& c : casos) {
    SCOPED_TRACE(c.arquivo);
    const TExecucao r = executar(outra.caminho(), {c.arquivo, "--pasta", pasta(), "--salvar",
                                                   "saida.gal", "--custo", "--json"});
    EXPECT_EQ(r.saida, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.arquivo), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.trecho), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(conteudo(outra.caminho()), antes);
  }
  EXPECT_EQ(conteudo(instalacao.caminho()), instalacaoAntes);
}

TEST_F(GaleriaCalc, ErrosDeUsoSaemComDoisSemGravar) {
  const std::string projeto = exemplo("galeria1.gal").string();
  const std::vector<std::vector<std::string>> casos = {
      {"--desconhecido"},
      {projeto, projeto},
      {projeto, "--pasta"},
      {projeto, "--salvar"},
      {projeto, "--definir", "Geometria.nada=1", "--salvar", "saida.gal"},
      {projeto, "--definir", "Geometria.bl=abc", "--salvar", "saida.gal"},
      {projeto, "--definir", "Sobrecarga.tipoSobrecarga=5", "--salvar", "saida.gal"},
      {"--definir", "Geometria.comprimento=7", "--salvar", "saida.gal"},
      {projeto, "--pasta", pasta(), "--definir", "Instalacao.solo=99", "--salvar", "saida.gal"},
  };
  for (const auto& argumentos : casos) {
    SCOPED_TRACE(argumentos.front());
    const TExecucao r = executar(outra.caminho(), argumentos);
    EXPECT_EQ(r.saida, 2) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
    EXPECT_FALSE(fs::exists(outra / "saida.gal"));
  }
}

TEST_F(GaleriaCalc, SalvarEAbrirDeNovoDaOMesmoProjeto) {
  fs::create_directories(outra / "a");
  for (const std::string nome :
       {"galeria1.gal", "secao_variavel_vala.gal", "sobrecarga_distribuida.gal"}) {
    SCOPED_TRACE(nome);
    const fs::path copia = outra / "a" / nome;
    const TExecucao primeira = executar(
        outra.caminho(),
        {exemplo(nome).string(), "--pasta", pasta(), "--json", "--salvar", copia.string()});
    ASSERT_EQ(primeira.saida, 0) << primeira.err;
    EXPECT_EQ(primeira.err, "");
    // Calculated and saved with the proposal, the example is written again byte for byte.
    EXPECT_EQ(lerBytes(copia), lerBytes(exemplo(nome)));

    const TExecucao original =
        executar(outra.caminho(), {exemplo(nome).string(), "--pasta", pasta(), "--json"});
    const TExecucao aberta =
        executar(outra.caminho(), {copia.string(), "--pasta", pasta(), "--json"});
    ASSERT_EQ(aberta.saida, 0) << aberta.err;
    EXPECT_NE(aberta.out.find("\"banner\": \"***** CÁLCULOS FINALIZADOS COM SUCESSO *****\""),
              std::string::npos);
    EXPECT_EQ(aberta.out, original.out);
  }

  // A project changed by --definir, saved and opened again, gives the
  // document of the changed run (the same name, so only "salvo" differs).
  fs::create_directories(outra / "b");
  const fs::path mudado = outra / "b" / "galeria1.gal";
  const TExecucao comMudanca =
      executar(outra.caminho(), {exemplo("galeria1.gal").string(), "--pasta", pasta(), "--definir",
                                 "Geometria.bl=2,80", "--definir", "Instalacao.hs=0,80", "--salvar",
                                 mudado.string(), "--json"});
  ASSERT_EQ(comMudanca.saida, 0) << comMudanca.err;
  const TExecucao reaberta =
      executar(outra.caminho(), {mudado.string(), "--pasta", pasta(), "--json"});
  ASSERT_EQ(reaberta.saida, 0) << reaberta.err;
  std::string semSalvo = comMudanca.out;
  const std::string linhaSalvo = ",\n \"salvo\": \"galeria1.gal\"";
  const auto pos = semSalvo.find(linhaSalvo);
  ASSERT_NE(pos, std::string::npos);
  semSalvo.erase(pos, linhaSalvo.size());
  EXPECT_EQ(reaberta.out, semSalvo);
  EXPECT_NE(reaberta.out, executar(outra.caminho(),
                                   {exemplo("galeria1.gal").string(), "--pasta", pasta(), "--json"})
                              .out);
}

TEST_F(GaleriaCalc, Galeria1EhOProjetoInicialCalculado) {
  // Without a file and without configuration the command calculates the start
  // project; opening galeria1.gal gives the same document but for its name.
  const TExecucao inicial = executar(outra.caminho(), {"--json"});
  const TExecucao aberto = executar(instalacao.caminho(), {"Arquivos/galeria1.gal", "--json"});
  ASSERT_EQ(inicial.saida, 0) << inicial.err;
  ASSERT_EQ(aberto.saida, 0) << aberto.err;
  std::string semNome = aberto.out;
  const std::string linhaNome = "\n \"arquivo\": \"galeria1.gal\",";
  const auto pos = semNome.find(linhaNome);
  ASSERT_NE(pos, std::string::npos) << aberto.out.substr(0, 200);
  semNome.erase(pos, linhaNome.size());
  EXPECT_EQ(semNome, inicial.out);
}

TEST_F(GaleriaCalc, CustoImprimeOsQuatroResultados) {
  const TExecucao r =
      executar(outra.caminho(), {exemplo("galeria1.gal").string(), "--pasta", pasta(), "--custo"});
  ASSERT_EQ(r.saida, 0) << r.err;
  for (const char* padrao :
       {"\n  Consumo de concreto = [0-9]+,[0-9]{2} m³\n",
        "\n  Consumo de aço = [0-9]+,[0-9]{2} Kg\n", "\n  Taxa = [0-9]+,[0-9]{2} Kg/m³\n",
        "\n  Custo = [0-9]+,[0-9]{2} UM\n", "\nComprimento da Galeria = 1,00 m\n",
        "\n  Preço do concreto = 170,00 UM / m³\n"})
    EXPECT_TRUE(std::regex_search(r.out, std::regex(padrao))) << padrao;
  // 350·15 + 2·220·15 + 350·15 + 15·15 + 15·15 = 17 550 cm² over a 1,00 m piece.
  EXPECT_NE(r.out.find("Consumo de concreto = 1,75 m³"), std::string::npos);

  const TExecucao j = executar(
      outra.caminho(), {exemplo("galeria1.gal").string(), "--pasta", pasta(), "--custo", "--json"});
  ASSERT_EQ(j.saida, 0) << j.err;
  EXPECT_NE(j.out.find("\"custo\": {"), std::string::npos);
  EXPECT_NE(j.out.find("\"consumoConcreto\": \"1,75 m³\""), std::string::npos);
}

// Prices the cost refuses are a configuration error of "Fabricante.ini"; a
// section of no concrete volume (read unvalidated) is not, and leaves the run
// without a cost but with its own outcome.
TEST_F(GaleriaCalc, CustoRecusadoPeloPrecoOuPelaGeometria) {
  const TExecucao geometria =
      executar(outra.caminho(), {exemplo("galeria1.gal").string(), "--pasta", pasta(), "--definir",
                                 "Geometria.bl=-3,2", "--custo", "--json"});
  EXPECT_NE(geometria.saida, 3) << geometria.err;
  EXPECT_NE(geometria.err.find("O custo não foi calculado"), std::string::npos) << geometria.err;
  EXPECT_EQ(geometria.err.find("Fabricante.ini"), std::string::npos) << geometria.err;
  EXPECT_NE(geometria.out.find("\"custo\": null"), std::string::npos)
      << geometria.out.substr(0, 300);

  TConfiguracao c = lerConfiguracao(instalacao.caminho()).configuracao;
  c.precos.precoCA50 = "0,00";
  ASSERT_TRUE(gravarConfiguracao(instalacao.caminho(), c).empty());
  const TExecucao preco =
      executar(outra.caminho(), {exemplo("galeria1.gal").string(), "--pasta", pasta(), "--custo"});
  EXPECT_EQ(preco.saida, 3);
  EXPECT_EQ(preco.out, "");
  EXPECT_NE(preco.err.find("O preço do aço CA 50 deverá ser maior que zero."), std::string::npos)
      << preco.err;
  EXPECT_NE(preco.err.find("Fabricante.ini"), std::string::npos) << preco.err;
}

TEST_F(GaleriaCalc, CalculoInterrompidoSaiComUm) {
  const TExecucao r =
      executar(outra.caminho(), {exemplo("galeria1.gal").string(), "--pasta", pasta(), "--definir",
                                 "Instalacao.hs=6", "--custo", "--salvar", "parado.gal"});
  EXPECT_EQ(r.saida, 1) << r.err;
  EXPECT_NE(r.out.find("***** PROCESSAMENTO INTERROMPIDO *****"), std::string::npos);
  EXPECT_NE(r.err.find("O custo não foi calculado"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::is_regular_file(outra / "parado.gal"));
}

}  // namespace
}  // namespace galeria
