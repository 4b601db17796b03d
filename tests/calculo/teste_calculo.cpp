// The calculation from end to end: the order of its log, its stop rules and
// its banner.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "comum/projetos_teste.h"
#include "comum/verificacao_finita.h"
#include "design/calculo.h"
#include "project/campos.h"
#include "project/numeros.h"

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
  TRodada r = calcular(
      {{"Geometria.hc", "12"}, {"Sobrecarga.tipoSobrecarga", "2"}, {"Sobrecarga.q", "200"}});
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
  for (size_t k = 1; k <= nLocais; ++k)
    vazios += r.sessao.dimensionamento.alternativasBarras[k].empty();
  EXPECT_GE(vazios, 2);
  EXPECT_EQ(r.contar("Não Foram encontradas barras para satisfazer o problema"), 1);
  EXPECT_EQ(r.contar("Aumente a espessura e recalcule"), 1);
  EXPECT_EQ(r.contar("Verificando Fadiga (ELS)"), 0);
  EXPECT_GT(r.sessao.dimensionamento.comprimentoPeca[2], 0.0);
  EXPECT_EQ(r.sessao.banner, bannerInterrompido);
}

TEST(Calculo, TaxaDeArmaduraAcimaDoLimiteParaACadaPosicao) {
  TRodada r = calcular(
      {{"Geometria.hc", "12"}, {"Sobrecarga.tipoSobrecarga", "2"}, {"Sobrecarga.q", "40"}});
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

// Deeper fill: the haunch section of the top slab needs stirrups. The checks
// read the forces of their own nodes and cases and the reinforcement chosen
// by the run (meshes, first bar entries, fatigue bars of the upper corner).
TEST(Calculo, CortanteEFissuracaoLeemOsNosEAArmaduraDaRodada) {
  TRodada r = calcular({{"Instalacao.hs", "3"}});
  ASSERT_FALSE(r.parado());
  const TSessao& s = r.sessao;
  const TModeloEF& m = s.analise.modelo;
  const TSecoesProjeto& secoes = s.analise.secoes;
  const TDimensionamento& d = s.dimensionamento;
  const TGeometria& g = s.projeto.Geometria;
  const TResultadoCortante& v = s.cortante;

  EXPECT_EQ(r.contar("Calculando Força Cortante"), 1);
  EXPECT_EQ(r.contar("Não é necessario calcular Força Cortante"), 0);
  EXPECT_EQ(v.cortanteMisula.no, secoes.noSecao[misulaLajeSuperior]);
  EXPECT_EQ(v.cortanteParede.no, secoes.noSecao[quinaSuperior]);
  EXPECT_DOUBLE_EQ(v.cortanteMisula.alturaSecao, g.hc);
  EXPECT_DOUBLE_EQ(v.cortanteParede.alturaSecao, g.hc + g.mvc);
  const double As1 = d.areaTela[5] + d.areaTela[9] + d.asBarrasEscolhida[7] +
                     d.asBarrasEscolhida[9] + d.asFadigaQuina;
  for (const TVerificacaoCortante* c : {&v.cortanteMisula, &v.cortanteParede}) {
    EXPECT_NEAR(c->As1, As1, 1e-12) << c->rotulo;
    double vsd = 0.0;
    for (int caso = casoEluVmaxHmin; caso <= casoEluVmaxHmax; ++caso)
      vsd = std::max(
          vsd, std::abs(m.cortanteIni[static_cast<size_t>(c->no)][static_cast<size_t>(caso)]));
    EXPECT_DOUBLE_EQ(c->Vsd, vsd) << c->rotulo;
  }
  EXPECT_GT(v.cortanteMisula.Asw, 0.0);
  EXPECT_DOUBLE_EQ(v.cortanteParede.Asw, 0.0);
  EXPECT_EQ(v.figura, "\\Figuras\\cortanteMis.bmp");
  EXPECT_GT(v.distanciaCortante, 0.0);
  EXPECT_EQ(v.textoArea,
            formatarDecimais(v.aswMaximo * v.distanciaCortante / 100.0, 2) + " cm²/m/m");

  // Crack widths: the tensioned face of each section in cases 5 to 7 gets
  // |M| and N of the section node; the other face keeps 0.
  const TFissuracao& f = s.fissuracao;
  for (size_t sec = 1; sec <= nSecoes; ++sec) {
    const size_t no = static_cast<size_t>(secoes.noSecao[sec]);
    for (size_t c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c) {
      const double M = m.momentoIni[no][c];
      const size_t p = M > 0.0 ? 2 * sec - 1 : 2 * sec;
      const size_t outra = M > 0.0 ? 2 * sec : 2 * sec - 1;
      EXPECT_DOUBLE_EQ(f.momentoFissura[c][p], arredondar4(std::abs(M))) << sec << " " << c;
      EXPECT_DOUBLE_EQ(f.normalFissura[c][p], arredondar4(m.normalIni[no][c])) << sec << " " << c;
      EXPECT_GT(f.diametroFissura[c][p], 0.0) << sec << " " << c;
      EXPECT_DOUBLE_EQ(f.momentoFissura[c][outra], 0.0) << sec << " " << c;
      EXPECT_DOUBLE_EQ(f.aberturaFissura[c][outra], 0.0) << sec << " " << c;
    }
  }
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

namespace galeria {
namespace {

TEST(Calculo, GeometriaImpossivelEhRecusadaComMensagem) {
  const std::pair<std::vector<std::pair<std::string, std::string>>, const char*> casos[] = {
      {{{"Geometria.bl", "-3,2"}}, "Largura ou altura livre da seção inválida para o cálculo"},
      {{{"Geometria.hl", "0"}}, "Largura ou altura livre da seção inválida para o cálculo"},
      {{{"Geometria.hc", "0"}}, "Espessura da seção inválida para o cálculo"},
      {{{"Geometria.mhc", "200"}},
       "Mísulas incompatíveis com a largura e a altura livres da seção"},
      {{{"Geometria.secaoConstante", "0"}, {"Geometria.mvb", "-5"}},
       "Mísulas incompatíveis com a largura e a altura livres da seção"},
  };
  for (const auto& [definicoes, mensagem] : casos) {
    TRodada r = calcular(definicoes);
    EXPECT_TRUE(r.parado()) << mensagem;
    EXPECT_EQ(r.contar(mensagem), 1) << mensagem;
    EXPECT_EQ(r.contar("Colhendo Caracteristica dos Materiais"), 0) << mensagem;
    EXPECT_EQ(r.sessao.banner, bannerInterrompido);
  }
}

}  // namespace
}  // namespace galeria
