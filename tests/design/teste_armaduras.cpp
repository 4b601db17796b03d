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
using Textos = std::vector<std::string>;

Textos textos(const TListaBarras& lista) {
  Textos t;
  for (const auto& a : lista) t.push_back(a.texto);
  return t;
}

// The reinforcement settings before any "Novo" and after it.
TArmadura armaduraInicial() { return projetoInicial().Armadura; }
TArmadura armaduraNovo() {
  TArmadura a = armaduraInicial();
  a.varAcima = TDecimal(15.0, "15,0");
  return a;
}

TEST(Armaduras, TelaPadraoEhAMaisLeveAcimaDaMinima) {
  struct Caso {
    double minima;
    int indice;
  };
  const Caso casos[] = {
      {2.3221, 4},      // L246
      {2.3221 / 2, 1},  // L138
      {1.38, 2},        // equal is not enough: L159
      {0.0, 0},         // L113
      {7.0, 10},        // L785
      {9.0, 10},        // none exceeds: L785 all the same
  };
  const TCatalogoTelas& cat = construirCatalogoTelas();
  for (const Caso& c : casos) {
    TDimensionamento d;
    d.asMinimaAdotada.fill(c.minima);
    escolherTelasPadrao(cat, d);
    for (int k : locaisComTela)
      EXPECT_EQ(d.telaEscolhida[static_cast<size_t>(k)], c.indice) << c.minima;
    EXPECT_DOUBLE_EQ(d.areaTela[1], cat.secaoLongitudinal(c.indice));
    EXPECT_DOUBLE_EQ(d.areaTela[3], 2 * cat.secaoLongitudinal(c.indice));
    EXPECT_DOUBLE_EQ(d.areaTela[8], 0.0);
  }
}

TEST(Armaduras, OrdemDasTelasNoArquivo) {
  TDimensionamento d;
  telasDoArquivo({9, 5, 1, 10, 6, 2}, d);  // each location gets its own number
  for (int k : locaisComTela) EXPECT_EQ(d.telaEscolhida[static_cast<size_t>(k)], k);
  EXPECT_EQ(telasParaArquivo(d), (std::array<int, 6>{9, 5, 1, 10, 6, 2}));
}

TEST(Armaduras, NecessidadeDeBarras) {
  // bars, mesh, minimum -> need
  EXPECT_DOUBLE_EQ(necessidadeBarras(1.2, 1.38, 2.3221), 1.2);       // design governs
  EXPECT_NEAR(necessidadeBarras(0.0, 1.38, 2.3221), 0.9421, 1e-12);  // mesh short of minimum
  EXPECT_DOUBLE_EQ(necessidadeBarras(0.0, 1.96, 2.3221), 0.9351);    // raised to 3 d6,3
  EXPECT_DOUBLE_EQ(necessidadeBarras(0.0, 2.46, 2.3221), 0.0);       // mesh covers both
  EXPECT_DOUBLE_EQ(necessidadeBarras(0.5, 2.46, 2.3221), 0.9351);
}

TEST(Armaduras, PercentualNaFormaMaisCurta) {
  EXPECT_EQ(formatarPercentual(3.9), "3,9");
  EXPECT_EQ(formatarPercentual(3.90000001), "3,9");
  EXPECT_EQ(formatarPercentual(0.0), "0");
  EXPECT_EQ(formatarPercentual(-1e-13), "0");
  EXPECT_EQ(formatarPercentual(22.7067), "22,71");
  EXPECT_EQ(formatarPercentual(100.0), "100");
  EXPECT_EQ(formatarPercentual(0.5), "0,5");
}

TEST(Armaduras, AlternativasResolvidas) {
  struct Caso {
    double necessidade;
    Textos inicial, novo;
  };
  const Caso casos[] = {
      {necessidadeBarras(0.5, 0, 0), {"3 d6,3 -  (0% abaixo)"}, {"3 d6,3 -  (0% abaixo)"}},
      {3.0,
       {"10 d6,3 - (3,9% acima)", "6 d8,0 - (0,52% acima)", "4 d10,0 - (4,71% acima)",
        "3 d12,5 - (22,71% acima)"},
       {"10 d6,3 - (3,9% acima)", "6 d8,0 - (0,52% acima)", "4 d10,0 - (4,71% acima)"}},
      {1.55,
       {"5 d6,3 - (0,55% acima)", "3 d8,0 -  (2,72% abaixo)"},
       {"5 d6,3 - (0,55% acima)", "3 d8,0 -  (2,72% abaixo)"}},
      {0.0, {textoSemBarras}, {textoSemBarras}},
      {0.001, {textoSemBarras}, {textoSemBarras}},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(textos(alternativasParaArea(c.necessidade, armaduraInicial(), false)), c.inicial)
        << c.necessidade;
    EXPECT_EQ(textos(alternativasParaArea(c.necessidade, armaduraNovo(), false)), c.novo)
        << c.necessidade;
  }
  EXPECT_EQ(std::string(textoSemBarras), std::string(49, '-'));
}

