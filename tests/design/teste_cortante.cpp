#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "design/cortante.h"
#include "design/modelo_teste.h"

namespace galeria {
namespace {

using teste::modeloVazio;

// Top slab of a frame with a top haunch: the wall section S7 at node 10, the
// end of the haunch S8 at node 12, mid-span S9 at node 16; x decreases from
// the wall toward mid-span.
struct LajeSuperior {
  TProjeto projeto;  // fck 30, γc 1,30, cover 3, hc = hp = mvc = 15
  TModeloEF modelo = modeloVazio(24);
  TSecoesProjeto secoes;
  TArmaduraAdotada armadura;

  LajeSuperior() {
    modelo.noSupDir = 10;
    const double x[] = {170, 150, 130, 115, 100, 85, 70};
    for (int n = 10; n <= 16; ++n) modelo.xNo[n] = x[n - 10];
    secoes.noSecao[quinaSuperior] = 10;
    secoes.noSecao[misulaLajeSuperior] = 12;
    secoes.noSecao[meioSuperior] = 16;
    // As1 = 2,83 + 1,00 + 0,67 + 0,50 = 5,0 cm²/m over the top corner.
    armadura.areaTela[7] = 2.83;
    armadura.asBarrasEscolhida[7] = 1.0;
    armadura.asBarrasEscolhida[9] = 0.67;
    armadura.asFadigaQuina = 0.5;
    armadura.asBarrasEscolhida[8] = 9.0;  // internal corner: not tension steel here
    armadura.asFadigaCoroamento = 9.0;    // crown fatigue bars: not over the corner
  }
  void cortante(int no, int caso, double v) { modelo.cortanteIni[no][caso] = v; }
};

TEST(CortanteSecao, CasoTrabalhadoDaMisula) {
  LajeSuperior l;
  l.cortante(12, casoEluVmaxHmin, 120.0);
  const auto v = verificarSecaoCortante(l.projeto, l.modelo, 12, 15.0, 5.0, "Na misula");
  EXPECT_EQ(v.rotulo, "Na misula");
  EXPECT_NEAR(v.fctm, 0.28965, 1e-5);
  EXPECT_NEAR(v.fctkinf, 0.20275, 1e-5);
  EXPECT_NEAR(v.fctd, 0.15596, 1e-5);
  EXPECT_NEAR(v.taurd, 0.038991, 1e-6);
  EXPECT_DOUBLE_EQ(v.de, 11.0);
  EXPECT_NEAR(v.Ka, 1.49, 1e-12);
  EXPECT_NEAR(v.Ro1, 0.004545, 1e-6);
  EXPECT_NEAR(v.Vrd1, 88.31, 0.005);
  EXPECT_TRUE(v.calculado);
  EXPECT_DOUBLE_EQ(v.Twd, 25.0);
  EXPECT_NEAR(v.Vc, 102.94, 0.005);
  EXPECT_NEAR(v.Asw, 6.89, 0.005);
}

TEST(CortanteSecao, CortanteDeProjetoDecideSeCalcula) {
  LajeSuperior l;
  const double vrd1 = verificarSecaoCortante(l.projeto, l.modelo, 12, 15.0, 5.0, "").Vrd1;
  struct Caso {
    double vsd;
    bool calculado;
    double asw;
  };
  const Caso casos[] = {
      {vrd1, false, 0.0},  // equal: no stirrups needed
      {95.0, true, 0.0},   // above Vrd1, below Vc: computed, none needed
      {120.0, true, 6.8945},
  };
  for (const auto& c : casos) {
    l.cortante(12, casoEluVminHmax, -c.vsd);  // sign does not matter
    const auto v = verificarSecaoCortante(l.projeto, l.modelo, 12, 15.0, 5.0, "");
    EXPECT_DOUBLE_EQ(v.Vsd, c.vsd);
    EXPECT_EQ(v.calculado, c.calculado) << c.vsd;
    EXPECT_NEAR(v.Asw, c.asw, 1e-4) << c.vsd;
    EXPECT_EQ(textosCortante(v, 30.0).situacao, c.calculado ? "Calculado" : "Não necessario")
        << c.vsd;
    if (!c.calculado) {
      EXPECT_EQ(v.Twd, 0.0);
    }
  }
}

TEST(CortanteSecao, CortanteDeProjetoIgnoraIcamento) {
  LajeSuperior l;
  l.cortante(12, casoEluVmaxHmin, 50.0);
  l.cortante(12, casoEluVminHmax, -130.0);
  l.cortante(12, casoEluVmaxHmax, 70.0);
  l.cortante(12, casoIcamento, 500.0);
  l.cortante(12, casoFissVmaxHmin, 900.0);
  EXPECT_DOUBLE_EQ(verificarSecaoCortante(l.projeto, l.modelo, 12, 15.0, 5.0, "").Vsd, 130.0);
}

TEST(CortanteSecao, TensaoDoEstriboPelaAltura) {
  const std::pair<double, double> casos[] = {{10.0, 25.0},   {15.0, 25.0}, {25.0, 34.25},
                                             {30.0, 38.875}, {35.0, 43.5}, {60.0, 43.5}};
  for (auto [h, twd] : casos) EXPECT_DOUBLE_EQ(tensaoEstribo(h), twd) << h;
}

TEST(CortanteSecao, FatorKaETaxaLimitados) {
  LajeSuperior l;
  // h − 4 = de: Ka = |1,6 − de/100|, never below 1.
  const std::pair<double, double> casos[] = {
      {15.0, 1.49}, {64.0, 1.0}, {100.0, 1.0}, {264.0, 1.0}, {304.0, 1.4}};
  for (auto [h, ka] : casos)
    EXPECT_NEAR(verificarSecaoCortante(l.projeto, l.modelo, 12, h, 5.0, "").Ka, ka, 1e-12) << h;
  // A heavily reinforced corner is capped at Ro1 = 0,02.
  const auto v = verificarSecaoCortante(l.projeto, l.modelo, 12, 15.0, 100.0, "");
  EXPECT_DOUBLE_EQ(v.Ro1, 0.02);
  EXPECT_NEAR(v.Vrd1, v.taurd * 1.49 * (1.2 + 0.8) * 1100.0, 1e-9);
}

struct CasoFigura {
  double aswMisula, aswParede, maximo;
  const char* figura;
};

TEST(CortanteResumo, MaiorAreaEFiguraDoDetalhe) {
  const CasoFigura casos[] = {
      {0, 0, 0, "\\Figuras\\cortanteNao.bmp"},
      {2, 1, 2, "\\Figuras\\cortantePar.bmp"},  // larger at the haunch, still the wall picture
      {1, 2, 2, "\\Figuras\\cortantePar.bmp"},
      {2, 0, 2, "\\Figuras\\cortanteMis.bmp"},
      {0, 3, 3, "\\Figuras\\cortantePar.bmp"},
  };
  for (const auto& c : casos) {
    TVerificacaoCortante misula, parede;
    misula.Asw = c.aswMisula;
    parede.Asw = c.aswParede;
    EXPECT_DOUBLE_EQ(aswMaximo(misula, parede), c.maximo);
    EXPECT_STREQ(figuraCortante(misula, parede), c.figura) << c.aswMisula << " " << c.aswParede;
  }
}

TEST(CortanteResumo, SoAMisulaPrecisaDeEstribos) {
  LajeSuperior l;
  l.cortante(10, casoEluVmaxHmin, 150.0);  // wall: below its Vrd1 ≈ 173,46
  l.cortante(12, casoEluVmaxHmin, 120.0);
  l.cortante(13, casoEluVmaxHmax, 100.0);
  l.cortante(14, casoEluVmaxHmin, 80.0);   // passes, but lies between failing nodes
  l.cortante(15, casoIcamento, -90.0);     // fails through lifting only
  l.cortante(16, casoEluVmaxHmin, 500.0);  // mid-span node is not scanned
  auto r = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
  EXPECT_DOUBLE_EQ(r.cortanteMisula.As1, 5.0);
  EXPECT_DOUBLE_EQ(r.cortanteParede.As1, 5.0);
  EXPECT_DOUBLE_EQ(r.cortanteParede.alturaSecao, 30.0);
  EXPECT_NEAR(r.cortanteParede.Vrd1, 173.46, 0.005);
  EXPECT_FALSE(r.cortanteParede.calculado);
  EXPECT_NEAR(r.aswMaximo, 6.8945, 1e-4);
  EXPECT_EQ(r.figura, "\\Figuras\\cortanteMis.bmp");
  // x[12] − x[16], no deduction: the haunch ends away from the wall.
  EXPECT_DOUBLE_EQ(r.distanciaCortante, 60.0);
  EXPECT_EQ(r.textoArea, "4,14 cm²/m/m");
  EXPECT_EQ(r.textoDistancia, "60 cm");

  l.cortante(15, casoIcamento, -80.0);  // now the last failing node is 13
  r = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
  EXPECT_DOUBLE_EQ(r.distanciaCortante, 30.0);
  EXPECT_EQ(r.textoDistancia, "30 cm");
}

TEST(CortanteResumo, ParedeUsaResistenteInterpoladaAteAMisula) {
  // Wall section needs stirrups (300 > Vc ≈ 243,30); the haunch section does not.
  // Node 11 lies halfway: resisting (173,46 + 88,31)/2 ≈ 130,88.
  const std::pair<double, double> casos[] = {{135.0, 32.5}, {125.0, 12.5}};
  for (auto [v11, distancia] : casos) {
    LajeSuperior l;
    l.cortante(10, casoEluVmaxHmin, 300.0);
    l.cortante(11, casoEluVmaxHmin, v11);
    l.cortante(12, casoEluVmaxHmin, 80.0);
    const auto r = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
    EXPECT_NEAR(r.cortanteParede.Asw, 6.2326, 1e-4);
    EXPECT_DOUBLE_EQ(r.cortanteMisula.Asw, 0.0);
    EXPECT_EQ(r.figura, "\\Figuras\\cortantePar.bmp");
    // x[10] − x[last + 1] − hp/2
    EXPECT_DOUBLE_EQ(r.distanciaCortante, distancia) << v11;
  }
}

TEST(CortanteResumo, SemMisulaDeduzMeiaParede) {
  LajeSuperior l;
  l.secoes.noSecao[misulaLajeSuperior] = 10;  // S8 = S7
  l.secoes.noSecao[meioSuperior] = 14;
  l.cortante(10, casoEluVmaxHmin, 120.0);
  l.cortante(11, casoEluVmaxHmin, 100.0);
  const auto r = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
  EXPECT_NEAR(r.cortanteMisula.Asw, 6.8945, 1e-4);
  EXPECT_DOUBLE_EQ(r.cortanteParede.Asw, 0.0);  // h = hc + mvc = 30 cm resists
  EXPECT_DOUBLE_EQ(r.distanciaCortante, 170.0 - 130.0 - 7.5);

  // With mvc = 0 both sections are the same: the wall branch runs with S8 = S7.
  l.projeto.Geometria.mvc = 0.0;
  const auto r2 = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
  EXPECT_NEAR(r2.cortanteParede.Asw, 6.8945, 1e-4);
  EXPECT_DOUBLE_EQ(r2.distanciaCortante, 32.5);
  EXPECT_EQ(r2.figura, "\\Figuras\\cortantePar.bmp");
}

TEST(CortanteResumo, CalculadoSemAreaMostraHifens) {
  LajeSuperior l;
  l.cortante(10, casoEluVmaxHmin, 200.0);  // Vrd1 < 200 < Vc at the wall
  l.cortante(12, casoEluVmaxHmin, 95.0);   // Vrd1 < 95 < Vc at the haunch
  const auto r = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
  EXPECT_TRUE(r.cortanteMisula.calculado);
  EXPECT_TRUE(r.cortanteParede.calculado);
  EXPECT_DOUBLE_EQ(r.aswMaximo, 0.0);
  EXPECT_DOUBLE_EQ(r.distanciaCortante, 0.0);
  EXPECT_EQ(r.textoArea, "--------------------");
  EXPECT_EQ(r.textoDistancia, "--------------------");
  EXPECT_EQ(r.figura, "\\Figuras\\cortanteNao.bmp");
}

TEST(CortanteResumo, EtapaRegistraSuasLinhas) {
  LajeSuperior l;
  TRegistroMemoria log;
  executarEtapaCortante(l.projeto, l.modelo, l.secoes, l.armadura, log);
  EXPECT_EQ(log.linhas, (std::vector<std::string>{
                            "", "Verificando necessidade de calcular Força Cortante (ELU)", "",
                            "Não é necessario calcular Força Cortante"}));
  EXPECT_EQ(log.repinturas, 2);

  l.cortante(12, casoEluVmaxHmin, 120.0);
  TRegistroMemoria log2;
  executarEtapaCortante(l.projeto, l.modelo, l.secoes, l.armadura, log2);
  ASSERT_EQ(log2.linhas.size(), 4u);
  EXPECT_EQ(log2.linhas[3], "Calculando Força Cortante");
}

TEST(CortanteResumo, TextosDoRelatorio) {
  LajeSuperior l;
  l.cortante(12, casoEluVmaxHmin, 120.0);
  const auto r = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
  const auto t = textosCortante(r.cortanteMisula, 30.0);
  EXPECT_EQ(t.fck, "30,00");
  EXPECT_EQ(t.fctm, "2,8965");
  EXPECT_EQ(t.fctkinf, "2,0275");
  EXPECT_EQ(t.fctd, "1,5596");
  EXPECT_EQ(t.taurd, "0,3899");
  EXPECT_EQ(t.de, "11");
  EXPECT_EQ(t.As1, "5,0000");
  EXPECT_EQ(t.Ro1, "0,0045");
  EXPECT_EQ(t.Twd, "25,00");
  EXPECT_EQ(t.Vsd, "120,00");
  EXPECT_EQ(t.resistente, "102,94");  // Vc when computed
  EXPECT_EQ(t.Asw, "6,89");
  EXPECT_EQ(t.situacao, "Calculado");
  const auto p = textosCortante(r.cortanteParede, 30.0);
  EXPECT_EQ(p.situacao, "Não necessario");
  EXPECT_EQ(p.Twd, "--------");
  EXPECT_EQ(p.Asw, "--------");
  EXPECT_EQ(p.resistente, "173,46");  // Vrd1 otherwise
}

TEST(CortanteRobustez, EntradasAbsurdasDaoNumerosFinitos) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Caso {
    const char* nome;
    double fck, coefC, cobrimento, hc, cortante;
  };
  const Caso casos[] = {
      {"fck zero", 0, 1.3, 3, 15, 120},
      {"coefC zero", 30, 0, 3, 15, 120},
      {"cover beyond the slab", 30, 1.3, 50, 15, 120},
      {"zero slab", 30, 1.3, 3, 0, 120},
      {"huge load", 30, 1.3, 3, 15, 1e300},
      {"NaN shear", 30, 1.3, 3, 15, nan},
  };
  for (const auto& c : casos) {
    LajeSuperior l;
    l.projeto.Criterio.fck = c.fck;
    l.projeto.Armadura.coefC = c.coefC;
    l.projeto.Armadura.cobrimento = c.cobrimento;
    l.projeto.Geometria.hc = c.hc;
    for (int n = 10; n <= 16; ++n)
      for (int caso = 1; caso <= 4; ++caso) l.cortante(n, caso, c.cortante);
    const auto r = verificarCortante(l.projeto, l.modelo, l.secoes, l.armadura);
    for (const auto* v : {&r.cortanteMisula, &r.cortanteParede}) {
      for (double x :
           {v->Vsd, v->fctm, v->fctd, v->de, v->Ka, v->Ro1, v->Vrd1, v->Twd, v->Vc, v->Asw})
        EXPECT_TRUE(std::isfinite(x)) << c.nome;
      EXPECT_GE(v->Asw, 0.0) << c.nome;
    }
    EXPECT_TRUE(std::isfinite(r.distanciaCortante)) << c.nome;
    EXPECT_EQ(r.textoArea.find("NaN"), std::string::npos) << c.nome;
  }
}

TEST(CortanteRobustez, ModeloSemArraysNemSecoes) {
  TProjeto projeto;
  const auto r = verificarCortante(projeto, TModeloEF{}, TSecoesProjeto{}, TArmaduraAdotada{});
  EXPECT_DOUBLE_EQ(r.aswMaximo, 0.0);
  EXPECT_EQ(r.figura, "\\Figuras\\cortanteNao.bmp");
  // Stirrups needed but the design-section nodes lie outside the model.
  TVerificacaoCortante misula;
  misula.Asw = 1.0;
  EXPECT_DOUBLE_EQ(distanciaCortante(projeto, TModeloEF{}, TSecoesProjeto{}, misula, {}), 0.0);
}

}  // namespace
}  // namespace galeria

namespace galeria {
namespace {

TEST(CortanteTextos, DistanciaEmCentimetrosInteirosArredondandoMeioParaCima) {
  const std::pair<double, const char*> casos[] = {
      {32.5, "33 cm"}, {32.49, "32 cm"}, {60.0, "60 cm"}, {0.4, "0 cm"}, {-0.2, "0 cm"}};
  for (const auto& [valor, texto] : casos) EXPECT_EQ(textoDistanciaCortante(valor), texto) << valor;
}

}  // namespace
}  // namespace galeria
