#pragma once
// Small frame models built by hand for the design checks: only the arrays a
// check reads are sized, every force is 0 until a test sets it.
#include <cstddef>

#include "analysis/envoltoria.h"
#include "analysis/modelo.h"

namespace galeria::teste {

inline TModeloEF modeloVazio(int nNos) {
  TModeloEF m;
  m.nNos = nNos;
  m.noFecho = nNos + 1;
  m.xNo = criarVreal(nNos);
  m.yNo = criarVreal(nNos);
  m.normalIni = criarMreal(nNos, nCasos);
  m.cortanteIni = criarMreal(nNos, nCasos);
  m.momentoIni = criarMreal(nNos, nCasos);
  return m;
}

}  // namespace galeria::teste
