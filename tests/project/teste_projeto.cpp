#include <gtest/gtest.h>

#include "project/arquivo_projeto.h"
#include "project/campos.h"
#include "project/invalidacao.h"
#include "project/projeto.h"

namespace galeria {
namespace {

TEST(Projeto, ValoresIniciaisEDoNovo) {
  TProjeto p = projetoInicial();
  EXPECT_DOUBLE_EQ(p.Geometria.bl, 3.20);
  EXPECT_EQ(p.Armadura.w.texto, "0,18");
  EXPECT_EQ(p.Armadura.varAcima.texto, "1000");
  EXPECT_EQ(p.Criterio.Ec.texto, "26071,59");
  EXPECT_FALSE(p.estado.geometriaConfirmada);

  // "Novo" keeps the surcharge intensities, spacing limits and steel weight.
  p.Sobrecarga.q = 12.0;
  p.Sobrecarga.Q = 40.0;
  p.Armadura.espMin = 7.0;
  p.Criterio.pesoAco = 77.0;
  p.Obra.cidade = "São Paulo";
  p.Criterio.compElemento = 7;
  p.Resultados.telaEscolhida[2] = 5;
  p.estado.geometriaConfirmada = p.estado.resultadosValidos = true;
  novoProjeto(p, 19.0, 32.0);
  EXPECT_DOUBLE_EQ(p.Geometria.bl, 2.20);
  EXPECT_DOUBLE_EQ(p.Geometria.hl, 2.20);
  EXPECT_DOUBLE_EQ(p.Armadura.w, 0.25);
  EXPECT_EQ(p.Armadura.varAcima.texto, "15,0");
  EXPECT_DOUBLE_EQ(p.Sobrecarga.q, 12.0);
  EXPECT_DOUBLE_EQ(p.Sobrecarga.Q, 40.0);
  EXPECT_DOUBLE_EQ(p.Armadura.espMin, 7.0);
  EXPECT_DOUBLE_EQ(p.Criterio.pesoAco, 77.0);
  EXPECT_EQ(p.Criterio.compElemento, 20);
  EXPECT_EQ(p.Obra.cidade, "");
  EXPECT_EQ(p.Resultados.telaEscolhida[2], 5);
  EXPECT_DOUBLE_EQ(p.Instalacao.gamaS, 19.0);
  EXPECT_DOUBLE_EQ(p.Instalacao.fi, 32.0);
  EXPECT_FALSE(p.estado.geometriaConfirmada);
  EXPECT_FALSE(p.estado.resultadosValidos);
}

// The file of the record as the program holds it at start: every stored
// field in the text form of its start value.
TEST(Projeto, ValoresIniciaisDeTodosOsCamposGravados) {
  const std::string hifens(55, '-');
  std::vector<std::string> esperado = {"OBRA"};
  esperado.insert(esperado.end(), 7, "");
  esperado.insert(esperado.end(), {hifens, "", "CLIENTE"});
  esperado.insert(esperado.end(), 10, "");
  esperado.insert(esperado.end(), {hifens, "", "GEOMETRIA", "1", "0", "1", "3,20", "2,20"});
  esperado.insert(esperado.end(), 7, "15,00");
  esperado.insert(
      esperado.end(),
      {hifens, "",           "INSTALACAO", "0",      "0,30",     "0,20",  "20,00",
       "1,20", "30,00",      hifens,       "",       "TIPO",     "2",     hifens,
       "",     "SOBRECARGA", "1",          "30",     hifens,     "",      "ARMADURA",
       "0,18", "0,50",       "180,00",     "110,00", "1,30",     "1,15",  "3,00",
       "5,00", "1000",       hifens,       "",       "CRITERIO", "30,00", "25,00",
       "1",    "26071,59",   "1",          "20",     "1,00",     "0,50",  "0,80",
       "1,30", "1,35",       "1,50",       "1,20",   hifens,     "",      "RESULTADOS"});
  esperado.insert(esperado.end(), 6, "0");    // mesh "L113" in every slot
  esperado.insert(esperado.end(), 12, "-1");  // no bar chosen
  esperado.insert(esperado.end(), {hifens, ""});
  EXPECT_EQ(linhasProjeto(projetoInicial()), esperado);

  // And the fields the file does not hold.
  const TProjeto p = projetoInicial();
  EXPECT_EQ(p.Tipo.tipoInstalacao, 1);
  EXPECT_EQ(p.Tipo.bv.texto, "");
  EXPECT_EQ(p.Tipo.classeRecalque, 1);
  EXPECT_EQ(p.Tipo.rr.texto, "");
  EXPECT_EQ(p.Sobrecarga.q.texto, "5,00");
  EXPECT_EQ(p.Sobrecarga.Q.texto, "5,00");
  EXPECT_EQ(p.Sobrecarga.a.texto, "0,50");
  EXPECT_EQ(p.Sobrecarga.b.texto, "0,50");
  EXPECT_DOUBLE_EQ(p.Sobrecarga.gamaAgua, 10.0);
  EXPECT_EQ(p.Armadura.espMin.texto, "5,00");
  EXPECT_EQ(p.Armadura.espMax.texto, "35,00");
  EXPECT_EQ(p.Criterio.pesoAco.texto, "78,00");
  EXPECT_EQ(p.Criterio.kr.texto, "15,00");
  EXPECT_EQ(p.Criterio.elsSolo.texto, "1,00");
  EXPECT_FALSE(p.estado.geometriaConfirmada);
  EXPECT_FALSE(p.estado.arqueamentoDecidido);
  EXPECT_FALSE(p.estado.resultadosValidos);
}

// "Novo" over a record in which every field differs from its "Novo" value:
// what it sets comes out as the example file of a new project, what it leaves
// alone keeps the edited value.
TEST(Projeto, NovoRedefineCadaCampoOuOMantem) {
  TProjeto p = projetoInicial();
  // A number, or the first option other than the "Novo" one of a choice.
  for (const std::string& nome : nomesDosCampos()) {
    bool definido = false;
    for (const char* valor : {"7", "2", "45", "1"})
      if (!definido) definido = definirCampo(p, nome, valor).empty();
    ASSERT_TRUE(definido) << nome;
  }
  p.Geometria.secaoConstante = false;
  p.Tipo.arqueamento = true;
  p.Criterio.EcAutomatico = false;
  p.Criterio.elsSolo = 7.0;
  p.Instalacao.gamaS = p.Instalacao.fi = p.Instalacao.ka = p.Instalacao.ko = p.Instalacao.mi = 7.0;
  p.Sobrecarga.gamaAgua = 9.5;
  p.Resultados.telaEscolhida = {1, 2, 3, 4, 5, 6};
  p.Resultados.barraEscolhida.fill(2);
  p.Resultados.fadigaEscolhida = {1, 0};
  p.estado = {true, true, 1.5, true, true, false};
  const TResultados escolha = p.Resultados;

  novoProjeto(p, 18.0, 30.0);

  // The new project after one confirmation of the geometry dialog without
  // edits (a constant section: its legs and thicknesses are already equal).
  TProjeto exemplo = projetoInicial();
  exemplo.Geometria.bl = 2.20;
  exemplo.Armadura.w = 0.25;
  exemplo.Armadura.varAcima = TDecimal(15.0, "15,0");
  exemplo.Resultados = escolha;
  EXPECT_EQ(linhasProjeto(p), linhasProjeto(exemplo));
  for (const std::string* t :
       {&p.Obra.especificacao, &p.Obra.cep, &p.Cliente.nome, &p.Cliente.email})
    EXPECT_EQ(*t, "");
  EXPECT_EQ(p.Tipo.tipoInstalacao, 1);
  EXPECT_EQ(p.Tipo.bv.texto, "");
  EXPECT_EQ(p.Tipo.classeRecalque, 1);
  EXPECT_EQ(p.Tipo.rr.texto, "");
  EXPECT_EQ(p.Criterio.kr.texto, "15,00");
  EXPECT_EQ(p.Criterio.elsSolo.texto, "1,00");
  EXPECT_DOUBLE_EQ(p.Instalacao.gamaS, 18.0);
  EXPECT_DOUBLE_EQ(p.Instalacao.fi, 30.0);
  EXPECT_EQ(formatar4(p.Instalacao.ka), "0,3333");
  EXPECT_EQ(formatar4(p.Instalacao.ko), "0,5000");
  EXPECT_EQ(formatar4(p.Instalacao.mi), "0,5774");
  // Kept: surcharge intensities, spacing limits, steel and water unit weights,
  // the reinforcement choice and the flags "Novo" does not clear.
  for (const TDecimal* d : {&p.Sobrecarga.q, &p.Sobrecarga.Q, &p.Sobrecarga.a, &p.Sobrecarga.b,
                            &p.Armadura.espMin, &p.Armadura.espMax, &p.Criterio.pesoAco})
    EXPECT_EQ(d->texto, "7,00");
  EXPECT_DOUBLE_EQ(p.Sobrecarga.gamaAgua, 9.5);
  EXPECT_DOUBLE_EQ(p.estado.hsDecisao, 1.5);
  EXPECT_TRUE(p.estado.tipoAlterado);
  EXPECT_FALSE(p.estado.geometriaConfirmada);
  EXPECT_FALSE(p.estado.arqueamentoDecidido);
  EXPECT_FALSE(p.estado.resultadosValidos);
}

TEST(Projeto, CoeficientesDoSoloEModuloAutomatico) {
  const TCoeficientesSolo c30 = coeficientesSolo(30.0);
  EXPECT_EQ(formatar4(c30.ka), "0,3333");
  EXPECT_EQ(formatar4(c30.ko), "0,5000");
  EXPECT_EQ(formatar4(c30.mi), "0,5774");
  const TCoeficientesSolo c0 = coeficientesSolo(0.0);
  EXPECT_DOUBLE_EQ(c0.ka, 1.0);
  EXPECT_DOUBLE_EQ(c0.ko, 1.0);
  EXPECT_DOUBLE_EQ(c0.mi, 0.0);
  EXPECT_EQ(formatar2(moduloAutomatico(30.0)), "26071,59");
  EXPECT_EQ(formatar2(moduloAutomatico(15.0)), "18435,40");
  EXPECT_EQ(formatar2(moduloAutomatico(50.0)), "33658,28");
}

TEST(Projeto, ValoresGeometricosESecaoConstante) {
  TGeometria g;
  g.mhc = 0.0;
  g.hc = 20.0;
  igualarSecaoConstante(g);
  EXPECT_DOUBLE_EQ(g.mvb, 0.0);
  EXPECT_DOUBLE_EQ(g.hb, 20.0);
  const TValoresGeometricos v = valoresGeometricos(g);
  EXPECT_DOUBLE_EQ(v.blCm, 320.0);
  EXPECT_DOUBLE_EQ(v.larguraExterna, 360.0);
  EXPECT_DOUBLE_EQ(v.alturaExterna, 260.0);
}

TEST(Invalidacao, ComparaComToleranciaDeUmMilesimo) {
  TGeometria a;
  TGeometria b = a;
  EXPECT_TRUE(geometriaInvalida(a, b, false));  // first confirmation
  EXPECT_FALSE(geometriaInvalida(a, b, true));
  b.bl = 3.2009;
  EXPECT_FALSE(geometriaInvalida(a, b, true));
  b.bl = 3.2011;
  EXPECT_TRUE(geometriaInvalida(a, b, true));

  TInstalacao i;
  TInstalacao j = i;
  EXPECT_TRUE(instalacaoInvalida(i, j, true));
  j.solo = 2;
  EXPECT_TRUE(instalacaoInvalida(i, j, false));

  TSobrecarga s;
  TSobrecarga t = s;
  t.q = 9.0;  // q only matters with type 2
  EXPECT_FALSE(sobrecargaInvalida(s, t));
  t.tipoSobrecarga = 2;
  EXPECT_TRUE(sobrecargaInvalida(s, t));
  s.tipoSobrecarga = 2;
  EXPECT_TRUE(sobrecargaInvalida(s, t));
  t.q = s.q;
  EXPECT_FALSE(sobrecargaInvalida(s, t));

  TCriterio k;
  TCriterio l = k;
  l.EcAutomatico = false;
  EXPECT_TRUE(criterioInvalido(k, l));
  TArmadura x;
  TArmadura y = x;
  y.espMax = 30.0;
  EXPECT_TRUE(armaduraInvalida(x, y));
}

// Every field each dialog compares, moved by just over and just under the
// tolerance of 0,001; and the fields it does not compare, moved a lot.
TEST(Invalidacao, CadaCampoComparadoEOsQueNaoContam) {
  using DG = TDecimal TGeometria::*;
  for (DG campo :
       {&TGeometria::bl, &TGeometria::hl, &TGeometria::mhc, &TGeometria::mvc, &TGeometria::mhb,
        &TGeometria::mvb, &TGeometria::hc, &TGeometria::hp, &TGeometria::hb}) {
    const TGeometria a;
    TGeometria d = a;
    d.*campo = (a.*campo).valor + 0.0009;
    EXPECT_FALSE(geometriaInvalida(a, d, true));
    d.*campo = (a.*campo).valor + 0.0011;
    EXPECT_TRUE(geometriaInvalida(a, d, true));
  }
  {
    const TGeometria a;
    TGeometria d = a;
    d.secaoConstante = false;
    EXPECT_TRUE(geometriaInvalida(a, d, true));
    d = a, d.comprimento = 3;
    EXPECT_TRUE(geometriaInvalida(a, d, true));
    d = a, d.finalidade = 2;
    EXPECT_TRUE(geometriaInvalida(a, d, true));
  }

  using DI = TDecimal TInstalacao::*;
  for (DI campo : {&TInstalacao::hs, &TInstalacao::hpav, &TInstalacao::fcj,
                   &TInstalacao::coefImpacto, &TInstalacao::dica}) {
    const TInstalacao a;
    TInstalacao d = a;
    d.*campo = (a.*campo).valor - 0.0009;
    EXPECT_FALSE(instalacaoInvalida(a, d, false));
    d.*campo = (a.*campo).valor - 0.0011;
    EXPECT_TRUE(instalacaoInvalida(a, d, false));
  }

  using DA = TDecimal TArmadura::*;
  for (DA campo :
       {&TArmadura::w, &TArmadura::redRigidez, &TArmadura::rfs, &TArmadura::rfq, &TArmadura::coefC,
        &TArmadura::coefA, &TArmadura::cobrimento, &TArmadura::varAbaixo, &TArmadura::varAcima,
        &TArmadura::espMin, &TArmadura::espMax}) {
    const TArmadura a;
    TArmadura d = a;
    d.*campo = (a.*campo).valor + 0.0009;
    EXPECT_FALSE(armaduraInvalida(a, d));
    d.*campo = (a.*campo).valor + 0.0011;
    EXPECT_TRUE(armaduraInvalida(a, d));
  }

  using DC = TDecimal TCriterio::*;
  for (DC campo : {&TCriterio::fck, &TCriterio::pesoConcreto, &TCriterio::Ec, &TCriterio::kr,
                   &TCriterio::elsPesoProprio, &TCriterio::psi1Fissuracao, &TCriterio::psi1Fadiga,
                   &TCriterio::eluPesoProprio, &TCriterio::eluSolo, &TCriterio::eluCargaMovel,
                   &TCriterio::eluAgua}) {
    const TCriterio a;
    TCriterio d = a;
    d.*campo = (a.*campo).valor + 0.0009;
    EXPECT_FALSE(criterioInvalido(a, d));
    d.*campo = (a.*campo).valor + 0.0011;
    EXPECT_TRUE(criterioInvalido(a, d));
  }
  {
    const TCriterio a;
    TCriterio d = a;
    d.compElemento = 21;
    EXPECT_TRUE(criterioInvalido(a, d));
    // The steel unit weight and the support class by itself are not compared.
    d = a, d.pesoAco = 70.0, d.apoio = 4;
    EXPECT_FALSE(criterioInvalido(a, d));
  }

  // The surcharge compares the type, and the values of the type chosen only.
  struct CasoSobrecarga {
    int tipo;
    TDecimal TSobrecarga::*campo;  // nullptr: the class
    bool invalida;
  };
  const CasoSobrecarga casos[] = {
      {1, nullptr, true},          {1, &TSobrecarga::q, false}, {1, &TSobrecarga::Q, false},
      {1, &TSobrecarga::a, false}, {2, &TSobrecarga::q, true},  {2, nullptr, false},
      {2, &TSobrecarga::Q, false}, {2, &TSobrecarga::b, false}, {3, &TSobrecarga::Q, true},
      {3, &TSobrecarga::a, true},  {3, &TSobrecarga::b, true},  {3, &TSobrecarga::q, false},
      {3, nullptr, false},         {4, nullptr, false},         {4, &TSobrecarga::q, false},
      {4, &TSobrecarga::Q, false}, {4, &TSobrecarga::a, false}, {4, &TSobrecarga::b, false},
  };
  for (const CasoSobrecarga& c : casos) {
    TSobrecarga a;
    a.tipoSobrecarga = c.tipo;
    TSobrecarga d = a;
    if (c.campo)
      d.*c.campo = (a.*c.campo).valor + 1.0;
    else
      d.classe = 45;
    EXPECT_EQ(sobrecargaInvalida(a, d), c.invalida) << c.tipo;
  }
  for (int de = 1; de <= 4; ++de) {
    for (int para = 1; para <= 4; ++para) {
      TSobrecarga a;
      a.tipoSobrecarga = de;
      TSobrecarga d = a;
      d.tipoSobrecarga = para;
      EXPECT_EQ(sobrecargaInvalida(a, d), de != para) << de << " -> " << para;
    }
  }
}

TEST(Campos, DefineCamposPorNomeComoOsDialogos) {
  TProjeto p = projetoInicial();
  EXPECT_EQ(definirCampo(p, "Geometria.bl", "4,5"), "");
  EXPECT_DOUBLE_EQ(p.Geometria.bl, 4.5);
  EXPECT_EQ(p.Geometria.bl.texto, "4,50");
  EXPECT_EQ(definirCampo(p, "Geometria.hl", "3.1"), "");
  EXPECT_DOUBLE_EQ(p.Geometria.hl, 3.1);
  EXPECT_EQ(definirCampo(p, "Criterio.compElemento", "5"), "");
  EXPECT_EQ(p.Criterio.compElemento, 5);
  EXPECT_EQ(definirCampo(p, "Tipo.arqueamento", "1"), "");
  EXPECT_TRUE(p.Tipo.arqueamento);
  EXPECT_EQ(definirCampo(p, "Obra.cidade", "Florianópolis"), "");
  EXPECT_EQ(p.Obra.cidade, "Florianópolis");

  EXPECT_EQ(definirCampo(p, "Geometria.xx", "1"), "Campo desconhecido: Geometria.xx.");
  EXPECT_NE(definirCampo(p, "Geometria.bl", "abc").find("não é um número"), std::string::npos);
  EXPECT_NE(definirCampo(p, "Criterio.compElemento", "5,5").find("inteiro"), std::string::npos);
  EXPECT_DOUBLE_EQ(p.Geometria.bl, 4.5);  // a refused value changes nothing
  EXPECT_GT(nomesDosCampos().size(), 60u);
}

// A choice takes only the values of its options, so that whatever is set can
// be saved and opened again; every option is accepted.
TEST(Campos, EscolhasSoAceitamSuasOpcoes) {
  struct Caso {
    const char* nome;
    std::vector<int> opcoes;
    std::vector<const char*> recusados;
  };
  const Caso casos[] = {
      {"Geometria.comprimento", {0, 1, 2, 3}, {"-1", "4", "7"}},
      {"Geometria.finalidade", {1, 2}, {"0", "3"}},
      {"Tipo.tipoInstalacao", {1, 2}, {"0", "3"}},
      {"Tipo.classeRecalque", {1, 2, 3, 4}, {"0", "5"}},
      {"Sobrecarga.tipoSobrecarga", {1, 2, 3, 4}, {"0", "5"}},
      {"Sobrecarga.classe", {30, 45}, {"12", "31", "0"}},
      {"Criterio.apoio", {1, 2, 3, 4}, {"0", "9"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    for (const char* ruim : c.recusados) {
      TProjeto p = projetoInicial();
      const auto antes = linhasProjeto(p);
      const std::string erro = definirCampo(p, c.nome, ruim);
      EXPECT_NE(erro.find("não é uma das opções"), std::string::npos) << ruim << ": " << erro;
      EXPECT_NE(erro.find(c.nome), std::string::npos) << erro;
      EXPECT_EQ(linhasProjeto(p), antes) << ruim;
    }
    for (int opcao : c.opcoes) {
      TProjeto p = projetoInicial();
      p.Tipo.arqueamento = true;  // the installation type lines are written
      p.Tipo.bv = 2.0;
      p.Tipo.rr = 0.5;
      ASSERT_EQ(definirCampo(p, c.nome, std::to_string(opcao)), "") << opcao;
      const auto linhas = linhasProjeto(p);
      const TLeituraProjeto r = interpretarProjeto(linhas, "x.gal", catalogoSolosPadrao(), p);
      ASSERT_TRUE(r.ok) << opcao << ": " << r.erro;
      EXPECT_EQ(linhasProjeto(r.projeto), linhas) << opcao;
    }
  }
}

TEST(Campos, RegrasDosDialogosFixamClassesESecaoConstante) {
  TProjeto p = projetoInicial();
  p.Criterio.apoio = 3;
  p.Tipo.classeRecalque = 2;
  p.Geometria.hc = 20.0;
  p.Criterio.elsPesoProprio = 1.1;
  aplicarRegrasDosDialogos(p);
  EXPECT_DOUBLE_EQ(p.Criterio.kr, 55.0);
  EXPECT_DOUBLE_EQ(p.Tipo.rr, 0.5);
  EXPECT_DOUBLE_EQ(p.Geometria.hp, 20.0);
  EXPECT_DOUBLE_EQ(p.Criterio.elsSolo, 1.1);
  p.Criterio.apoio = 4;
  p.Criterio.kr = 33.0;
  aplicarRegrasDosDialogos(p);
  EXPECT_DOUBLE_EQ(p.Criterio.kr, 33.0);
}

}  // namespace
}  // namespace galeria
