// The results dialog's reruns on a calculated project.
#include <gtest/gtest.h>

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
  for (size_t k = 1; k <= nLocais; ++k) EXPECT_LE(d.asBarrasCalculada[k], antes.asBarrasCalculada[k] + 1e-9) << k;
  EXPECT_EQ(s.projeto.Resultados.telaEscolhida, (std::array<int, 6>{10, 10, 10, 10, 10, 10}));
  EXPECT_TRUE(registro.linhas.empty());
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
