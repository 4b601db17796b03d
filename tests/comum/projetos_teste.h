#pragma once
// Projects used by several tests: the typical run and the largest section.
#include "project/projeto.h"

namespace galeria::teste {

// The start record with the geometry confirmed: 3,20 × 2,20 m, 15 cm, haunches 15 cm.
inline TProjeto projetoTipico() {
  TProjeto p = projetoInicial();
  igualarSecaoConstante(p.Geometria);
  p.estado.geometriaConfirmada = true;
  return p;
}

// Variable section, bl 4,50 m, hl 4,00 m, haunches 30 cm, thicknesses 30 cm,
// elements of at most 5 cm: the frame with the most nodes the dialogs allow.
inline TProjeto projetoMaior() {
  TProjeto p = projetoTipico();
  TGeometria& g = p.Geometria;
  g.secaoConstante = false;
  g.bl = 4.50;
  g.hl = 4.00;
  g.mhc = g.mvc = g.mhb = g.mvb = 30.0;
  g.hc = g.hp = g.hb = 30.0;
  p.Criterio.compElemento = 5;
  return p;
}

}  // namespace galeria::teste
