#pragma once
// Whether every number a session shows is finite.
#include <cmath>

#include "design/calculo.h"

namespace galeria::teste {

inline bool finitos(const Vreal& v) {
  for (double x : v)
    if (!std::isfinite(x)) return false;
  return true;
}

inline bool finitos(const Mreal& m) {
  for (const Vreal& v : m)
    if (!finitos(v)) return false;
  return true;
}

inline bool sessaoFinita(const TSessao& s) {
  const TModeloEF& m = s.analise.modelo;
  const TEnvoltoria& e = s.analise.envoltoria;
  for (const Mreal* mm :
       {&m.cargaNodal, &m.deslocamento, &m.reacao, &m.normalIni, &m.normalFim, &m.cortanteIni,
        &m.cortanteFim, &m.momentoIni, &m.momentoFim, &m.fatorInercia})
    if (!finitos(*mm)) return false;
  for (const Vreal* v : {&e.momentoEnvMax, &e.momentoEnvMin, &e.normalEnvMax, &e.normalEnvMin,
                         &e.cortanteEnvMax, &e.cortanteEnvMin})
    if (!finitos(*v)) return false;
  return std::isfinite(s.analise.cargas.fatorArqueamento) &&
         std::isfinite(s.analise.cargas.alturaEquivalente);
}

}  // namespace galeria::teste
