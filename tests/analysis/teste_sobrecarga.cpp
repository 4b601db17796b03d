#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "analysis/anel_teste.h"
#include "analysis/cargas.h"
#include "analysis/cargas_auxiliares.h"
#include "comum/projetos_teste.h"

namespace galeria {
namespace {

using teste::LinhaFatores;
using teste::tabelaFatores;

// 3,20 × 2,20 m, 15 cm members without haunches; the fill and pavement give
// the equivalent height heq (pavement 0 so that Heq = hs·100).
TProjeto projeto(double heq, int tipo) {
  TProjeto p = teste::projetoTipico();
  p.Geometria.mhc = 0.0;
  igualarSecaoConstante(p.Geometria);
  p.Instalacao.hs = heq / 100.0;
  p.Instalacao.hpav = 0.0;
  p.Sobrecarga.tipoSobrecarga = tipo;
  return p;
}

// The loads the surcharge adds: cargaNodal after cargasSobrecarga minus the
// matrix cargasPermanentes left.
struct Acrescimo {
  TModeloEF antes, depois;
  TCargasCalculo cargas;
  double operator()(int linha, int caso) const {
    return depois.cargaNodal[linha][caso] - antes.cargaNodal[linha][caso];
  }
  double laje(int no, int caso) const { return (*this)(3 * no - 1, caso); }
  double parede(int no, int caso) const { return (*this)(3 * no - 2, caso); }
  double somaLaje(int caso) const {
    double s = 0;
    for (int k = antes.noSupDir; k <= antes.noSupEsq; ++k) s += laje(k, caso);
    return s;
  }
  double somaDireita(int caso) const {
    double s = 0;
    for (int k = antes.noInfDir; k <= antes.noSupDir; ++k) s += parede(k, caso);
    return s;
  }
  double somaEsquerda(int caso) const {
    double s = 0;
    for (int k = antes.noSupEsq; k <= antes.nNos; ++k) s += parede(k, caso);
    return s + parede(1, caso);
  }
  std::set<int> nosDaLajeCarregados(int caso) const {
    std::set<int> nos;
    for (int k = 1; k <= antes.nNos; ++k)
      if (laje(k, caso) != 0.0) nos.insert(k);
    return nos;
  }
};

Acrescimo sobrecarga(const TProjeto& p, TModeloEF m, double fator = 1.0) {
  Acrescimo a;
  a.cargas.fatorArqueamento = fator;
  TRegistroMemoria registro;
  cargasPermanentes(p, m, a.cargas, registro);
  a.antes = m;
  cargasSobrecarga(p, m, a.cargas);
  a.depois = m;
  return a;
}

std::set<int> faixa(int de, int ate) {
  std::set<int> s;
  for (int k = de; k <= ate; ++k) s.insert(k);
  return s;
}

TEST(Sobrecarga, FatorDeImpactoPelaAlturaEquivalente) {
  const struct {
    double heq, fator;
  } casos[] = {{90.0, 1.1},  {90.01, 1.0}, {30.0, 1.3},  {30.01, 1.2}, {60.0, 1.2},
               {60.01, 1.1}, {0.0, 1.3},   {99.99, 1.0}, {500.0, 1.0}};
  for (const auto& c : casos) EXPECT_EQ(fatorImpacto(c.heq), c.fator) << c.heq;
}

TEST(Sobrecarga, PressaoDoVeiculoEspraiadaNoAterro) {
  EXPECT_NEAR(pressaoEspraiada(veiculoDaClasse(30), 100.0), 0.0011450, 5e-8);
  EXPECT_NEAR(pressaoEspraiada(veiculoDaClasse(30), 100.0), 210.0 / 325600.0 + 0.0005, 1e-15);
  EXPECT_NEAR(pressaoEspraiada(veiculoDaClasse(45), 100.0), 360.0 / 325600.0 + 0.0005, 1e-15);
  // Without fill the reduced weight acts on the base rectangle: Q/(Lr·Br) in all.
  EXPECT_NEAR(pressaoEspraiada(veiculoDaClasse(30), 0.0), 300.0 / (600.0 * 300.0), 1e-15);
  EXPECT_NEAR(pressaoEspraiada(veiculoDaClasse(45), 0.0), 450.0 / (600.0 * 300.0), 1e-15);
  // Deep fill leaves the crowd pressure qv.
  EXPECT_NEAR(pressaoEspraiada(veiculoDaClasse(30), 1e7), 0.0005, 1e-8);
}

TEST(Sobrecarga, VeiculoComAterroDe1mOuMaisEspalhaSobreTodoOAnel) {
  const TProjeto p = projeto(100.0, 1);
  const double fa = 0.9, pr = pressaoEspraiada(veiculoDaClasse(30), 100.0);
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 17, 12), fa);
  for (const LinhaFatores& f : tabelaFatores) {
    const double k = f.ko ? p.Instalacao.ko : p.Instalacao.ka;
    EXPECT_NEAR(a.somaLaje(f.caso), -fa * f.q * pr * 350.0 * 100.0, 1e-9) << f.caso;
    EXPECT_NEAR(a.somaDireita(f.caso), -fa * f.qh * k * pr * 250.0 * 100.0, 1e-9) << f.caso;
    EXPECT_NEAR(a.somaEsquerda(f.caso), fa * f.qh * k * pr * 250.0 * 100.0, 1e-9) << f.caso;
    if (f.q != 0.0) {
      for (int k = a.antes.noSupDir; k <= a.antes.noSupEsq; ++k)
        EXPECT_NEAR(a.laje(k, f.caso) / a.antes.inflSuperior[k], -fa * f.q * pr * 100.0, 1e-12);
    }
  }
}