TEST(Armaduras, AlternativasCobremANecessidadeNaTolerancia) {
  const TArmadura arm = armaduraInicial();
  for (double t = 0.9351; t < 12.0; t += 0.137) {
    const TListaBarras lista = alternativasParaArea(t, arm, false);
    for (const TAlternativaBarras& a : lista) {
      EXPECT_NE(a.bitola, "20,0");
      EXPECT_NE(a.bitola, "25,0");
      EXPECT_NE(a.bitola, "32,0");
      EXPECT_GE(a.areaPorMetro, t * (1 - 0.0501)) << a.texto;
      const double espacamento = 100.0 / a.quantidade;
      EXPECT_GE(espacamento, 5.0 - 0.005) << a.texto;
      EXPECT_LE(espacamento, 35.0 + 0.005) << a.texto;
      EXPECT_NEAR(areaDaAlternativa(a.texto), a.areaPorMetro, 1e-12) << a.texto;
    }
  }
}

TEST(Armaduras, EntradasAbsurdasNaoGeramAlternativas) {
  TArmadura arm = armaduraInicial();
  arm.espMin = 0.0;
  EXPECT_TRUE(alternativasParaArea(std::numeric_limits<double>::quiet_NaN(), arm, false).empty());
  EXPECT_TRUE(alternativasParaArea(1e15, arm, false).empty());
  arm.varAbaixo = 200.0;  // even "no bar at all" is within the shortfall
  for (const auto& a : alternativasParaArea(0.2, arm, false)) EXPECT_GT(a.quantidade, 0);
}

TEST(Armaduras, LerAlternativa) {
  struct Caso {
    const char* texto;
    double area;
  };
  const Caso casos[] = {
      {"10 d6,3 - (3,9% acima)", 10 * 0.3117},
      {"3 d8,0 -  (2,72% abaixo)", 3 * 0.5026},
      {"4 d10,0 - (4,71% acima)", 4 * 0.7853},
      {"3 d6,3 - (minima)", 0.9351},
      {"2 d20,0 - (1% acima)", 2 * 3.1416},  // read from the table, even if unavailable
      {textoSemBarras, 0.0},
      {"", 0.0},
      {"x d6,3 - (1% acima)", 0.0},
      {"3 d7,7 - (1% acima)", 0.0},
  };
  for (const Caso& c : casos) EXPECT_NEAR(areaDaAlternativa(c.texto), c.area, 1e-12) << c.texto;
  const auto b = lerAlternativa("12 d12,5 -  (1% abaixo)");
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->quantidade, 12);
  EXPECT_EQ(b->bitola, "12,5");
}

