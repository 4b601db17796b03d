#include <gtest/gtest.h>

#include "comum/modelo_teste.h"

#include <cmath>
#include <string>
#include <vector>

#include "analysis/anel_teste.h"
#include "analysis/cargas.h"
#include "analysis/cargas_auxiliares.h"
#include "analysis/malha.h"
#include "comum/projetos_teste.h"

namespace galeria {
namespace {

using teste::LinhaFatores;
using teste::somaHorizontalDireita;
using teste::somaHorizontalEsquerda;
using teste::somaVerticalLaje;
using teste::tabelaFatores;

// 3,20 × 2,20 m, 15 cm members without haunches: 17 elements on each slab,
// 12 on each wall; outer width 350 cm, outer height 250 cm, wall centre line
// 235 cm. Fill 0,30 m and pavement 0,20 m of an 18 kN/m³ soil: Heq 57,78 cm.
TProjeto projetoSemMisula() {
  TProjeto p = teste::projetoTipico();
  p.Geometria.mhc = 0.0;
  igualarSecaoConstante(p.Geometria);
  return p;
}

constexpr double larguraB = 350.0, alturaH = 250.0, paredeLw = 235.0, hb = 15.0;
constexpr double heq = 57.78;
// Σ influence·depth over a wall of equal elements: Lw·(Lw + hb)/2.
constexpr double somaInflProf = paredeLw * (paredeLw + hb) / 2.0;

TModeloEF anel(const TProjeto& p) { return teste::anelRetangular(p, 17, 12); }

TCargasCalculo cargasCom(double fator) {
  TCargasCalculo c;
  c.fatorArqueamento = fator;
  return c;
}

TEST(CargasPermanentes, RegistraAMontagemDosVetores) {
  const TProjeto p = projetoSemMisula();
  TModeloEF m = anel(p);
  TCargasCalculo c = cargasCom(1.0);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);
  const std::vector<std::string> esperadas{"Montando Vetores de Forças Nodais (ELU e ELS)", ""};
  EXPECT_EQ(registro.linhas, esperadas);
  EXPECT_EQ(registro.repinturas, 1);
  EXPECT_NEAR(c.alturaEquivalente, heq, 1e-9);
}

TEST(CargasPermanentes, TotaisDasLajesEParedesPorCaso) {
  TProjeto p = projetoSemMisula();
  p.Sobrecarga.tipoSobrecarga = 2;
  p.Sobrecarga.q = 10.0;  // 0,001 kN/cm²
  const double fa = 0.9, ka = p.Instalacao.ka, ko = p.Instalacao.ko;
  const double gc = 25e-6, gs = 18e-6, ga = 10e-6, qs = 0.001;
  TModeloEF m = anel(p);
  TCargasCalculo c = cargasCom(fa);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);

  for (const LinhaFatores& f : tabelaFatores) {
    const double k = f.ko ? ko : ka;
    const double laje = -(f.g * gc * 15.0 + fa * f.s * gs * heq + fa * f.q * qs) * larguraB * 100.0;
    EXPECT_NEAR(somaVerticalLaje(m, f.caso), laje, 1e-9) << "caso " << f.caso;
    const double parede = f.agua * ga * somaInflProf * 100.0 -
                          fa * f.sh * k * gs * (heq * alturaH + somaInflProf) * 100.0 -
                          fa * f.qh * k * qs * alturaH * 100.0;
    EXPECT_NEAR(somaHorizontalDireita(m, f.caso), parede, 1e-9) << "caso " << f.caso;
    EXPECT_NEAR(somaHorizontalEsquerda(m, f.caso), -parede, 1e-9) << "caso " << f.caso;
  }
}