// Every case reads its own vertical and lateral factor and K (ka with four
// decimals in the minimum-horizontal arrangements, ko in the others).
TEST(Sobrecarga, VeiculoEspalhadoComFatoresDistintos) {
  TProjeto p = projeto(150.0, 1);
  teste::criteriosDistintos(p);
  p.Sobrecarga.classe = 45;
  const double fa = 0.85, pr = 360.0 / ((210.0 + 600.0) * (210.0 + 300.0)) + 0.0005;
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 17, 12), fa);
  for (const LinhaFatores& f : teste::tabelaFatoresDistintos) {
    const double k = f.ko ? teste::koDistinto : teste::kaDistinto;
    EXPECT_NEAR(a.somaLaje(f.caso), -fa * f.q * pr * 350.0 * 100.0, 1e-9) << f.caso;
    EXPECT_NEAR(a.somaDireita(f.caso), -fa * f.qh * k * pr * 250.0 * 100.0, 1e-9) << f.caso;
    EXPECT_NEAR(a.somaEsquerda(f.caso), fa * f.qh * k * pr * 250.0 * 100.0, 1e-9) << f.caso;
  }
}

TEST(Sobrecarga, VeiculoAbaixoDe1mUsaFaixasDeRoda) {
  const TProjeto p = projeto(99.99, 1);
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 17, 12));
  const int meio = a.antes.noSupDir + 8;
  // b0 = 1,4·99,99 + √(20·40) + 15 = 183,27; Δ = 335/17: 9 spacings, even
  // for the odd element count: 8 nodes. bw = (b0 + lv)/2 over 1 m pieces
  // is 100 cm: one 50 kN wheel per metre, impact factor 1.
  EXPECT_EQ(a.nosDaLajeCarregados(1), faixa(meio - 3, meio + 4));
  EXPECT_NEAR(a.somaLaje(1), -1.5 * 50.0, 1e-9);
  EXPECT_NEAR(a.somaLaje(7), -0.5 * 50.0, 1e-9);
  EXPECT_NEAR(a.laje(meio, 1), -1.5 * 50.0 / 8, 1e-12);
  // The walls see the pressure spread to each node's depth: it falls downwards.
  const TVeiculo v = veiculoDaClasse(30);
  const double k = p.Instalacao.ko;
  EXPECT_NEAR(a.parede(a.antes.noSupDir, 2),
              -1.5 * k * pressaoEspraiada(v, 99.99) * a.antes.inflDireita[a.antes.noSupDir] * 100,
              1e-12);
  for (int no = a.antes.noInfDir + 1; no < a.antes.noSupDir - 1; ++no) {
    const double z = a.antes.yNo[a.antes.noSupDir] - a.antes.yNo[no];
    EXPECT_NEAR(a.parede(no, 2),
                -1.5 * k * pressaoEspraiada(v, 99.99 + z) * a.antes.inflDireita[no] * 100, 1e-12);
    EXPECT_LT(-a.parede(no, 2), -a.parede(no + 1, 2));
  }
  EXPECT_NEAR(a.somaEsquerda(2), -a.somaDireita(2), 1e-12);

  // 100,00 spreads over the whole slab.
  const TProjeto p100 = projeto(100.0, 1);
  EXPECT_EQ(sobrecarga(p100, teste::anelRetangular(p100, 17, 12)).nosDaLajeCarregados(1).size(),
            18u);
}