TEST(Armaduras, MontarEEscolherPorLocal) {
  TProjeto p = projetoInicial();
  TDimensionamento d;
  d.asMinimaAdotada.fill(2.3221);
  d.asMinimaAdotada[4] = d.asMinimaAdotada[8] = 0;
  for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = 4;  // L246
  atualizarAreaTela(construirCatalogoTelas(), d);
  d.asBarrasCalculada[1] = 3.0;
  d.asBarrasCalculada[4] = 0.9351;
  d.asBarrasCalculada[6] = 1.55;
  d.barraEscolhida.fill(3);
  montarAlternativasBarras(p, d);
  EXPECT_EQ(localSemAlternativas(d), 0);
  EXPECT_EQ(d.numAlternativas[1], 4);
  EXPECT_EQ(d.alternativasBarras[4][0].texto, "3 d6,3 -  (0% abaixo)");
  EXPECT_EQ(d.numAlternativas[6], 2);
  EXPECT_EQ(d.alternativasBarras[2][0].texto, textoSemBarras);
  for (size_t k = 1; k <= 10; ++k) EXPECT_EQ(d.barraEscolhida[k], 0);

  d.barraEscolhida[1] = 1;  // 6 d8,0
  d.barraEscolhida[6] = 7;  // outside the list
  calcularAreaBarrasEscolhidas(d);
  EXPECT_NEAR(d.asBarrasEscolhida[1], 6 * 0.5026, 1e-12);
  EXPECT_NEAR(d.asBarrasEscolhida[4], 0.9351, 1e-12);
  EXPECT_DOUBLE_EQ(d.asBarrasEscolhida[2], 0.0);
  EXPECT_DOUBLE_EQ(d.asBarrasEscolhida[6], 0.0);

  // Spacing limits that no count meets leave locations without entries.
  p.Armadura.espMax = 4.0;
  montarAlternativasBarras(p, d);
  EXPECT_EQ(localSemAlternativas(d), 1);
  EXPECT_EQ(d.numAlternativas[1], 0);
  EXPECT_EQ(d.numAlternativas[2], 1);  // the hyphen line is always there
}

TEST(Armaduras, TaxaDeArmaduraPorPosicao) {
  TProjeto p = projetoInicial();
  auto q = quadroRetangular(p, 8, 6, 1);
  TDimensionamento d;
  for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = 10;  // L785
  atualizarAreaTela(construirCatalogoTelas(), d);
  // Position 17 (meioSuperior, external): 7,85 + bars over 100·11,5.
  d.asBarrasEscolhida[9] = 28.75 - 7.85;   // exactly 2,5 %
  d.asBarrasEscolhida[10] = 28.87 - 7.85;  // 2,51 %
  d.asBarrasEscolhida[8] = 100.0;          // internal corner, d = 31,82 − 7
  const auto excedidas = verificarTaxasArmadura(q.s, d);
  EXPECT_DOUBLE_EQ(d.taxaArmadura[17], 0.025);
  EXPECT_DOUBLE_EQ(d.taxaArmadura[18], 0.0251);
  EXPECT_NEAR(d.taxaArmadura[14], std::round(100.0 / (100 * (q.s.espessura[7] - 7)) * 1e4) / 1e4,
              1e-12);
  EXPECT_DOUBLE_EQ(d.taxaArmadura[1], std::round(7.85 / 1150 * 1e4) / 1e4);
  // Position 15 sees the top external bars at the haunch end as well.
  EXPECT_NEAR(d.taxaArmadura[15], std::round((15.7 + 28.75 - 7.85) / 1150 * 1e4) / 1e4, 1e-12);
  EXPECT_EQ(excedidas, (std::vector<int>{14, 15, 16, 18}));
}

// A frame of 8 elements per slab and 6 per wall with one haunch element at
// each corner; L138 everywhere.
struct ArmaduraAoLongo : ::testing::Test {
  TProjeto p = projetoInicial();
  teste::TQuadro q = quadroRetangular(p, 8, 6, 1);
  TDimensionamento d;
  TRegistroMemoria log;
  bool parado = false;
  void SetUp() override {
    for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = 1;
    atualizarAreaTela(construirCatalogoTelas(), d);
  }
};

TEST_F(ArmaduraAoLongo, EspessurasETelasAoLongo) {
  const auto& S = q.s.noSecao;
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
  ASSERT_FALSE(parado);
  const double tq = espessuraQuina(15, 15, 15, 15);
  EXPECT_DOUBLE_EQ(d.espessuraAoLongo[static_cast<size_t>(S[1])], 15.0);
  EXPECT_DOUBLE_EQ(d.espessuraAoLongo[static_cast<size_t>(S[3])], tq);
  EXPECT_DOUBLE_EQ(d.espessuraAoLongo[static_cast<size_t>(S[7])], tq);
  EXPECT_DOUBLE_EQ(d.espessuraAoLongo[static_cast<size_t>(S[5])], 15.0);
  EXPECT_DOUBLE_EQ(d.telaIntAoLongo[static_cast<size_t>(S[3])], 0.0);
  EXPECT_DOUBLE_EQ(d.telaExtAoLongo[static_cast<size_t>(S[3])], 2.76);
  // Mid-span is more than 30 cm from the haunch: the slab mesh alone.
  EXPECT_DOUBLE_EQ(d.telaExtAoLongo[static_cast<size_t>(S[1])], 1.38);
  EXPECT_DOUBLE_EQ(d.telaExtAoLongo[static_cast<size_t>(S[2])], 2.76);
  EXPECT_DOUBLE_EQ(d.telaIntAoLongo[static_cast<size_t>(S[9])], 1.38);
  // Nodes outside S1..S9 stay empty.
  EXPECT_DOUBLE_EQ(d.espessuraAoLongo[1], 0.0);
}