// The same totals with every factor distinct and the soil coefficients typed
// with more decimals than shown: each case reads its own factors, the ELS soil
// factor is the own-weight one, and ka, ko act with four decimals.
TEST(CargasPermanentes, TotaisComFatoresDistintosECoeficientesArredondados) {
  TProjeto p = projetoSemMisula();
  teste::criteriosDistintos(p);
  p.Sobrecarga.tipoSobrecarga = 2;
  p.Sobrecarga.q = 10.0;  // 0,001 kN/cm²
  const double fa = 0.85, gc = 25e-6, gs = 18e-6, ga = 10e-6, qs = 0.001;
  TModeloEF m = anel(p);
  TCargasCalculo c = cargasCom(fa);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);

  for (const LinhaFatores& f : teste::tabelaFatoresDistintos) {
    const double k = f.ko ? teste::koDistinto : teste::kaDistinto;
    const double laje = -(f.g * gc * 15.0 + fa * f.s * gs * heq + fa * f.q * qs) * larguraB * 100.0;
    EXPECT_NEAR(somaVerticalLaje(m, f.caso), laje, 1e-9) << "caso " << f.caso;
    const double parede = f.agua * ga * somaInflProf * 100.0 -
                          fa * f.sh * k * gs * (heq * alturaH + somaInflProf) * 100.0 -
                          fa * f.qh * k * qs * alturaH * 100.0;
    EXPECT_NEAR(somaHorizontalDireita(m, f.caso), parede, 1e-9) << "caso " << f.caso;
    EXPECT_NEAR(somaHorizontalEsquerda(m, f.caso), -parede, 1e-9) << "caso " << f.caso;
  }
}

TEST(CargasPermanentes, SoloEmServicoUsaOFatorDoPesoProprio) {
  TProjeto p = projetoSemMisula();
  p.Criterio.elsPesoProprio = 1.2;
  p.Criterio.elsSolo = 1.0;
  TModeloEF m = anel(p);
  TCargasCalculo c = cargasCom(1.0);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);
  const double ka = p.Instalacao.ka, ko = p.Instalacao.ko;
  for (const int caso : {5, 7, 8, 10})
    EXPECT_NEAR(somaVerticalLaje(m, caso), -1.2 * (25e-6 * 15.0 + 18e-6 * heq) * larguraB * 100.0,
                1e-9);
  EXPECT_NEAR(somaHorizontalDireita(m, 6),
              -1.2 * ko * 18e-6 * (heq * alturaH + somaInflProf) * 100.0, 1e-9);
  EXPECT_NEAR(somaHorizontalDireita(m, 9),
              -1.2 * ko * 18e-6 * (heq * alturaH + somaInflProf) * 100.0, 1e-9);
  // Minimum horizontal pressure with factor 1, water with the ELS factor.
  EXPECT_NEAR(
      somaHorizontalDireita(m, 5),
      1.2 * 10e-6 * somaInflProf * 100.0 - ka * 18e-6 * (heq * alturaH + somaInflProf) * 100.0,
      1e-9);
}

TEST(CargasPermanentes, CargasSimetricasNoAnelSimetrico) {
  TProjeto p = projetoSemMisula();
  p.Sobrecarga.tipoSobrecarga = 2;
  TModeloEF m = anel(p);
  TCargasCalculo c = cargasCom(1.0);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);
  for (const int caso : casosComCargas) {
    for (int i = 0; i <= 17; ++i)
      EXPECT_NEAR(m.cargaNodal[3 * (m.noSupDir + i) - 1][caso],
                  m.cargaNodal[3 * (m.noSupEsq - i) - 1][caso], 1e-12);
    // Node noInfDir + i of the right wall faces node noFecho − i of the left.
    for (int i = 0; i <= 12; ++i) {
      const int esquerda = i == 0 ? 1 : m.nNos + 1 - i;
      EXPECT_NEAR(m.cargaNodal[3 * (m.noInfDir + i) - 2][caso],
                  -m.cargaNodal[3 * esquerda - 2][caso], 1e-12);
    }
  }
}

