#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "design/fissuracao.h"
#include "design/modelo_teste.h"

namespace galeria {
namespace {

using teste::modeloVazio;

const char* const hifens49 = "-------------------------------------------------";

// A frame whose nine design sections are nodes 1..9, every section 15 cm
// thick with d' = 3,5 cm (cover 3 cm, fck 30 MPa).
struct Quadro {
  TProjeto projeto;
  TModeloEF modelo = modeloVazio(12);
  TSecoesProjeto secoes;
  TArmaduraAdotada armadura;

  Quadro() {
    for (int s = 1; s <= nSecoes; ++s) {
      secoes.noSecao[s] = s;
      secoes.espessura[s] = 15.0;
      secoes.dLinha[s] = 3.5;
    }
  }
  void esforco(int secao, int caso, double M, double N = 0.0) {
    modelo.momentoIni[secao][caso] = M;
    modelo.normalIni[secao][caso] = N;
  }
  TFissuracao verificar() const { return verificarFissuracao(projeto, modelo, secoes, armadura); }
};

TEST(Fissuracao, CasoTrabalhadoComLimiteDaTensao) {
  Quadro q;
  q.armadura.areaTela[9] = 2.83;  // L283: 6,0 mm wires
  q.armadura.diametroTela[9] = 6.0;
  q.armadura.areaTela[10] = 1.13;
  q.armadura.diametroTela[10] = 3.8;
  q.esforco(meioSuperior, casoFissVmaxHmin, 500.0);
  q.esforco(meioSuperior, casoFissVminHmax, 1500.0);
  q.esforco(meioSuperior, casoFissVmaxHmax, -200.0);
  const TFissuracao f = q.verificar();

  EXPECT_DOUBLE_EQ(f.momentoFissura[5][17], 500.0);
  EXPECT_DOUBLE_EQ(f.diametroFissura[5][17], 0.6);
  EXPECT_DOUBLE_EQ(f.tensaoAcoFissura[5][17], 17.0704);
  EXPECT_DOUBLE_EQ(f.areaBarraFissura[5][17], 0.2827);
  EXPECT_DOUBLE_EQ(f.areaEnvolvimento[5][17], 67.5);  // b' = 9 cm
  EXPECT_DOUBLE_EQ(f.taxaEnvolvimento[5][17], 0.0042);
  EXPECT_DOUBLE_EQ(f.aberturaFissura[5][17], 0.0307);

  EXPECT_DOUBLE_EQ(f.tensaoAcoFissura[6][17], 36.0);  // 51,2 capped
  EXPECT_DOUBLE_EQ(f.aberturaFissura[6][17], 0.1364);

  // Case 7 tensions the internal face: |M| on position 18, position 17 keeps 0.
  EXPECT_DOUBLE_EQ(f.momentoFissura[7][18], 200.0);
  EXPECT_DOUBLE_EQ(f.aberturaFissura[7][18], 0.0195);
  EXPECT_DOUBLE_EQ(f.aberturaFissura[7][17], 0.0);
  EXPECT_DOUBLE_EQ(f.tensaoAcoFissura[7][17], 0.0);
  for (int c : {5, 6}) {
    EXPECT_DOUBLE_EQ(f.aberturaFissura[c][18], 0.0);
    EXPECT_DOUBLE_EQ(f.momentoFissura[c][18], 0.0);
  }
  EXPECT_DOUBLE_EQ(f.aberturaMeioSuperior, 0.1364);
  EXPECT_DOUBLE_EQ(f.aberturaQuinaSuperior, 0.0);
}

TEST(Fissuracao, ForcaNormalDeTracaoSomaNaTensao) {
  const TFissuraFace face = calcularFissuraFace(500.0, 10.0, 15.0, 3.5, 2.83, 0.6, 3.0, 0.28965);
  EXPECT_NEAR(face.tensaoAco, 500.0 / (0.9 * 11.5 * 2.83) + 3.5 / 2.83, 1e-12);
  EXPECT_NEAR(face.abertura, 0.03526, 1e-5);
}

TEST(Fissuracao, EnvolvimentoDaBarra) {
  struct Caso {
    double phi, acr, rho;
  };
  const Caso casos[] = {
      {1.0, 105.0, 0.0074800},      // b' = 15 cm capped at 10
      {0.63, 73.00125, 0.0042701},  // b' = 9,45 cm
      {0.6, 67.5, 0.0041888},
  };
  for (const auto& c : casos) {
    const TFissuraFace face = calcularFissuraFace(100.0, 0.0, 15.0, 3.5, 5.0, c.phi, 3.0, 0.28965);
    EXPECT_NEAR(face.areaEnvolvimento, c.acr, 1e-9) << c.phi;
    EXPECT_NEAR(face.taxaEnvolvimento, c.rho, 1e-7) << c.phi;
  }
}

TEST(Fissuracao, FaceSemTensaoGuardaOEnvolvimentoDaBarra) {
  // M = N = 0 at a section: the internal face is evaluated with |M| = 0, so
  // σs and w are 0, but the bar and its concrete envelope are still stored.
  const TFissuraFace face = calcularFissuraFace(0.0, 0.0, 15.0, 3.5, 2.83, 0.6, 3.0, 0.28965);
  EXPECT_FALSE(face.semResultado);
  EXPECT_DOUBLE_EQ(face.tensaoAco, 0.0);
  EXPECT_DOUBLE_EQ(face.abertura, 0.0);
  EXPECT_NEAR(face.areaBarra, 0.28274, 1e-5);
  EXPECT_DOUBLE_EQ(face.areaEnvolvimento, 67.5);
  EXPECT_NEAR(face.taxaEnvolvimento, 0.0041888, 1e-7);

  Quadro q;
  q.armadura.areaTela[10] = 2.83;
  q.armadura.diametroTela[10] = 6.0;
  const TFissuracao f = q.verificar();  // every force 0
  for (int c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c) {
    EXPECT_DOUBLE_EQ(f.diametroFissura[c][18], 0.6);
    EXPECT_DOUBLE_EQ(f.areaBarraFissura[c][18], 0.2827);
    EXPECT_DOUBLE_EQ(f.areaEnvolvimento[c][18], 67.5);
    EXPECT_DOUBLE_EQ(f.taxaEnvolvimento[c][18], 0.0042);
    EXPECT_DOUBLE_EQ(f.aberturaFissura[c][18], 0.0);
    // The external face is not tensioned and keeps 0 throughout.
    EXPECT_DOUBLE_EQ(f.diametroFissura[c][17], 0.0);
    EXPECT_DOUBLE_EQ(f.areaEnvolvimento[c][17], 0.0);
  }
}

TEST(Fissuracao, SegundaEstimativaGovernaComBarraGrossa) {
  // 20 mm bar at the stress cap: ρr is high enough for w2 < w1.
  const double fctm = 0.3 * std::pow(30.0, 2.0 / 3.0) / 10.0;
  const TFissuraFace face = calcularFissuraFace(5000.0, 0.0, 30.0, 4.0, 5.0, 2.0, 3.0, fctm);
  const double base = 12.5 * 2.25 * 21000.0;
  const double w1 = 10.0 * 2.0 * 36.0 * 3.0 * 36.0 / (base * fctm);
  const double w2 = 10.0 * 2.0 * 36.0 / base * (4.0 / face.taxaEnvolvimento + 45.0);
  EXPECT_LT(w2, w1);
  EXPECT_DOUBLE_EQ(face.abertura, w2);
  EXPECT_NEAR(face.abertura, 0.33424, 1e-5);
}

TEST(Fissuracao, MaiorDiametroGoverna) {
  struct Caso {
    double fioTela, barra, phiCm;
  };
  const Caso casos[] = {
      {8.0, 6.3, 0.8},   // mesh wire thicker than the bar
      {4.2, 10.0, 1.0},  // bar thicker than the mesh wire
      {5.0, 0.0, 0.5},   // no bars (hyphen line)
  };
  for (const auto& c : casos) {
    Quadro q;
    q.armadura.areaTela[5] = 3.35;
    q.armadura.diametroTela[5] = c.fioTela;
    q.armadura.asBarrasEscolhida[5] = c.barra > 0 ? 1.0 : 0.0;
    q.armadura.diametroBarraEscolhida[5] = c.barra;
    q.esforco(meioParede, casoFissVmaxHmin, 300.0);
    EXPECT_DOUBLE_EQ(q.verificar().diametroFissura[5][9], c.phiCm) << c.fioTela;
  }
}

TEST(Fissuracao, ArmaduraVistaEmCadaPosicao) {
  TArmaduraAdotada a;
  for (int k = 1; k <= nLocais; ++k) {
    a.areaTela[k] = 100.0 * k;
    a.asBarrasEscolhida[k] = k;
  }
  a.asFadigaQuina = 0.25;
  a.asFadigaCoroamento = 0.5;
  // Mesh of one location + bars of one or two + fatigue bars, read as sums.
  const double esperado[nPosicoes + 1] = {0,   101,    202,    304, 202,    303, 4,
                                          308, 606,    505,    606, 712.25, 606, 707.25,
                                          8,   716.25, 1010.5, 909, 1010.5};
  for (int p = 1; p <= nPosicoes; ++p)
    EXPECT_DOUBLE_EQ(armaduraPosicao(a, p).area, esperado[p]) << "position " << p;

  // Diameter candidates: meshes dominate, then bars, then fatigue bars.
  for (int k = 1; k <= nLocais; ++k) {
    a.diametroTela[k] = 20.0 + k;
    a.diametroBarraEscolhida[k] = k;
  }
  const double soTelas[nPosicoes + 1] = {0,  21, 22, 25, 22, 25, 4,  25, 26, 25,
                                         26, 29, 26, 29, 8,  29, 30, 29, 30};
  for (int p = 1; p <= nPosicoes; ++p)
    EXPECT_DOUBLE_EQ(armaduraPosicao(a, p).diametroMaximo, soTelas[p]) << "position " << p;

  for (int k = 1; k <= nLocais; ++k) a.diametroBarraEscolhida[k] = 40.0 + k;
  const double soBarras[nPosicoes + 1] = {0,  41, 42, 43, 42, 43, 44, 45, 46, 45,
                                          46, 47, 46, 47, 48, 49, 50, 49, 50};
  for (int p = 1; p <= nPosicoes; ++p)
    EXPECT_DOUBLE_EQ(armaduraPosicao(a, p).diametroMaximo, soBarras[p]) << "position " << p;

  a.diametroFadigaQuina = 99.0;
  a.diametroFadigaCoroamento = 98.0;
  for (int p : {11, 13, 15}) EXPECT_DOUBLE_EQ(armaduraPosicao(a, p).diametroMaximo, 99.0);
  for (int p : {16, 18}) EXPECT_DOUBLE_EQ(armaduraPosicao(a, p).diametroMaximo, 98.0);
  EXPECT_DOUBLE_EQ(armaduraPosicao(a, 17).diametroMaximo, 49.0);
}

TEST(Fissuracao, LimiteEstrito) {
  Quadro q;
  q.armadura.areaTela[9] = 2.83;
  q.armadura.diametroTela[9] = 6.0;
  q.esforco(meioSuperior, casoFissVmaxHmax, 500.0);  // w = 0,0307 mm in case 7
  const TFissuracao f = q.verificar();
  EXPECT_FALSE(fissuracaoExcedida(f, 17, 0.0307));  // equal passes
  EXPECT_TRUE(fissuracaoExcedida(f, 17, 0.0306));
  // The compressed face keeps 0 in all three cases and never fails.
  EXPECT_FALSE(fissuracaoExcedida(f, 18, 0.0));
  EXPECT_FALSE(fissuracaoExcedida(f, 0, 0.0));
  EXPECT_FALSE(fissuracaoExcedida(f, 19, 0.0));
  TProjeto p;
  p.Armadura.w = 0.0307;
  EXPECT_FALSE(fissuracaoExcedida(f, 17, p.Armadura.w));
}

TEST(Fissuracao, FaceTracionadaSemResultadoContaComoExcedida) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Caso {
    const char* nome;
    int secao, posicao;
    double M, espessura;
  };
  const Caso casos[] = {
      {"internal corner without bars", quinaSuperior, 14, -300.0, 15.0},
      {"non-finite moment", meioSuperior, 18, nan, 15.0},
      {"no lever arm", meioSuperior, 17, 300.0, 3.5},
  };
  for (const auto& c : casos) {
    Quadro q;
    q.armadura.areaTela[9] = 2.83;
    q.armadura.diametroTela[9] = 6.0;
    q.armadura.areaTela[10] = 2.83;
    q.armadura.diametroTela[10] = 6.0;
    q.secoes.espessura[c.secao] = c.espessura;
    q.esforco(c.secao, casoFissVminHmax, c.M);
    const TFissuracao f = q.verificar();
    EXPECT_TRUE(f.semResultado[6][c.posicao]) << c.nome;
    EXPECT_TRUE(fissuracaoExcedida(f, c.posicao, 1000.0)) << c.nome;
    for (const auto* tabela :
         {&f.momentoFissura, &f.aberturaFissura, &f.tensaoAcoFissura, &f.taxaEnvolvimento})
      for (const auto& linha : *tabela)
        for (double v : linha) EXPECT_TRUE(std::isfinite(v)) << c.nome;
  }
}

TEST(Fissuracao, EntradasAbsurdasDaoNumerosFinitos) {
  struct Caso {
    const char* nome;
    double fck, cobrimento, M, N;
  };
  const Caso casos[] = {
      {"fck zero", 0.0, 3.0, 500.0, 0.0},
      {"negative cover", 30.0, -10.0, 500.0, 0.0},
      {"huge loads", 30.0, 3.0, 1e300, -1e300},
      {"axial force only", 30.0, 3.0, 0.0, 50.0},
  };
  for (const auto& c : casos) {
    Quadro q;
    q.projeto.Criterio.fck = c.fck;
    q.projeto.Armadura.cobrimento = c.cobrimento;
    q.armadura.areaTela[9] = 2.83;
    q.armadura.diametroTela[9] = 6.0;
    q.armadura.areaTela[10] = 2.83;
    q.armadura.diametroTela[10] = 6.0;
    q.esforco(meioSuperior, casoFissVmaxHmin, c.M, c.N);
    const TFissuracao f = q.verificar();
    for (int p : {17, 18}) {
      const double w = f.aberturaFissura[5][p];
      EXPECT_TRUE(std::isfinite(w)) << c.nome;
      EXPECT_GE(w, 0.0) << c.nome;
      EXPECT_LE(f.tensaoAcoFissura[5][p], 36.0) << c.nome;
    }
  }
}

// Screening: location 9 (position 17, M = 500) and location 7 (position 15,
// M = 1000, whose steel includes the bars of location 9).
struct Triagem : Quadro {
  TListasAlternativas listas;
  Triagem() {
    armadura.areaTela[7] = 2.26;
    armadura.areaTela[9] = 1.13;
    armadura.areaTela[10] = 1.13;
    for (int k : {5, 9, 10}) armadura.diametroTela[k] = 3.8;
    for (int k = 1; k <= nLocais; ++k)
      listas.alternativasBarras[k] = {lerAlternativaTriagem(hifens49)};
    // w ≈ 0,0605 mm with the first, ≈ 0,0191 mm with the second.
    listas.alternativasBarras[9] = {lerAlternativaTriagem("3 d6,3 -  (0% abaixo)"),
                                    lerAlternativaTriagem("6 d8,0 - (0,52% acima)")};
    listas.alternativasBarras[7] = {lerAlternativaTriagem("3 d6,3 -  (0% abaixo)")};
    esforco(meioSuperior, casoFissVmaxHmin, 500.0);
    esforco(misulaLajeSuperior, casoFissVmaxHmin, 1000.0);
  }
};

TEST(TriagemAlternativas, LimiteDecideQuemAtende) {
  struct Caso {
    double limite;
    bool atendeA, atendeB;
    int escolha;
  };
  const Caso casos[] = {
      {0.05, false, true, 1},
      {0.10, true, true, 0},
      {0.01, false, false, 0},  // none passes: the first is kept
  };
  for (const auto& c : casos) {
    Triagem t;
    t.projeto.Armadura.w = c.limite;
    TTriagemAlternativas triagem;
    const TFissuracao f =
        triarAlternativas(t.projeto, t.modelo, t.secoes, t.listas, t.armadura, triagem);
    ASSERT_EQ(triagem.alternativaAtende[9].size(), 2u);
    EXPECT_EQ(triagem.alternativaAtende[9][0], c.atendeA) << c.limite;
    EXPECT_EQ(triagem.alternativaAtende[9][1], c.atendeB) << c.limite;
    EXPECT_EQ(t.listas.barraEscolhida[9], c.escolha) << c.limite;
    // The returned widths and the reinforcement belong to the final choice.
    const auto& escolhida = t.listas.alternativasBarras[9][static_cast<size_t>(c.escolha)];
    EXPECT_DOUBLE_EQ(t.armadura.asBarrasEscolhida[9], escolhida.asPorMetro);
    EXPECT_DOUBLE_EQ(t.armadura.diametroBarraEscolhida[9], escolhida.diametro);
    const TFissuracao refeita = verificarFissuracao(t.projeto, t.modelo, t.secoes, t.armadura);
    EXPECT_EQ(f.aberturaFissura, refeita.aberturaFissura);
  }
}

TEST(TriagemAlternativas, LocaisPosterioresVeemAsEscolhasAnteriores) {
  Triagem t;
  t.projeto.Armadura.w = 0.05;
  t.listas.barraEscolhida[9] = 0;  // the thin bars are chosen when screening starts
  TTriagemAlternativas triagem;
  const TFissuracao f =
      triarAlternativas(t.projeto, t.modelo, t.secoes, t.listas, t.armadura, triagem);
  // Location 9 is screened first and takes the 8 mm bars; with them position
  // 15 stays within the limit (≈ 0,0340 mm), with the 6,3 mm bars it would not
  // (≈ 0,0605 mm).
  EXPECT_EQ(t.listas.barraEscolhida[9], 1);
  ASSERT_EQ(triagem.alternativaAtende[7].size(), 1u);
  EXPECT_TRUE(triagem.alternativaAtende[7][0]);
  EXPECT_DOUBLE_EQ(f.aberturaFissura[5][15], 0.0340);
  for (int k = 1; k <= nLocais; ++k) EXPECT_GE(t.listas.barraEscolhida[k], 0) << k;
}

TEST(TriagemAlternativas, ListaVaziaNaoEscolheNada) {
  Triagem t;
  t.listas.alternativasBarras[4].clear();
  TTriagemAlternativas triagem;
  triarAlternativas(t.projeto, t.modelo, t.secoes, t.listas, t.armadura, triagem);
  EXPECT_TRUE(triagem.alternativaAtende[4].empty());
  EXPECT_EQ(t.listas.barraEscolhida[4], -1);
  EXPECT_DOUBLE_EQ(t.armadura.asBarrasEscolhida[4], 0.0);
}

}  // namespace
}  // namespace galeria
