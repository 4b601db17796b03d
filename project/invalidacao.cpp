#include "project/invalidacao.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace galeria {

bool mudouNumero(double antes, double depois) {
  // A NaN on either side counts as a change: nothing proves the value equal.
  return !(std::fabs(antes - depois) <= 0.001);
}

namespace {
using Par = std::pair<double, double>;
bool algumMudou(std::initializer_list<Par> pares) {
  for (const auto& [a, d] : pares)
    if (mudouNumero(a, d)) return true;
  return false;
}
}  // namespace

bool geometriaInvalida(const TGeometria& a, const TGeometria& d, bool geometriaConfirmada) {
  if (!geometriaConfirmada) return true;
  if (a.secaoConstante != d.secaoConstante || a.comprimento != d.comprimento ||
      a.finalidade != d.finalidade)
    return true;
  return algumMudou({{a.bl, d.bl},
                     {a.hl, d.hl},
                     {a.mhc, d.mhc},
                     {a.mvc, d.mvc},
                     {a.mhb, d.mhb},
                     {a.mvb, d.mvb},
                     {a.hc, d.hc},
                     {a.hp, d.hp},
                     {a.hb, d.hb}});
}

bool instalacaoInvalida(const TInstalacao& a, const TInstalacao& d, bool tipoAlterado) {
  if (tipoAlterado || a.solo != d.solo) return true;
  return algumMudou({{a.fcj, d.fcj},
                     {a.coefImpacto, d.coefImpacto},
                     {a.dica, d.dica},
                     {a.hs, d.hs},
                     {a.hpav, d.hpav}});
}

bool sobrecargaInvalida(const TSobrecarga& a, const TSobrecarga& d) {
  if (a.tipoSobrecarga != d.tipoSobrecarga) return true;
  switch (d.tipoSobrecarga) {
    case 1:
      return a.classe != d.classe;
    case 2:
      return mudouNumero(a.q, d.q);
    case 3:
      return algumMudou({{a.Q, d.Q}, {a.a, d.a}, {a.b, d.b}});
    default:
      return false;
  }
}

bool armaduraInvalida(const TArmadura& a, const TArmadura& d) {
  return algumMudou({{a.w, d.w},
                     {a.redRigidez, d.redRigidez},
                     {a.rfs, d.rfs},
                     {a.rfq, d.rfq},
                     {a.coefC, d.coefC},
                     {a.coefA, d.coefA},
                     {a.varAbaixo, d.varAbaixo},
                     {a.varAcima, d.varAcima},
                     {a.cobrimento, d.cobrimento},
                     {a.espMin, d.espMin},
                     {a.espMax, d.espMax}});
}

bool criterioInvalido(const TCriterio& a, const TCriterio& d) {
  if (a.EcAutomatico != d.EcAutomatico || a.compElemento != d.compElemento) return true;
  return algumMudou({{a.fck, d.fck},
                     {a.pesoConcreto, d.pesoConcreto},
                     {a.Ec, d.Ec},
                     {a.kr, d.kr},
                     {a.elsPesoProprio, d.elsPesoProprio},
                     {a.psi1Fissuracao, d.psi1Fissuracao},
                     {a.psi1Fadiga, d.psi1Fadiga},
                     {a.eluPesoProprio, d.eluPesoProprio},
                     {a.eluSolo, d.eluSolo},
                     {a.eluCargaMovel, d.eluCargaMovel},
                     {a.eluAgua, d.eluAgua}});
}

}  // namespace galeria