TEST(CargasPermanentes, SoOsGrausDaLajeSuperiorEDasParedesSaoAtribuidos) {
  const TProjeto p = projetoSemMisula();
  TModeloEF m = anel(p);
  constexpr double marca = 123.0;
  for (auto& linha : m.cargaNodal) std::fill(linha.begin(), linha.end(), marca);
  TCargasCalculo c = cargasCom(1.0);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);

  const auto laje = [&](int k) { return k >= m.noSupDir && k <= m.noSupEsq; };
  const auto parede = [&](int k) {
    return k == 1 || (k >= m.noInfDir && k <= m.noSupDir) || k >= m.noSupEsq;
  };
  for (int k = 1; k <= m.nNos; ++k) {
    for (int caso = 1; caso <= nCasos; ++caso) {
      const bool carregado = caso != casoIcamento;
      EXPECT_EQ(m.cargaNodal[3 * k - 2][caso] != marca, carregado && parede(k)) << k << " " << caso;
      EXPECT_EQ(m.cargaNodal[3 * k - 1][caso] != marca, carregado && laje(k)) << k << " " << caso;
      EXPECT_EQ(m.cargaNodal[3 * k][caso], marca) << k << " " << caso;
    }
  }
  // Corners: the top ones carry the slab downwards and the wall inwards; the
  // bottom ones only the wall.
  for (const int caso : casosComCargas) {
    EXPECT_LT(m.cargaNodal[3 * m.noSupDir - 1][caso], 0.0);
    EXPECT_LT(m.cargaNodal[3 * m.noSupDir - 2][caso], 0.0);
    EXPECT_LT(m.cargaNodal[3 * m.noSupEsq - 1][caso], 0.0);
    EXPECT_GT(m.cargaNodal[3 * m.noSupEsq - 2][caso], 0.0);
  }
  // The top-right corner's slab share includes half a wall thickness.
  EXPECT_NEAR(m.cargaNodal[3 * m.noSupDir - 1][casoFissVminHmax],
              -(25e-6 * 15.0 + 18e-6 * heq) * (7.5 + 335.0 / 17 / 2) * 100.0, 1e-12);
}

TEST(CargasPermanentes, AguaSoNoArranjoVmaxHmin) {
  // Water is the difference between a run with and one without it.
  struct Caso {
    int finalidade;
    int caso;
    double fatorAgua;
  };
  const Caso casos[] = {{1, 1, 1.20}, {1, 5, 1.0}, {1, 8, 1.0}, {2, 1, 0.0}, {2, 5, 1.0},
                        {2, 8, 1.0},  {1, 2, 0.0}, {1, 3, 0.0}, {1, 7, 0.0}, {2, 10, 0.0}};
  for (const Caso& cs : casos) {
    TProjeto p = projetoSemMisula();
    p.Geometria.finalidade = cs.finalidade;
    TModeloEF com = anel(p), sem = anel(p);
    TCargasCalculo c = cargasCom(1.0);
    TRegistroMemoria registro;
    cargasPermanentes(p, com, c, registro);
    p.Sobrecarga.gamaAgua = 0.0;
    cargasPermanentes(p, sem, c, registro);
    const double agua = somaHorizontalDireita(com, cs.caso) - somaHorizontalDireita(sem, cs.caso);
    EXPECT_NEAR(agua, cs.fatorAgua * 10e-6 * somaInflProf * 100.0, 1e-12)
        << cs.finalidade << " caso " << cs.caso;
    // Water pushes both walls outwards, and never at the top corner.
    const double aguaEsq =
        somaHorizontalEsquerda(com, cs.caso) - somaHorizontalEsquerda(sem, cs.caso);
    EXPECT_NEAR(aguaEsq, -agua, 1e-12);
    EXPECT_EQ(com.cargaNodal[3 * com.noSupDir - 2][cs.caso],
              sem.cargaNodal[3 * sem.noSupDir - 2][cs.caso]);
  }
}

TEST(CargasPermanentes, ArqueamentoEscalaSoloESobrecargaMasNaoPesoProprioNemAgua) {
  TProjeto p = projetoSemMisula();
  p.Sobrecarga.tipoSobrecarga = 2;
  TModeloEF m = anel(p);
  TCargasCalculo c = cargasCom(0.0);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);
  EXPECT_NEAR(somaVerticalLaje(m, 1), -1.3 * 25e-6 * 15.0 * larguraB * 100.0, 1e-12);
  EXPECT_NEAR(somaHorizontalDireita(m, 1), 1.2 * 10e-6 * somaInflProf * 100.0, 1e-12);
  EXPECT_NEAR(somaHorizontalDireita(m, 2), 0.0, 1e-15);
}