// Every run of the table along the frame, on a frame of 16 slab elements
// (20,94 cm) and 12 wall elements (19,92 cm) with two haunch elements at each
// corner: hb 20, hp 15, hc 18, haunches 15 × 15 (corners 35,36 and 33,94 cm),
// and a different mesh in each slot.
TEST(ArmaduraAoLongoLinhas, EspessuraTelasEDLinhaPorNo) {
  TProjeto p = projetoInicial();
  p.Geometria.secaoConstante = false;
  p.Geometria.hb = 20.0;
  p.Geometria.hp = 15.0;
  p.Geometria.hc = 18.0;
  auto q = quadroRetangular(p, 16, 12, 2);
  ASSERT_EQ(q.s.noSecao, (std::array<int, 10>{0, 9, 15, 17, 19, 23, 27, 29, 31, 37}));
  TDimensionamento d;
  const int indice[11] = {0, 0, 1, 0, 0, 2, 3, 0, 0, 4, 5};  // L113 L138 L159 L196 L246 L283
  for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = indice[k];
  atualizarAreaTela(construirCatalogoTelas(), d);
  const double s1 = 1.13, s2 = 1.38, s5 = 1.59, s6 = 1.96, s9 = 2.46, s10 = 2.83;
  // The corner nodes carry moments: external face at the bottom corner with
  // the corner d', internal face one node up the wall with the plain d'.
  definirEsforco(q.m, 17, 1, 8000);
  definirEsforco(q.m, 18, 2, -5000, -20);
  TRegistroMemoria log;
  bool parado = false;
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
  ASSERT_FALSE(parado);

  struct Linha {
    int no;
    double espessura, ext, inte;
  };
  const Linha linhas[] = {
      {9, 20, s1, s2},                // mid-span
      {13, 20, s1, s2},               // 41,9 cm before the haunch: slab mesh alone
      {14, 20, s1 + s5, s2},          // 20,9 cm before it: both external meshes
      {15, 20, s1 + s5, s2},          // haunch end
      {16, 27.677670, s1 + s5, s2},   // half-way along the bottom haunch
      {17, 35.355339, s1 + s5, 0.0},  // bottom corner
      {18, 25.177670, s1 + s5, s6},   // half-way up the wall haunch
      {19, 15, s1 + s5, s6},
      {20, 15, s1 + s5, s6},  // 19,9 cm above the haunch
      {21, 15, s5, s6},       // 39,8 cm above it
      {23, 15, s5, s6},
      {25, 15, s5, s6},       // 39,8 cm below the top haunch
      {26, 15, s5 + s9, s6},  // 19,9 cm below it
      {27, 15, s5 + s9, s6},
      {28, 24.470563, s5 + s9, s6},   // half-way up the top wall haunch
      {29, 33.941125, s5 + s9, 0.0},  // top corner
      {30, 25.970563, s5 + s9, s10},  // half-way along the top-slab haunch
      {31, 18, s5 + s9, s10},
      {32, 18, s5 + s9, s10},  // 20,9 cm past the haunch
      {33, 18, s9, s10},       // 41,9 cm past it
      {37, 18, s9, s10},
  };
  for (const Linha& l : linhas) {
    const size_t n = static_cast<size_t>(l.no);
    EXPECT_NEAR(d.espessuraAoLongo[n], l.espessura, 1e-6) << l.no;
    EXPECT_NEAR(d.telaExtAoLongo[n], l.ext, 1e-12) << l.no;
    EXPECT_NEAR(d.telaIntAoLongo[n], l.inte, 1e-12) << l.no;
  }
  EXPECT_DOUBLE_EQ(d.espessuraAoLongo[8], 0.0);
  EXPECT_DOUBLE_EQ(d.espessuraAoLongo[38], 0.0);
  // d' = 2·c' = 7 cm at the corner (3,5 cm would give 2,713).
  EXPECT_NEAR(d.asExtAoLongo[17], 3.48506, 1e-5);
  EXPECT_DOUBLE_EQ(d.asIntAoLongo[17], 0.0);
  EXPECT_NEAR(d.asIntAoLongo[18], 2.86028, 1e-5);
  EXPECT_DOUBLE_EQ(d.asExtAoLongo[18], 0.0);
}

