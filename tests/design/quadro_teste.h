#pragma once
// Hand-built frame models for the design tests: a rectangular centre-line
// ring with its design sections, and helpers to place internal forces.
#include <cstddef>

#include "analysis/envoltoria.h"
#include "analysis/modelo.h"
#include "design/dimensionamento.h"
#include "design/flexao.h"
#include "project/projeto.h"

namespace galeria::teste {

// Ring along the centre line of a box with nLaje elements on each slab and
// nParede on each wall, nodes counter-clockwise from the bottom-left corner;
// the first and last nMisula elements of the right half of each member are
// the haunch segments (0: no haunches). Lengths in cm.
struct TQuadro {
  TModeloEF m;
  TSecoesProjeto s;
};

inline TQuadro quadroRetangular(const TProjeto& p, int nLaje, int nParede, int nMisula) {
  TQuadro q;
  TModeloEF& m = q.m;
  const TGeometria& g = p.Geometria;
  const double largura = g.bl * 100.0 + g.hp;  // between wall centre lines
  const double altura = g.hl * 100.0 + (g.hb + g.hc) / 2.0;
  const double x0 = g.hp / 2.0, y0 = g.hb / 2.0;
  m.tipoMisula = nMisula > 0 ? 4 : 1;
  m.nNos = 2 * nLaje + 2 * nParede;
  m.noInfDir = nLaje + 1;
  m.noSupDir = m.noInfDir + nParede;
  m.noSupEsq = m.noSupDir + nLaje;
  m.noFecho = m.nNos + 1;
  m.xNo = criarVreal(m.nNos);
  m.yNo = criarVreal(m.nNos);
  for (int n = 1; n <= m.nNos; ++n) {
    double x, y;
    if (n <= m.noInfDir) {
      x = x0 + largura * (n - 1) / nLaje;
      y = y0;
    } else if (n <= m.noSupDir) {
      x = x0 + largura;
      y = y0 + altura * (n - m.noInfDir) / nParede;
    } else if (n <= m.noSupEsq) {
      x = x0 + largura - largura * (n - m.noSupDir) / nLaje;
      y = y0 + altura;
    } else {
      x = x0;
      y = y0 + altura - altura * (n - m.noSupEsq) / nParede;
    }
    m.xNo[static_cast<size_t>(n)] = x;
    m.yNo[static_cast<size_t>(n)] = y;
  }
  m.momentoIni = criarMreal(m.nNos, nCasos);
  m.normalIni = criarMreal(m.nNos, nCasos);

  auto& S = q.s.noSecao;
  S[1] = 1 + (m.noInfDir - 1) / 2;
  S[2] = m.noInfDir - nMisula;
  S[3] = m.noInfDir;
  S[4] = m.noInfDir + nMisula;
  S[5] = m.noInfDir + (m.noSupDir - m.noInfDir) / 2;
  S[6] = m.noSupDir - nMisula;
  S[7] = m.noSupDir;
  S[8] = m.noSupDir + nMisula;
  S[9] = m.noSupDir + (m.noSupEsq - m.noSupDir) / 2;

  const double c = p.Armadura.cobrimento;
  const double h[10] = {0,    g.hb, g.hb, espessuraQuina(g.hp, g.mhb, g.hb, g.mvb),
                        g.hp, g.hp, g.hp, espessuraQuina(g.hp, g.mhc, g.hc, g.mvc),
                        g.hc, g.hc};
  for (size_t i = 1; i <= 9; ++i) {
    q.s.espessura[i] = h[i];
    q.s.dLinha[i] = (i == 3 || i == 7) ? 2 * c + 1 : c + 0.5;
  }
  return q;
}

inline void definirEsforco(TModeloEF& m, int no, int caso, double momento, double normal = 0.0) {
  m.momentoIni[static_cast<size_t>(no)][static_cast<size_t>(caso)] = momento;
  m.normalIni[static_cast<size_t>(no)][static_cast<size_t>(caso)] = normal;
}

}  // namespace galeria::teste