TEST(CargasPermanentes, SoASobrecargaUniformeEntraAqui) {
  for (const int tipo : {1, 3, 4}) {
    TProjeto p = projetoSemMisula();
    p.Sobrecarga.q = 50.0;
    TModeloEF base = anel(p), outro = anel(p);
    TCargasCalculo c = cargasCom(1.0);
    TRegistroMemoria registro;
    p.Sobrecarga.tipoSobrecarga = 4;
    cargasPermanentes(p, base, c, registro);
    p.Sobrecarga.tipoSobrecarga = tipo;
    cargasPermanentes(p, outro, c, registro);
    EXPECT_EQ(base.cargaNodal, outro.cargaNodal) << tipo;
  }
}

TEST(CargasPermanentes, AnelDeTesteIgualAMalhaSemMisula) {
  const TProjeto p = projetoSemMisula();
  const TModeloEF a = anel(p);
  const TModeloEF m = teste::modeloCalculado(p);
  ASSERT_EQ(m.nNos, a.nNos);
  EXPECT_EQ(m.noInfDir, a.noInfDir);
  EXPECT_EQ(m.noSupDir, a.noSupDir);
  EXPECT_EQ(m.noSupEsq, a.noSupEsq);
  for (int k = 1; k <= m.nNos; ++k) {
    EXPECT_NEAR(m.xNo[k], a.xNo[k], 1e-9) << k;
    EXPECT_NEAR(m.yNo[k], a.yNo[k], 1e-9) << k;
  }
  for (int k = 1; k <= m.nNos + 1; ++k) {
    EXPECT_NEAR(m.inflDireita[k], a.inflDireita[k], 1e-9) << k;
    EXPECT_NEAR(m.inflSuperior[k], a.inflSuperior[k], 1e-9) << k;
    EXPECT_NEAR(m.inflEsquerda[k], a.inflEsquerda[k], 1e-9) << k;
  }
}

TEST(CargasPermanentes, MalhaComMisulasFechaOsTotais) {
  TProjeto p = teste::projetoTipico();  // haunches 15 × 15
  p.Sobrecarga.tipoSobrecarga = 2;
  p.Sobrecarga.q = 10.0;
  TModeloEF m;
  gerarMalha(p, m);
  alocarModelo(m);
  iniciarModelo(m);
  calcularPropriedades(p, m);
  calcularInfluencia(p, m);
  TCargasCalculo c = cargasCom(1.0);
  TRegistroMemoria registro;
  cargasPermanentes(p, m, c, registro);
  for (const LinhaFatores& f : tabelaFatores) {
    const double laje = -(f.g * 25e-6 * 15.0 + f.s * 18e-6 * heq + f.q * 0.001) * larguraB * 100.0;
    EXPECT_NEAR(somaVerticalLaje(m, f.caso), laje, 1e-9) << f.caso;
    EXPECT_NEAR(somaHorizontalDireita(m, f.caso), -somaHorizontalEsquerda(m, f.caso), 1e-9);
  }
}

TEST(CargasPermanentes, EntradasAbsurdasNaoGeramValoresInfinitos) {
  TModeloEF vazio;
  TCargasCalculo c = cargasCom(1.0);
  TRegistroMemoria registro;
  cargasPermanentes(projetoSemMisula(), vazio, c, registro);  // no mesh: nothing to load
  EXPECT_EQ(registro.linhas.size(), 2u);

  TProjeto p = projetoSemMisula();
  p.Instalacao.gamaS = 0.0;
  p.Instalacao.ka = std::nan("");
  TModeloEF m = anel(p);
  cargasPermanentes(p, m, c, registro);
  EXPECT_NEAR(c.alturaEquivalente, 50.0, 1e-12);  // fill and pavement by thickness
  for (const auto& linha : m.cargaNodal)
    for (const double v : linha) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
}  // namespace galeria