TEST_F(ArmaduraAoLongo, ConcordaComOProjetoNasSecoes) {
  const auto& S = q.s.noSecao;
  for (int n = S[1]; n <= S[9]; ++n) {
    definirEsforco(q.m, n, 1, 1400.0 - 60.0 * n, -5);
    definirEsforco(q.m, n, 2, -900.0 + 50.0 * n, -8);
    definirEsforco(q.m, n, 4, 300.0, 2);
  }
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
  ASSERT_FALSE(parado);
  dimensionarFlexao(p, q.m, q.s, construirCatalogoTelas(), d, parado, log);
  ASSERT_FALSE(parado);
  // Where the node, thickness and meshes coincide, the requirement is the
  // position's design before rounding.
  for (int secao : {meioInferior, misulaLajeInferior, meioParede, meioSuperior}) {
    const size_t no = static_cast<size_t>(S[static_cast<size_t>(secao)]);
    EXPECT_NEAR(d.asExtAoLongo[no], d.asPosicao[static_cast<size_t>(2 * secao - 1)], 0.005)
        << secao;
    EXPECT_NEAR(d.asIntAoLongo[no], d.asPosicao[static_cast<size_t>(2 * secao)], 0.005) << secao;
  }
  for (int n = S[1]; n <= S[9]; ++n) {
    EXPECT_GE(d.asExtAoLongo[static_cast<size_t>(n)], 0.0);
    EXPECT_GE(d.asIntAoLongo[static_cast<size_t>(n)], 0.0);
  }
}

// A failure stops the scan with one report. The report names the case the
// flexural design last worked on (only that design sets
// casoEmDimensionamento: after a complete design, the lifting), not the case
// that failed here (3); a value never set adds no report lines.
// Whatever case the section design held last, a failure along the frame
// names the arrangement that failed there (case 3 here), and leaves the
// held case alone.
TEST_F(ArmaduraAoLongo, FalhaRelataOCasoQueFalhouEPara) {
  definirEsforco(q.m, q.s.noSecao[meioParede], 3, -60000);
  const std::vector<std::string> esperado{"", "O dimensionamento está fora dos domínios 2, 3 ou 4",
                                          "", "Problema no cálculo de Vmax e Hmax",
                                          "", "Aumente a Espessura e Recalcule"};
  for (int casoGuardado : {4, 3, 1, 0}) {
    d.casoEmDimensionamento = casoGuardado;
    parado = false;
    log = TRegistroMemoria{};
    calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
    EXPECT_TRUE(parado) << casoGuardado;
    EXPECT_EQ(log.linhas, esperado) << casoGuardado;
    EXPECT_EQ(d.casoEmDimensionamento, casoGuardado);
  }
}

TEST_F(ArmaduraAoLongo, ComprimentosRetos) {
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
  calcularComprimentosBarras(p, q.m, q.s, d);
  const auto& C = d.comprimentoBarra;
  // bl 320, hl 220, 15 cm members, c' = 3,5.
  EXPECT_DOUBLE_EQ(C[11], 2 * 15 + 320 - 7);
  EXPECT_DOUBLE_EQ(C[12], 320 + 7);
  EXPECT_DOUBLE_EQ(C[13], 220 + 30 - 7);
  EXPECT_DOUBLE_EQ(C[14], 220 + 7);
  // Haunch bars of 15 × 15 cm.
  EXPECT_NEAR(C[4], 21.21, 0.005);
  EXPECT_NEAR(C[9], 21.21, 0.005);
  const int ordem[9] = {0, 1, 13, 7, 6, 11, 2, 14, 12};
  for (size_t i = 1; i <= 8; ++i)
    EXPECT_DOUBLE_EQ(d.comprimentoPeca[i], C[static_cast<size_t>(ordem[i])]);
}

