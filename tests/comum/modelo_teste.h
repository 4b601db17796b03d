#pragma once
// Frame models ready for the solver, and simple hand-made load cases for the
// tests and benchmarks of the analysis.
#include <cmath>

#include "analysis/malha.h"
#include "analysis/modelo.h"
#include "project/projeto.h"

namespace galeria::teste {

// Mesh, arrays, element properties and influence lengths of a project.
inline TModeloEF modeloCalculado(const TProjeto& p) {
  TModeloEF m;
  gerarMalha(p, m);
  alocarModelo(m);
  iniciarModelo(m);
  calcularPropriedades(p, m);
  calcularInfluencia(p, m);
  return m;
}

// A load case symmetric about the vertical axis of the section, as nodal
// forces (kN) from loads per cm of centre line (kN/cm) times the influence
// lengths: q on the top slab (downwards), a lateral load growing linearly
// from ph at the top to ph + dph at the base on both walls (inwards), and
// peso on the bottom slab (downwards).
inline void cargaSimetrica(TModeloEF& m, int caso, double q, double ph, double dph,
                           double peso = 0.0) {
  const int n = m.nNos;
  const double yTopo = m.yNo[m.noSupDir], yBase = m.yNo[1];
  const auto pressaoLateral = [&](double y) { return ph + dph * (yTopo - y) / (yTopo - yBase); };
  for (int k = m.noSupDir; k <= m.noSupEsq; ++k)
    m.cargaNodal[3 * k - 1][caso] -= q * m.inflSuperior[k];
  for (int k = 1; k <= m.noInfDir; ++k) m.cargaNodal[3 * k - 1][caso] -= peso * m.inflInferior[k];
  for (int k = m.noInfDir; k <= m.noSupDir; ++k)
    m.cargaNodal[3 * k - 2][caso] -= pressaoLateral(m.yNo[k]) * m.inflDireita[k];
  for (int k = m.noSupEsq; k <= n + 1; ++k) {
    const int no = k == n + 1 ? 1 : k;
    m.cargaNodal[3 * no - 2][caso] += pressaoLateral(m.yNo[no]) * m.inflEsquerda[k];
  }
}

// A horizontal push H at the top-left corner with a light vertical load on the
// top slab: the frame tips to the right and the left base springs pull.
inline void cargaTombamento(TModeloEF& m, int caso, double H, double q) {
  cargaSimetrica(m, caso, q, 0.0, 0.0);
  m.cargaNodal[3 * m.noSupEsq - 2][caso] += H;
}

// Node at the mirror image (x → B − x) of node k, or 0.
inline int noEspelhado(const TModeloEF& m, int k) {
  const double B = m.xNo[1] + m.xNo[m.noInfDir];
  for (int j = 1; j <= m.nNos; ++j)
    if (std::abs(m.xNo[j] - (B - m.xNo[k])) < 1e-9 && std::abs(m.yNo[j] - m.yNo[k]) < 1e-9)
      return j;
  return 0;
}

// Element joining the mirrors of element e's nodes (it runs the other way), or 0.
inline int elementoEspelhado(const TModeloEF& m, int e) {
  const int a = noEspelhado(m, m.noFinal(e)), b = noEspelhado(m, e);
  for (int j = 1; j <= m.nNos; ++j)
    if (j == a && m.noFinal(j) == b) return j;
  return 0;
}

}  // namespace galeria::teste
