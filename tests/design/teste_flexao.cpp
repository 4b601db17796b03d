#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "design/armaduras.h"
#include "design/flexao.h"
#include "quadro_teste.h"

namespace galeria {
namespace {

using teste::definirEsforco;
using teste::quadroRetangular;

using Linhas = std::vector<std::string>;

// fck 30 MPa, γc 1,30, γs 1,15: the start values of the project.
TMateriaisFlexao materiaisPadrao() { return materiaisFlexao(projetoInicial()); }

TEST(Flexao, MateriaisDoProjeto) {
  const TMateriaisFlexao m = materiaisPadrao();
  EXPECT_NEAR(m.fcd, 2.3077, 1e-4);
  EXPECT_NEAR(m.fydCA50, 43.478, 1e-3);
  EXPECT_NEAR(m.fydCA60, 52.174, 1e-3);
  EXPECT_NEAR(m.eydCA60, 52.174 / 21000 + 0.002, 1e-6);
  // Limit between domains 3 and 4.
  EXPECT_NEAR(0.0035 / (0.0035 + m.eydCA60), 0.4384, 1e-4);
}

TEST(Flexao, ArmaduraMinimaPorLocal) {
  TProjeto p = projetoInicial();
  const auto as = armaduraMinimaLocais(p);
  // 3,5·15·2,3077/52,174 for every 15 cm member.
  for (size_t k : {1, 2, 5, 6, 9, 10}) EXPECT_DOUBLE_EQ(as[k], 2.3221) << k;
  EXPECT_EQ(as[4], 0.0);
  EXPECT_EQ(as[8], 0.0);
  // External corners use the thickness across the corner (15 × 15 haunches).
  const double tq = espessuraQuina(15, 15, 15, 15);
  EXPECT_NEAR(tq, 31.82, 0.01);
  EXPECT_NEAR(as[3], 3.5 * tq * (3.0 / 1.3) / (60 / 1.15), 1e-4);
  EXPECT_DOUBLE_EQ(as[3], as[7]);
  // Four decimals, as stored.
  EXPECT_DOUBLE_EQ(as[3], std::round(as[3] * 1e4) / 1e4);

  p.Geometria.hb = 20.0;
  EXPECT_NEAR(armaduraMinimaLocais(p)[1], 3.5 * 20 * (3.0 / 1.3) / (60 / 1.15), 1e-4);
}

// Halving rule at meioSuperior (locations 9 external, 10 internal).
TEST(Flexao, MinimaReduzidaNaFaceNuncaTracionada) {
  struct Caso {
    double momentos[4];
    double fator9, fator10;
  };
  const Caso casos[] = {
      {{-100, -50, -10, -1}, 0.5, 1.0},  // external never tensioned
      {{100, 50, 10, 1}, 1.0, 0.5},      // internal never tensioned
      {{-100, -50, 0, -1}, 1.0, 1.0},    // a single zero prevents it
      {{100, 50, 10, 0}, 1.0, 1.0},      // the lifting case counts too
      {{100, -50, 10, 1}, 1.0, 1.0},
  };
  const TProjeto p = projetoInicial();
  for (const Caso& c : casos) {
    auto q = quadroRetangular(p, 8, 6, 1);
    for (int caso = 1; caso <= 4; ++caso)
      definirEsforco(q.m, q.s.noSecao[meioSuperior], caso, c.momentos[caso - 1]);
    TDimensionamento d;
    calcularArmaduraMinima(p, q.m, q.s, d);
    EXPECT_DOUBLE_EQ(d.asMinima[9], 2.3221);
    EXPECT_DOUBLE_EQ(d.asMinimaAdotada[9], 2.3221 * c.fator9) << c.momentos[0];
    EXPECT_DOUBLE_EQ(d.asMinimaAdotada[10], 2.3221 * c.fator10) << c.momentos[0];
    EXPECT_EQ(d.minimaReduzida[9], c.fator9 < 1.0);
    // Other sections carry no moment: nothing halved there.
    for (size_t k = 1; k <= 8; ++k) EXPECT_DOUBLE_EQ(d.asMinimaAdotada[k], d.asMinima[k]);
  }
}

// Each governing section halves only its own pair of locations; the haunch
// ends govern none.
TEST(Flexao, MinimaReduzidaPorSecaoGovernante) {
  struct Caso {
    int secao;
    double sinal;
    size_t local;  // 0: nothing halved
  };
  const Caso casos[] = {
      {meioInferior, -1, 1},       {meioInferior, +1, 2},       {quinaInferior, -1, 3},
      {quinaInferior, +1, 4},      {meioParede, -1, 5},         {meioParede, +1, 6},
      {quinaSuperior, -1, 7},      {quinaSuperior, +1, 8},      {meioSuperior, -1, 9},
      {meioSuperior, +1, 10},      {misulaLajeInferior, -1, 0}, {misulaParedeSuperior, +1, 0},
      {misulaLajeSuperior, -1, 0},
  };
  const TProjeto p = projetoInicial();
  for (const Caso& c : casos) {
    auto q = quadroRetangular(p, 8, 6, 1);
    for (int caso = 1; caso <= 4; ++caso)
      definirEsforco(q.m, q.s.noSecao[static_cast<size_t>(c.secao)], caso, c.sinal * 100 * caso);
    // Serviceability moments of the other sign do not count.
    definirEsforco(q.m, q.s.noSecao[static_cast<size_t>(c.secao)], 5, -c.sinal * 100);
    TDimensionamento d;
    calcularArmaduraMinima(p, q.m, q.s, d);
    for (size_t k = 1; k <= 10; ++k) {
      const double esperado = k == c.local ? d.asMinima[k] / 2 : d.asMinima[k];
      EXPECT_DOUBLE_EQ(d.asMinimaAdotada[k], esperado) << c.secao << " " << k;
      EXPECT_EQ(d.minimaReduzida[k], k == c.local) << c.secao << " " << k;
    }
  }
}

TEST(Flexao, TensaoAcoClasseAElastoplastica) {
  const double fyd = 43.478;
  EXPECT_DOUBLE_EQ(tensaoAco('A', fyd, 0.001), 21.0);
  EXPECT_DOUBLE_EQ(tensaoAco('A', fyd, -0.001), -21.0);
  EXPECT_DOUBLE_EQ(tensaoAco('A', fyd, 0.01), fyd);
  EXPECT_DOUBLE_EQ(tensaoAco('A', fyd, -0.01), -fyd);
  EXPECT_DOUBLE_EQ(tensaoAco('A', fyd, 0.0), 0.0);
}

TEST(Flexao, TensaoAcoClasseBInverteACurva) {
  const double fyd = 52.174, Es = 21000;
  const double epsProporcional = 0.7 * fyd / Es;
  EXPECT_NEAR(tensaoAco('B', fyd, epsProporcional), 0.7 * fyd, 1e-9);
  EXPECT_NEAR(tensaoAco('B', fyd, fyd / Es + 0.002), fyd, 1e-9);
  EXPECT_DOUBLE_EQ(tensaoAco('B', fyd, 0.01), fyd);
  // Between the two: σ satisfies ε = σ/Es + (σ/fyd − 0,7)²/45, sign kept.
  for (double eps : {0.0018, 0.0025, 0.003, 0.0038, 0.0044}) {
    const double s = tensaoAco('B', fyd, eps);
    EXPECT_NEAR(s / Es + std::pow(s / fyd - 0.7, 2) / 45.0, eps, 1e-12) << eps;
    EXPECT_GT(s, 0.7 * fyd);
    EXPECT_LT(s, fyd);
    EXPECT_DOUBLE_EQ(tensaoAco('B', fyd, -eps), -s);
  }
}

// The section of 15 cm, d' = 3,5 cm, with the start materials.
TEST(Flexao, DimensionarSecaoCasosResolvidos) {
  struct Caso {
    double Nd, Md, asComprimida, asTracionada;
    double xi, tolXi;  // tolXi 0: not checked
    double as, tolAs;
    double n, m;
  };
  const Caso casos[] = {
      // domain 2, concrete below 2 ‰
      {0, 1000, 0, 0, 0.0934, 5e-4, 2.068, 2e-3, 0, 1000},
      // domain 4
      {0, 8000, 0, 0, 0.4747, 5e-4, 19.94, 1e-2, 0, 8000},
      // 50 kN of tension: moment about the steel 1000 − 4·50
      {50, 1000, 0, 0, 0, 0, 2.797, 2e-3, -50, 800},
      // meshes of 1,38 cm²/m on both faces
      {0, 1000, 1.38, 1.38, 0, 0, 0.043, 2e-3, 0, 1000},
  };
  const TMateriaisFlexao mat = materiaisPadrao();
  for (const Caso& c : casos) {
    const TResultadoSecao r =
        resolverSecao(mat, 15, 3.5, c.Nd, c.Md, c.asComprimida, c.asTracionada);
    ASSERT_EQ(r.status, TStatusSecao::ok) << c.Md;
    if (c.tolXi > 0) {
      EXPECT_NEAR(r.xi, c.xi, c.tolXi) << c.Md;
    }
    EXPECT_NEAR(r.as, c.as, c.tolAs) << c.Md << " " << c.Nd;
    EXPECT_DOUBLE_EQ(r.n, c.n);
    EXPECT_DOUBLE_EQ(r.m, c.m);
    EXPECT_LT(r.passos, 1000);
  }
}

// Equilibrium of the result: bars and meshes balance the concrete block.
TEST(Flexao, DimensionarSecaoMaisMalhaMenosBarras) {
  const TMateriaisFlexao mat = materiaisPadrao();
  double anterior = 1e9;
  for (double tela : {0.0, 0.5, 1.13, 1.38, 2.46, 3.96}) {
    const TResultadoSecao r = resolverSecao(mat, 15, 3.5, -20, 1500, 1.13, tela);
    ASSERT_EQ(r.status, TStatusSecao::ok);
    EXPECT_LT(r.as, anterior) << tela;
    anterior = r.as;
  }
  // The tensioned mesh trades one for one with bars while both yield
  // (CA-60 at fydCA60 replaces CA-50 at fydCA50).
  const TResultadoSecao a = resolverSecao(mat, 15, 3.5, 0, 1500, 0, 0);
  const TResultadoSecao b = resolverSecao(mat, 15, 3.5, 0, 1500, 0, 1.0);
  EXPECT_NEAR(a.xi, b.xi, 1e-12);
  EXPECT_NEAR(a.as - b.as, mat.fydCA60 / mat.fydCA50, 1e-9);
}

// Across the domain limits (εc = 2 ‰ inside domain 2, ξ = 0,2593 between
// domains 2 and 3, ξlim between 3 and 4) the bar area grows steadily with
// the moment: no jump betrays a stress-block factor out of place.
TEST(Flexao, DimensionarSecaoContinuaEntreDominios) {
  const TMateriaisFlexao mat = materiaisPadrao();
  double asAnterior = 0.0, xiAnterior = 0.0, incrementoAnterior = 0.0;
  bool passouDoisPorMil = false, passouDominio3 = false, passouDominio4 = false;
  for (double Md = 500; Md <= 8000; Md += 25) {
    const TResultadoSecao r = resolverSecao(mat, 15, 3.5, 0, Md, 0, 0);
    ASSERT_EQ(r.status, TStatusSecao::ok) << Md;
    const double epsC = 0.01 * r.xi / (1 - r.xi);
    passouDoisPorMil |= r.xi < 0.2593 && epsC > 0.002;
    passouDominio3 |= r.xi > 0.2593;
    passouDominio4 |= r.xi > 0.4384;
    const double incremento = r.as - asAnterior;
    if (Md > 500) {
      EXPECT_GT(r.xi, xiAnterior) << Md;
    }
    // Equal steps of moment need steadily growing steps of steel.
    if (Md > 525) {
      EXPECT_GT(incremento / incrementoAnterior, 0.98) << Md;
      EXPECT_LT(incremento / incrementoAnterior, 1.03) << Md;
    }
    asAnterior = r.as;
    xiAnterior = r.xi;
    incrementoAnterior = incremento;
  }
  EXPECT_TRUE(passouDoisPorMil && passouDominio3 && passouDominio4);
}

// A moment whose equilibrium is met at the lower bound ξ = 0,0001 within the
// tolerance: the bound is the root, found on the first pass; a hair less
// moment leaves no sign change at all.
TEST(Flexao, DimensionarSecaoRaizNoLimiteInferior) {
  const TMateriaisFlexao mat = materiaisPadrao();
  const double h = 15, dLinha = 3.5, d = h - dLinha, xi = 0.0001;
  // Parabola-rectangle block with εs = 10 ‰ and εc = 10 ‰·ξ/(1 − ξ) < 2 ‰.
  const double e = 10.0 * xi / (1 - xi);
  const double psi = e / 2 * (1 - e / 6);
  const double kappa = 1 - (e / 3 - e * e / 16) / psi;
  const double mu = 0.85 * psi * xi * (1 - kappa * xi);
  const double base = 100 * d * mat.fcd;
  const TResultadoSecao r = resolverSecao(mat, h, dLinha, 0, (mu + 5e-11) * base * d, 0, 0);
  ASSERT_EQ(r.status, TStatusSecao::ok);
  EXPECT_EQ(r.xi, xi);
  EXPECT_EQ(r.passos, 1);
  EXPECT_NEAR(r.as, 0.85 * psi * xi * base / mat.fydCA50, 1e-12);
  EXPECT_EQ(resolverSecao(mat, h, dLinha, 0, (mu - 5e-11) * base * d, 0, 0).status,
            TStatusSecao::foraDosDominios);
}

TEST(Flexao, DimensionarSecaoForaDosDominios) {
  const TMateriaisFlexao mat = materiaisPadrao();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Caso {
    double h, dLinha, Nd, Md;
  };
  const Caso casos[] = {
      {15, 3.5, 0, 20000},  // beyond domain 4
      {15, 3.5, 500, 0},    // pure tension: domain 1
      {3, 3.5, 0, 100},     // d <= 0
      {15, 3.5, nan, 100}, {15, 3.5, 0, inf}, {nan, 3.5, 0, 100},
  };
  for (const Caso& c : casos) {
    const TResultadoSecao r = resolverSecao(mat, c.h, c.dLinha, c.Nd, c.Md, 0, 0);
    EXPECT_EQ(r.status, TStatusSecao::foraDosDominios) << c.Md;
    EXPECT_TRUE(std::isfinite(r.as));
  }
  TMateriaisFlexao semAco = mat;
  semAco.fydCA60 = 0;
  EXPECT_EQ(resolverSecao(semAco, 15, 3.5, 0, 100, 0, 0).status, TStatusSecao::foraDosDominios);
}

TEST(Flexao, RelatarProblemaPorCaso) {
  struct Caso {
    int caso;
    Linhas linhas;
  };
  const Caso casos[] = {
      {1, {"Problema no cálculo de Vmax e Hmin", "", "Aumente a Espessura e Recalcule"}},
      {2, {"Problema no cálculo de Vmin e Hmax", "", "Aumente a Espessura e Recalcule"}},
      {3, {"Problema no cálculo de Vmax e Hmax", "", "Aumente a Espessura e Recalcule"}},
      {4, {"Problema no cálculo do içamento", "", "Diminua a distância de Içamento e Recalcule"}},
      {0, {}},
      {5, {}},
  };
  for (const Caso& c : casos) {
    TRegistroMemoria log;
    relatarProblemaCalculo(c.caso, log);
    EXPECT_EQ(log.linhas, c.linhas) << c.caso;
    EXPECT_EQ(log.repinturas, c.linhas.empty() ? 0 : 1);
  }
}

TEST(Flexao, FalhasDoDimensionamentoNoRegistro) {
  const TMateriaisFlexao mat = materiaisPadrao();
  {
    TRegistroMemoria log;
    bool parado = false;
    const TResultadoSecao r = dimensionarSecao(mat, 15, 3.5, 0, 20000, 0, 0, 2, parado, log);
    EXPECT_EQ(r.status, TStatusSecao::foraDosDominios);
    EXPECT_TRUE(parado);
    EXPECT_EQ(log.linhas, (Linhas{"", "O dimensionamento está fora dos domínios 2, 3 ou 4", "",
                                  "Problema no cálculo de Vmin e Hmax", "",
                                  "Aumente a Espessura e Recalcule"}));
  }
  {
    TRegistroMemoria log;
    bool parado = false;
    const TResultadoSecao r = dimensionarSecao(mat, 15, 3.5, 0, 1000, 0, 0, 1, parado, log, 5);
    EXPECT_EQ(r.status, TStatusSecao::semConvergencia);
    EXPECT_EQ(r.passos, 6);
    EXPECT_TRUE(parado);
    EXPECT_EQ(log.linhas, (Linhas{"Solução nao encontrada", ""}));
  }
  {
    TRegistroMemoria log;
    bool parado = false;
    dimensionarSecao(mat, 15, 3.5, 0, 1000, 0, 0, 1, parado, log);
    EXPECT_FALSE(parado);
    EXPECT_TRUE(log.linhas.empty());
  }
}

// Meshes L138 everywhere: the sections of 15 cm at mid-span, 31,82 cm at the
// corners.
struct FlexaoNoQuadro : ::testing::Test {
  TProjeto p = projetoInicial();
  teste::TQuadro q = quadroRetangular(p, 8, 6, 1);
  TDimensionamento d;
  TRegistroMemoria log;
  bool parado = false;
  void SetUp() override {
    for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = 1;
  }
  void dimensionar() { dimensionarFlexao(p, q.m, q.s, construirCatalogoTelas(), d, parado, log); }
};

TEST_F(FlexaoNoQuadro, PosicoesELocais) {
  const auto& S = q.s.noSecao;
  // meioSuperior, external face tensioned in case 2, internal in case 3.
  definirEsforco(q.m, S[meioSuperior], 2, 1000);
  definirEsforco(q.m, S[meioSuperior], 3, -800);
  // meioParede: two cases with the same moment; the first keeps its N.
  definirEsforco(q.m, S[meioParede], 1, 1200, -10);
  definirEsforco(q.m, S[meioParede], 3, 1200, -10);
  dimensionar();
  ASSERT_FALSE(parado);
  EXPECT_TRUE(log.linhas.empty());
  EXPECT_EQ(d.casoEmDimensionamento, 4);
  EXPECT_DOUBLE_EQ(d.areaTela[3], 2.76);
  EXPECT_DOUBLE_EQ(d.areaTela[4], 0.0);

  const TMateriaisFlexao mat = materiaisPadrao();
  const double as17 = resolverSecao(mat, 15, 3.5, 0, 1000, 1.38, 1.38).as;
  const double as18 = resolverSecao(mat, 15, 3.5, 0, 800, 1.38, 1.38).as;
  EXPECT_NEAR(as17, 0.043, 2e-3);
  EXPECT_DOUBLE_EQ(d.asPosicao[17], std::round(as17 * 100) / 100);
  EXPECT_DOUBLE_EQ(d.mPosicao[17], 1000);
  EXPECT_DOUBLE_EQ(d.asPosicao[18], as18 > 0 ? std::round(as18 * 100) / 100 : 0.0);
  EXPECT_DOUBLE_EQ(d.asBarrasCalculada[9], d.asPosicao[17]);
  EXPECT_DOUBLE_EQ(d.mProjeto[9], 1000);

  const TResultadoSecao parede = resolverSecao(mat, 15, 3.5, -10, 1200, 1.38, 1.38);
  EXPECT_DOUBLE_EQ(d.asBarrasCalculada[5], std::round(parede.as * 100) / 100);
  EXPECT_DOUBLE_EQ(d.nProjeto[5], 10.0);  // compression positive
  EXPECT_DOUBLE_EQ(d.mProjeto[5], 1200 + 4.0 * 10);

  // Internal corners with nothing to carry get three 6,3 mm bars.
  EXPECT_DOUBLE_EQ(d.asBarrasCalculada[4], 0.9351);
  EXPECT_DOUBLE_EQ(d.asBarrasCalculada[8], 0.9351);
  // Unloaded locations need no bars.
  for (size_t k : {1, 2, 3, 6, 7, 10}) EXPECT_DOUBLE_EQ(d.asBarrasCalculada[k], 0.0) << k;
}

TEST_F(FlexaoNoQuadro, QuinaDescontaAsBarrasDoMeioVizinho) {
  const auto& S = q.s.noSecao;
  // Bottom slab: the haunch end (section 2, external) needs more than the
  // mid-span (section 1), the corner itself little.
  definirEsforco(q.m, S[meioInferior], 1, 1500);
  definirEsforco(q.m, S[misulaLajeInferior], 1, 2400);
  definirEsforco(q.m, S[quinaInferior], 1, 300);
  dimensionar();
  ASSERT_FALSE(parado);
  const double loc1 = d.asPosicao[1];
  ASSERT_GT(loc1, 0.0);
  ASSERT_GT(d.asPosicao[3] - loc1, d.asPosicao[5]);
  EXPECT_DOUBLE_EQ(d.asBarrasCalculada[1], loc1);
  EXPECT_NEAR(d.asBarrasCalculada[3], d.asPosicao[3] - loc1, 1e-12);
  EXPECT_DOUBLE_EQ(d.mProjeto[3], d.mPosicao[3]);
  // Design of section 2 used the bottom-slab internal mesh on the compressed
  // face and the two external meshes on the tensioned one.
  const TResultadoSecao r = resolverSecao(materiaisPadrao(), 15, 3.5, 0, 2400, 1.38, 2.76);
  EXPECT_DOUBLE_EQ(d.asPosicao[3], std::round(r.as * 100) / 100);
}

// Positions that tie after rounding hand the location the first candidate's
// N and M; the external top corner counts the crown bars as present; an
// internal corner that needs bars keeps its own value.
TEST_F(FlexaoNoQuadro, LocaisCombinadosEmpatesESubtracoes) {
  // S = 5, 8, 9, 10, 12, 14, 15, 16, 19; all in case 1.
  definirEsforco(q.m, 5, 1, -1500);        // position 2: 1,15 (M 1500)
  definirEsforco(q.m, 8, 1, -1612);        // position 4: 1,15 (M 1612)
  definirEsforco(q.m, 12, 1, -1200);       // position 10: 0,48
  definirEsforco(q.m, 10, 1, -1700, -10);  // position 8: 1,22 (N 10, M 1740)
  definirEsforco(q.m, 14, 1, -1642);       // position 12: 1,22 (N 0, M 1642)
  definirEsforco(q.m, 9, 1, -6000);        // position 6: 5,23 at the corner
  definirEsforco(q.m, 16, 1, 3000);        // position 15: 2,94
  definirEsforco(q.m, 19, 1, 1500);        // position 17: 1,15
  dimensionar();
  ASSERT_FALSE(parado);
  struct Posicao {
    int p;
    double as, n, m;
  };
  const Posicao posicoes[] = {{2, 1.15, 0, 1500},  {4, 1.15, 0, 1612},  {10, 0.48, 0, 1200},
                              {8, 1.22, 10, 1740}, {12, 1.22, 0, 1642}, {6, 5.23, 0, 6000},
                              {15, 2.94, 0, 3000}, {17, 1.15, 0, 1500}};
  for (const Posicao& x : posicoes) {
    const size_t i = static_cast<size_t>(x.p);
    EXPECT_DOUBLE_EQ(d.asPosicao[i], x.as) << x.p;
    EXPECT_DOUBLE_EQ(d.nPosicao[i], x.n) << x.p;
    EXPECT_DOUBLE_EQ(d.mPosicao[i], x.m) << x.p;
  }
  struct Local {
    size_t k;
    double as, n, m;
  };
  const Local locais[] = {
      {2, 1.15, 0, 1500},   // max(position 2, position 4): the first of the tie
      {6, 1.22, 10, 1740},  // max(position 10, 8, 12): position 8 before 12
      {4, 5.23, 0, 6000},   // not replaced: only an exact 0 becomes 0,9351
      {8, 0.9351, 0, 0},   {9, 1.15, 0, 1500},
      {7, 1.79, 0, 3000},  // position 15 less location 9, N and M of position 15
      {3, 0.0, 0, 0},      {10, 0.0, 0, 0},
  };
  for (const Local& l : locais) {
    EXPECT_NEAR(d.asBarrasCalculada[l.k], l.as, 1e-12) << l.k;
    EXPECT_DOUBLE_EQ(d.nProjeto[l.k], l.n) << l.k;
    EXPECT_DOUBLE_EQ(d.mProjeto[l.k], l.m) << l.k;
  }
}

TEST_F(FlexaoNoQuadro, FalhaNoIcamentoPreservaOsLocais) {
  d.asBarrasCalculada.fill(7.0);
  d.nProjeto.fill(7.0);
  definirEsforco(q.m, q.s.noSecao[meioParede], 4, 50000);
  dimensionar();
  EXPECT_TRUE(parado);
  EXPECT_EQ(d.casoEmDimensionamento, 4);
  EXPECT_EQ(log.linhas, (Linhas{"", "O dimensionamento está fora dos domínios 2, 3 ou 4", "",
                                "Problema no cálculo do içamento", "",
                                "Diminua a distância de Içamento e Recalcule"}));
  for (size_t k = 1; k <= 10; ++k) {
    EXPECT_DOUBLE_EQ(d.asBarrasCalculada[k], 7.0);
    EXPECT_DOUBLE_EQ(d.nProjeto[k], 7.0);
  }
}

TEST_F(FlexaoNoQuadro, MaterialAbsurdoParaSemNaN) {
  p.Armadura.coefA = 0.0;  // fyd infinite
  definirEsforco(q.m, q.s.noSecao[meioParede], 1, 1000);
  dimensionar();
  EXPECT_TRUE(parado);
  EXPECT_EQ(d.casoEmDimensionamento, 1);
  ASSERT_GE(log.linhas.size(), 4u);
  EXPECT_EQ(log.linhas[3], "Problema no cálculo de Vmax e Hmin");
  for (double v : d.asPosicao) EXPECT_TRUE(std::isfinite(v));
  const auto minima = armaduraMinimaLocais(p);
  for (double v : minima) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
}  // namespace galeria
