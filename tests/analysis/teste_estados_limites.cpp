#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "analysis/cargas.h"
#include "analysis/estados_limites.h"
#include "comum/modelo_teste.h"
#include "comum/projetos_teste.h"
#include "comum/referencia_densa.h"

namespace galeria {
namespace {

const int casosAnalisados[] = {1, 2, 3, 5, 6, 7, 8, 9, 10};

// A project and its model with loads in the nine cases: the three
// arrangements (more vertical, more lateral, both) at ULS and, smaller, at
// the two serviceability combinations. Loads per cm of centre line, kN/cm.
struct TAnalise {
  TProjeto p;
  TModeloEF m;
  TRegistroMemoria registro;
};

TAnalise analise(TProjeto p = teste::projetoTipico()) {
  TAnalise a{p, teste::modeloCalculado(p), {}};
  const double arranjo[3][3] = {{0.6, 0.10, 0.15}, {0.3, 0.25, 0.20}, {0.6, 0.25, 0.20}};
  const double fator[3] = {1.0, 0.7, 0.8};
  for (int grupo = 0; grupo < 3; ++grupo)
    for (int i = 0; i < 3; ++i) {
      const int caso = grupo == 0 ? 1 + i : 2 + 3 * grupo + i;
      const double f = fator[grupo];
      teste::cargaSimetrica(a.m, caso, f * arranjo[i][0], f * arranjo[i][1], f * arranjo[i][2],
                            f * 0.04);
    }
  return a;
}

double kMolaDe(const TProjeto& p) { return std::max(p.Criterio.kr / 10.0, 0.000001); }

TEST(EstadosLimites, TensaoLimiteDeFissuracao) {
  EXPECT_NEAR(tensaoLimite(27), 0.405, 1e-12);  // 27^(2/3) = 9
  EXPECT_NEAR(tensaoLimite(30), 1.5 * 0.3 * std::pow(30.0, 2.0 / 3.0) / 10, 1e-15);
  EXPECT_EQ(tensaoLimite(0), 0.0);
  EXPECT_EQ(tensaoLimite(-8), 0.0);
  EXPECT_EQ(tensaoLimite(std::nan("")), 0.0);
}

TEST(EstadosLimites, RegistraAsEtapasNaOrdem) {
  TAnalise a = analise();
  ASSERT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
  const std::vector<std::string> esperado{"Análise para o Estado Limite Último (ELU)",      "",
                                          "Retirando Reações de Apoio Negativas",           "",
                                          "Verificando a Necessidade de Reduzir a Rigidez", "",
                                          "Resolvendo Sistema de Equações Definitivo",      "",
                                          "Análise para o Estado Limite de Serviço (ELS)",  "",
                                          "Verificando a Necessidade de Reduzir a Rigidez", "",
                                          "Resolvendo Sistema de Equações Definitivo",      ""};
  EXPECT_EQ(a.registro.linhas, esperado);
  EXPECT_EQ(a.registro.repinturas, 7);
}

// Reactions balance the loads; the springs act only at the active base
// nodes, with the stiffness kMola·inflInferior on both translations (kr = 0
// gives the floor 0,000001, not a free frame); elsewhere the end forces of
// the elements meeting at a node balance its load. On the floor springs the
// frame sinks metres and the forces come out of differences of those
// displacements, so rounding is larger there.
class EstadosLimitesEquilibrio : public ::testing::TestWithParam<double> {};

TEST_P(EstadosLimitesEquilibrio, ReacoesSaoAsDasMolasEEquilibramAsCargas) {
  TProjeto p = teste::projetoTipico();
  p.Criterio.kr = GetParam();
  const double tol = GetParam() == 0 ? 1e-3 : 1e-8;
  TAnalise a = analise(p);
  ASSERT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
  const TModeloEF& m = a.m;
  const double kMola = kMolaDe(p);
  for (int c : casosAnalisados) {
    double somaCargaX = 0, somaCargaY = 0, somaReacaoX = 0, somaReacaoY = 0, maiorCarga = 0;
    for (int k = 1; k <= m.nNos; ++k) {
      somaCargaX += m.cargaNodal[3 * k - 2][c];
      somaCargaY += m.cargaNodal[3 * k - 1][c];
      maiorCarga = std::max(
          {maiorCarga, std::abs(m.cargaNodal[3 * k - 2][c]), std::abs(m.cargaNodal[3 * k - 1][c])});
    }
    for (int k = 1; k <= m.noInfDir; ++k) {
      somaReacaoX += m.reacao[3 * k - 2][c];
      somaReacaoY += m.reacao[3 * k - 1][c];
      const double mola = m.apoioAtivo[k][c] == 1 ? kMola * m.inflInferior[k] : 0.0;
      for (int d = 2; d >= 1; --d) {
        const double esperado = -mola * m.deslocamento[3 * k - d][c];
        EXPECT_NEAR(m.reacao[3 * k - d][c], esperado, tol * maiorCarga) << c << " no " << k;
      }
    }
    EXPECT_NEAR(somaReacaoY, -somaCargaY, tol * std::abs(somaCargaY)) << c;
    EXPECT_NEAR(somaReacaoX, -somaCargaX, tol * std::abs(somaCargaY)) << c;
    for (int g = 3 * m.noInfDir + 1; g <= m.nGraus(); ++g)
      ASSERT_NEAR(m.reacao[g][c], 0.0, tol * maiorCarga) << c << " grau " << g;
    for (int k = 1; k <= m.noInfDir; ++k) ASSERT_NEAR(m.reacao[3 * k][c], 0.0, tol * maiorCarga);
  }
}

INSTANTIATE_TEST_SUITE_P(Kr, EstadosLimitesEquilibrio, ::testing::Values(15.0, 55.0, 0.0));

// A symmetric frame under symmetric loads: the moment and the normal force at
// a node equal those at its mirror image; the shear changes sign with the
// element's direction; springs and stiffness factors are mirrored too.
TEST(EstadosLimites, PorticoSimetricoDaEsforcosEspelhados) {
  TAnalise a = analise();
  ASSERT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
  const TModeloEF& m = a.m;
  for (int c : casosAnalisados) {
    double maior = 0;
    for (int e = 1; e <= m.nNos; ++e) maior = std::max(maior, std::abs(m.momentoIni[e][c]));
    ASSERT_GT(maior, 0);
    for (int e = 1; e <= m.nNos; ++e) {
      const int s = teste::elementoEspelhado(m, e);
      ASSERT_GT(s, 0) << e;
      EXPECT_NEAR(m.momentoIni[e][c], m.momentoFim[s][c], 1e-7 * maior) << c << " el " << e;
      EXPECT_NEAR(m.normalIni[e][c], m.normalFim[s][c], 1e-7 * maior) << c << " el " << e;
      EXPECT_NEAR(m.cortanteIni[e][c], -m.cortanteFim[s][c], 1e-7 * maior) << c << " el " << e;
      EXPECT_EQ(m.fatorInercia[e][c], m.fatorInercia[s][c]) << c << " el " << e;
    }
    for (int k = 1; k <= m.noInfDir; ++k)
      EXPECT_EQ(m.apoioAtivo[k][c], m.apoioAtivo[teste::noEspelhado(m, k)][c]);
  }
}

// The stored signs mean what the drawings and the design read: a slab
// loaded from above and walls pushed inwards have their inner faces in
// tension at mid-span (negative moment) and their outer faces at the corners
// (positive), and the members that carry the load along their axis are
// compressed (negative normal force); the shear of an element without span
// load is the same at both ends.
TEST(EstadosLimites, SinaisDosEsforcosArmazenados) {
  TAnalise a = analise();
  a.p.Criterio.fck = 1e6;  // no cracking
  for (int c : {1, 2})
    for (int g = 1; g <= a.m.nGraus(); ++g) a.m.cargaNodal[g][c] = 0;
  teste::cargaSimetrica(a.m, 1, 0.5, 0.0, 0.0);         // top slab only
  teste::cargaSimetrica(a.m, 2, 0.05, 0.3, 0.0, 0.05);  // mostly the walls
  ASSERT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
  const TModeloEF& m = a.m;
  const int meioSup = m.noSupDir + (m.noSupEsq - m.noSupDir) / 2;
  const int meioInf = 1 + (m.noInfDir - 1) / 2;
  const int meioPar = m.noInfDir + (m.noSupDir - m.noInfDir) / 2;
  EXPECT_LT(m.momentoIni[meioSup][1], 0.0);
  EXPECT_LT(m.momentoIni[meioInf][1], 0.0);
  EXPECT_GT(m.momentoIni[m.noSupDir][1], 0.0);
  for (int e = m.noInfDir; e < m.noSupDir; ++e) EXPECT_LT(m.normalIni[e][1], 0.0) << e;
  EXPECT_LT(m.momentoIni[meioPar][2], 0.0);
  EXPECT_GT(m.momentoIni[m.noSupDir][2], 0.0);
  for (int e = m.noSupDir; e < m.noSupEsq; ++e) EXPECT_LT(m.normalIni[e][2], 0.0) << e;
  for (int c : {1, 2})
    for (int e = 1; e <= m.nNos; ++e) {
      const double escala = 1e-9 * (1 + std::abs(m.cortanteIni[e][c]));
      ASSERT_NEAR(m.cortanteIni[e][c], m.cortanteFim[e][c], escala) << c << " el " << e;
      ASSERT_NEAR(m.normalIni[e][c], m.normalFim[e][c], 1e-9 * (1 + std::abs(m.normalIni[e][c])));
      // Moment equilibrium of the element: the end moments differ by V·L.
      ASSERT_NEAR(m.momentoFim[e][c], m.momentoIni[e][c] - m.cortanteFim[e][c] * m.compElem[e],
                  1e-8 * (1 + std::abs(m.momentoIni[e][c])))
          << c << " el " << e;
    }
}

// A push at the top tips the frame: the springs under the lifting side are
// removed until every remaining one is compressed, and the case then holds
// the solution of the frame on the remaining springs.
TEST(EstadosLimites, RetiraMolasTracionadasAteSobraremSoComprimidas) {
  TAnalise a = analise();
  a.p.Criterio.fck = 1e6;  // no cracking: the case keeps the no-tension solve
  for (int g = 1; g <= a.m.nGraus(); ++g) a.m.cargaNodal[g][2] = 0;
  teste::cargaTombamento(a.m, 2, 60.0, 0.3);
  ASSERT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
  const TModeloEF& m = a.m;
  int retiradas = 0;
  for (int k = 1; k <= m.noInfDir; ++k) {
    if (m.apoioAtivo[k][2] == 0) {
      ++retiradas;
      EXPECT_NEAR(m.reacao[3 * k - 1][2], 0.0, 1e-8);  // equilibrium, to rounding
    } else {
      EXPECT_GE(m.reacao[3 * k - 1][2], 0.0) << k;
    }
  }
  EXPECT_GT(retiradas, 0);
  EXPECT_LT(retiradas, m.noInfDir - 1);
  EXPECT_EQ(m.apoioAtivo[1][2], 0);           // the windward corner lifts
  EXPECT_EQ(m.apoioAtivo[m.noInfDir][2], 1);  // the leeward one presses
  for (int k = 1; k <= m.noInfDir; ++k) EXPECT_EQ(m.apoioAtivo[k][1], 1);  // case 1 untouched

  const auto ref = teste::resolverCasoDenso(m, 2, kMolaDe(a.p), false);
  for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(m.deslocamento[g][2], ref.deslocamento[g]);
  for (int e = 1; e <= m.nNos; ++e) {
    ASSERT_EQ(m.momentoIni[e][2], -ref.esforcos.f[3][e]);
    ASSERT_EQ(m.momentoFim[e][2], ref.esforcos.f[6][e]);
    ASSERT_EQ(m.normalIni[e][2], -ref.esforcos.f[1][e]);
    ASSERT_EQ(m.cortanteFim[e][2], ref.esforcos.f[5][e]);
  }
}

// A case without load has reactions of exactly 0: every spring stays.
TEST(EstadosLimites, ReacaoNulaMantemAMola) {
  TAnalise a = analise();
  for (int g = 1; g <= a.m.nGraus(); ++g) a.m.cargaNodal[g][3] = 0;
  ASSERT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
  for (int k = 1; k <= a.m.noInfDir; ++k) {
    EXPECT_EQ(a.m.reacao[3 * k - 1][3], 0.0);
    EXPECT_EQ(a.m.apoioAtivo[k][3], 1);
  }
  EXPECT_EQ(a.m.rigidezReduzida[3], 0);
}

// The stress of the reduction test from the element's mean moment (absolute)
// and mean normal force (tension adds, compression relieves); a stress equal
// to the limit does not reduce, one above it does.
TEST(EstadosLimites, TensaoIgualAoLimiteNaoReduz) {
  struct Caso {
    double mi, mf, ni, nf, tensao;
  } casos[] = {
      {100, -300, 2, 4, 100.0 / 28125 * 7.5 + 3.0 / 1500},     // |−100|, tension
      {-500, -700, -6, -6, 600.0 / 28125 * 7.5 - 6.0 / 1500},  // compression relieves
      {0, 0, 15, 15, 0.01},
  };
  for (const Caso& caso : casos) {
    TAnalise a = analise();
    TModeloEF& m = a.m;
    const int e = m.noSupDir + 3;  // a 15 cm element
    ASSERT_DOUBLE_EQ(m.espessura[e], 15.0);
    m.momentoIni[e][1] = caso.mi;
    m.momentoFim[e][1] = caso.mf;
    m.normalIni[e][1] = caso.ni;
    m.normalFim[e][1] = caso.nf;
    verificarReducaoRigidez(m, 1, 1e9, 0.5);
    EXPECT_NEAR(m.tensaoTracao[e][1], caso.tensao, 1e-15);
    const double tensao = m.tensaoTracao[e][1];

    verificarReducaoRigidez(m, 1, tensao, 0.5);
    EXPECT_EQ(m.fatorInercia[e][1], 1.0);
    EXPECT_EQ(m.rigidezReduzida[1], 0);

    verificarReducaoRigidez(m, 1, std::nextafter(tensao, -1.0), 0.5);
    EXPECT_EQ(m.fatorInercia[e][1], 0.5);
    EXPECT_EQ(m.rigidezReduzida[1], 1);
    for (int outro = 1; outro <= m.nNos; ++outro)
      if (outro != e) {
        ASSERT_EQ(m.fatorInercia[outro][1], 1.0);  // no forces, no stress
      }
  }
}

// Cracked elements get redRigidez in their own case only, and the case is
// solved again with those factors on the springs the no-tension loop left.
TEST(EstadosLimites, CasosFissuradosSaoResolvidosComSuaRigidez) {
  TAnalise a = analise();
  ASSERT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
  const TModeloEF& m = a.m;
  const double limite = tensaoLimite(a.p.Criterio.fck);
  const double red = a.p.Armadura.redRigidez;
  bool fatoresDiferem = false;
  for (int c : casosAnalisados) {
    bool algum = false;
    for (int e = 1; e <= m.nNos; ++e) {
      const bool fissurado = m.tensaoTracao[e][c] > limite;
      EXPECT_EQ(m.fatorInercia[e][c], fissurado ? red : 1.0) << c << " el " << e;
      algum = algum || fissurado;
      fatoresDiferem = fatoresDiferem || m.fatorInercia[e][c] != m.fatorInercia[e][1];
    }
    EXPECT_EQ(m.rigidezReduzida[c], algum ? 1 : 0) << c;
    const auto ref = teste::resolverCasoDenso(m, c, kMolaDe(a.p), algum);
    for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(m.deslocamento[g][c], ref.deslocamento[g]);
    for (int e = 1; e <= m.nNos; ++e) ASSERT_EQ(m.momentoFim[e][c], ref.esforcos.f[6][e]);
  }
  EXPECT_EQ(m.rigidezReduzida[1], 1);
  EXPECT_TRUE(fatoresDiferem);
}

// The reduced solve keeps the springs of the no-tension loop, which does not
// depend on cracking (the same loads without any reduction leave the same
// springs), and is final: a spring it pulls is neither removed nor followed
// by another solve, so the case holds the dense solution on those springs.
TEST(EstadosLimites, SolucaoReduzidaMantemAsMolasDoLacoSemTracao) {
  const auto tombada = [](double fck) {
    TAnalise a = analise();
    a.p.Criterio.fck = fck;
    a.p.Armadura.redRigidez = 0.2;
    for (int g = 1; g <= a.m.nGraus(); ++g) a.m.cargaNodal[g][2] = 0;
    teste::cargaTombamento(a.m, 2, 40.0, 0.3);
    EXPECT_TRUE(analisarEstadosLimites(a.p, a.m, a.registro));
    return a;
  };
  const TAnalise inteira = tombada(1e6), fissurada = tombada(15);
  const TModeloEF& m = fissurada.m;
  ASSERT_EQ(inteira.m.rigidezReduzida[2], 0);
  ASSERT_EQ(m.rigidezReduzida[2], 1);
  int retiradas = 0, puxadas = 0;
  for (int k = 1; k <= m.noInfDir; ++k) {
    EXPECT_EQ(m.apoioAtivo[k][2], inteira.m.apoioAtivo[k][2]) << k;
    retiradas += m.apoioAtivo[k][2] == 0;
    puxadas += m.apoioAtivo[k][2] == 1 && m.reacao[3 * k - 1][2] < -1e-3;
  }
  EXPECT_GT(retiradas, 0);
  EXPECT_GT(puxadas, 0);  // left pulling after the reduced solve
  const auto ref = teste::resolverCasoDenso(m, 2, kMolaDe(fissurada.p), true);
  for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(m.deslocamento[g][2], ref.deslocamento[g]);
  for (int e = 1; e <= m.nNos; ++e) ASSERT_EQ(m.momentoIni[e][2], -ref.esforcos.f[3][e]);
}

// redRigidez = 1 marks the cracked cases and solves them again, with the
// results of no reduction at all.
TEST(EstadosLimites, ReducaoUnitariaRepeteSemMudarResultados) {
  TAnalise reduzida = analise(), semFissura = analise();
  reduzida.p.Armadura.redRigidez = 1.0;
  semFissura.p.Criterio.fck = 1e6;
  ASSERT_TRUE(analisarEstadosLimites(reduzida.p, reduzida.m, reduzida.registro));
  ASSERT_TRUE(analisarEstadosLimites(semFissura.p, semFissura.m, semFissura.registro));
  for (int c : casosAnalisados) {
    EXPECT_EQ(semFissura.m.rigidezReduzida[c], 0);
    for (int g = 1; g <= reduzida.m.nGraus(); ++g)
      ASSERT_EQ(reduzida.m.deslocamento[g][c], semFissura.m.deslocamento[g][c]);
    for (int e = 1; e <= reduzida.m.nNos; ++e)
      ASSERT_EQ(reduzida.m.momentoIni[e][c], semFissura.m.momentoIni[e][c]);
  }
  EXPECT_EQ(reduzida.m.rigidezReduzida[1], 1);
}

bool resultadosNulos(const TModeloEF& m, int c) {
  for (int g = 1; g <= m.nGraus(); ++g)
    if (m.deslocamento[g][c] != 0 || m.reacao[g][c] != 0 || m.somaNodal[g][c] != 0) return false;
  for (int e = 1; e <= m.nNos; ++e)
    if (m.momentoIni[e][c] != 0 || m.momentoFim[e][c] != 0 || m.normalIni[e][c] != 0 ||
        m.normalFim[e][c] != 0 || m.cortanteIni[e][c] != 0 || m.cortanteFim[e][c] != 0 ||
        !std::isfinite(m.tensaoTracao[e][c]))
      return false;
  return true;
}

const std::string linhaSingular =
    "Sistema de equações sem solução (ELU Vmax e Hmin): estrutura sem apoio suficiente ou "
    "dados inválidos";

// A load that lifts the whole slab pulls every spring: they all go, the frame
// is left without support, the case is reported and zeroed, and the other
// cases are analysed as usual.
TEST(EstadosLimites, SemMolasOCasoERelatadoEZerado) {
  TAnalise a = analise();
  for (int g = 1; g <= a.m.nGraus(); ++g) a.m.cargaNodal[g][1] = -a.m.cargaNodal[g][1];
  EXPECT_FALSE(analisarEstadosLimites(a.p, a.m, a.registro));
  for (int k = 1; k <= a.m.noInfDir; ++k) EXPECT_EQ(a.m.apoioAtivo[k][1], 0);
  EXPECT_TRUE(resultadosNulos(a.m, 1));
  for (int c : {2, 3, 5, 10}) EXPECT_FALSE(resultadosNulos(a.m, c)) << c;
  const auto& l = a.registro.linhas;
  const auto it = std::find(l.begin(), l.end(), linhaSingular);
  ASSERT_NE(it, l.end());
  EXPECT_EQ(*(it + 1), "");
  EXPECT_EQ(std::count(l.begin(), l.end(), linhaSingular), 1);
  EXPECT_NE(std::find(l.begin(), l.end(), "Análise para o Estado Limite de Serviço (ELS)"),
            l.end());
}

// Data no frame can be made of: every case is refused and zeroed, nothing
// is divided through.
TEST(EstadosLimites, DadosInvalidosZeramTodosOsCasos) {
  const auto estragos = std::vector<void (*)(TModeloEF&)>{
      [](TModeloEF& m) { m.compElem[5] = 0; },
      [](TModeloEF& m) { m.moduloE[7] = std::numeric_limits<double>::infinity(); },
      [](TModeloEF& m) { m.cargaNodal[10][1] = std::nan(""); }};
  for (size_t i = 0; i < estragos.size(); ++i) {
    TAnalise a = analise();
    estragos[i](a.m);
    EXPECT_FALSE(analisarEstadosLimites(a.p, a.m, a.registro)) << i;
    EXPECT_TRUE(resultadosNulos(a.m, 1)) << i;
    for (int c : casosAnalisados)
      for (int e = 1; e <= a.m.nNos; ++e) ASSERT_TRUE(std::isfinite(a.m.momentoIni[e][c]));
  }
  TAnalise a = analise();
  a.p.Armadura.redRigidez = std::nan("");
  EXPECT_FALSE(analisarEstadosLimites(a.p, a.m, a.registro));  // cracked cases fail
}

// A model whose arrays were never sized is refused with the line, not read.
TEST(EstadosLimites, ModeloSemDimensionarERecusado) {
  TProjeto p = teste::projetoTipico();
  TModeloEF m;
  TRegistroMemoria registro;
  EXPECT_FALSE(analisarEstadosLimites(p, m, registro));
  EXPECT_FALSE(analisarIcamento(p, m, registro));
  EXPECT_FALSE(registro.linhas.empty());
}

// With the program's own loads (earth, pavement, water, class-30 vehicle), on
// the typical frame and on the largest section, every case ends with the
// results of the plain dense elimination of its final springs and factors.
class EstadosLimitesCargasReais : public ::testing::TestWithParam<bool> {};

TEST_P(EstadosLimitesCargasReais, CasosIguaisAEliminacaoDensa) {
  const TProjeto p = GetParam() ? teste::projetoMaior() : teste::projetoTipico();
  TModeloEF m = teste::modeloCalculado(p);
  TRegistroMemoria registro;
  TCargasCalculo cargas;
  bool interrompido = false;
  calcularArqueamento(p, m, cargas, registro, interrompido);
  cargasPermanentes(p, m, cargas, registro);
  cargasSobrecarga(p, m, cargas);
  ASSERT_TRUE(analisarEstadosLimites(p, m, registro));
  ASSERT_TRUE(analisarIcamento(p, m, registro));
  for (int c : casosAnalisados) {
    const bool reduzido = m.rigidezReduzida[c] == 1;
    const auto ref = teste::resolverCasoDenso(m, c, kMolaDe(p), reduzido);
    for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(m.deslocamento[g][c], ref.deslocamento[g]) << c;
    for (int e = 1; e <= m.nNos; ++e) {
      ASSERT_EQ(m.normalIni[e][c], -ref.esforcos.f[1][e]) << c;
      ASSERT_EQ(m.cortanteIni[e][c], -ref.esforcos.f[2][e]) << c;
      ASSERT_EQ(m.momentoIni[e][c], -ref.esforcos.f[3][e]) << c;
      ASSERT_EQ(m.normalFim[e][c], ref.esforcos.f[4][e]) << c;
      ASSERT_EQ(m.cortanteFim[e][c], ref.esforcos.f[5][e]) << c;
      ASSERT_EQ(m.momentoFim[e][c], ref.esforcos.f[6][e]) << c;
    }
    for (int k = 1; k <= m.noInfDir && !reduzido; ++k) {
      if (m.apoioAtivo[k][c] == 1) {
        EXPECT_GE(m.reacao[3 * k - 1][c], 0.0) << c << " no " << k;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Secoes, EstadosLimitesCargasReais, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Maior" : "Tipica"; });

// ---- Lifting ----

struct TIcamento {
  TProjeto p;
  TModeloEF m;
  TRegistroMemoria registro;
};

TIcamento icamento(double dica, double coefImpacto = 1.2) {
  TIcamento i{teste::projetoTipico(), {}, {}};
  i.p.Instalacao.dica = dica;
  i.p.Instalacao.coefImpacto = coefImpacto;
  i.m = teste::modeloCalculado(i.p);
  return i;
}

double pesoTotal(const TProjeto& p, double coefImpacto) {
  const TValoresGeometricos v = valoresGeometricos(p.Geometria);
  const TGeometria& g = p.Geometria;
  const double w = coefImpacto * p.Criterio.pesoConcreto / 1e6;
  return w * 100 * (g.hb * v.larguraExterna + g.hc * v.larguraExterna + 2 * g.hp * v.alturaExterna);
}

// The piece hangs from its two points: their vertical reactions carry the
// whole factored weight, half each; nothing else reacts; the moments are
// symmetric.
TEST(Icamento, ReacoesCarregamOPesoEOsEsforcosSaoSimetricos) {
  TIcamento i = icamento(30.0);
  ASSERT_TRUE(analisarIcamento(i.p, i.m, i.registro));
  const TModeloEF& m = i.m;
  const int dir = m.noIcamentoDir, esq = m.noIcamentoEsq;
  EXPECT_EQ(esq, teste::noEspelhado(m, dir));
  const double peso = pesoTotal(i.p, 1.2);
  double somaCarga = 0;
  for (int k = 1; k <= m.nNos; ++k) somaCarga += m.cargaNodal[3 * k - 1][4];
  EXPECT_NEAR(somaCarga, -peso, 1e-12 * peso);
  EXPECT_NEAR(m.reacao[3 * dir - 1][4] + m.reacao[3 * esq - 1][4], peso, 1e-9 * peso);
  EXPECT_NEAR(m.reacao[3 * dir - 1][4], m.reacao[3 * esq - 1][4], 1e-9 * peso);
  EXPECT_NEAR(m.reacao[3 * dir - 2][4] + m.reacao[3 * esq - 2][4], 0.0, 1e-9 * peso);
  for (int k = 1; k <= m.nNos; ++k)
    if (k != dir && k != esq) {
      for (int d = 0; d < 3; ++d) ASSERT_NEAR(m.reacao[3 * k - d][4], 0.0, 1e-9 * peso) << k;
    }

  double maior = 0;
  for (int e = 1; e <= m.nNos; ++e) maior = std::max(maior, std::abs(m.momentoIni[e][4]));
  ASSERT_GT(maior, 0);
  for (int e = 1; e <= m.nNos; ++e)
    EXPECT_NEAR(m.momentoIni[e][4], m.momentoFim[teste::elementoEspelhado(m, e)][4], 1e-7 * maior);
  for (int c : casosAnalisados)  // the other cases are not touched
    for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(m.deslocamento[g][c], 0.0);
}

TEST(Icamento, CoeficienteUnitarioDaOPesoProprio) {
  TIcamento i = icamento(30.0, 1.0);
  ASSERT_TRUE(analisarIcamento(i.p, i.m, i.registro));
  double soma = 0;
  for (int k = 1; k <= i.m.nNos; ++k) soma += i.m.cargaNodal[3 * k - 1][4];
  EXPECT_NEAR(soma, -pesoTotal(i.p, 1.0), 1e-12 * pesoTotal(i.p, 1.0));
  // The corner node takes the share of both members meeting there.
  const TModeloEF& m = i.m;
  const double w = i.p.Criterio.pesoConcreto / 1e6 * 100 * 15;
  EXPECT_NEAR(m.cargaNodal[3 * m.noSupDir - 1][4],
              -w * (m.inflDireita[m.noSupDir] + m.inflSuperior[m.noSupDir]), 1e-12);
  EXPECT_NEAR(m.cargaNodal[2][4], -w * (m.inflInferior[1] + m.inflEsquerda[m.noFecho]), 1e-12);
}

// Each member weighs with its own thickness: bottom slab hb, walls hp, top
// slab hc; a corner node takes both members' shares; the lifting distance is
// measured from the wall's axis (dica − hp/2).
TEST(Icamento, CadaMembroComSuaEspessura) {
  TProjeto p = teste::projetoTipico();
  TGeometria& g = p.Geometria;
  g.secaoConstante = false;
  g.hb = 20, g.hp = 16, g.hc = 12;
  p.Instalacao.coefImpacto = 1.3;
  TModeloEF m = teste::modeloCalculado(p);
  const int sd = m.noSupDir;
  const double L1 = m.compElem[sd];
  p.Instalacao.dica = 8 + L1;  // exactly the first element's end from the wall axis
  TRegistroMemoria registro;
  ASSERT_TRUE(analisarIcamento(p, m, registro));
  EXPECT_EQ(m.noIcamentoDir, sd + 1);

  const double w = 1.3 * p.Criterio.pesoConcreto / 1e6 * 100;
  const TValoresGeometricos v = valoresGeometricos(g);
  double soma = 0;
  for (int k = 1; k <= m.nNos; ++k) soma += m.cargaNodal[3 * k - 1][4];
  const double peso =
      w * (20 * v.larguraExterna + 12 * v.larguraExterna + 2 * 16 * v.alturaExterna);
  EXPECT_NEAR(soma, -peso, 1e-12 * peso);
  const auto carga = [&](int no) { return m.cargaNodal[3 * no - 1][4]; };
  EXPECT_NEAR(carga(1), -w * (20 * m.inflInferior[1] + 16 * m.inflEsquerda[m.noFecho]), 1e-12);
  EXPECT_NEAR(carga(m.noInfDir),
              -w * (20 * m.inflInferior[m.noInfDir] + 16 * m.inflDireita[m.noInfDir]), 1e-12);
  EXPECT_NEAR(carga(sd), -w * (16 * m.inflDireita[sd] + 12 * m.inflSuperior[sd]), 1e-12);
  EXPECT_NEAR(carga(m.noSupEsq),
              -w * (12 * m.inflSuperior[m.noSupEsq] + 16 * m.inflEsquerda[m.noSupEsq]), 1e-12);
  EXPECT_NEAR(carga(3), -w * 20 * m.inflInferior[3], 1e-12);
  EXPECT_NEAR(carga(m.noInfDir + 4), -w * 16 * m.inflDireita[m.noInfDir + 4], 1e-12);
  EXPECT_NEAR(carga(sd + 4), -w * 12 * m.inflSuperior[sd + 4], 1e-12);
  EXPECT_NEAR(carga(m.noSupEsq + 4), -w * 16 * m.inflEsquerda[m.noSupEsq + 4], 1e-12);
  for (int k = 1; k <= m.nNos; ++k) {
    EXPECT_EQ(m.cargaNodal[3 * k - 2][4], 0.0);
    EXPECT_EQ(m.cargaNodal[3 * k][4], 0.0);
  }

  // A second analysis starts its loads from zero again.
  p.Instalacao.dica = 8 + L1 + 0.01;
  ASSERT_TRUE(analisarIcamento(p, m, registro));
  EXPECT_EQ(m.noIcamentoDir, sd + 2);
  soma = 0;
  for (int k = 1; k <= m.nNos; ++k) soma += m.cargaNodal[3 * k - 1][4];
  EXPECT_NEAR(soma, -peso, 1e-12 * peso);
}

// Elements of the top slab to the farthest node the installation dialog
// accepts: k/2 − 1 for k even, k/2 rounded half to even for k odd.
int passosDoDialogo(int k) {
  if (k % 2 == 0) return k / 2 - 1;
  return static_cast<int>(std::nearbyint(k / 2.0));
}

// Lifting node from each top corner: the first node at least dica − hp/2
// along the slab (the first element's end at least), never past the node
// the installation dialog's limit reaches.
TEST(Icamento, NoDeIcamentoPelaDistancia) {
  const TModeloEF base = icamento(30).m;
  const int sd = base.noSupDir, se = base.noSupEsq;
  const double L1 = base.compElem[sd];  // 11,25 cm in the haunch zone
  ASSERT_NEAR(L1, 11.25, 1e-12);
  const int k = se - sd;
  double limite = 7.5;  // hp/2 + the dialog's S
  for (int e = sd; e < sd + passosDoDialogo(k); ++e) limite += base.compElem[e];
  struct Caso {
    double dica;
    int passos;
  } casos[] = {{5.0, 1},
               {7.5, 1},
               {7.5 + L1, 1},
               {7.5 + L1 + 0.01, 2},
               {30.0, 2},
               {30.01, 3},
               {limite, passosDoDialogo(k)},
               {1e6, passosDoDialogo(k)},
               {std::numeric_limits<double>::quiet_NaN(), passosDoDialogo(k)}};
  for (const Caso& c : casos) {
    TIcamento i = icamento(c.dica);
    ASSERT_TRUE(analisarIcamento(i.p, i.m, i.registro)) << c.dica;
    EXPECT_EQ(i.m.noIcamentoDir, sd + c.passos) << c.dica;
    EXPECT_EQ(i.m.noIcamentoEsq, se - c.passos) << c.dica;
  }
}

// A distance the dialog's limit no longer covers (the geometry or the
// element length changed after the installation dialog accepted it) is
// still walked: the first node at least that far along the top slab, past
// mid-span and on to the first element of the next wall. Only a distance
// beyond that walk falls back on the dialog's farthest node.
TEST(Icamento, DistanciaAlemDoLimiteDoDialogoAindaEPercorrida) {
  const TModeloEF base = icamento(30).m;
  const int sd = base.noSupDir, se = base.noSupEsq, k = se - sd;
  const auto ate = [&](int elementos) {  // length of the first elements from the right corner
    double soma = 0;
    for (int e = sd; e < sd + elementos; ++e) soma += base.compElem[e];
    return soma;
  };
  const int limite = passosDoDialogo(k);
  struct Caso {
    double dist;
    int dir, esq;
  } casos[] = {
      {ate(limite + 1), sd + limite + 1, se - limite - 1},
      {ate(limite + 1) + 0.01, sd + limite + 2, se - limite - 2},
      {ate(k - 2) - 0.001, sd + k - 2, sd + 2},  // past mid-span: the points cross
      {ate(k) - 0.001, se, sd},                  // at the far corners
      {ate(k) + 0.01, se + 1, sd - 1},           // the first element of the next wall
      {ate(k) + base.compElem[se] + 1.0, sd + limite, se - limite},  // beyond the walk
  };
  for (const Caso& c : casos) {
    TIcamento i = icamento(c.dist + 7.5);
    ASSERT_TRUE(analisarIcamento(i.p, i.m, i.registro)) << c.dist;
    EXPECT_EQ(i.m.noIcamentoDir, c.dir) << c.dist;
    EXPECT_EQ(i.m.noIcamentoEsq, c.esq) << c.dist;
    // Hanging from its two points, the piece is still in equilibrium.
    double somaCarga = 0;
    for (int n = 1; n <= i.m.nNos; ++n) somaCarga += i.m.cargaNodal[3 * n - 1][4];
    EXPECT_NEAR(i.m.reacao[3 * c.dir - 1][4] + i.m.reacao[3 * c.esq - 1][4], -somaCarga,
                1e-9 * std::abs(somaCarga));
  }
}

// On a slab of an even number of elements a distance of half its length
// brings both walks to the middle node: one support point leaves the piece
// free to turn, and the case is reported and left at zero.
TEST(Icamento, AmbosOsPontosNoMeioDaLajeNaoTemSolucao) {
  TProjeto p = teste::projetoTipico();
  p.Geometria.mhc = 0.0;
  p.Geometria.bl = 3.05;  // centre span 320 cm: 16 elements of 20 cm
  igualarSecaoConstante(p.Geometria);
  p.Instalacao.dica = 7.5 + 160;
  TModeloEF m = teste::modeloCalculado(p);
  ASSERT_EQ(m.noSupEsq - m.noSupDir, 16);
  TRegistroMemoria registro;
  EXPECT_FALSE(analisarIcamento(p, m, registro));
  EXPECT_EQ(m.noIcamentoDir, m.noSupDir + 8);
  EXPECT_EQ(m.noIcamentoEsq, m.noSupDir + 8);
  EXPECT_EQ(registro.linhas,
            (std::vector<std::string>{"Sistema de equações sem solução (Içamento): estrutura sem "
                                      "apoio suficiente ou dados inválidos",
                                      ""}));
  for (int g = 1; g <= m.nGraus(); ++g) ASSERT_EQ(m.deslocamento[g][4], 0.0);
  for (int e = 1; e <= m.nNos; ++e) ASSERT_EQ(m.momentoIni[e][4], 0.0);
}

// The walk stays on the top slab and apart from the other point for any
// length of slab, even where the dialog's limit has no room (1 or 2 elements).
TEST(Icamento, NosFicamNaLajeSuperiorParaQualquerComprimento) {
  for (double bl : {0.10, 0.20, 0.40, 1.0, 2.55, 4.5}) {
    TProjeto p = teste::projetoTipico();
    p.Geometria.mhc = 0.0;
    igualarSecaoConstante(p.Geometria);
    p.Geometria.bl = bl;
    p.Criterio.compElemento = 30;
    p.Instalacao.dica = 1e6;
    TModeloEF m = teste::modeloCalculado(p);
    TRegistroMemoria registro;
    ASSERT_TRUE(analisarIcamento(p, m, registro)) << bl;
    EXPECT_GE(m.noIcamentoDir, m.noSupDir);
    EXPECT_LE(m.noIcamentoEsq, m.noSupEsq);
    EXPECT_NE(m.noIcamentoDir, m.noIcamentoEsq) << bl;
    EXPECT_EQ(m.noIcamentoEsq, teste::noEspelhado(m, m.noIcamentoDir)) << bl;
  }
}

}  // namespace
}  // namespace galeria