TEST(Sobrecarga, TresFaixasQuandoOVaoComportaOsEixos) {
  // lv = 465 > 2·150 + b0 (b0 = 1,4·30 + √800 + 15 = 85,28); 24 elements of
  // 19,375: a band of 3 nodes (4 spacings made odd); j = 7 (7·19,375 ≤ 150).
  TProjeto p = projeto(30.0, 1);
  p.Geometria.bl = 4.50;
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 24, 12), 0.8);
  const int meio = a.antes.noSupDir + 12;
  std::set<int> esperados = faixa(meio - 8, meio - 6);
  esperados.merge(faixa(meio - 1, meio + 1));
  esperados.merge(faixa(meio + 6, meio + 8));
  EXPECT_EQ(a.nosDaLajeCarregados(3), esperados);
  // Three wheels of 50 kN with impact 1,3 over 1 m.
  EXPECT_NEAR(a.somaLaje(3), -0.8 * 1.5 * 3 * 1.3 * 50.0, 1e-9);
  for (int i = 0; i <= 24; ++i)
    EXPECT_NEAR(a.laje(a.antes.noSupDir + i, 3), a.laje(a.antes.noSupEsq - i, 3), 1e-12);
}

TEST(Sobrecarga, TresFaixasNumaLajeDeElementosImpares) {
  // lv = 465, 25 elements of 18,6: b0 = 85,28 is 4,59 spacings, a band of 4
  // nodes (even for the odd count), each centred on the element after its
  // node; j = 8 (8·18,6 = 148,8 ≤ 150 < 9·18,6).
  TProjeto p = projeto(30.0, 1);
  p.Geometria.bl = 4.50;
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 25, 12));
  const int meio = a.antes.noSupDir + 12;
  std::set<int> esperados = faixa(meio - 9, meio - 6);
  esperados.merge(faixa(meio - 1, meio + 2));
  esperados.merge(faixa(meio + 7, meio + 10));
  EXPECT_EQ(a.nosDaLajeCarregados(1), esperados);
  EXPECT_NEAR(a.somaLaje(1), -1.5 * 3 * 1.3 * 50.0, 1e-9);
  EXPECT_NEAR(a.laje(meio, 1), -1.5 * 1.3 * 50.0 / 4, 1e-12);
  for (int i = 0; i <= 25; ++i)
    EXPECT_NEAR(a.laje(a.antes.noSupDir + i, 1), a.laje(a.antes.noSupEsq - i, 1), 1e-12);
}

TEST(Sobrecarga, FaixaDeRodaDaClasse45NumaPecaLonga) {
  // Class 45 (wheel 20 × 50, Q/6 = 75 kN) under 30 cm: b0 = 42 + √1000 + 15;
  // 2,50 m pieces leave bw = b0 + (1 − b0/lv)·lv/2 = 211,81 unlimited. b0 is
  // 4,50 spacings of 335/17: 4 nodes. lv ≤ 2·150 + b0: one band.
  TProjeto p = projeto(30.0, 1);
  p.Sobrecarga.classe = 45;
  p.Geometria.comprimento = 3;
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 17, 12), 0.9);
  const int meio = a.antes.noSupDir + 8;
  const double b0 = 1.4 * 30.0 + std::sqrt(20.0 * 50.0) + 15.0, lv = 335.0;
  const double bw = b0 + (1.0 - b0 / lv) * (lv / 2.0);
  const double w = 1.3 * 75.0 / bw;
  EXPECT_EQ(a.nosDaLajeCarregados(1), faixa(meio - 1, meio + 2));
  EXPECT_NEAR(a.somaLaje(1), -0.9 * 1.5 * w * 100.0, 1e-12);
  EXPECT_NEAR(a.somaLaje(8), -0.9 * 0.8 * w * 100.0, 1e-12);
  EXPECT_NEAR(a.laje(meio + 2, 5), -0.9 * 0.5 * w * 100.0 / 4, 1e-12);
  // The walls: the class-45 pressure spread to each node's depth, with ko.
  const TVeiculo v = veiculoDaClasse(45);
  const int no = a.antes.noInfDir + 3;
  const double z = a.antes.yNo[a.antes.noSupDir] - a.antes.yNo[no];
  const double hk = 30.0 + z;
  const double pk = 360.0 / ((1.4 * hk + 600.0) * (1.4 * hk + 300.0)) + 0.0005;
  EXPECT_NEAR(a.parede(no, 3), -0.9 * 1.5 * p.Instalacao.ko * pk * a.antes.inflDireita[no] * 100.0,
              1e-12);
  EXPECT_NEAR(pressaoEspraiada(v, hk), pk, 1e-15);
}

