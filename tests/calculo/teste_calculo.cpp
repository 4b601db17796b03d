// The calculation from end to end: the order of its log, its stop rules and
// its banner.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "comum/projetos_teste.h"
#include "comum/verificacao_finita.h"
#include "design/calculo.h"
#include "project/campos.h"

namespace galeria {
namespace {

struct TRodada {
  TSessao sessao;
  TRegistroMemoria registro;
  bool parado() const { return sessao.projeto.estado.calculoInterrompido; }
  int contar(const std::string& linha) const {
    return static_cast<int>(std::count(registro.linhas.begin(), registro.linhas.end(), linha));
  }
};

TRodada calcular(const std::vector<std::pair<std::string, std::string>>& definicoes = {}) {
  TRodada r;
  r.sessao.projeto = projetoInicial();
  for (const auto& [campo, valor] : definicoes)
    EXPECT_EQ(definirCampo(r.sessao.projeto, campo, valor), "") << campo;
  aplicarRegrasDosDialogos(r.sessao.projeto);
  confirmarGeometria(r.sessao.projeto, r.sessao.analise.modelo);
  executarCalculo(r.sessao, r.registro);
  return r;
}

// The lines that are not empty, in order.
std::vector<std::string> semVazias(const std::vector<std::string>& linhas) {
  std::vector<std::string> v;
  for (const std::string& l : linhas)
    if (!l.empty()) v.push_back(l);
  return v;
}

TEST(Calculo, RodadaTipicaTerminaVerdeComBarrasNosDezLocais) {
  TRodada r = calcular();
  ASSERT_FALSE(r.parado());
  EXPECT_EQ(r.sessao.banner, "***** CÁLCULOS FINALIZADOS COM SUCESSO *****");
  EXPECT_TRUE(r.sessao.projeto.estado.resultadosValidos);
  const TDimensionamento& d = r.sessao.dimensionamento;
  for (size_t k = 1; k <= nLocais; ++k) {
    ASSERT_FALSE(d.alternativasBarras[k].empty()) << k;
    EXPECT_EQ(d.barraEscolhida[k], 0) << k;
    EXPECT_EQ(r.sessao.projeto.Resultados.barraEscolhida[k - 1], 0) << k;
  }
  EXPECT_GT(d.comprimentoPeca[1], 0.0);
  EXPECT_TRUE(teste::sessaoFinita(r.sessao));
  EXPECT_TRUE(resultadosFinitos(r.sessao));

  const std::vector<std::string> esperadas = {
      "***** INICIALIZANDO CÁLCULOS *****",
      "Reservando Memória Para os Vetores e Matrizes",
      "Colhendo Caracteristica dos Materiais",
      "Calculando Área de Influencia de Cada Nó",
      "Verifica o efeito de arqueamento",
      "Montando Vetores de Forças Nodais (ELU e ELS)",
      "Análise para o Estado Limite Último (ELU)",
      "Retirando Reações de Apoio Negativas",
      "Verificando a Necessidade de Reduzir a Rigidez",
      "Resolvendo Sistema de Equações Definitivo",
      "Análise para o Estado Limite de Serviço (ELS)",
      "Verificando a Necessidade de Reduzir a Rigidez",
      "Resolvendo Sistema de Equações Definitivo",
      "Analisando Içamento",
      "Calculando Envoltória de Esforços",
      "Verificando Fadiga (ELS)",
      "Verificando necessidade de calcular Força Cortante (ELU)",
      "Não é necessario calcular Força Cortante",
      "Verificando Fissuração (ELS)",
  };
  EXPECT_EQ(semVazias(r.registro.linhas), esperadas);
  // The log opens with an empty line and pairs each stage line with one.
  ASSERT_GE(r.registro.linhas.size(), 4u);
  EXPECT_EQ(r.registro.linhas[0], "");
  EXPECT_EQ(r.registro.linhas[2], "");
}

// Every line of the log, empty ones included, with the repaint points ("#")
// where they fall, from the opening lines to the banner.
class TRegistroComRepinturas : public TProgresso {
 public:
  void registrar(const std::string& linha) override { linhas.push_back(linha); }
  void repintar() override { linhas.push_back("#"); }
  std::vector<std::string> linhas;
};

TEST(Calculo, LogCompletoComLinhasVaziasERepinturas) {
  TSessao s;
  s.projeto = projetoInicial();
  aplicarRegrasDosDialogos(s.projeto);
  confirmarGeometria(s.projeto, s.analise.modelo);
  TRegistroComRepinturas registro;
  executarCalculo(s, registro);
  ASSERT_FALSE(s.projeto.estado.calculoInterrompido);
  // clang-format off
  const std::vector<std::string> esperado = {
      "", "***** INICIALIZANDO CÁLCULOS *****", "",
      "Reservando Memória Para os Vetores e Matrizes", "", "#",
      "Colhendo Caracteristica dos Materiais", "", "#",
      "Calculando Área de Influencia de Cada Nó", "", "#",
      "Verifica o efeito de arqueamento", "", "#",
      "Montando Vetores de Forças Nodais (ELU e ELS)", "", "#",
      "Análise para o Estado Limite Último (ELU)", "", "#",
      "Retirando Reações de Apoio Negativas", "", "#",
      "Verificando a Necessidade de Reduzir a Rigidez", "", "#",
      "Resolvendo Sistema de Equações Definitivo", "", "#",
      "Análise para o Estado Limite de Serviço (ELS)", "", "#",
      "Verificando a Necessidade de Reduzir a Rigidez", "", "#",
      "Resolvendo Sistema de Equações Definitivo", "", "#",
      "Analisando Içamento", "", "#",
      "Calculando Envoltória de Esforços", "", "#",
      "Verificando Fadiga (ELS)", "#",
      "", "Verificando necessidade de calcular Força Cortante (ELU)", "#",
      "", "Não é necessario calcular Força Cortante", "#",
      "", "Verificando Fissuração (ELS)", "#",
      "#",  // the banner
  };
  // clang-format on
  EXPECT_EQ(registro.linhas, esperado);
}

std::vector<std::string> logComRepinturas(
    const std::vector<std::pair<std::string, std::string>>& definicoes) {
  TSessao s;
  s.projeto = projetoInicial();
  for (const auto& [campo, valor] : definicoes)
    EXPECT_EQ(definirCampo(s.projeto, campo, valor), "") << campo;
  aplicarRegrasDosDialogos(s.projeto);
  confirmarGeometria(s.projeto, s.analise.modelo);
  TRegistroComRepinturas registro;
  executarCalculo(s, registro);
  return registro.linhas;
}

// What a stop leaves in the log after the envelope line: the stage's own
// lines with their empty lines and repaint, then only the banner's repaint
// (the bar requirement and piece lengths that still run say nothing).
TEST(Calculo, LogDeCadaParadaTerminaNoBanner) {
  const std::vector<std::string> envoltoria = {"Calculando Envoltória de Esforços", "", "#"};
  const auto depoisDaEnvoltoria = [&](const std::vector<std::string>& log) {
    const auto it = std::search(log.begin(), log.end(), envoltoria.begin(), envoltoria.end());
    EXPECT_NE(it, log.end());
    return it == log.end() ? std::vector<std::string>{}
                           : std::vector<std::string>(it + 3, log.end());
  };

  // Flexural design out of the domains: its report, then the banner.
  const auto dominios = depoisDaEnvoltoria(logComRepinturas(
      {{"Geometria.hc", "12"}, {"Sobrecarga.tipoSobrecarga", "2"}, {"Sobrecarga.q", "200"}}));
  ASSERT_EQ(dominios.size(), 8u);
  const std::string caso = dominios[3];
  EXPECT_TRUE(caso == "Problema no cálculo de Vmax e Hmin" ||
              caso == "Problema no cálculo de Vmin e Hmax" ||
              caso == "Problema no cálculo de Vmax e Hmax")
      << caso;
  EXPECT_EQ(dominios,
            (std::vector<std::string>{"", "O dimensionamento está fora dos domínios 2, 3 ou 4", "",
                                      caso, "", "Aumente a Espessura e Recalcule", "#", "#"}));

  // No bars for two or more locations: the three lines once.
  EXPECT_EQ(
      depoisDaEnvoltoria(logComRepinturas({{"Armadura.espMin", "40"}, {"Armadura.espMax", "40"}})),
      (std::vector<std::string>{"Não Foram encontradas barras para satisfazer o problema", "",
                                "Aumente a espessura e recalcule", "#", "#"}));

  // Reinforcement ratio above 2,5 %: four lines and a repaint per position.
  const auto taxa = depoisDaEnvoltoria(logComRepinturas(
      {{"Geometria.hc", "12"}, {"Sobrecarga.tipoSobrecarga", "2"}, {"Sobrecarga.q", "40"}}));
  const std::vector<std::string> umaTaxa = {"", "Taxa de armadura maior que 2,5%", "",
                                            "Aumente a espessura e recalcule", "#"};
  ASSERT_GE(taxa.size(), 6u);
  ASSERT_EQ((taxa.size() - 1) % umaTaxa.size(), 0u);
  for (size_t i = 0; i + 1 < taxa.size(); ++i) EXPECT_EQ(taxa[i], umaTaxa[i % umaTaxa.size()]) << i;
  EXPECT_EQ(taxa.back(), "#");
}

TEST(Calculo, SecaoFinaDemaisParaACargaTerminaVermelhaComOsDominios) {
  TRodada r = calcular({{"Geometria.hc", "12"},
                        {"Sobrecarga.tipoSobrecarga", "2"},
                        {"Sobrecarga.q", "200"}});
  ASSERT_TRUE(r.parado());
  EXPECT_EQ(r.sessao.banner, "***** PROCESSAMENTO INTERROMPIDO *****");
  EXPECT_FALSE(r.sessao.projeto.estado.resultadosValidos);
  EXPECT_EQ(r.contar("O dimensionamento está fora dos domínios 2, 3 ou 4"), 1);
  EXPECT_EQ(r.contar("Aumente a Espessura e Recalcule"), 1);
  // The checks after the design are skipped.
  EXPECT_EQ(r.contar("Verificando Fadiga (ELS)"), 0);
  EXPECT_EQ(r.contar("Verificando Fissuração (ELS)"), 0);
  // The piece lengths are still produced after a stop.
  EXPECT_GT(r.sessao.dimensionamento.comprimentoPeca[2], 0.0);
}

TEST(Calculo, LocaisSemBarrasDaoAMensagemUmaSoVez) {
  // No spacing fits 40 cm exactly, so every location that needs bars is empty.
  TRodada r = calcular({{"Armadura.espMin", "40"}, {"Armadura.espMax", "40"}});
  ASSERT_TRUE(r.parado());
  int vazios = 0;
  for (size_t k = 1; k <= nLocais; ++k) vazios += r.sessao.dimensionamento.alternativasBarras[k].empty();
  EXPECT_GE(vazios, 2);
  EXPECT_EQ(r.contar("Não Foram encontradas barras para satisfazer o problema"), 1);
  EXPECT_EQ(r.contar("Aumente a espessura e recalcule"), 1);
  EXPECT_EQ(r.contar("Verificando Fadiga (ELS)"), 0);
  EXPECT_GT(r.sessao.dimensionamento.comprimentoPeca[2], 0.0);
  EXPECT_EQ(r.sessao.banner, bannerInterrompido);
}

TEST(Calculo, TaxaDeArmaduraAcimaDoLimiteParaACadaPosicao) {
  TRodada r = calcular({{"Geometria.hc", "12"},
                        {"Sobrecarga.tipoSobrecarga", "2"},
                        {"Sobrecarga.q", "40"}});
  ASSERT_TRUE(r.parado());
  int acima = 0;
  for (size_t p = 1; p <= nPosicoes; ++p) acima += r.sessao.dimensionamento.taxaArmadura[p] > 0.025;
  ASSERT_GE(acima, 1);
  EXPECT_EQ(r.contar("Taxa de armadura maior que 2,5%"), acima);
  EXPECT_EQ(r.contar("Verificando Fadiga (ELS)"), 0);
}

double maiorAbertura(const TFissuracao& f) {
  double maior = 0.0;
  for (size_t c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c)
    for (size_t p = 1; p <= nPosicoes; ++p) maior = std::max(maior, f.aberturaFissura[c][p]);
  return maior;
}

TEST(Calculo, AberturaIgualAoLimitePassaEAcimaParaPorPosicao) {
  const double maior = maiorAbertura(calcular().sessao.fissuracao);
  ASSERT_GT(maior, 0.0);

  TRodada igual = calcular({{"Armadura.w", formatar4(maior)}});
  EXPECT_FALSE(igual.parado());
  EXPECT_EQ(igual.contar("Problemas de Fissuração (ELS)"), 0);

  // Just below the largest width: each position above the limit reports once.
  const double limite = maior - 0.0001;
  TRodada abaixo = calcular({{"Armadura.w", formatar4(limite)}});
  ASSERT_TRUE(abaixo.parado());
  int falhas = 0;
  for (int p = 1; p <= nPosicoes; ++p)
    falhas += fissuracaoExcedida(abaixo.sessao.fissuracao, p, abaixo.sessao.projeto.Armadura.w);
  EXPECT_GE(falhas, 1);
  EXPECT_EQ(abaixo.contar("Problemas de Fissuração (ELS)"), falhas);
}

TEST(Calculo, SistemaSingularTerminaVermelhoSemNumerosInvalidos) {
  TRodada r = calcular({{"Criterio.Ec", "0"}});
  ASSERT_TRUE(r.parado());
  EXPECT_EQ(r.sessao.banner, bannerInterrompido);
  EXPECT_TRUE(teste::sessaoFinita(r.sessao));
  EXPECT_GE(r.registro.linhas.size(), 20u);
}

TEST(Calculo, MalhaImpossivelEhRecusadaComMensagem) {
  TRodada r = calcular({{"Geometria.bl", "1000000"}, {"Criterio.compElemento", "1"}});
  ASSERT_TRUE(r.parado());
  EXPECT_EQ(r.contar("Malha de elementos finitos inválida para estas dimensões"), 1);
  EXPECT_EQ(r.sessao.banner, bannerInterrompido);
}

TEST(Calculo, FalhaDoArqueamentoAindaAnalisaMasNaoDimensiona) {
  // Positive projection with a huge settlement ratio: the bisection never converges.
  TRodada r = calcular({{"Instalacao.hs", "6"},
                        {"Tipo.arqueamento", "1"},
                        {"Tipo.tipoInstalacao", "2"},
                        {"Tipo.classeRecalque", "4"},
                        {"Tipo.rr", "1000000"}});
  ASSERT_TRUE(r.parado());
  EXPECT_EQ(r.contar("Solução nao encontrada"), 1);
  EXPECT_EQ(r.contar("Calculando Envoltória de Esforços"), 1);
  EXPECT_EQ(r.contar("Verificando Fadiga (ELS)"), 0);
  EXPECT_NE(r.sessao.analise.modelo.momentoIni[1][1], 0.0);
}

// The case in design belongs to the flexural design, which alone sets it: a
// new run does not clear it, so a run that stops before the design keeps the
// value the last design left (the lifting, after a complete one).
TEST(Calculo, CasoEmDimensionamentoPersisteEntreRodadas) {
  TRodada r = calcular();
  ASSERT_FALSE(r.parado());
  EXPECT_EQ(r.sessao.dimensionamento.casoEmDimensionamento, 4);
  r.sessao.projeto.Criterio.Ec = 0;  // no solution: the design never runs
  TRegistroMemoria registro;
  executarCalculo(r.sessao, registro);
  ASSERT_TRUE(r.sessao.projeto.estado.calculoInterrompido);
  EXPECT_EQ(r.sessao.dimensionamento.casoEmDimensionamento, 4);
}

TEST(Calculo, NovaRodadaLimpaOSinalDeParada) {
  TRodada r = calcular({{"Criterio.Ec", "0"}});
  ASSERT_TRUE(r.parado());
  r.sessao.projeto.Criterio.Ec = 26071.59;
  TRegistroMemoria registro;
  executarCalculo(r.sessao, registro);
  EXPECT_FALSE(r.sessao.projeto.estado.calculoInterrompido);
  EXPECT_EQ(r.sessao.banner, bannerSucesso);
}

}  // namespace
}  // namespace galeria
