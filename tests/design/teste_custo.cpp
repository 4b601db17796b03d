#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "design/custo.h"
#include "design/custo_sessao.h"

namespace galeria {
namespace {

const std::string semBarras(49, '-');

// The section of the typical culvert: B = 250 cm, 15 cm members, clear height
// 220 cm, 15 × 15 haunches: A = 250·15·2 + 2·220·15 + 2·15·15 = 14 550 cm².
TEntradaCusto entradaBase() {
  TEntradaCusto e;
  e.comprimento = 0;
  e.larguraExterna = 250;
  e.hb = e.hp = e.hc = 15;
  e.hl = 220;
  e.mhb = e.mvb = e.mhc = e.mvc = 15;
  e.pesoAco = 78;
  // No steel unless a test puts some: meshes beyond the table, no bars.
  e.telas = {11, 11, 11, 11, 11, 11};
  TBarrasCusto& b = e.barras;
  for (std::string* t : {&b.EBE, &b.EBI, &b.EQIE, &b.EQII, &b.EFE, &b.EFI, &b.EQSE, &b.EQSI, &b.ECE,
                         &b.ECI, &b.Efs, &b.Efq})
    *t = semBarras;
  e.comprimentoBarra = criarVreal(14);
  e.comprimentoPeca = criarVreal(8);
  return e;
}

TEST(Custo, ValidacoesNaOrdemComSuasMensagens) {
  struct Caso {
    TPrecosCusto precos;
    const char* mensagem;
    TCampoCusto campo;
  };
  const Caso casos[] = {
      {{"", "", "", ""}, "Entre com um valor para o preço do aço CA 60.", TCampoCusto::precoCA60},
      {{"0", "", "1", "1"},
       "Entre com um valor para o preço do aço CA 50.",
       TCampoCusto::precoCA50},
      {{"0", "0", "", ""},
       "Entre com um valor para o preço do concreto.",
       TCampoCusto::precoConcreto},
      {{"0", "0", "0", ""},
       "Entre com um valor para a quantidades de peças.",
       TCampoCusto::quantidadePecas},
      {{"0", "0", "0", "0"},
       "O preço do aço CA 60 deverá ser maior que zero.",
       TCampoCusto::precoCA60},
      {{"5", "0,00", "0", "0"},
       "O preço do aço CA 50 deverá ser maior que zero.",
       TCampoCusto::precoCA50},
      {{"5", "4", "0", "0"},
       "O preço do concreto deverá ser maior que zero.",
       TCampoCusto::precoConcreto},
      {{"5", "4", "170", "0"},
       "O número de unidades deverá ser maior que zero.",
       TCampoCusto::quantidadePecas},
      {{",", "4", "170", "1"},
       "O preço do aço CA 60 deverá ser maior que zero.",
       TCampoCusto::precoCA60},
  };
  for (const Caso& c : casos) {
    TEntradaCusto e = entradaBase();
    e.precos = c.precos;
    const TResultadoCusto r = calcularCusto(e);
    EXPECT_FALSE(r.valido);
    EXPECT_EQ(r.mensagem, c.mensagem);
    EXPECT_EQ(r.campo, c.campo);
    EXPECT_EQ(r.custo, "");
  }
}

TEST(Custo, CaixasReescritasComDuasCasas) {
  TEntradaCusto e = entradaBase();
  e.precos = {"5", "1.5", "170,5", "2,5"};
  const TResultadoCusto r = calcularCusto(e);
  ASSERT_TRUE(r.valido) << r.mensagem;
  EXPECT_EQ(r.precos, (TPrecosCusto{"5,00", "1,50", "170,50", "2,50"}));
}

TEST(Custo, ConcretoDaSecaoComMisulas) {
  TEntradaCusto e = entradaBase();
  e.comprimento = 1;  // 1,50 m
  e.precos.precoConcreto = "100,00";
  const TResultadoCusto r = calcularCusto(e);
  ASSERT_TRUE(r.valido) << r.mensagem;
  EXPECT_NEAR(r.volumeConcreto, 14550.0 * 150.0 / 1e6, 1e-12);
  EXPECT_EQ(r.consumoConcreto, "2,18 m³");
  EXPECT_EQ(r.consumoAco, "0,00 Kg");
  EXPECT_EQ(r.taxa, "0,00 Kg/m³");
  EXPECT_EQ(r.custo, "218,25 UM");
  EXPECT_EQ(r.titulo, "Comprimento da Galeria = 1,50 m");
}

TEST(Custo, TelasDasParedesContamDuasVezes) {
  // Piece lengths 10, 20, ..., 80 cm so that each slot's sum is distinct.
  struct Caso {
    int TTelasCusto::*slot;
    double comprimento;  // cm of mesh across the section
  };
  const Caso casos[] = {
      {&TTelasCusto::BE, 2 * 60 + 50},        {&TTelasCusto::BI, 80},
      {&TTelasCusto::FE, 2 * (10 + 20 + 30)}, {&TTelasCusto::FI, 2 * 70},
      {&TTelasCusto::CE, 2 * 40 + 50},        {&TTelasCusto::CI, 80},
  };
  for (const Caso& c : casos) {
    TEntradaCusto e = entradaBase();
    for (int i = 1; i <= 8; ++i) e.comprimentoPeca[static_cast<size_t>(i)] = 10.0 * i;
    e.telas.*c.slot = 3;  // L196: 2,09 kg/m²
    const TResultadoCusto r = calcularCusto(e);
    ASSERT_TRUE(r.valido);
    // Length (cm) × 100 cm of piece × kg/m² ÷ 10 000.
    EXPECT_NEAR(r.pesoTelas, c.comprimento * 100.0 * 2.09 / 10000.0, 1e-12) << c.comprimento;
    EXPECT_DOUBLE_EQ(r.pesoBarras, 0.0);
  }
}

TEST(Custo, PesoDaTelaPelaPosicaoNaLista) {
  const double pesos[] = {1.21, 1.47, 1.69, 2.09, 2.62, 3.00, 3.48, 3.91, 4.77, 5.84, 7.03};
  for (int i = 0; i < 11; ++i) EXPECT_DOUBLE_EQ(pesoUnitarioTela(i), pesos[i]);
  EXPECT_DOUBLE_EQ(pesoUnitarioTela(11), 0.0);
  EXPECT_DOUBLE_EQ(pesoUnitarioTela(-1), 0.0);
}

TEST(Custo, BarrasDeQuinaEParedeContamDuasVezes) {
  struct Caso {
    std::string TBarrasCusto::*lista;
    double k;
    double L;  // with comprimentoBarra[i] = 100 + i
  };
  const Caso casos[] = {
      {&TBarrasCusto::EBE, 1, 111},  {&TBarrasCusto::EBI, 1, 112},  {&TBarrasCusto::EQIE, 2, 203},
      {&TBarrasCusto::EQII, 2, 312}, {&TBarrasCusto::EFE, 2, 113},  {&TBarrasCusto::EFI, 2, 114},
      {&TBarrasCusto::EQSE, 2, 213}, {&TBarrasCusto::EQSI, 2, 327}, {&TBarrasCusto::ECE, 1, 111},
      {&TBarrasCusto::ECI, 1, 112},  {&TBarrasCusto::Efs, 1, 112},  {&TBarrasCusto::Efq, 2, 213},
  };
  for (const Caso& c : casos) {
    TEntradaCusto e = entradaBase();
    e.comprimento = 2;  // 2,00 m: ten bars per metre are twenty in the piece
    for (int i = 1; i <= 14; ++i) e.comprimentoBarra[static_cast<size_t>(i)] = 100.0 + i;
    e.barras.*c.lista = "5 d10,0 - (1,2% acima)";
    const TResultadoCusto r = calcularCusto(e);
    ASSERT_TRUE(r.valido);
    // 5 bars/m × 2 m × k × (π·1²/4) cm² × L cm × 78 kN/m³ → kg.
    const double esperado = 5 * 2.0 * c.k * std::numbers::pi / 4.0 * c.L * 78.0 * 100.0 / 1e6;
    EXPECT_NEAR(r.pesoBarras, esperado, 1e-12) << c.L;
    EXPECT_DOUBLE_EQ(r.pesoTelas, 0.0);
  }
}

TEST(Custo, TextoDaOpcaoDeBarras) {
  struct Caso {
    const char* texto;
    bool lida;
    double n, d;
  };
  const Caso casos[] = {
      {"10 d6,3 - (3,9% acima)", true, 10, 0.63},
      {"3 d6,3 -  (0% abaixo)", true, 3, 0.63},
      {"4 d12,5 - (4,71% acima)", true, 4, 1.25},
      {"2 d16,0 -  (2,72% abaixo)", true, 2, 1.6},
      {"-------------------------------------------------", false, 0, 0},
      {"", false, 0, 0},
      {"lixo", false, 0, 0},
      {"3 d-", false, 0, 0},
      {"x d6,3 - (1% acima)", false, 0, 0},
  };
  for (const Caso& c : casos) {
    double n = -1, d = -1;
    EXPECT_EQ(lerOpcaoBarra(c.texto, n, d), c.lida) << c.texto;
    if (c.lida) {
      EXPECT_DOUBLE_EQ(n, c.n);
      EXPECT_NEAR(d, c.d, 1e-12);
    }
  }
  // An unreadable choice adds no steel and is reported.
  TEntradaCusto e = entradaBase();
  e.comprimentoBarra[11] = 100;
  e.barras.EBE = "lixo";
  const TResultadoCusto r = calcularCusto(e);
  ASSERT_TRUE(r.valido);
  EXPECT_DOUBLE_EQ(r.pesoBarras, 0.0);
  ASSERT_EQ(r.avisos.size(), 1u);
  EXPECT_NE(r.avisos[0].find("EBE"), std::string::npos);
}

TEST(Custo, ExemploCompletoComOsPrecosPadrao) {
  TEntradaCusto e = entradaBase();  // 1,00 m, prices 5 / 4 / 170 / 1
  e.comprimentoPeca[5] = e.comprimentoPeca[6] = 100;
  e.telas.BE = 0;  // L113, 1,21 kg/m² over 2·100 + 100 cm: 3,63 kg
  e.comprimentoBarra[11] = 250;
  e.barras.EBE = "4 d10,0 - (4,71% acima)";  // 4 × 0,7854 cm² × 250 cm = 785,40 cm³: 6,1261 kg
  const TResultadoCusto r = calcularCusto(e);
  ASSERT_TRUE(r.valido);
  EXPECT_NEAR(r.pesoTelas, 3.63, 1e-12);
  EXPECT_NEAR(r.pesoBarras, 1000 * std::numbers::pi * 78e-4 / 4 * 100 / 100, 1e-9);
  EXPECT_NEAR(r.volumeConcreto, 1.455, 1e-12);
  // 5·3,63 + 4·6,12611 + 170·1,455 = 290,0044
  EXPECT_NEAR(r.custoTotal, 5 * 3.63 + 4 * r.pesoBarras + 170 * 1.455, 1e-9);
  EXPECT_EQ(r.custo, "290,00 UM");
  EXPECT_EQ(r.consumoAco, "9,76 Kg");
  EXPECT_EQ(r.taxa, "6,71 Kg/m³");
  EXPECT_EQ(r.consumoConcreto, "1,46 m³");
  EXPECT_EQ(r.titulo, "Comprimento da Galeria = 1,00 m");

  // Two and a half pieces: consumptions and cost × 2,5, the rate unchanged.
  e.precos.quantidadePecas = "2,5";
  const TResultadoCusto r25 = calcularCusto(e);
  EXPECT_NEAR(r25.custoTotal, 2.5 * r.custoTotal, 1e-9);
  EXPECT_EQ(r25.consumoAco, "24,39 Kg");
  EXPECT_EQ(r25.consumoConcreto, "3,64 m³");
  EXPECT_EQ(r25.taxa, r.taxa);
}

TEST(Custo, EntradaDoProjetoMapeiaAsTelasGravadas) {
  TProjeto p = projetoInicial();
  p.Resultados.telaEscolhida = {0, 1, 2, 3, 4, 5};  // locations 9, 5, 1, 10, 6, 2
  p.Geometria.comprimento = 3;
  const TEntradaCusto e = entradaCustoDoProjeto(p, TPrecosCusto{});
  EXPECT_EQ(e.telas.CE, 0);
  EXPECT_EQ(e.telas.FE, 1);
  EXPECT_EQ(e.telas.BE, 2);
  EXPECT_EQ(e.telas.CI, 3);
  EXPECT_EQ(e.telas.FI, 4);
  EXPECT_EQ(e.telas.BI, 5);
  EXPECT_DOUBLE_EQ(e.larguraExterna, 320 + 30);
  EXPECT_DOUBLE_EQ(e.hl, 220);
  EXPECT_DOUBLE_EQ(e.pesoAco, 78);
  EXPECT_EQ(tituloCusto(e.comprimento), "Comprimento da Galeria = 2,50 m");
}

// The session's chosen bars go to the cost lists by location: 1 and 2 the
// bottom mid-span, 3 and 4 the lower corner, 5 and 6 the wall, 7 and 8 the
// upper corner, 9 and 10 the top mid-span (odd external); fatigue list 1 the
// crown, 2 the upper corner. A list with nothing chosen is the hyphen line.
TEST(Custo, EntradaDaSessaoLevaCadaEscolhaASuaLista) {
  TSessao s;
  s.projeto = projetoInicial();
  s.projeto.Resultados.telaEscolhida = {0, 1, 2, 3, 4, 5};
  TDimensionamento& d = s.dimensionamento;
  auto opcao = [](int n) {
    TAlternativaBarras a;
    a.texto = std::to_string(n) + " d6,3 - (1,00% acima)";
    return a;
  };
  for (int k = 1; k <= 10; ++k) {
    const auto i = static_cast<size_t>(k);
    d.alternativasBarras[i] = {opcao(100 + k), opcao(k)};
    d.barraEscolhida[i] = 1;
  }
  d.barraEscolhida[4] = -1;  // nothing chosen at the internal lower corner
  d.alternativasFadiga[1] = {opcao(11)};
  d.alternativasFadiga[2] = {opcao(900), opcao(12)};
  d.fadigaEscolhida[1] = 0;
  d.fadigaEscolhida[2] = 1;
  for (size_t i = 1; i <= 14; ++i) d.comprimentoBarra[i] = 10.0 * static_cast<double>(i);
  for (size_t i = 1; i <= 8; ++i) d.comprimentoPeca[i] = 1000.0 + static_cast<double>(i);

  const TEntradaCusto e = entradaCustoDaSessao(s, TPrecosCusto{});
  const TBarrasCusto& b = e.barras;
  EXPECT_EQ(b.EBE, opcao(1).texto);
  EXPECT_EQ(b.EBI, opcao(2).texto);
  EXPECT_EQ(b.EQIE, opcao(3).texto);
  EXPECT_EQ(b.EQII, semBarras);
  EXPECT_EQ(b.EFE, opcao(5).texto);
  EXPECT_EQ(b.EFI, opcao(6).texto);
  EXPECT_EQ(b.EQSE, opcao(7).texto);
  EXPECT_EQ(b.EQSI, opcao(8).texto);
  EXPECT_EQ(b.ECE, opcao(9).texto);
  EXPECT_EQ(b.ECI, opcao(10).texto);
  EXPECT_EQ(b.Efs, opcao(11).texto);
  EXPECT_EQ(b.Efq, opcao(12).texto);
  ASSERT_GE(e.comprimentoBarra.size(), 15u);
  ASSERT_GE(e.comprimentoPeca.size(), 9u);
  for (size_t i = 1; i <= 14; ++i)
    EXPECT_DOUBLE_EQ(e.comprimentoBarra[i], 10.0 * static_cast<double>(i));
  for (size_t i = 1; i <= 8; ++i)
    EXPECT_DOUBLE_EQ(e.comprimentoPeca[i], 1000.0 + static_cast<double>(i));
  EXPECT_EQ(e.telas.CE, 0);
  EXPECT_EQ(e.telas.BI, 5);
}

TEST(Custo, ValoresAbsurdosDaoMensagemNuncaNaN) {
  TEntradaCusto e = entradaBase();
  e.larguraExterna = e.hb = e.hc = e.hl = e.hp = e.mhb = e.mhc = 0;
  TResultadoCusto r = calcularCusto(e);
  EXPECT_FALSE(r.valido);
  EXPECT_NE(r.mensagem, "");

  e = entradaBase();
  e.precos.precoCA60 = "1e308";
  e.precos.quantidadePecas = "1e308";
  e.telas.BE = 0;
  e.comprimentoPeca[5] = 1e300;
  r = calcularCusto(e);
  EXPECT_FALSE(r.valido);
  EXPECT_NE(r.mensagem, "");

  // Length arrays shorter than expected count as zero lengths.
  e = entradaBase();
  e.comprimentoBarra.clear();
  e.comprimentoPeca.resize(3);
  e.telas.CI = 0;
  e.barras.EQSI = "3 d8,0 - (1% acima)";
  r = calcularCusto(e);
  ASSERT_TRUE(r.valido);
  EXPECT_DOUBLE_EQ(r.pesoTelas + r.pesoBarras, 0.0);
}

}  // namespace
}  // namespace galeria
