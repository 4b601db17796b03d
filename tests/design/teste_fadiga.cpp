#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "design/armaduras.h"
#include "design/fadiga.h"
#include "quadro_teste.h"

namespace galeria {
namespace {

using teste::definirEsforco;
using teste::quadroRetangular;

TEST(Fadiga, ModuloEAlfa) {
  EXPECT_NEAR(moduloFadiga(30), 2607.16, 0.01);
  EXPECT_NEAR(21000 / moduloFadiga(30), 8.05, 0.005);
  EXPECT_EQ(moduloFadiga(0), 0.0);
  EXPECT_EQ(moduloFadiga(-5), 0.0);
}

TEST(Fadiga, ListasNuncaVazias) {
  const TArmadura arm = projetoInicial().Armadura;
  struct Caso {
    double area;
    const char* primeira;
  };
  const Caso casos[] = {
      {0.0, textoSemBarras},
      {0.001, textoSemBarras},
      {0.05, "3 d6,3 - (minima)"},  // one bar would be 100 cm apart
      {0.9351, "3 d6,3 -  (0% abaixo)"},
      // Every entry of a fatigue list has the two blanks, "% acima" too.
      {3.0, "10 d6,3 -  (3,9% acima)"},
  };
  for (const Caso& c : casos) {
    const TListaBarras lista = alternativasFadigaParaArea(c.area, arm);
    ASSERT_FALSE(lista.empty()) << c.area;
    EXPECT_EQ(lista[0].texto, c.primeira) << c.area;
    for (const auto& a : lista)
      if (a.quantidade > 0 && a.texto.find("minima") == std::string::npos) {
        EXPECT_NE(a.texto.find(" -  ("), std::string::npos) << a.texto;
      }
  }
  // Too much for the spacing limits: the fewest 6,3 mm bars that cover it.
  TArmadura apertada = arm;
  apertada.espMax = 4.0;
  EXPECT_EQ(alternativasFadigaParaArea(4.0, apertada)[0].texto, "13 d6,3 - (minima)");
  EXPECT_EQ(alternativasFadigaParaArea(0.9351, apertada)[0].texto, "3 d6,3 - (minima)");
  EXPECT_EQ(alternativasFadigaParaArea(1.0, apertada)[0].texto, "4 d6,3 - (minima)");
  EXPECT_EQ(areaDaAlternativa("3 d6,3 - (minima)"), 3 * 0.3117);
  const auto absurda = alternativasFadigaParaArea(std::numeric_limits<double>::quiet_NaN(), arm);
  ASSERT_EQ(absurda.size(), 1u);
  EXPECT_EQ(absurda[0].texto, "3 d6,3 - (minima)");
}

// Top slab and walls of 15 cm, d' = 3,5 cm; the steel of every examined
// section set to 5,66 cm²/m through the mesh areas.
struct FadigaNoQuadro : ::testing::Test {
  TProjeto p = projetoInicial();
  teste::TQuadro q = quadroRetangular(p, 8, 6, 1);
  TDimensionamento d;
  void SetUp() override {
    d.areaTela[5] = 1.13;
    d.areaTela[6] = 1.70;
    d.areaTela[9] = 2.83;
    d.areaTela[10] = 2.83;
    d.areaTela[7] = 5.66;
    d.asBarrasCalculada[7] = 0.0;
  }
  void momentos(int secao, double a, double b, double c) {
    const int no = q.s.noSecao[static_cast<size_t>(secao)];
    definirEsforco(q.m, no, 8, a);
    definirEsforco(q.m, no, 9, b);
    definirEsforco(q.m, no, 10, c);
  }
};

TEST_F(FadigaNoQuadro, CasoResolvidoNoCoroamentoPassa) {
  momentos(meioSuperior, 800, -300, 100);
  verificarFadiga(p, q.m, q.s, d);
  // σmax = 800/(0,9·11,5·5,66) ≈ 13,656; σmin = 8,05·(−300)/(100·15²/6) ≈ −0,6444.
  EXPECT_NEAR(d.tensaoFadigaCoroamento, 13.656 + 0.6444, 2e-3);
  EXPECT_NEAR(d.tensaoFadigaCoroamento, 14.30, 5e-3);
  EXPECT_DOUBLE_EQ(d.asFadigaCoroamento, 0.0);  // limit 18
  EXPECT_EQ(d.alternativasFadiga[1][0].texto, textoSemBarras);
  EXPECT_DOUBLE_EQ(d.tensaoFadigaQuina, 0.0);
  EXPECT_EQ(d.alternativasFadiga[2][0].texto, textoSemBarras);
  EXPECT_EQ(d.fadigaEscolhida[1], 0);
  EXPECT_EQ(d.fadigaEscolhida[2], 0);
}

TEST_F(FadigaNoQuadro, CasoResolvidoNaQuinaFalha) {
  // misulaParedeSuperior: As = 1,13 + 1,70 + 2,83 = 5,66, limit 11.
  momentos(misulaParedeSuperior, 800, -300, 100);
  momentos(quinaSuperior, 50, 50, 50);  // equal moments: no range
  verificarFadiga(p, q.m, q.s, d);
  EXPECT_NEAR(d.tensaoFadigaQuina, 14.30, 5e-3);
  const double areq = 1100 / (11 * 0.9 * 11.5);
  EXPECT_NEAR(areq, 9.662, 1e-3);
  EXPECT_NEAR(d.asFadigaQuina, areq - 5.66, 1e-9);
  EXPECT_NEAR(d.asFadigaQuina, 4.002, 1e-3);
  const TListaBarras& lista = d.alternativasFadiga[2];
  ASSERT_FALSE(lista.empty());
  EXPECT_EQ(lista[0].texto, "13 d6,3 -  (1,26% acima)");
  for (const auto& a : lista) EXPECT_GE(a.areaPorMetro, d.asFadigaQuina * 0.95);
}

TEST_F(FadigaNoQuadro, MesmosSinaisUsamSecaoFissurada) {
  momentos(meioSuperior, 600, 200, 400);
  verificarFadiga(p, q.m, q.s, d);
  EXPECT_NEAR(d.tensaoFadigaCoroamento, 400 / (0.9 * 11.5 * 5.66), 1e-9);
  // Moment range zero at the lower bound: Mmin = 0 counts as the same sign.
  momentos(meioSuperior, 600, 0, 400);
  verificarFadiga(p, q.m, q.s, d);
  EXPECT_NEAR(d.tensaoFadigaCoroamento, 600 / (0.9 * 11.5 * 5.66), 1e-9);
}

TEST_F(FadigaNoQuadro, MaiorVariacaoGovernaAQuina) {
  // Above the limit at two sections; the larger extra wins, and a range
  // above the limit whose total area is below As gives nothing.
  momentos(misulaParedeSuperior, 900, 0, 0);  // Δσ ≈ 15,4 > 11
  momentos(misulaLajeSuperior, 1300, 0, 0);   // As 5,66+1,13 = 6,79: Δσ ≈ 18,5
  d.areaTela[7] = 20.0;
  momentos(quinaSuperior, 3000, 0, 0);  // d = 31,82 − 7, As 20: Δσ ≈ 6,7
  verificarFadiga(p, q.m, q.s, d);
  const double s1 = 900 / (0.9 * 11.5 * 5.66), s3 = 1300 / (0.9 * 11.5 * 6.79);
  EXPECT_NEAR(d.tensaoFadigaQuina, std::max(s1, s3), 1e-9);
  const double extra1 = 900 / (11 * 0.9 * 11.5) - 5.66;
  const double extra3 = 1300 / (11 * 0.9 * 11.5) - 6.79;
  EXPECT_NEAR(d.asFadigaQuina, std::max(extra1, extra3), 1e-9);

  // Crown: a range above the limit (uncracked σmin) whose required total area
  // stays below a very large As.
  d.areaTela[9] = d.areaTela[10] = 50.0;
  momentos(meioSuperior, 100, -9000, 0);  // Δσ ≈ 0,097 + 19,32 > 18
  verificarFadiga(p, q.m, q.s, d);
  ASSERT_LT(9100 / (18 * 0.9 * 11.5), 100.0);
  EXPECT_GT(d.tensaoFadigaCoroamento, 18.0);
  EXPECT_DOUBLE_EQ(d.asFadigaCoroamento, 0.0);
}

// The steel, thickness and d' of each examined section, with a different
// area at every location (hp 15, hc 18 cm): moments 600, 200, 400 give a
// range of 400/(0,9·d·As).
TEST(FadigaPorSecao, AcoEAlturaDeCadaSecao) {
  TProjeto p = projetoInicial();
  p.Geometria.secaoConstante = false;
  p.Geometria.hc = 18.0;
  TDimensionamento d;
  const double tela[11] = {0, 9, 9, 9, 9, 1.1, 1.2, 2.9, 0.05, 1.3, 1.4};
  const double barras[11] = {0, 5, 5, 5, 5, 0.11, 0.13, 0.17, 0.19, 0.23, 0.29};
  for (size_t k = 1; k <= 10; ++k) {
    d.areaTela[k] = tela[k];
    d.asBarrasCalculada[k] = barras[k];
  }
  struct Caso {
    int secao;
    double variacao;  // As: 4,01, 3,31, 4,49, 3,22; d: 11,5, 33,94 − 7, 14,5, 14,5
  };
  const Caso casos[] = {
      {misulaParedeSuperior, 9.637741},
      {quinaSuperior, 4.983951},
      {misulaLajeSuperior, 6.826579},
      {meioSuperior, 9.519050},
  };
  for (const Caso& c : casos) {
    auto q = quadroRetangular(p, 8, 6, 1);
    const int no = q.s.noSecao[static_cast<size_t>(c.secao)];
    definirEsforco(q.m, no, 8, 600);
    definirEsforco(q.m, no, 9, 200);
    definirEsforco(q.m, no, 10, 400);
    verificarFadiga(p, q.m, q.s, d);
    const bool coroamento = c.secao == meioSuperior;
    EXPECT_NEAR(coroamento ? d.tensaoFadigaCoroamento : d.tensaoFadigaQuina, c.variacao, 1e-6)
        << c.secao;
    EXPECT_DOUBLE_EQ(coroamento ? d.tensaoFadigaQuina : d.tensaoFadigaCoroamento, 0.0) << c.secao;
  }
  // Opposite signs: the lesser moment on the uncracked top slab of 18 cm,
  // also at the wall section (15 cm would give 19,92).
  auto q = quadroRetangular(p, 8, 6, 1);
  const int no = q.s.noSecao[misulaParedeSuperior];
  definirEsforco(q.m, no, 8, 800);
  definirEsforco(q.m, no, 9, -300);
  verificarFadiga(p, q.m, q.s, d);
  EXPECT_NEAR(d.tensaoFadigaQuina, 19.722969, 1e-6);
}

TEST_F(FadigaNoQuadro, SemAcoNemConcretoNaoGeraNaN) {
  d.areaTela.fill(0.0);
  p.Geometria.hc = 0.0;
  p.Criterio.fck = 0.0;
  momentos(misulaParedeSuperior, 800, -300, 100);
  momentos(meioSuperior, 800, -300, 100);
  verificarFadiga(p, q.m, q.s, d);
  for (double v :
       {d.tensaoFadigaQuina, d.tensaoFadigaCoroamento, d.asFadigaQuina, d.asFadigaCoroamento})
    EXPECT_TRUE(std::isfinite(v));
  EXPECT_FALSE(d.alternativasFadiga[1].empty());
  EXPECT_FALSE(d.alternativasFadiga[2].empty());
}

}  // namespace
}  // namespace galeria
