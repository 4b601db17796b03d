#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/solver.h"
#include "comum/modelo_teste.h"
#include "comum/projetos_teste.h"
#include "comum/referencia_densa.h"

namespace galeria {
namespace {

// Two nodes and the element 1 → 2 of length L at angle graus (the ring's
// closing element 2 → 1 is there only to make a model).
TModeloEF modeloUmElemento(double L, double graus, double phi) {
  TModeloEF m;
  m.nNos = 2;
  m.noInfDir = 1;
  alocarModelo(m);
  iniciarModelo(m);
  m.xNo = m.yNo = m.espessura = criarVreal(2);  // mesh arrays, set by gerarMalha otherwise
  const double r = graus * std::acos(-1.0) / 180.0;
  for (int e = 1; e <= 2; ++e) {
    m.compElem[e] = L;
    m.cosElem[e] = (e == 1 ? 1 : -1) * std::cos(r);
    m.senElem[e] = (e == 1 ? 1 : -1) * std::sin(r);
    m.espessura[e] = 15;
    m.area[e] = 1500;
    m.inercia[e] = 28125;
    m.moduloE[e] = 2607.159;
    m.fatorInerciaAtual[e] = phi;
  }
  return m;
}

struct TCasoElemento {
  double graus, phi;
};

class SolverElemento : public ::testing::TestWithParam<TCasoElemento> {};

// A unit rotation of the first node gives 4EI/L and 2EI/L at the ends and
// shears ±6EI/L², all times φ; a unit axial stretch gives EA/L whatever φ.
TEST_P(SolverElemento, FormasFechadasDaBarraBiengastada) {
  const auto [graus, phi] = GetParam();
  const double L = 20;
  TModeloEF m = modeloUmElemento(L, graus, phi);
  const double EI = m.moduloE[1] * m.inercia[1], EA = m.moduloE[1] * m.area[1];
  TSolverPortico s;
  s.preparar(m);

  s.vetorSolucao[3] = 1.0;  // θ1
  s.esforcosElementosReduzidos(m);
  const double tol = 1e-12 * EI / L;
  EXPECT_NEAR(s.extremidade3[1], phi * 4 * EI / L, tol);
  EXPECT_NEAR(s.extremidade6[1], phi * 2 * EI / L, tol);
  EXPECT_NEAR(s.extremidade2[1], phi * 6 * EI / (L * L), tol);
  EXPECT_NEAR(s.extremidade5[1], -phi * 6 * EI / (L * L), tol);
  EXPECT_NEAR(s.extremidade1[1], 0, tol);
  EXPECT_NEAR(s.extremidade4[1], 0, tol);
  s.esforcosElementos(m);  // full variant ignores φ
  EXPECT_NEAR(s.extremidade3[1], 4 * EI / L, tol);

  // Second node moved one unit along the element: a stretch.
  std::fill(s.vetorSolucao.begin(), s.vetorSolucao.end(), 0.0);
  s.vetorSolucao[4] = m.cosElem[1];
  s.vetorSolucao[5] = m.senElem[1];
  s.esforcosElementosReduzidos(m);
  EXPECT_NEAR(s.extremidade4[1], EA / L, 1e-12 * EA / L);
  EXPECT_NEAR(s.extremidade1[1], -EA / L, 1e-12 * EA / L);
  EXPECT_NEAR(s.extremidade2[1], 0, 1e-9);
  EXPECT_NEAR(s.extremidade3[1], 0, 1e-9);

  // The global matrix is symmetric and equals Tᵀ·k·T multiplied out.
  TMatrizElemento k;
  ASSERT_TRUE(rigidezElementoGlobal(m, 1, phi, k));
  const teste::TMatriz6 ref = teste::rigidezGlobalDensa(m, 1, phi);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) {
      EXPECT_EQ(k[i][j], k[j][i]);
      EXPECT_NEAR(k[i][j], ref[i][j], 1e-12 * EA / L) << i << "," << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Angulos, SolverElemento,
                         ::testing::Values(TCasoElemento{0, 1}, TCasoElemento{0, 0.5},
                                           TCasoElemento{90, 1}, TCasoElemento{180, 0.5},
                                           TCasoElemento{36.87, 1}, TCasoElemento{-120, 0.5}));

TEST(Solver, ElementoSemComprimentoNaoDaRigidez) {
  TModeloEF m = modeloUmElemento(20, 0, 1);
  TMatrizElemento k;
  for (double L : {0.0, -5.0, std::nan(""), 1e-310}) {
    m.compElem[1] = L;
    EXPECT_FALSE(rigidezElementoGlobal(m, 1, 1.0, k)) << L;
    for (const auto& linha : k)
      for (double v : linha) EXPECT_EQ(v, 0.0);
  }
}

// The sparse matrix with its springs holds the dense matrix of the plain
// assembly, symmetric, in the original numbering.
TEST(Solver, MatrizMontadaIgualAMontagemDensa) {
  TModeloEF m = teste::modeloCalculado(teste::projetoTipico());
  TSolverPortico s;
  s.preparar(m);
  s.zerarRigidez();
  s.montarRigidez(m);
  for (int k = 1; k <= m.noInfDir; ++k) {
    s.somarRigidezDiagonal(3 * k - 2, 1.5 * m.inflInferior[k]);
    s.somarRigidezDiagonal(3 * k - 1, 1.5 * m.inflInferior[k]);
  }
  Mreal ref = teste::rigidezDensa(m, false);
  teste::somarMolasDensas(m, ref, 1, 1.5);
  const Mreal K = s.matrizDensa();
  const int N = m.nGraus();
  for (int i = 1; i <= N; ++i)
    for (int j = 1; j <= N; ++j) {
      ASSERT_EQ(K[i][j], K[j][i]);
      ASSERT_NEAR(K[i][j], ref[i][j], 1e-10 * std::abs(ref[i][i])) << i << "," << j;
    }
}

double diferencaRelativa(const Vreal& a, const Vreal& b) {
  double maior = 0, dif = 0;
  for (size_t i = 1; i < b.size(); ++i) {
    maior = std::max(maior, std::abs(b[i]));
    dif = std::max(dif, std::abs(a[i] - b[i]));
  }
  return maior > 0 ? dif / maior : dif;
}

struct TCasoComparacao {
  const char* nome;
  TProjeto (*projeto)();
};

class SolverBandaDensa : public ::testing::TestWithParam<TCasoComparacao> {};

// The band solver gives the displacements and end forces of the plain
// elimination on the full matrix, with the full and with a reduced bending
// stiffness, springs partly removed and an unsymmetric load.
TEST_P(SolverBandaDensa, ConcordamComAEliminacaoDensa) {
  TModeloEF m = teste::modeloCalculado(GetParam().projeto());
  teste::cargaSimetrica(m, 1, 0.02, 0.01, 0.01);
  teste::cargaTombamento(m, 2, 50.0, 0.01);
  for (int e = 1; e <= m.nNos; ++e) m.fatorInercia[e][2] = e % 3 == 0 ? 0.5 : 1.0;
  // Springs removed near the left end, as a no-tension loop leaves them.
  for (int k = 1; k <= m.noInfDir / 3; ++k) m.apoioAtivo[k][2] = 0;
  const double kMola = 1.5;

  TSolverPortico s;
  s.preparar(m);
  for (int caso : {1, 2}) {
    const bool reduzida = caso == 2;
    if (reduzida)
      for (int e = 1; e <= m.nNos; ++e) m.fatorInerciaAtual[e] = m.fatorInercia[e][caso];
    s.zerarRigidez();
    reduzida ? s.montarRigidezReduzida(m) : s.montarRigidez(m);
    for (int k = 1; k <= m.noInfDir; ++k)
      if (m.apoioAtivo[k][caso]) {
        s.somarRigidezDiagonal(3 * k - 2, kMola * m.inflInferior[k]);
        s.somarRigidezDiagonal(3 * k - 1, kMola * m.inflInferior[k]);
      }
    for (int g = 1; g <= m.nGraus(); ++g) s.vetorCargas[g] = m.cargaNodal[g][caso];
    ASSERT_TRUE(s.resolverSistema());
    reduzida ? s.esforcosElementosReduzidos(m) : s.esforcosElementos(m);

    const teste::TSolucaoDensa ref = teste::resolverCasoDenso(m, caso, kMola, reduzida);
    // The band solver does the dense elimination's operations in its order,
    // so the numbers agree to the last bit (ISO C++ forbids contracting them
    // into fused multiply-adds differently in the two codes).
    EXPECT_EQ(diferencaRelativa(s.vetorSolucao, ref.deslocamento), 0.0) << caso;
    const Vreal* f[7] = {nullptr,         &s.extremidade1, &s.extremidade2, &s.extremidade3,
                         &s.extremidade4, &s.extremidade5, &s.extremidade6};
    for (int i = 1; i <= 6; ++i)
      EXPECT_EQ(diferencaRelativa(*f[i], ref.esforcos.f[i]), 0.0) << caso << " f" << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Porticos, SolverBandaDensa,
                         ::testing::Values(TCasoComparacao{"Tipico", teste::projetoTipico},
                                           TCasoComparacao{"Maior", teste::projetoMaior}),
                         [](const auto& info) { return std::string(info.param.nome); });

// Skipping the rows with a zero multiplier leaves the elimination's result
// bit for bit: the fast variant the tests use is the plain one.
TEST(Solver, EliminacaoSemLinhasNulasIgualALiteral) {
  TModeloEF m = teste::modeloCalculado(teste::projetoTipico());
  teste::cargaSimetrica(m, 1, 0.02, 0.01, 0.01);
  const auto literal = teste::resolverCasoDenso(m, 1, 1.5, false, false);
  const auto rapida = teste::resolverCasoDenso(m, 1, 1.5, false, true);
  for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(literal.deslocamento[g], rapida.deslocamento[g]);
}

// Systems that have no solution are refused before anything is divided
// through: false, and a zero, finite solution.
struct TCasoSingular {
  const char* nome;
  void (*estragar)(TModeloEF&, double& kMola);
};

class SolverSingular : public ::testing::TestWithParam<TCasoSingular> {};

TEST_P(SolverSingular, RecusaSemDividir) {
  TModeloEF m = teste::modeloCalculado(teste::projetoTipico());
  teste::cargaSimetrica(m, 1, 0.02, 0.01, 0.01);
  double kMola = 1.5;
  GetParam().estragar(m, kMola);
  TSolverPortico s;
  s.preparar(m);
  s.zerarRigidez();
  s.montarRigidezReduzida(m);
  for (int k = 1; k <= m.noInfDir; ++k)
    if (m.apoioAtivo[k][1]) {
      s.somarRigidezDiagonal(3 * k - 2, kMola * m.inflInferior[k]);
      s.somarRigidezDiagonal(3 * k - 1, kMola * m.inflInferior[k]);
    }
  for (int g = 1; g <= m.nGraus(); ++g) s.vetorCargas[g] = m.cargaNodal[g][1];
  EXPECT_FALSE(s.resolverSistema());
  for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(s.vetorSolucao[g], 0.0);
  s.esforcosElementosReduzidos(m);
  for (int e = 1; e <= m.nNos; ++e) {
    ASSERT_TRUE(std::isfinite(s.extremidade3[e]));
    ASSERT_TRUE(std::isfinite(s.extremidade6[e]));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SolverSingular,
    ::testing::Values(
        TCasoSingular{"SemMolas",
                      [](TModeloEF& m, double&) {
                        for (int k = 1; k <= m.noInfDir; ++k) m.apoioAtivo[k][1] = 0;
                      }},
        TCasoSingular{"UmaSoMola",  // the ring turns freely about its one support
                      [](TModeloEF& m, double&) {
                        for (int k = 2; k <= m.noInfDir; ++k) m.apoioAtivo[k][1] = 0;
                      }},
        TCasoSingular{"ElementoDeComprimentoNulo",
                      [](TModeloEF& m, double&) { m.compElem[5] = 0; }},
        TCasoSingular{"CargaNaoNumerica",
                      [](TModeloEF& m, double&) { m.cargaNodal[7][1] = std::nan(""); }},
        TCasoSingular{
            "ModuloInfinito",
            [](TModeloEF& m, double&) { m.moduloE[3] = std::numeric_limits<double>::infinity(); }},
        TCasoSingular{"MolaNaoNumerica", [](TModeloEF&, double& k) { k = std::nan(""); }},
        TCasoSingular{"CadeiaDeRotulas",  // top slab without bending: a mechanism
                      [](TModeloEF& m, double&) {
                        for (int e = m.noSupDir; e < m.noSupEsq; ++e) m.fatorInerciaAtual[e] = 0;
                      }},
        TCasoSingular{"RigidezNegativa",  // not positive definite
                      [](TModeloEF& m, double&) {
                        for (int e = 1; e <= m.nNos; ++e) m.fatorInerciaAtual[e] = -0.5;
                      }}),
    [](const auto& info) { return std::string(info.param.nome); });

// Vertical supports alone leave the frame free to slide: refused although
// every base node has a spring.
TEST(Solver, ApoiosSoVerticaisNaoSeguramOPortico) {
  TModeloEF m = teste::modeloCalculado(teste::projetoTipico());
  teste::cargaSimetrica(m, 1, 0.02, 0.0, 0.0);
  TSolverPortico s;
  s.preparar(m);
  s.zerarRigidez();
  s.montarRigidez(m);
  for (int k = 1; k <= m.noInfDir; ++k) s.somarRigidezDiagonal(3 * k - 1, 1.5 * m.inflInferior[k]);
  for (int g = 1; g <= m.nGraus(); ++g) s.vetorCargas[g] = m.cargaNodal[g][1];
  EXPECT_FALSE(s.resolverSistema());
  // One horizontal spring more holds it.
  s.somarRigidezDiagonal(1, 1.5 * m.inflInferior[1]);
  EXPECT_TRUE(s.resolverSistema());
  EXPECT_LT(s.erroEstimado(), 1e-9);
}

}  // namespace
}  // namespace galeria
