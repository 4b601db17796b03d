#include <gtest/gtest.h>

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
