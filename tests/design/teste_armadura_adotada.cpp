#include <gtest/gtest.h>

#include <string>

#include "design/armadura_adotada.h"
#include "design/armaduras.h"
#include "design/calculo.h"
#include "design/fadiga.h"
#include "design/flexao.h"

namespace galeria {
namespace {

TEST(ArmaduraAdotada, LeQuantidadeEDiametroDoTexto) {
  struct Caso {
    const char* texto;
    double area, diametro;
  };
  const Caso casos[] = {
      {"10 d6,3 - (3,9% acima)", 10 * 0.3117, 6.3},
      {"3 d6,3 -  (0% abaixo)", 3 * 0.3117, 6.3},
      {"4 d10,0 - (4,71% acima)", 4 * 0.7853, 10.0},
      {"3 d12,5 - (22,71% acima)", 3 * 1.2271, 12.5},
      {"3 d6,3 - (minima)", 3 * 0.3117, 6.3},
      {"-------------------------------------------------", 0, 0},
      {"", 0, 0},
      {"dx - ", 0, 0},
      {"abc d - (", 0, 0},
      {"x d8,0 - (1% acima)", 0, 8.0},  // the diameter reads, the count does not
  };
  for (const auto& c : casos) {
    const TAlternativaTriagem a = lerAlternativaTriagem(c.texto);
    EXPECT_EQ(a.texto, c.texto);
    EXPECT_DOUBLE_EQ(a.asPorMetro, c.area) << c.texto;
    EXPECT_DOUBLE_EQ(a.diametro, c.diametro) << c.texto;
    EXPECT_DOUBLE_EQ(diametroDoTexto(c.texto), c.diametro) << c.texto;
  }
}

TEST(ArmaduraAdotada, EscolhaForaDaListaNaoDaBarras) {
  TListasAlternativas listas;
  listas.alternativasBarras[3] = {lerAlternativaTriagem("5 d6,3 - (0,55% acima)"),
                                  lerAlternativaTriagem("3 d8,0 -  (2,72% abaixo)")};
  listas.barraEscolhida[3] = 1;
  listas.barraEscolhida[5] = -1;
  listas.barraEscolhida[7] = 4;
  TArmaduraAdotada a;
  a.asBarrasEscolhida[5] = 7.0;  // stale values are replaced
  a.diametroBarraEscolhida[7] = 9.0;
  aplicarEscolhaBarras(listas, a);
  EXPECT_DOUBLE_EQ(a.asBarrasEscolhida[3], 3 * 0.5026);
  EXPECT_DOUBLE_EQ(a.diametroBarraEscolhida[3], 8.0);
  EXPECT_DOUBLE_EQ(a.asBarrasEscolhida[5], 0.0);
  EXPECT_DOUBLE_EQ(a.diametroBarraEscolhida[7], 0.0);
  EXPECT_EQ(alternativaEscolhida(listas, 0), nullptr);
  EXPECT_EQ(alternativaEscolhida(listas, 11), nullptr);
}

// The crack check and the chosen areas read the same entry the same way: for
// every entry the bar selection and the fatigue check write, the count,
// diameter and area read back are the ones it was written from.
TEST(ArmaduraAdotada, EntradasGeradasLidasDeUmSoModo) {
  TArmadura arm = projetoInicial().Armadura;
  int lidas = 0;
  for (double t = 0.05; t < 20.0; t += 0.173) {
    for (const TListaBarras& lista :
         {alternativasParaArea(t, arm, false), alternativasFadigaParaArea(t, arm)}) {
      for (const TAlternativaBarras& a : lista) {
        const auto partes = partesDaAlternativa(a.texto);
        ASSERT_TRUE(partes.has_value()) << a.texto;
        EXPECT_EQ(partes->quantidade, std::to_string(a.quantidade)) << a.texto;
        EXPECT_EQ(partes->bitola, a.bitola) << a.texto;
        const TAlternativaTriagem lida = lerAlternativaTriagem(a.texto);
        EXPECT_EQ(lida.asPorMetro, a.areaPorMetro) << a.texto;
        EXPECT_EQ(lida.asPorMetro, areaDaAlternativa(a.texto)) << a.texto;
        double diametro = 0.0;
        for (const TBitola& b : TBitolasCA50::todas())
          if (b.diametro == a.bitola) diametro = b.diametroMm;
        EXPECT_EQ(lida.diametro, diametro) << a.texto;
        ++lidas;
      }
    }
  }
  EXPECT_GT(lidas, 200);
  EXPECT_FALSE(partesDaAlternativa(textoSemBarras).has_value());
}

// What the pipeline hands to the shear and crack-width checks: the meshes of
// the chosen catalogue rows, the chosen bars, and the fatigue bars of the
// crown (list 1) and of the upper corner (list 2).
TEST(ArmaduraAdotada, MontadaDoDimensionamento) {
  const TCatalogoTelas& catalogo = construirCatalogoTelas();
  TDimensionamento d;
  const int telas[] = {0, 0, 1, 0, 0, 6, 3, 0, 0, 8, 10};  // by location; corners unused
  for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = telas[k];
  atualizarAreaTela(catalogo, d);
  TArmadura arm = projetoInicial().Armadura;
  for (size_t k = 1; k <= nLocais; ++k)
    d.alternativasBarras[k] = alternativasParaArea(3.0, arm, false);
  d.alternativasBarras[2] = alternativasParaArea(0.0, arm, false);  // the hyphen line
  d.barraEscolhida = {0, 0, 0, 1, 2, 3, 0, 1, 2, 3, 0};
  calcularAreaBarrasEscolhidas(d);
  d.asFadigaCoroamento = 0.3;
  d.asFadigaQuina = 0.7;
  d.alternativasFadiga[1] = alternativasFadigaParaArea(0.0, arm);
  d.alternativasFadiga[2] = alternativasFadigaParaArea(3.0, arm);
  d.fadigaEscolhida = {0, 0, 2};

  const TArmaduraAdotada a = armaduraAdotada(d, catalogo);
  EXPECT_EQ(a.areaTela, d.areaTela);
  EXPECT_DOUBLE_EQ(a.areaTela[7], 3.35 + 5.03);  // wall + top slab external
  const double fios[] = {0, 3.8, 4.2, 0, 0, 8.0, 5.0, 0, 0, 8.0, 10.0};
  for (size_t k = 1; k <= nLocais; ++k) EXPECT_DOUBLE_EQ(a.diametroTela[k], fios[k]) << k;
  EXPECT_EQ(a.asBarrasEscolhida, d.asBarrasEscolhida);
  // 3,0 cm²/m: "10 d6,3", "6 d8,0", "4 d10,0", "3 d12,5".
  const double barras[] = {0, 6.3, 0, 8.0, 10.0, 12.5, 6.3, 8.0, 10.0, 12.5, 6.3};
  const double areas[] = {0,     3.117,  0,      3.0156, 3.1412, 3.6813,
                          3.117, 3.0156, 3.1412, 3.6813, 3.117};
  for (size_t k = 1; k <= nLocais; ++k) {
    EXPECT_DOUBLE_EQ(a.diametroBarraEscolhida[k], barras[k]) << k;
    EXPECT_NEAR(a.asBarrasEscolhida[k], areas[k], 1e-12) << k;
  }
  EXPECT_DOUBLE_EQ(a.asFadigaCoroamento, 0.3);
  EXPECT_DOUBLE_EQ(a.asFadigaQuina, 0.7);
  EXPECT_DOUBLE_EQ(a.diametroFadigaCoroamento, 0.0);  // hyphen line
  EXPECT_DOUBLE_EQ(a.diametroFadigaQuina, 10.0);      // third entry, "4 d10,0"

  // The bar lists as the screening reads them: same entries, same choice.
  const TListasAlternativas l = listasAlternativas(d);
  for (size_t k = 1; k <= nLocais; ++k) {
    ASSERT_EQ(l.alternativasBarras[k].size(), d.alternativasBarras[k].size()) << k;
    EXPECT_EQ(l.barraEscolhida[k], d.barraEscolhida[k]) << k;
    for (size_t i = 0; i < d.alternativasBarras[k].size(); ++i) {
      EXPECT_EQ(l.alternativasBarras[k][i].texto, d.alternativasBarras[k][i].texto);
      EXPECT_EQ(l.alternativasBarras[k][i].asPorMetro, d.alternativasBarras[k][i].areaPorMetro);
    }
  }
  TArmaduraAdotada b;
  aplicarEscolhaBarras(l, b);
  EXPECT_EQ(b.asBarrasEscolhida, a.asBarrasEscolhida);
  EXPECT_EQ(b.diametroBarraEscolhida, a.diametroBarraEscolhida);
}

}  // namespace
}  // namespace galeria
