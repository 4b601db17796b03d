#include <gtest/gtest.h>

#include <random>

#include "project/codificacao.h"
#include "project/configuracao.h"
#include "project/disco.h"
#include "project/numeros.h"
#include "project/pasta_temporaria.h"

namespace galeria {
namespace {

namespace fs = std::filesystem;
using teste::gravarBytes;
using teste::lerBytes;
using teste::TPastaTemporaria;

TEST(Configuracao, InstalacaoPadraoLeDeVoltaSemAvisos) {
  TPastaTemporaria pasta;
  ASSERT_TRUE(instalarPadrao(pasta.caminho()).empty());
  EXPECT_TRUE(fs::is_directory(pasta / "Figuras"));
  EXPECT_TRUE(fs::is_directory(pasta / "Arquivos"));
  EXPECT_FALSE(verificarArquivos(pasta.caminho()).encerrar);

  const TLeituraConfiguracao r = lerConfiguracao(pasta.caminho());
  EXPECT_TRUE(r.avisos.empty()) << r.avisos[0];
  const TConfiguracao& c = r.configuracao;
  EXPECT_EQ(c.solos, catalogoSolosPadrao());
  EXPECT_EQ(c.cores, TCores{});
  EXPECT_EQ(c.fabricante, TDadosFabricante{});
  EXPECT_EQ(c.precos.precoCA60, "5,00");
  EXPECT_EQ(c.precos.precoCA50, "4,00");
  EXPECT_EQ(c.precos.precoConcreto, "170,00");
  EXPECT_EQ(c.precos.quantidadePecas, "1,00");

  // The files are stored encoded: no plain text of them shows.
  const std::string terreno = lerBytes(pasta / "config" / "Terreno.ini");
  EXPECT_EQ(terreno.find("Solo"), std::string::npos);
  EXPECT_EQ(lerLinhasArquivo(pasta / "config" / "Terreno.ini", true).linhas,
            linhasSolos(catalogoSolosPadrao()));
  const auto fabricante = lerLinhasArquivo(pasta / "config" / "Fabricante.ini", true).linhas;
  ASSERT_EQ(fabricante.size(), 15u);
  EXPECT_EQ(fabricante[11], "5,00");
  EXPECT_EQ(fabricante[14], "1,00");
  EXPECT_EQ(lerLinhasArquivo(pasta / "config" / "Cores.ini", true).linhas.size(), 15u);
}

TEST(Configuracao, CoresPadraoNaCodificacaoDoToolkit) {
  const TCores c;
  EXPECT_EQ(c.corFundo, 254 * 65536 + 254 * 256 + 254);
  EXPECT_EQ(c.corVmaxHmin, 64 * 65536 + 128 * 256 + 255);
  EXPECT_EQ(c.corEnvoltoria, 192 * 65536 + 128 * 256);
  EXPECT_EQ(vermelhoDe(c.corVminHmax), 204);
  EXPECT_EQ(verdeDe(c.corVminHmax), 204);
  EXPECT_EQ(azulDe(c.corVminHmax), 0);
  const auto l = linhasCores(c);
  ASSERT_EQ(l.size(), 15u);
  EXPECT_EQ(l[0], "16711422");
  EXPECT_EQ(l[12], "16711680");  // "Vmax e Hmax": pure blue
  EXPECT_EQ(legendasCores()[13], "Hmenor (Hmax e Vmin)");
}

// The order of the lines of "Cores.ini" and "Fabricante.ini", field by field:
// a reader and a writer that swapped the same two lines would still agree with
// each other, so the order is checked against the names.
TEST(Configuracao, OrdemDasLinhasDasCoresEDoFabricante) {
  TCores c;
  c.corFundo = 1, c.corSecao = 2, c.corCotas = 3, c.corElementos = 4, c.corApoio = 5;
  c.corCarga = 6, c.corTexto = 7, c.corSombra = 8, c.corSolo = 9, c.corAgua = 10;
  c.corVmaxHmin = 11, c.corVminHmax = 12, c.corVmaxHmax = 13, c.corHmenor = 14;
  c.corEnvoltoria = 15;
  const std::vector<std::string> numeradas = {"1", "2",  "3",  "4",  "5",  "6",  "7", "8",
                                              "9", "10", "11", "12", "13", "14", "15"};
  EXPECT_EQ(linhasCores(c), numeradas);
  EXPECT_EQ(interpretarCores(numeradas, "Cores.ini").cores, c);
  EXPECT_EQ(legendasCores(), (std::array<std::string, 15>{
                                 "Fundo da Tela", "Seção Transversal", "Cotas da Seção",
                                 "Elementos Finitos", "Apoio Elástico", "Carga na Galeria", "Texto",
                                 "Sombra da Seção", "Solo", "Agua", "Vmax e Hmin", "Vmin e Hmax",
                                 "Vmax e Hmax", "Hmenor (Hmax e Vmin)", "Envoltória de esfórços"}));
  // The defaults of the "Default" button, red, green, blue per slot.
  const int rgb[15][3] = {{254, 254, 254}, {255, 0, 0},   {0, 128, 128},  {0, 0, 128},
                          {0, 255, 0},     {255, 0, 255}, {1, 1, 1},      {192, 192, 192},
                          {128, 128, 0},   {0, 255, 255}, {255, 128, 64}, {204, 204, 0},
                          {0, 0, 255},     {128, 0, 0},   {0, 128, 192}};
  const auto padrao = linhasCores(TCores{});
  for (size_t i = 0; i < 15; ++i)
    EXPECT_EQ(padrao[i], std::to_string(rgb[i][2] * 65536 + rgb[i][1] * 256 + rgb[i][0])) << i;

  TDadosFabricante f;
  f.nome = "nome", f.cpfCnpj = "cpf", f.endereco = "endereco", f.numero = "numero";
  f.bairro = "bairro", f.cidade = "cidade", f.estado = "estado", f.cep = "cep";
  f.telefone = "telefone", f.celular = "celular", f.email = "email";
  const TPrecosCusto precos{"ca60", "ca50", "concreto", "pecas"};
  const std::vector<std::string> linhas = {"nome",   "cpf",    "endereco", "numero",   "bairro",
                                           "cidade", "estado", "cep",      "telefone", "celular",
                                           "email",  "ca60",   "ca50",     "concreto", "pecas"};
  EXPECT_EQ(linhasFabricante(f, precos), linhas);
  const TLeituraFabricante r = interpretarFabricante(linhas);
  EXPECT_EQ(r.fabricante, f);
  EXPECT_EQ(r.precos, precos);
}

TEST(Configuracao, FaltandoTerrenoEncerraSemTocarNosOutros) {
  TPastaTemporaria pasta;
  ASSERT_TRUE(instalarPadrao(pasta.caminho()).empty());
  const fs::path cores = pasta / "config" / "Cores.ini", fab = pasta / "config" / "Fabricante.ini";
  const std::string bytesCores = lerBytes(cores), bytesFab = lerBytes(fab);
  const auto horaCores = fs::last_write_time(cores), horaFab = fs::last_write_time(fab);
  fs::remove(pasta / "config" / "Terreno.ini");

  const TVerificacaoArquivos v = verificarArquivos(pasta.caminho());
  EXPECT_TRUE(v.encerrar);
  EXPECT_EQ(v.mensagem, "Algum arquivo de inicialização foi apagado!");
  EXPECT_EQ(v.faltando, arquivoTerreno);
  EXPECT_EQ(lerBytes(cores), bytesCores);
  EXPECT_EQ(lerBytes(fab), bytesFab);
  EXPECT_EQ(fs::last_write_time(cores), horaCores);
  EXPECT_EQ(fs::last_write_time(fab), horaFab);
  EXPECT_FALSE(fs::exists(pasta / "config" / "Terreno.ini"));
}

TEST(Configuracao, VerificaNaOrdemCoresFabricanteTerreno) {
  TPastaTemporaria pasta;
  ASSERT_TRUE(instalarPadrao(pasta.caminho()).empty());
  fs::remove(pasta / "config" / "Terreno.ini");
  fs::remove(pasta / "config" / "Fabricante.ini");
  EXPECT_EQ(verificarArquivos(pasta.caminho()).faltando, arquivoFabricante);
  fs::remove(pasta / "config" / "Cores.ini");
  EXPECT_EQ(verificarArquivos(pasta.caminho()).faltando, arquivoCores);
  // A folder by the name of a file does not count as the file.
  fs::create_directory(pasta / "config" / "Cores.ini");
  EXPECT_EQ(verificarArquivos(pasta.caminho()).faltando, arquivoCores);
  EXPECT_TRUE(verificarArquivos(pasta / "nao_existe").encerrar);
}

TEST(Configuracao, NomesEmOutraCaixaSaoEncontradosEReescritosNoLugar) {
  TPastaTemporaria pasta;
  ASSERT_TRUE(instalarPadrao(pasta.caminho()).empty());
  fs::rename(pasta / "config", pasta / "CONFIG");
  fs::rename(pasta / "CONFIG" / "Terreno.ini", pasta / "CONFIG" / "terreno.INI");
  fs::rename(pasta / "CONFIG" / "Cores.ini", pasta / "CONFIG" / "CORES.ini");
  EXPECT_FALSE(verificarArquivos(pasta.caminho()).encerrar);

  TLeituraConfiguracao r = lerConfiguracao(pasta.caminho());
  ASSERT_TRUE(r.avisos.empty());
  TInstalacao inst;
  ASSERT_TRUE(adicionarSolo(r.configuracao.solos, "Novo", "20", "33", inst).aceito);
  ASSERT_TRUE(gravarConfiguracao(pasta.caminho(), r.configuracao).empty());
  EXPECT_FALSE(fs::exists(pasta / "config")) << "no second folder in another case";
  EXPECT_EQ(lerConfiguracao(pasta.caminho()).configuracao.solos, r.configuracao.solos);
  int arquivos = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(pasta / "CONFIG")) ++arquivos;
  EXPECT_EQ(arquivos, 3);
}

TEST(Configuracao, SoloAdicionadoEGravadoFicaPorUltimo) {
  TPastaTemporaria pasta;
  ASSERT_TRUE(instalarPadrao(pasta.caminho()).empty());
  TConfiguracao c = lerConfiguracao(pasta.caminho()).configuracao;
  const int n = c.solos.tamanho();
  TInstalacao inst;
  ASSERT_TRUE(adicionarSolo(c.solos, "Saibro", "19,5", "31", inst).aceito);
  ASSERT_TRUE(gravarConfiguracao(pasta.caminho(), c).empty());

  const auto linhas = lerLinhasArquivo(pasta / "config" / "Terreno.ini", true).linhas;
  ASSERT_EQ(linhas.size(), static_cast<size_t>(1 + 3 * (n + 1)));
  EXPECT_EQ(linhas[0], std::to_string(n + 1));
  EXPECT_EQ(linhas[static_cast<size_t>(n + 1)], "Saibro");
  EXPECT_EQ(linhas[static_cast<size_t>(2 * n + 2)], "19,50");
  EXPECT_EQ(linhas[static_cast<size_t>(3 * n + 3)], "31,00");
  const TCatalogoSolos lido = lerConfiguracao(pasta.caminho()).configuracao.solos;
  ASSERT_EQ(lido.tamanho(), n + 1);
  EXPECT_EQ(lido.solos.back(), (TSolo{"Saibro", "19,50", "31,00"}));
}

TEST(Configuracao, FabricanteCoresELogotipoIdaEVolta) {
  TPastaTemporaria pasta;
  TConfiguracao c;
  c.fabricante = {"Pré-Moldados São José Ltda.",
                  "12.345.678/0001-90",
                  "Rod. BR-116, km 3",
                  "s/n",
                  "Distrito Industrial",
                  "Curitiba",
                  "PR",
                  "81000-000",
                  "(41) 3333-4444",
                  "(41) 99999-0000",
                  "vendas@premoldados.com.br",
                  std::string("BM\x00\x01\xFF", 5)};
  c.precos = {"6,10", "4,75", "180,00", "2,5"};
  c.cores.corFundo = -2147483643;  // a system colour
  c.cores.corHmenor = corRGB(10, 20, 30);
  ASSERT_TRUE(gravarConfiguracao(pasta.caminho(), c).empty());
  EXPECT_EQ(lerBytes(pasta / "Figuras" / "logofabri.bmp"), c.fabricante.logotipo);
  const TLeituraConfiguracao r = lerConfiguracao(pasta.caminho());
  EXPECT_TRUE(r.avisos.empty());
  EXPECT_EQ(r.configuracao.fabricante, c.fabricante);
  EXPECT_EQ(r.configuracao.precos, c.precos);
  EXPECT_EQ(r.configuracao.cores, c.cores);
}

TEST(Configuracao, FabricanteCurtoDaTextosVazios) {
  const TLeituraFabricante r = interpretarFabricante({"Fábrica", "123"});
  EXPECT_EQ(r.fabricante.nome, "Fábrica");
  EXPECT_EQ(r.fabricante.cpfCnpj, "123");
  EXPECT_EQ(r.fabricante.email, "");
  EXPECT_EQ(r.precos.precoCA60, "");
  EXPECT_EQ(r.precos.quantidadePecas, "");
}

TEST(Configuracao, CorQueNaoEInteiroDaAsCoresPadrao) {
  TCores escuras;
  for (int i = 0; i < TCores::nCores; ++i) escuras[i] = i;
  auto linhas = linhasCores(escuras);
  EXPECT_EQ(interpretarCores(linhas, "Cores.ini").cores, escuras);

  for (const char* ruim : {"", "azul", "1,5", "4294967296", "-2147483649"}) {
    auto l = linhas;
    l[6] = ruim;
    const TLeituraCores r = interpretarCores(l, "Cores.ini");
    EXPECT_EQ(r.cores, TCores{}) << ruim;
    EXPECT_NE(r.aviso.find("linha 7"), std::string::npos) << r.aviso;
    EXPECT_NE(r.aviso.find("Texto"), std::string::npos) << r.aviso;
  }
  linhas.resize(14);
  EXPECT_EQ(interpretarCores(linhas, "Cores.ini").cores, TCores{});
}

TEST(Configuracao, ArquivoIlegivelDaOPadraoDaqueleArquivoComAviso) {
  TPastaTemporaria pasta;
  TConfiguracao c;
  c.fabricante.nome = "Fábrica";
  c.cores.corTexto = 5;
  TInstalacao inst;
  adicionarSolo(c.solos, "Extra", "18", "30", inst);
  ASSERT_TRUE(gravarConfiguracao(pasta.caminho(), c).empty());
  // A soil file typed in plain text reads as nonsense: the built-in catalogue.
  gravarBytes(pasta / "config" / "Terreno.ini", "2\r\nA\r\nB\r\n18\r\n18\r\n30\r\n30\r\n");
  TLeituraConfiguracao r = lerConfiguracao(pasta.caminho());
  ASSERT_EQ(r.avisos.size(), 1u);
  EXPECT_NE(r.avisos[0].find("Terreno.ini"), std::string::npos);
  EXPECT_EQ(r.configuracao.solos, catalogoSolosPadrao());
  EXPECT_EQ(r.configuracao.fabricante.nome, "Fábrica");
  EXPECT_EQ(r.configuracao.cores.corTexto, 5);

  fs::remove(pasta / "config" / "Cores.ini");
  fs::create_directory(pasta / "config" / "Cores.ini");
  r = lerConfiguracao(pasta.caminho());
  EXPECT_EQ(r.avisos.size(), 2u);
  EXPECT_EQ(r.configuracao.cores, TCores{});
  // Writing at exit over a folder fails for that file only.
  const auto erros = gravarConfiguracao(pasta.caminho(), c);
  ASSERT_EQ(erros.size(), 1u);
  EXPECT_NE(erros[0].find("Cores.ini"), std::string::npos);
  EXPECT_EQ(lerConfiguracao(pasta.caminho()).configuracao.solos, c.solos);
}

// Random damage to the decoded lines of the three files: the readers give a
// whole catalogue or colour table (the file's or the default), never half.
TEST(ConfiguracaoFuzz, MutacoesDasLinhasNuncaDeixamMeioCatalogo) {
  TConfiguracao c;
  TInstalacao inst;
  adicionarSolo(c.solos, "Extra", "18", "30", inst);
  const std::vector<std::vector<std::string>> bases = {linhasSolos(c.solos), linhasCores(c.cores),
                                                       linhasFabricante(c.fabricante, c.precos)};
  const std::vector<std::string> pedacos = {"",    "0", "1",           "-1",       "7",
                                            "2,5", "x", "99999999999", "\xC3\xA7", "1000000"};
  std::mt19937 gerador(99);
  auto sorteio = [&gerador](size_t n) {
    return n == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, n - 1)(gerador);
  };
  for (int iteracao = 0; iteracao < 3000; ++iteracao) {
    auto l = bases[iteracao % 3];
    for (int m = 0; m < 1 + iteracao % 3; ++m) {
      switch (sorteio(3)) {
        case 0:
          if (!l.empty()) l[sorteio(l.size())] = pedacos[sorteio(pedacos.size())];
          break;
        case 1:
          if (!l.empty()) l.erase(l.begin() + static_cast<long>(sorteio(l.size())));
          break;
        default:
          l.insert(l.begin() + static_cast<long>(sorteio(l.size() + 1)),
                   pedacos[sorteio(pedacos.size())]);
      }
    }
    // Also through the file encoding, with a random byte changed.
    std::string bytes = montarLinhasArquivo(l, true);
    if (!bytes.empty() && iteracao % 2)
      bytes[sorteio(bytes.size())] = static_cast<char>(sorteio(256));
    std::vector<std::string> decodificadas;
    for (const auto& b : separarLinhas(bytes))
      decodificadas.push_back(cp1252ParaUtf8(decodificarLinha(b)));

    switch (iteracao % 3) {
      case 0: {
        const TLeituraSolos r = interpretarSolos(decodificadas, "Terreno.ini");
        ASSERT_GE(r.catalogo.tamanho(), 1);
        if (!r.aviso.empty()) {
          ASSERT_EQ(r.catalogo, catalogoSolosPadrao());
        }
        for (const TSolo& s : r.catalogo.solos) {
          ASSERT_TRUE(lerNumero(s.peso).has_value());
          ASSERT_TRUE(lerNumero(s.angulo).has_value());
        }
        break;
      }
      case 1: {
        const TLeituraCores r = interpretarCores(decodificadas, "Cores.ini");
        if (!r.aviso.empty()) {
          ASSERT_EQ(r.cores, TCores{});
        }
        break;
      }
      default: {
        const TLeituraFabricante r = interpretarFabricante(decodificadas);
        ASSERT_EQ(r.fabricante.nome, decodificadas.empty() ? "" : decodificadas[0]);
        ASSERT_EQ(r.precos.quantidadePecas, decodificadas.size() > 14 ? decodificadas[14] : "");
      }
    }
  }
}

}  // namespace
}  // namespace galeria