TEST_F(ArmaduraAoLongo, ComprimentosSemNecessidade) {
  const auto& S = q.s.noSecao;
  const auto& x = q.m.xNo;
  const auto& y = q.m.yNo;
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);  // no load: no requirement
  calcularComprimentosBarras(p, q.m, q.s, d);
  const auto& C = d.comprimentoBarra;
  const double L = 30, cl = 3.5, hp = 15, hb = 15, hc = 15;
  auto X = [&](int i) { return x[static_cast<size_t>(i)]; };
  auto Y = [&](int i) { return y[static_cast<size_t>(i)]; };
  EXPECT_DOUBLE_EQ(C[1],
                   std::min(hp / 2 + X(S[3]) - X(S[2]) + L - cl, hp / 2 + X(S[3]) - X(S[1]) - cl));
  EXPECT_DOUBLE_EQ(C[2],
                   std::min(hb / 2 + Y(S[4]) - Y(S[3]) + L - cl, hb / 2 + Y(S[5]) - Y(S[3]) - cl));
  EXPECT_DOUBLE_EQ(C[3], L + cl);
  EXPECT_DOUBLE_EQ(C[5], L + cl);
  EXPECT_DOUBLE_EQ(C[6],
                   std::min(hc / 2 + Y(S[7]) - Y(S[6]) + L - cl, hc / 2 + Y(S[7]) - Y(S[5]) - cl));
  EXPECT_DOUBLE_EQ(C[7],
                   std::min(hp / 2 + X(S[7]) - X(S[8]) + L - cl, hp / 2 + X(S[7]) - X(S[9]) - cl));
  EXPECT_DOUBLE_EQ(C[8], L + cl);
  EXPECT_DOUBLE_EQ(C[10], L + cl);
}

TEST_F(ArmaduraAoLongo, ComprimentoAteOUltimoNoNecessitado) {
  const auto& S = q.s.noSecao;
  const auto& x = q.m.xNo;
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
  // Bottom external bars of 3 d6,3 need help at S2 and S2 − 1 only.
  TAlternativaBarras tres;
  tres.texto = "3 d6,3 -  (0% abaixo)";
  d.alternativasBarras[1] = {tres};
  d.barraEscolhida[1] = 0;
  d.asExtAoLongo[static_cast<size_t>(S[2])] = 2.0;
  d.asExtAoLongo[static_cast<size_t>(S[2] - 1)] = 1.0;
  d.asExtAoLongo[static_cast<size_t>(S[2] - 2)] = 0.98;  // 0,9351 ≥ 0,95·0,98: covered
  calcularComprimentosBarras(p, q.m, q.s, d);
  const int j = S[2] - 2;
  const double esperado =
      15.0 / 2 + x[static_cast<size_t>(S[3])] - x[static_cast<size_t>(j)] + 30 - 3.5;
  EXPECT_DOUBLE_EQ(d.comprimentoBarra[1], esperado);
  EXPECT_DOUBLE_EQ(d.asBarrasEscolhida[1], 0.9351);
}