TEST(Sobrecarga, TamanhoDaFaixaPelaParidade) {
  const double d = 19.7;
  const struct {
    double b0, delta;
    bool impar;
    int tb;
  } casos[] = {
      {5.5 * d, d, true, 4},  {5.5 * d, d, false, 5},      {6.2 * d, d, true, 6},
      {6.2 * d, d, false, 5}, {3.2 * d, d, true, 2},       {2.5 * d, d, false, 1},
      {1.5 * d, d, true, 2},  {1.5 * d, d, false, 1},      {0.5 * d, d, true, 2},
      {0.5 * d, d, false, 1}, {100, 0.0, true, 2},         {100, 0.0, false, 1},
      {-50, d, true, 2},      {std::nan(""), d, false, 1},
  };
  for (const auto& c : casos) EXPECT_EQ(tamanhoFaixa(c.b0, c.delta, c.impar), c.tb) << c.b0 / d;
  const TNosFaixa impar = nosDaFaixa(38, 4, true);
  EXPECT_EQ(impar.primeiro, 37);
  EXPECT_EQ(impar.ultimo, 40);
  const TNosFaixa par = nosDaFaixa(38, 5, false);
  EXPECT_EQ(par.primeiro, 36);
  EXPECT_EQ(par.ultimo, 40);
}

TEST(Sobrecarga, CargaParcialNumaFaixaNoMeioDoVao) {
  // b0 = 1,4·57,78 + √(10·10) + 15 = 105,89 = 5,37 spacings of 335/17: tb 4.
  struct Caso {
    int elementos, comprimento;
    int de, ate;  // band around noMeioVao
  };
  const Caso casos[] = {{17, 0, -1, 2}, {16, 0, -2, 2}, {17, 3, -1, 2}};
  for (const Caso& c : casos) {
    TProjeto p = projeto(57.78, 3);
    p.Sobrecarga.Q = 10.0;
    p.Sobrecarga.a = p.Sobrecarga.b = 0.10;
    p.Geometria.comprimento = c.comprimento;
    const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, c.elementos, 12), 0.9);
    const int meio = a.antes.noSupDir + c.elementos / 2;
    EXPECT_EQ(a.nosDaLajeCarregados(1), faixa(meio + c.de, meio + c.ate)) << c.elementos;
    // w = Q/bw, bw = b0 + (1 − b0/lv)·lv/2 limited to the piece's length.
    const double b0 = 1.4 * 57.78 + 10.0 + 15.0;
    const double bw =
        std::min(b0 + (1 - b0 / 335.0) * 335.0 / 2, c.comprimento == 0 ? 100.0 : 250.0);
    EXPECT_NEAR(a.somaLaje(5), -0.9 * 0.5 * 10.0 / bw * 100.0, 1e-12) << c.elementos;
    for (const int caso : casosComCargas) {
      EXPECT_EQ(a.somaDireita(caso), 0.0);
      EXPECT_EQ(a.somaEsquerda(caso), 0.0);
    }
  }
}

TEST(Sobrecarga, CargaParcialMaisLargaQueOVaoCobreALaje) {
  TProjeto p = projeto(57.78, 3);
  p.Sobrecarga.Q = 10.0;
  p.Sobrecarga.a = p.Sobrecarga.b = 4.00;  // b0 = 495,89 ≥ lv = 335
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 17, 12));
  const double bw = 100.0, lv = 335.0;
  for (int k = a.antes.noSupDir; k <= a.antes.noSupEsq; ++k)
    EXPECT_NEAR(a.laje(k, 1), -1.5 * 10.0 / bw / lv * a.antes.inflSuperior[k] * 100, 1e-12);
}

