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
               {235, 20, 12}, {5, 20, 1},       {0, 20, 0},     {22.5, 20, 2}};
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
  } casos[] = {{0, 0, 0, 0, 1, 17},
               {20, 10, 0, 0, 2, 21},
               {20, 10, 15, 0, 2, 21},
               {0, 10, 15, 5, 3, 21},
               {20, 10, 15, 5, 4, 25}};
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

// Variable section 3,00 × 2,00 m with every leg and thickness distinct: hc 16,
// hp 18, hb 20, top haunch 24 × 12, bottom haunch 30 × 10 (horizontal ×
// vertical), elements of at most 20 cm. A slab haunch thickens the slab by its
// vertical leg over the length of its horizontal leg; a wall haunch the
// other way round.
TProjeto projetoVariavel(double mvc, double mvb) {
  TProjeto p = teste::projetoTipico();
  TGeometria& g = p.Geometria;
  g.secaoConstante = false;
  g.bl = 3.00;
  g.hl = 2.00;
  g.hc = 16.0;
  g.hp = 18.0;
  g.hb = 20.0;
  g.mhc = 24.0;
  g.mvc = mvc;
  g.mhb = 30.0;
  g.mvb = mvb;
  return p;
}

TEST(Malha, SecaoVariavelComPernasEEspessurasDistintas) {
  const TModeloEF m = malhaCompleta(projetoVariavel(12.0, 10.0));
  ASSERT_EQ(m.tipoMisula, 4);
  // Bottom slab 9 → 48 → 288 → 327 (39, 240, 39 cm); right wall 10 → 30 →
  // 208 → 228 (20, 178, 20); top slab 327 → 294 → 42 → 9 (33, 252, 33); left
  // wall 228 → 208 → 30 → 10.
  const std::vector<int> porTrecho{0, 2, 12, 2, 1, 9, 1, 2, 13, 2, 1, 9, 1};
  EXPECT_EQ(m.elementosPorTrecho, porTrecho);
  ASSERT_EQ(m.nNos, 55);
  EXPECT_EQ(m.noInfDir, 17);
  EXPECT_EQ(m.noSupDir, 28);
  EXPECT_EQ(m.noSupEsq, 45);
  // Nodes at the ends of the haunch zones.
  const struct {
    int no;
    double x, y;
  } nos[] = {{1, 9, 10},    {3, 48, 10},    {15, 288, 10},  {17, 327, 10},
             {18, 327, 30}, {27, 327, 208}, {28, 327, 228}, {30, 294, 228},
             {43, 42, 228}, {45, 9, 228},   {46, 9, 208},   {55, 9, 30}};
  for (const auto& n : nos) {
    EXPECT_NEAR(m.xNo[n.no], n.x, 1e-12) << n.no;
    EXPECT_NEAR(m.yNo[n.no], n.y, 1e-12) << n.no;
  }
  // Element thicknesses: mean of the linear thickness at the element's ends.
  const struct {
    int elemento;
    double t;
  } espessuras[] = {{1, 27.5},  {2, 22.5},  {3, 20.0},  {15, 22.5}, {16, 27.5}, {17, 33.0},
                    {18, 18.0}, {26, 18.0}, {27, 30.0}, {28, 25.0}, {29, 19.0}, {30, 16.0},
                    {42, 16.0}, {43, 19.0}, {44, 25.0}, {45, 30.0}, {46, 18.0}, {55, 33.0}};
  for (const auto& e : espessuras) EXPECT_NEAR(m.espessura[e.elemento], e.t, 1e-12) << e.elemento;
  // Inner outline points 5 to 12.
  const TPonto contorno[] = {{18, 30},   {48, 20},   {288, 20}, {318, 30},
                             {318, 208}, {294, 220}, {42, 220}, {18, 208}};
  for (int i = 0; i < 8; ++i) {
    EXPECT_DOUBLE_EQ(m.pontosDesenho[5 + i].x, contorno[i].x) << 5 + i;
    EXPECT_DOUBLE_EQ(m.pontosDesenho[5 + i].y, contorno[i].y) << 5 + i;
  }
  EXPECT_DOUBLE_EQ(m.pontosDesenho[3].x, 336.0);
  EXPECT_DOUBLE_EQ(m.pontosDesenho[3].y, 236.0);
}

TEST(Malha, SoAsMisulasDeDuasPernasFormamZonas) {
  // Without mvb only the top haunches exist, without mvc only the bottom ones.
  const TModeloEF topo = malhaCompleta(projetoVariavel(12.0, 0.0));
  EXPECT_EQ(topo.tipoMisula, 2);
  EXPECT_EQ(topo.elementosPorTrecho, (std::vector<int>{0, 16, 10, 1, 2, 13, 2, 1, 10}));
  for (int e = 1; e <= 16; ++e) EXPECT_EQ(topo.espessura[e], 20.0) << e;
  EXPECT_NEAR(topo.espessura[27], 30.0, 1e-12);
  EXPECT_NEAR(topo.espessura[28], 25.0, 1e-12);
  EXPECT_NEAR(topo.espessura[45], 30.0, 1e-12);
  EXPECT_EQ(topo.espessura[55], 18.0);

  const TModeloEF fundo = malhaCompleta(projetoVariavel(0.0, 10.0));
  EXPECT_EQ(fundo.tipoMisula, 3);
  EXPECT_EQ(fundo.elementosPorTrecho, (std::vector<int>{0, 2, 12, 2, 1, 10, 16, 10, 1}));
  ASSERT_EQ(fundo.nNos, 54);
  EXPECT_NEAR(fundo.espessura[1], 27.5, 1e-12);
  EXPECT_NEAR(fundo.espessura[17], 33.0, 1e-12);
  for (int e = fundo.noSupDir; e < fundo.noSupEsq; ++e) EXPECT_EQ(fundo.espessura[e], 16.0) << e;
  EXPECT_NEAR(fundo.espessura[54], 33.0, 1e-12);
}

// The corner node of a side stands for half the thickness of the member met
// there: the walls start at half the bottom slab and end at half the top slab.
TEST(Malha, InfluenciaDosCantosComEspessurasDistintas) {
  const TModeloEF m = malhaCompleta(projetoVariavel(12.0, 10.0));
  const int fecho = m.noFecho;
  const struct {
    const char* nome;
    const Vreal& infl;
    int no;
    double valor;
  } casos[] = {
      {"inferior 1", m.inflInferior, 1, 9.0 + 19.5 / 2},
      {"inferior 2", m.inflInferior, 2, (19.5 + 19.5) / 2},
      {"inferior 3", m.inflInferior, 3, (19.5 + 20.0) / 2},
      {"inferior canto", m.inflInferior, 17, 19.5 / 2 + 9.0},
      {"direita base", m.inflDireita, 17, 10.0 + 20.0 / 2},
      {"direita 18", m.inflDireita, 18, (20.0 + 178.0 / 9) / 2},
      {"direita topo", m.inflDireita, 28, 20.0 / 2 + 8.0},
      {"superior canto", m.inflSuperior, 28, 9.0 + 16.5 / 2},
      {"superior canto esquerdo", m.inflSuperior, 45, 16.5 / 2 + 9.0},
      {"esquerda topo", m.inflEsquerda, 45, 8.0 + 20.0 / 2},
      {"esquerda base", m.inflEsquerda, fecho, 20.0 / 2 + 10.0},
  };
  for (const auto& c : casos) EXPECT_NEAR(c.infl[c.no], c.valor, 1e-12) << c.nome;
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