// The ten scanned pieces on the two frames of 8 slab and 6 wall elements
// (41,875 cm and 39,17 cm; 15 cm members, c' = 3,5 cm), with or without one
// haunch element of 15 × 15 cm at each corner. Every location has 3 d6,3
// (0,9351 cm²/m) and the requirement is 2 cm²/m on both faces at the listed
// nodes, 0 elsewhere.
TEST(ComprimentosBarras, PecasVarridasNosDoisQuadros) {
  struct Caso {
    int nMisula;
    const char* nome;
    std::vector<int> nos;  // nodes needing bars on both faces
    double C[11];          // entries 1 to 10
  };
  // Frame with haunches: S = 5, 8, 9, 10, 12, 14, 15, 16, 19; without: 5,
  // 9, 9, 9, 12, 15, 15, 15, 19.
  const Caso casos[] = {
      // One node past the haunch ends toward mid-span.
      {1,
       "perto",
       {7, 11, 13, 17},
       {0, 159.625, 121.5, 117.25, 21.213203, 81.833333, 121.5, 159.625, 81.833333, 21.213203,
        129.125}},
      // The haunch ends themselves.
      {1,
       "misulas",
       {8, 10, 14, 16},
       {0, 117.75, 112.333333, 75.375, 21.213203, 81.833333, 112.333333, 117.75, 81.833333,
        21.213203, 117.25}},
      // Mid-spans: the caps win.
      {1,
       "meios",
       {5, 12, 19},
       {0, 171.5, 121.5, 129.125, 21.213203, 81.833333, 121.5, 171.5, 81.833333, 21.213203,
        129.125}},
      {0,
       "perto",
       {7, 11, 13, 17},
       {0, 159.625, 121.5, 159.125, 0, 113.5, 121.5, 159.625, 113.5, 0, 151.625}},
      // The corner nodes: measured from the inner face of the other member.
      {0,
       "cantos",
       {9, 15},
       {0, 75.875, 73.166667, 75.375, 0, 65.166667, 73.166667, 75.875, 65.166667, 0, 67.875}},
      {0, "meios", {5, 12, 19}, {0, 171.5, 121.5, 163.5, 0, 113.5, 121.5, 171.5, 113.5, 0, 163.5}},
  };
  for (const Caso& c : casos) {
    TProjeto p = projetoInicial();
    if (c.nMisula == 0) p.Geometria.mhb = p.Geometria.mvb = p.Geometria.mhc = p.Geometria.mvc = 0.0;
    auto q = quadroRetangular(p, 8, 6, c.nMisula);
    TDimensionamento d;
    for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = 1;
    atualizarAreaTela(construirCatalogoTelas(), d);
    TRegistroMemoria log;
    bool parado = false;
    calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);  // no load: no requirement
    ASSERT_FALSE(parado);
    TAlternativaBarras tres;
    tres.texto = "3 d6,3 -  (0% abaixo)";
    for (size_t k = 1; k <= 10; ++k) d.alternativasBarras[k] = {tres};
    for (int no : c.nos) {
      d.asExtAoLongo[static_cast<size_t>(no)] = 2.0;
      d.asIntAoLongo[static_cast<size_t>(no)] = 2.0;
    }
    calcularComprimentosBarras(p, q.m, q.s, d);
    for (size_t i = 1; i <= 10; ++i)
      EXPECT_NEAR(d.comprimentoBarra[i], c.C[i], 1e-6) << c.nMisula << " " << c.nome << " " << i;
  }
}

TEST(ArmaduraAoLongoSemMisula, CantosSemMisula) {
  TProjeto p = projetoInicial();
  p.Geometria.mhb = p.Geometria.mvb = p.Geometria.mhc = p.Geometria.mvc = 0.0;
  auto q = quadroRetangular(p, 8, 6, 0);
  TDimensionamento d;
  for (int k : locaisComTela) d.telaEscolhida[static_cast<size_t>(k)] = 1;
  atualizarAreaTela(construirCatalogoTelas(), d);
  TRegistroMemoria log;
  bool parado = false;
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
  calcularComprimentosBarras(p, q.m, q.s, d);
  const size_t canto = static_cast<size_t>(q.s.noSecao[quinaInferior]);
  // The corner node keeps the corner thickness and no internal mesh.
  EXPECT_NEAR(d.espessuraAoLongo[canto], 15 * std::sqrt(2.0), 1e-12);
  EXPECT_DOUBLE_EQ(d.telaIntAoLongo[canto], 0.0);
  const auto& C = d.comprimentoBarra;
  EXPECT_DOUBLE_EQ(C[4], 0.0);
  EXPECT_DOUBLE_EQ(C[9], 0.0);
  // No requirement: the anchorage beyond the corner.
  EXPECT_DOUBLE_EQ(C[1], 30 + 15 - 3.5);
  EXPECT_DOUBLE_EQ(C[3], 30 + 3.5);
  for (double v : C) EXPECT_TRUE(std::isfinite(v));
}

TEST(ArmaduraAoLongoSemMisula, SecoesInvalidasNaoQuebram) {
  TProjeto p = projetoInicial();
  auto q = quadroRetangular(p, 8, 6, 1);
  q.s.noSecao = {0, 5, 3, 1000000, -7, 2, 9, 9, 9, 9};
  TDimensionamento d;
  TRegistroMemoria log;
  bool parado = false;
  calcularArmaduraAoLongo(p, q.m, q.s, d, parado, log);
  calcularComprimentosBarras(p, q.m, q.s, d);
  EXPECT_FALSE(parado);
  for (double v : d.comprimentoBarra) EXPECT_TRUE(std::isfinite(v));
  for (double v : d.asExtAoLongo) EXPECT_EQ(v, 0.0);
}

}  // namespace
}  // namespace galeria
