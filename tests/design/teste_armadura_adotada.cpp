#include <gtest/gtest.h>

#include "design/armadura_adotada.h"

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

}  // namespace
}  // namespace galeria