TEST(Sobrecarga, FaixaMaisEstreitaQueOEspacamentoCarregaAMenorFaixa) {
  // No fill, no pavement and a point load: b0 = hc = 15 < Δ = 19,7 gives no
  // whole band; the smallest band of the parity is loaded.
  for (const int elementos : {17, 16}) {
    TProjeto p = projeto(0.0, 3);
    p.Sobrecarga.a = p.Sobrecarga.b = 0.0;
    const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, elementos, 12));
    const int meio = a.antes.noSupDir + elementos / 2;
    const std::set<int> esperados = elementos % 2 ? faixa(meio, meio + 1) : faixa(meio, meio);
    EXPECT_EQ(a.nosDaLajeCarregados(1), esperados) << elementos;
    EXPECT_NEAR(a.somaLaje(1), -1.5 * 5.0 / 100.0 * 100.0, 1e-12);
  }
}

TEST(Sobrecarga, FaixaMaisLargaQueALajeSeConcentraNosCantos) {
  // A 0,50 m span under 90 cm of fill: b0 = 169,28 > lv = 65; 3 elements of
  // 21,67 give tb 6 over 4 slab nodes: one node beyond each corner.
  TProjeto p = projeto(90.0, 1);
  p.Geometria.bl = 0.50;
  const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 3, 12));
  const int dir = a.antes.noSupDir, esq = a.antes.noSupEsq;
  const double roda = 1.1 * 50.0;  // bw limited to 100 cm
  EXPECT_NEAR(a.somaLaje(1), -1.5 * roda, 1e-9);
  EXPECT_NEAR(a.laje(dir, 1), -1.5 * roda / 6 * 2, 1e-12);
  EXPECT_NEAR(a.laje(dir + 1, 1), -1.5 * roda / 6, 1e-12);
  EXPECT_NEAR(a.laje(dir + 2, 1), -1.5 * roda / 6, 1e-12);
  EXPECT_NEAR(a.laje(esq, 1), -1.5 * roda / 6 * 2, 1e-12);
  EXPECT_EQ(a.nosDaLajeCarregados(1), faixa(dir, esq));
}

TEST(Sobrecarga, ArranjosSemSobrecargaVerticalOuLateral) {
  struct Caso {
    double heq;
    int tipo;
  };
  for (const Caso c : {Caso{57.78, 1}, Caso{120.0, 1}, Caso{57.78, 3}}) {
    TProjeto p = projeto(c.heq, c.tipo);
    const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 17, 12));
    for (int k = 1; k <= a.antes.nNos; ++k) {
      for (const int caso : {2, 6, 9}) EXPECT_EQ(a.laje(k, caso), 0.0) << k;
      for (const int caso : {1, 5, 8}) EXPECT_EQ(a.parede(k, caso), 0.0) << k;
      for (int caso = 1; caso <= nCasos; ++caso) EXPECT_EQ(a(3 * k, caso), 0.0);
      EXPECT_EQ(a.laje(k, casoIcamento), 0.0);
      EXPECT_EQ(a.parede(k, casoIcamento), 0.0);
    }
    EXPECT_LT(a.somaLaje(1), 0.0);
    EXPECT_LT(a.somaLaje(10), 0.0);
  }
}

TEST(Sobrecarga, NulaOuUniformeNaoAcrescentamNada) {
  for (const int tipo : {2, 4}) {
    const TProjeto p = projeto(57.78, tipo);
    const Acrescimo a = sobrecarga(p, teste::anelRetangular(p, 17, 12));
    EXPECT_EQ(a.depois.cargaNodal, a.antes.cargaNodal) << tipo;
  }
}

TEST(Sobrecarga, MalhaDegeneradaNaoGeraValoresInfinitos) {
  for (const int tipo : {1, 3}) {
    TProjeto p = projeto(50.0, tipo);
    TModeloEF m = teste::anelRetangular(p, 4, 4);
    for (auto* v : {&m.xNo, &m.yNo, &m.inflDireita, &m.inflSuperior, &m.inflEsquerda})
      std::fill(v->begin(), v->end(), 0.0);
    const Acrescimo a = sobrecarga(p, m);
    for (const auto& linha : a.depois.cargaNodal)
      for (const double v : linha) EXPECT_TRUE(std::isfinite(v));
    EXPECT_LT(a.somaLaje(1), 0.0) << tipo;  // the load is not lost
  }
  TModeloEF vazio;
  cargasSobrecarga(projeto(50.0, 1), vazio, TCargasCalculo{});
  EXPECT_TRUE(vazio.cargaNodal.empty());
}

}  // namespace
}  // namespace galeria
