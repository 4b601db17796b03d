#include <gtest/gtest.h>

#include <cmath>

#include "analysis/envoltoria.h"
#include "analysis/malha.h"
#include "comum/projetos_teste.h"

namespace galeria {
namespace {

// A ring of 8 nodes: 2 elements per side, corners 1, 3, 5, 7.
TModeloEF anelPequeno() {
  TModeloEF m;
  m.nNos = 8;
  m.noInfDir = 3;
  m.noSupDir = 5;
  m.noSupEsq = 7;
  m.noFecho = 9;
  alocarModelo(m);
  return m;
}

TEST(Envoltoria, MomentoPorNoComZeroComoPontoDePartida) {
  TModeloEF m = anelPequeno();
  for (int no = 1; no <= 8; ++no)
    for (int c = 1; c <= 3; ++c) m.momentoIni[no][c] = 10.0 * no + c;  // all positive
  m.momentoIni[2][2] = -5.123456;
  m.momentoIni[6][4] = 1e6;   // lifting: not enveloped
  m.momentoIni[6][5] = -1e6;  // serviceability: not enveloped
  TEnvoltoria env;
  calcularEnvoltoria(m, env);
  EXPECT_DOUBLE_EQ(env.momentoEnvMax[1], 13.0);
  EXPECT_DOUBLE_EQ(env.momentoEnvMin[1], 0.0);      // never the smallest positive
  EXPECT_DOUBLE_EQ(env.momentoEnvMin[2], -5.1235);  // four decimals
  EXPECT_DOUBLE_EQ(env.momentoEnvMax[6], 63.0);
  EXPECT_DOUBLE_EQ(env.momentoEnvMin[6], 0.0);
  EXPECT_DOUBLE_EQ(env.momentoEnvMax[9], env.momentoEnvMax[1]);
  // Sides include both corner nodes: the left wall ends on node 1 again.
  EXPECT_DOUBLE_EQ(env.momentoEnvMaxLado[1], 33.0);
  EXPECT_DOUBLE_EQ(env.momentoEnvMinLado[1], -5.1235);
  EXPECT_DOUBLE_EQ(env.momentoEnvMaxLado[2], 53.0);
  EXPECT_DOUBLE_EQ(env.momentoEnvMaxLado[4], 83.0);
  EXPECT_DOUBLE_EQ(env.momentoEnvMinLado[4], 0.0);
}

TEST(Envoltoria, NormalECortantePorElementoDosTresPrimeirosLados) {
  TModeloEF m = anelPequeno();
  m.normalIni[1][1] = -10;
  m.normalFim[1][3] = -12;
  m.normalIni[4][2] = 7;
  m.normalFim[6][1] = 99;   // top slab element 6 (sides 1..3 are elements 1..6)
  m.normalFim[7][1] = 500;  // left wall: not part of the axial envelope
  m.cortanteIni[3][1] = 4;
  m.cortanteFim[3][2] = -4;
  TEnvoltoria env;
  calcularEnvoltoria(m, env);
  EXPECT_DOUBLE_EQ(env.normalEnvMin[1], -12);
  EXPECT_DOUBLE_EQ(env.normalEnvMax[1], 0);
  EXPECT_DOUBLE_EQ(env.normalEnvMinLado[1], -12);
  EXPECT_DOUBLE_EQ(env.normalEnvMaxLado[2], 7);
  EXPECT_DOUBLE_EQ(env.normalEnvMaxLado[3], 99);
  EXPECT_DOUBLE_EQ(env.cortanteEnvMaxLado[2], 4);
  EXPECT_DOUBLE_EQ(env.cortanteEnvMinLado[2], -4);
}

TEST(Envoltoria, EspessuraDeQuina) {
  EXPECT_NEAR(espessuraQuina(15, 0, 15, 15), 15 * std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(espessuraQuina(15, 15, 15, 0), 21.2132, 1e-4);
  EXPECT_NEAR(espessuraQuina(15, 15, 15, 15), 31.8198, 1e-4);
}

TModeloEF malha(const TProjeto& p) {
  TModeloEF m;
  gerarMalha(p, m);
  return m;
}

TEST(SecoesProjeto, SemMisulaAsQuinasColapsamNoNoDeCanto) {
  TProjeto p = teste::projetoTipico();
  p.Geometria.mhc = 0.0;
  igualarSecaoConstante(p.Geometria);
  const TModeloEF m = malha(p);
  const TSecoesProjeto s = calcularSecoesProjeto(p, m);
  EXPECT_EQ(s.noSecao[meioInferior], 1 + 17 / 2);
  for (int sec : {2, 3, 4}) EXPECT_EQ(s.noSecao[sec], m.noInfDir);
  EXPECT_EQ(s.noSecao[meioParede], m.noInfDir + 6);
  for (int sec : {6, 7, 8}) EXPECT_EQ(s.noSecao[sec], m.noSupDir);
  EXPECT_EQ(s.noSecao[meioSuperior], m.noSupDir + 8);
  // The corners keep the corner thickness and the deeper cover.
  EXPECT_NEAR(s.espessura[quinaInferior], 15 * std::sqrt(2.0), 1e-12);
  EXPECT_DOUBLE_EQ(s.dLinha[quinaInferior], 7.0);
  EXPECT_DOUBLE_EQ(s.espessura[misulaLajeInferior], 15.0);
  EXPECT_DOUBLE_EQ(s.dLinha[misulaLajeInferior], 3.5);
}

TEST(SecoesProjeto, ComMisulasNasExtremidadesDasZonas) {
  const TProjeto p = teste::projetoTipico();  // 15 × 15 haunches, 2 elements per zone
  const TModeloEF m = malha(p);
  const TSecoesProjeto s = calcularSecoesProjeto(p, m);
  EXPECT_EQ(s.noSecao[misulaLajeInferior], m.noInfDir - 2);
  EXPECT_EQ(s.noSecao[misulaParedeInferior], m.noInfDir + 2);
  EXPECT_EQ(s.noSecao[misulaParedeSuperior], m.noSupDir - 2);
  EXPECT_EQ(s.noSecao[misulaLajeSuperior], m.noSupDir + 2);
  EXPECT_NEAR(s.espessura[quinaSuperior], 31.8198, 1e-4);
  // The haunch ends lie where the haunch legs end.
  EXPECT_NEAR(m.xNo[s.noSecao[misulaLajeInferior]], 15 + 320 - 15, 1e-9);
  EXPECT_NEAR(m.yNo[s.noSecao[misulaParedeSuperior]], 15 + 220 - 15, 1e-9);
}

TEST(SecoesProjeto, MeioDeLadoComNumeroImparDeElementos) {
  TProjeto p = teste::projetoTipico();
  p.Geometria.mhc = 0.0;
  p.Geometria.bl = 1.20;  // centre span 135 cm → 7 elements of at most 20 cm
  igualarSecaoConstante(p.Geometria);
  const TModeloEF m = malha(p);
  ASSERT_EQ(m.noInfDir, 8);
  EXPECT_EQ(calcularSecoesProjeto(p, m).noSecao[meioInferior], 4);
}

TEST(SecoesProjeto, SoMisulasSuperioresNaSecaoVariavel) {
  TProjeto p = teste::projetoTipico();
  p.Geometria.secaoConstante = false;
  p.Geometria.mhb = 0.0;
  const TModeloEF m = malha(p);
  ASSERT_EQ(m.tipoMisula, 2);
  const TSecoesProjeto s = calcularSecoesProjeto(p, m);
  EXPECT_EQ(s.noSecao[misulaLajeInferior], m.noInfDir);
  EXPECT_EQ(s.noSecao[misulaParedeInferior], m.noInfDir);
  EXPECT_EQ(s.noSecao[misulaParedeSuperior], m.noSupDir - 2);
  EXPECT_EQ(s.noSecao[misulaLajeSuperior], m.noSupDir + 2);
  EXPECT_NEAR(s.espessura[quinaInferior], 15 * std::sqrt(2.0), 1e-12);
}

// Haunch zones of different lengths, so each gets its own element count
// (bottom slab 47,5 cm → 3, wall bottom 22,5 cm → 2, wall top 67,5 cm → 4,
// top slab 12,5 cm → 1, at 20 cm): each haunch section lies on the node where
// its own haunch leg ends, for every layout; where a layout has no haunch the
// section is the corner node.
TEST(SecoesProjeto, CadaSecaoDeMisulaNoFimDaSuaPropriaMisula) {
  struct Caso {
    double mhc, mvc, mhb, mvb;
    int tipo;
  } casos[] = {{5, 60, 40, 15, 4}, {5, 60, 0, 15, 2}, {5, 0, 40, 15, 3}, {0, 60, 40, 0, 1}};
  for (const Caso& c : casos) {
    TProjeto p = teste::projetoTipico();
    TGeometria& g = p.Geometria;
    g.secaoConstante = false;
    g.mhc = c.mhc, g.mvc = c.mvc, g.mhb = c.mhb, g.mvb = c.mvb;
    const TModeloEF m = malha(p);
    ASSERT_EQ(m.tipoMisula, c.tipo);
    const TSecoesProjeto s = calcularSecoesProjeto(p, m);
    const bool fundo = c.tipo == 3 || c.tipo == 4, topo = c.tipo == 2 || c.tipo == 4;
    const auto& n = s.noSecao;
    EXPECT_EQ(n[misulaLajeInferior], m.noInfDir - (fundo ? 3 : 0)) << c.tipo;
    EXPECT_EQ(n[misulaParedeInferior], m.noInfDir + (fundo ? 2 : 0)) << c.tipo;
    EXPECT_EQ(n[misulaParedeSuperior], m.noSupDir - (topo ? 4 : 0)) << c.tipo;
    EXPECT_EQ(n[misulaLajeSuperior], m.noSupDir + (topo ? 1 : 0)) << c.tipo;
    if (fundo) {
      EXPECT_NEAR(m.xNo[n[misulaLajeInferior]], 15 + 320 - c.mhb, 1e-9);
      EXPECT_NEAR(m.yNo[n[misulaParedeInferior]], 15 + c.mvb, 1e-9);
    }
    if (topo) {
      EXPECT_NEAR(m.yNo[n[misulaParedeSuperior]], 15 + 220 - c.mvc, 1e-9);
      EXPECT_NEAR(m.xNo[n[misulaLajeSuperior]], 15 + 320 - c.mhc, 1e-9);
    }
    EXPECT_EQ(n[quinaInferior], m.noInfDir);
    EXPECT_EQ(n[quinaSuperior], m.noSupDir);
    EXPECT_DOUBLE_EQ(s.espessura[quinaInferior], espessuraQuina(15, c.mhb, 15, c.mvb));
    EXPECT_DOUBLE_EQ(s.espessura[quinaSuperior], espessuraQuina(15, c.mhc, 15, c.mvc));
  }
  // The bottom corner with legs 40 and 15 cm: (40·15 + 15·15 + 15·40)/√(40² + 15²).
  EXPECT_NEAR(espessuraQuina(15, 40, 15, 15), 1425.0 / std::sqrt(1825.0), 1e-12);
}

// Thickness and d' of each section with three different member thicknesses
// and four different haunch legs; the corner thickness is the distance from
// the outer corner to the haunch face, (mh·h + mv·hp + mv·mh)/√(mh² + mv²).
TEST(SecoesProjeto, EspessuraEDLinhaDeCadaSecao) {
  TProjeto p = teste::projetoTipico();
  TGeometria& g = p.Geometria;
  g.secaoConstante = false;
  g.hb = 20, g.hp = 16, g.hc = 12;
  g.mhb = 30, g.mvb = 10, g.mhc = 25, g.mvc = 5;
  p.Armadura.cobrimento = 2.5;
  const TSecoesProjeto s = calcularSecoesProjeto(p, malha(p));
  const double quinaInf = (30.0 * 20 + 10.0 * 16 + 10.0 * 30) / std::sqrt(30.0 * 30 + 10 * 10);
  const double quinaSup = (25.0 * 12 + 5.0 * 16 + 5.0 * 25) / std::sqrt(25.0 * 25 + 5 * 5);
  const double h[10] = {0, 20, 20, quinaInf, 16, 16, 16, quinaSup, 12, 12};
  for (int sec = 1; sec <= nSecoes; ++sec) {
    EXPECT_NEAR(s.espessura[sec], h[sec], 1e-12) << sec;
    const bool quina = sec == quinaInferior || sec == quinaSuperior;
    EXPECT_DOUBLE_EQ(s.dLinha[sec], quina ? 6.0 : 3.0) << sec;
  }
  // Without a leg: the mean thickness times √2.
  EXPECT_NEAR(espessuraQuina(16, 0, 20, 10), 18 * std::sqrt(2.0), 1e-12);
  EXPECT_NEAR(espessuraQuina(16, 30, 12, 0), 14 * std::sqrt(2.0), 1e-12);
}

}  // namespace
}  // namespace galeria
