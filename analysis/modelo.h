#pragma once
// The frame model: the closed ring of elements along the centre line of the
// four members, for a 1 m strip, with the results of every load case.
// Units: cm, kN, kN·cm, kN/cm². Arrays are indexed from 1.
#include <array>
#include <vector>

#include "analysis/tipos.h"

namespace galeria {

struct TModeloEF {
  // Mesh (gerarMalha)
  int tipoMisula = 1;  // 1 none, 2 top haunches only, 3 bottom only, 4 all
  int nNos = 0;        // nodes = elements (closed ring)
  int noInfDir = 0, noSupDir = 0, noSupEsq = 0;
  int noFecho = 0;                        // nNos + 1: node 1 at the end of the left wall
  Vinteiro elementosPorTrecho;            // [1..4, 8 or 12] elements of each segment
  std::array<int, 5> elementosPorLado{};  // [1..4] bottom, right, top, left
  // Drawing points: 1..4 outer corners, 5..12 inner outline, then the
  // centre-line break points, then from primeiroNoDesenho the nodes 1..nNos.
  std::vector<TPonto> pontosDesenho;  // index 0 unused
  int primeiroNoDesenho = 0;
  Vreal xNo, yNo, espessura;

  // Element properties (calcularPropriedades)
  Vreal compElem, cosElem, senElem, area, inercia, moduloE, fatorInerciaAtual;
  // Influence lengths per side, [1..n+1] (calcularInfluencia)
  Vreal inflInferior, inflDireita, inflSuperior, inflEsquerda;

  // Case matrices: dof rows [1..3n] or element rows [1..n], columns [1..10]
  Mreal cargaNodal, deslocamento, somaNodal, reacao;
  Mreal normalIni, normalFim, cortanteIni, cortanteFim, momentoIni, momentoFim;
  Minteiro apoioAtivo;
  Mreal tensaoTracao, fatorInercia;
  Vinteiro rigidezReduzida;  // [1..10]

  // Lifting (analisarIcamento)
  int noIcamentoDir = 0, noIcamentoEsq = 0;

  int nGraus() const { return 3 * nNos; }
  // Second node of element e: e+1, or 1 for the element closing the ring.
  int noFinal(int e) const { return e == nNos ? 1 : e + 1; }
};

}  // namespace galeria
