#pragma once
// A hand-built frame for the load tests: a rectangular ring without haunches
// for the project's section, with equal elements on each side, the nodal
// influence lengths of the frame model and a zeroed load matrix.
#include "analysis/modelo.h"
#include "project/projeto.h"

namespace galeria::teste {

inline TModeloEF anelRetangular(const TProjeto& p, int elementosLaje, int elementosParede) {
  const TGeometria& g = p.Geometria;
  const double hp = g.hp, hb = g.hb, hc = g.hc;
  const double x1 = hp / 2.0, x2 = hp + g.bl * 100.0 + hp / 2.0;
  const double yB = hb / 2.0, yT = hb + g.hl * 100.0 + hc / 2.0;
  const double lh = (x2 - x1) / elementosLaje, lv = (yT - yB) / elementosParede;

  TModeloEF m;
  const int n = 2 * elementosLaje + 2 * elementosParede;
  m.nNos = n;
  m.noInfDir = 1 + elementosLaje;
  m.noSupDir = m.noInfDir + elementosParede;
  m.noSupEsq = m.noSupDir + elementosLaje;
  m.noFecho = n + 1;
  m.elementosPorLado = {0, elementosLaje, elementosParede, elementosLaje, elementosParede};
  m.xNo = criarVreal(n);
  m.yNo = criarVreal(n);
  for (int i = 0; i < elementosLaje; ++i) {
    m.xNo[1 + i] = x1 + i * lh, m.yNo[1 + i] = yB;
    m.xNo[m.noSupDir + i] = x2 - i * lh, m.yNo[m.noSupDir + i] = yT;
  }
  for (int i = 0; i < elementosParede; ++i) {
    m.xNo[m.noInfDir + i] = x2, m.yNo[m.noInfDir + i] = yB + i * lv;
    m.xNo[m.noSupEsq + i] = x1, m.yNo[m.noSupEsq + i] = yT - i * lv;
  }

  m.inflInferior = criarVreal(n + 1);
  m.inflDireita = criarVreal(n + 1);
  m.inflSuperior = criarVreal(n + 1);
  m.inflEsquerda = criarVreal(n + 1);
  // Each side: inner nodes carry one element length, the corners half an
  // element plus half the thickness of the member they meet.
  const auto lado = [](Vreal& infl, int primeiro, int ultimo, double l, double ini, double fim) {
    for (int k = primeiro; k <= ultimo; ++k) infl[k] = l;
    infl[primeiro] = ini / 2.0 + l / 2.0;
    infl[ultimo] = l / 2.0 + fim / 2.0;
  };
  lado(m.inflInferior, 1, m.noInfDir, lh, hp, hp);
  lado(m.inflDireita, m.noInfDir, m.noSupDir, lv, hb, hc);
  lado(m.inflSuperior, m.noSupDir, m.noSupEsq, lh, hp, hp);
  lado(m.inflEsquerda, m.noSupEsq, n + 1, lv, hc, hb);

  m.cargaNodal = criarMreal(3 * n, nCasos);
  return m;
}

// Sum of case c's loads over the degrees of freedom 3k − deslocamento of the
// nodes primeiro..ultimo (index n+1 meaning node 1).
inline double somaCargas(const TModeloEF& m, int c, int primeiro, int ultimo, int deslocamento) {
  double soma = 0.0;
  for (int k = primeiro; k <= ultimo; ++k) {
    const int no = k == m.nNos + 1 ? 1 : k;
    soma += m.cargaNodal[3 * no - deslocamento][c];
  }
  return soma;
}
inline double somaVerticalLaje(const TModeloEF& m, int c) {
  return somaCargas(m, c, m.noSupDir, m.noSupEsq, 1);
}
inline double somaHorizontalDireita(const TModeloEF& m, int c) {
  return somaCargas(m, c, m.noInfDir, m.noSupDir, 2);
}
inline double somaHorizontalEsquerda(const TModeloEF& m, int c) {
  return somaCargas(m, c, m.noSupEsq, m.nNos + 1, 2);
}

// Case factors of the default criteria, written out: αG, αS, αQ, αW, αSh,
// K (ka or ko), αQh.
struct LinhaFatores {
  int caso;
  double g, s, q, agua, sh;
  bool ko;
  double qh;
};
inline const LinhaFatores tabelaFatores[] = {
    {1, 1.30, 1.35, 1.50, 1.20, 1.00, false, 0.00}, {2, 1.00, 1.00, 0.00, 0.00, 1.35, true, 1.50},
    {3, 1.30, 1.35, 1.50, 0.00, 1.35, true, 1.50},  {5, 1.00, 1.00, 0.50, 1.00, 1.00, false, 0.00},
    {6, 1.00, 1.00, 0.00, 0.00, 1.00, true, 0.50},  {7, 1.00, 1.00, 0.50, 0.00, 1.00, true, 0.50},
    {8, 1.00, 1.00, 0.80, 1.00, 1.00, false, 0.00}, {9, 1.00, 1.00, 0.00, 0.00, 1.00, true, 0.80},
    {10, 1.00, 1.00, 0.80, 0.00, 1.00, true, 0.80},
};

// Criteria whose seven factors differ from each other and from 1 (the ELS soil
// copy differs too, since the loads must not read it), and soil coefficients
// with more than the four decimals the dialog shows: a factor read from the
// wrong column or a coefficient used unrounded changes the loads.
inline constexpr double kaDistinto = 0.3334, koDistinto = 0.4999;  // as shown
inline void criteriosDistintos(TProjeto& p) {
  TCriterio& c = p.Criterio;
  c.eluPesoProprio = 1.25;
  c.eluSolo = 1.40;
  c.eluCargaMovel = 1.60;
  c.eluAgua = 1.15;
  c.elsPesoProprio = 1.10;
  c.elsSolo = 1.30;
  c.psi1Fissuracao = 0.45;
  c.psi1Fadiga = 0.70;
  p.Instalacao.ka = 0.33344999;
  p.Instalacao.ko = 0.49994999;
}
inline const LinhaFatores tabelaFatoresDistintos[] = {
    {1, 1.25, 1.40, 1.60, 1.15, 1.00, false, 0.00}, {2, 1.00, 1.00, 0.00, 0.00, 1.40, true, 1.60},
    {3, 1.25, 1.40, 1.60, 0.00, 1.40, true, 1.60},  {5, 1.10, 1.10, 0.45, 1.10, 1.00, false, 0.00},
    {6, 1.00, 1.00, 0.00, 0.00, 1.10, true, 0.45},  {7, 1.10, 1.10, 0.45, 0.00, 1.10, true, 0.45},
    {8, 1.10, 1.10, 0.70, 1.10, 1.00, false, 0.00}, {9, 1.00, 1.00, 0.00, 0.00, 1.10, true, 0.70},
    {10, 1.10, 1.10, 0.70, 0.00, 1.10, true, 0.70},
};

}  // namespace galeria::teste
