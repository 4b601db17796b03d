// The results dialog's reruns on a calculated project.
#include <gtest/gtest.h>

#include <algorithm>

#include "comum/projetos_teste.h"
#include "design/revisao.h"

namespace galeria {
namespace {

TSessao sessaoCalculada() {
  TSessao s;
  s.projeto = teste::projetoTipico();
  confirmarGeometria(s.projeto, s.analise.modelo);
  TRegistroMemoria registro;
  executarCalculo(s, registro);
  EXPECT_FALSE(s.projeto.estado.calculoInterrompido);
  return s;
}

TEST(Revisao, TelasMaisPesadasReduzemAsBarrasSemRefazerAAnalise) {
  TSessao s = sessaoCalculada();
  const double momento = s.analise.modelo.momentoIni[5][1];
  const TDimensionamento antes = s.dimensionamento;
  TRegistroMemoria registro;
  redimensionarComTelas(s, {10, 10, 10, 10, 10, 10}, registro);  // L785 everywhere
  const TDimensionamento& d = s.dimensionamento;
  EXPECT_EQ(s.analise.modelo.momentoIni[5][1], momento);
  EXPECT_EQ(d.telaEscolhida[9], 10);
  EXPECT_DOUBLE_EQ(d.areaTela[3], 2 * 7.85);
  for (size_t k = 1; k <= nLocais; ++k)
    EXPECT_LE(d.asBarrasCalculada[k], antes.asBarrasCalculada[k] + 1e-9) << k;
  EXPECT_EQ(s.projeto.Resultados.telaEscolhida, (std::array<int, 6>{10, 10, 10, 10, 10, 10}));
  EXPECT_TRUE(registro.linhas.empty());
}

// The pass flags of the screening stay with the session for the results
// dialog, which greys the failing alternatives; each location holds the first
// passing alternative, or the first one when none passes.
TEST(Revisao, TrocaDeTelaGuardaATriagemDasAlternativas) {
  struct Caso {
    double limite;
    bool todasAtendem;
  };
  const Caso casos[] = {{1000.0, true}, {0.0001, false}};
  for (const Caso& c : casos) {
    TSessao s = sessaoCalculada();
    EXPECT_TRUE(s.triagem.alternativaAtende[10].empty());  // nothing screened yet
    s.projeto.Armadura.w = c.limite;
    TRegistroMemoria registro;
    redimensionarComTelas(s, s.projeto.Resultados.telaEscolhida, registro);
    const TDimensionamento& d = s.dimensionamento;
    int falhas = 0;
    for (size_t k = 1; k <= nLocais; ++k) {
      const std::vector<bool>& atende = s.triagem.alternativaAtende[k];
      ASSERT_EQ(atende.size(), d.alternativasBarras[k].size()) << k;
      const auto primeira = std::find(atende.begin(), atende.end(), true);
      const int esperada =
          primeira == atende.end() ? 0 : static_cast<int>(primeira - atende.begin());
      EXPECT_EQ(d.barraEscolhida[k], esperada) << k;
      falhas += static_cast<int>(std::count(atende.begin(), atende.end(), false));
    }
    if (c.todasAtendem) {
      EXPECT_EQ(falhas, 0);
    } else {
      EXPECT_GT(falhas, 0);
    }
    // A new calculation builds new lists: the old flags go.
    executarCalculo(s, registro);
    for (size_t k = 1; k <= nLocais; ++k) EXPECT_TRUE(s.triagem.alternativaAtende[k].empty()) << k;
  }
}

TEST(Revisao, EscolhaDeBarrasRefazAreasEComprimentos) {
  TSessao s = sessaoCalculada();
  const TDimensionamento& d = s.dimensionamento;
  // Location 10 (crown, internal) needs bars in the typical run.
  ASSERT_GE(d.alternativasBarras[10].size(), 2u);
  std::array<int, 10> barras{};
  barras[9] = 1;
  definirEscolhaBarras(s, barras, {0, 0});
  EXPECT_EQ(d.barraEscolhida[10], 1);
  EXPECT_DOUBLE_EQ(d.asBarrasEscolhida[10], d.alternativasBarras[10][1].areaPorMetro);
  EXPECT_EQ(s.projeto.Resultados.barraEscolhida[9], 1);

  // An index outside the list leaves the location without bars.
  barras[9] = 99;
  definirEscolhaBarras(s, barras, {0, 0});
  EXPECT_DOUBLE_EQ(d.asBarrasEscolhida[10], 0.0);
  const auto tamanhos = tamanhosDasListas(d);
  EXPECT_EQ(tamanhos[9], static_cast<int>(d.alternativasBarras[10].size()));
}

}  // namespace
}  // namespace galeria
