#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "analysis/malha.h"
#include "comum/modelo_teste.h"
#include "comum/projetos_teste.h"

namespace galeria {
namespace {

TModeloEF malhaCompleta(const TProjeto& p) { return teste::modeloCalculado(p); }

TEST(Malha, ArredondaAContagemDeElementosDoTrecho) {
  struct Caso {
    double ls, c;
    int n;
  } casos[] = {{40.0, 20, 2}, {40.0001, 20, 2}, {40.01, 20, 3}, {335, 20, 17},
               {235, 20, 12}, {5, 20, 1},        {0, 20, 0},     {22.5, 20, 2}};
  for (const auto& c : casos) EXPECT_EQ(elementosDoTrecho(c.ls, c.c), c.n) << c.ls;
}

TEST(Malha, SecaoSemMisulaDoExemplo) {
  TProjeto p = teste::projetoTipico();
  p.Geometria.mhc = 0.0;
  igualarSecaoConstante(p.Geometria);
  TModeloEF m = malhaCompleta(p);
  EXPECT_EQ(m.tipoMisula, 1);
  EXPECT_EQ(m.nNos, 58);
  EXPECT_EQ(m.noInfDir, 18);
  EXPECT_EQ(m.noSupDir, 30);
  EXPECT_EQ(m.noSupEsq, 47);
  EXPECT_EQ(m.noFecho, 59);
  EXPECT_EQ(m.primeiroNoDesenho, 17);
  EXPECT_DOUBLE_EQ(m.xNo[1], 7.5);
  EXPECT_DOUBLE_EQ(m.yNo[1], 7.5);
  EXPECT_DOUBLE_EQ(m.xNo[m.noInfDir], 15 + 320 + 7.5);
  EXPECT_DOUBLE_EQ(m.yNo[m.noSupDir], 15 + 220 + 7.5);
  EXPECT_DOUBLE_EQ(m.xNo[m.noSupEsq], 7.5);
  for (int e = 1; e <= m.nNos; ++e) EXPECT_DOUBLE_EQ(m.espessura[e], 15.0);
}

TEST(Malha, ZonaDeMisulaTemEspessuraMedia) {
  const TProjeto p = teste::projetoTipico();  // haunches 15 × 15, hp 15
  TModeloEF m = malhaCompleta(p);
  EXPECT_EQ(m.tipoMisula, 4);
  EXPECT_EQ(m.primeiroNoDesenho, 25);
  EXPECT_EQ(m.elementosPorTrecho[1], 2);  // 22,5 cm zone
  EXPECT_NEAR(m.compElem[1], 11.25, 1e-12);
  EXPECT_NEAR(m.espessura[1], 15 + 11.25, 1e-12);
  EXPECT_NEAR(m.espessura[2], 15 + 3.75, 1e-12);
  // The same zone mirrored at the right end of the bottom slab.
  EXPECT_NEAR(m.espessura[m.noInfDir - 1], 15 + 11.25, 1e-12);
  EXPECT_NEAR(m.espessura[m.noInfDir - 2], 15 + 3.75, 1e-12);
  // The haunch on the wall adds the horizontal leg, thick end at the corner.
  EXPECT_NEAR(m.espessura[m.noInfDir], 15 + 11.25, 1e-12);
  EXPECT_NEAR(m.espessura[m.nNos], 15 + 11.25, 1e-12);
}

TEST(Malha, LayoutDasMisulasNaSecaoVariavel) {
  struct Caso {
    double mhc, mvc, mhb, mvb;
    int tipo, primeiro;
  } casos[] = {{0, 0, 0, 0, 1, 17},   {20, 10, 0, 0, 2, 21}, {20, 10, 15, 0, 2, 21},
               {0, 10, 15, 5, 3, 21}, {20, 10, 15, 5, 4, 25}};
  for (const auto& c : casos) {
    TProjeto p = teste::projetoTipico();
    p.Geometria.secaoConstante = false;
    p.Geometria.mhc = c.mhc;
    p.Geometria.mvc = c.mvc;
    p.Geometria.mhb = c.mhb;
    p.Geometria.mvb = c.mvb;
    TModeloEF m = malhaCompleta(p);
    EXPECT_EQ(m.tipoMisula, c.tipo);
    EXPECT_EQ(m.primeiroNoDesenho, c.primeiro);
    EXPECT_EQ(static_cast<int>(m.pontosDesenho.size()) - 1, c.primeiro - 1 + m.nNos);
  }
}

// The influence lengths of each side add up to the outer length of that side,
// for constant and variable sections and every element length.
TEST(Malha, InfluenciasSomamOComprimentoExternoDoLado) {
  for (int c : {5, 13, 20, 30}) {
    for (TProjeto p : {teste::projetoTipico(), teste::projetoMaior()}) {
      p.Criterio.compElemento = c;
      p.Geometria.hb = 20.0;
      p.Geometria.hc = 25.0;
      igualarSecaoConstante(p.Geometria);
      TModeloEF m = malhaCompleta(p);
      const TValoresGeometricos v = valoresGeometricos(p.Geometria);
      auto soma = [](const Vreal& x) { return std::accumulate(x.begin(), x.end(), 0.0); };
      EXPECT_NEAR(soma(m.inflInferior), v.larguraExterna, 1e-9);
      EXPECT_NEAR(soma(m.inflSuperior), v.larguraExterna, 1e-9);
      EXPECT_NEAR(soma(m.inflDireita), v.alturaExterna, 1e-9);
      EXPECT_NEAR(soma(m.inflEsquerda), v.alturaExterna, 1e-9);
      for (int e = 1; e <= m.nNos; ++e) {
        EXPECT_LE(m.compElem[e], c + 1e-9);
        EXPECT_GT(m.compElem[e], 0.0);
      }
    }
  }
}

TEST(Malha, PropriedadesDosElementos) {
  const TProjeto p = teste::projetoTipico();
  TModeloEF m = malhaCompleta(p);
  // Bottom slab runs to the right, right wall up, top slab to the left.
  EXPECT_DOUBLE_EQ(m.cosElem[5], 1.0);
  EXPECT_DOUBLE_EQ(m.senElem[m.noInfDir + 2], 1.0);
  EXPECT_DOUBLE_EQ(m.cosElem[m.noSupDir + 2], -1.0);
  EXPECT_DOUBLE_EQ(m.senElem[m.nNos], -1.0);
  EXPECT_DOUBLE_EQ(m.moduloE[1], 2607.159);
  EXPECT_DOUBLE_EQ(m.area[5], 1500.0);
  EXPECT_DOUBLE_EQ(m.inercia[5], 15.0 * 15 * 15 * 100 / 12);
}

TEST(Malha, MaiorSecaoTemAlgumasCentenasDeNos) {
  TModeloEF m = malhaCompleta(teste::projetoMaior());
  EXPECT_GT(m.nNos, 300);
  EXPECT_LT(m.nNos, 500);
}

}  // namespace
}  // namespace galeria
