// Arching factor of the fill over the culvert: trench ("Vala") and
// positive-projection embankment ("Aterro com projeção positiva").
#include <cmath>

#include "analysis/cargas.h"
#include "analysis/cargas_auxiliares.h"
#include "project/numeros.h"

namespace galeria {

namespace {

constexpr double toleranciaRaiz = 1e-10;
constexpr int passesMaximos = 1000;

bool mesmoSinal(double a, double b) { return (a > 0 && b > 0) || (a < 0 && b < 0); }

}  // namespace

double coeficienteVala(double k, double hq, double bv) {
  // 1 − e^(−u) written with expm1 keeps its digits for small u.
  return -std::expm1(-k * hq / bv) / k;
}

double funcaoRecalque(double k, double p, double rr, double x) {
  return k * x + k * p * rr + 1.0 - std::exp(k * x);
}

TRaizRecalque raizPlanoIgualRecalque(double k, double p, double rr) {
  double inferior = 0.0, superior = 1000.0;
  double atual = 100.0;  // so that the first pass runs
  TRaizRecalque raiz;
  // A NaN value of f keeps the loop going until the pass counter stops it.
  while (!(std::fabs(atual) <= toleranciaRaiz)) {
    const double fInferior = funcaoRecalque(k, p, rr, inferior);
    const double fSuperior = funcaoRecalque(k, p, rr, superior);
    if (mesmoSinal(fInferior, fSuperior)) {
      raiz.desfecho = TDesfechoRaiz::semMudancaDeSinal;
      return raiz;
    }
    if (std::fabs(fInferior) > toleranciaRaiz && std::fabs(fSuperior) > toleranciaRaiz) {
      const double meio = (inferior + superior) / 2.0;
      const double fMeio = funcaoRecalque(k, p, rr, meio);
      if (mesmoSinal(fMeio, fInferior))
        inferior = meio;
      else
        superior = meio;
      raiz.x = meio;
      atual = fMeio;
    } else if (std::fabs(fInferior) >= toleranciaRaiz) {
      raiz.x = superior;
      atual = fSuperior;
    } else {
      raiz.x = inferior;
      atual = fInferior;
    }
    if (++raiz.passes > passesMaximos) {
      raiz.desfecho = TDesfechoRaiz::semConvergencia;
      return raiz;
    }
  }
  return raiz;
}

double coeficienteProjecao(double k, double x, double r) {
  if (r >= x) return std::expm1(k * x) / k + (r - x) * std::exp(k * x);
  return std::expm1(k * r) / k;
}

void calcularArqueamento(const TProjeto& p, const TModeloEF& /*m*/, TCargasCalculo& cargas,
                         TProgresso& progresso, bool& calculoInterrompido) {
  cargas.alturaEquivalente = calcularAlturaEquivalente(p);
  // Without arching, and after a failed bracket of the bisection, the fill
  // acts with its own weight.
  cargas.fatorArqueamento = 1.0;

  const TValoresGeometricos g = valoresGeometricos(p.Geometria);
  const double h = metrosParaCm(valorFinito(p.Instalacao.hs));
  // Arching needs the fill alone (without the pavement) higher than 1 m and
  // than the culvert's width.
  if (!p.Tipo.arqueamento || !(h > 100.0) || !(h > g.larguraExterna)) return;
  const double hq = cargas.alturaEquivalente;
  if (!(hq > 0.0)) return;
  const double ka = arredondar4(valorFinito(p.Instalacao.ka));
  const double mi = arredondar4(valorFinito(p.Instalacao.mi));

  if (p.Tipo.tipoInstalacao == 1) {
    const double bv = valorFinito(p.Tipo.bv) * 100.0;
    const double k = 2.0 * 0.8 * ka * mi;
    // A soil without friction, or a trench of no width, gives no arching.
    if (!(k > 0.0) || !(bv > 0.0)) return;
    double fator = arredondar4(coeficienteVala(k, hq, bv) * bv / hq);
    if (fator > 1.0) fator = 1.0;
    if (std::isfinite(fator)) cargas.fatorArqueamento = fator;
    return;
  }
  if (p.Tipo.tipoInstalacao != 2) return;

  const double b = g.larguraExterna;
  const double k = 2.0 * ka * mi;
  if (!(k > 0.0) || !(b > 0.0)) return;
  const double projecao = g.alturaExterna / b;
  const TRaizRecalque raiz = raizPlanoIgualRecalque(k, projecao, valorFinito(p.Tipo.rr));
  if (raiz.desfecho == TDesfechoRaiz::semMudancaDeSinal) {
    progresso.registrar("");
    progresso.registrar("O dimensionamento está fora dos domínios 2, 3 ou 4");
    progresso.registrar("");
    progresso.repintar();
    calculoInterrompido = true;
    return;
  }
  if (raiz.desfecho == TDesfechoRaiz::semConvergencia) {
    progresso.registrar("Solução nao encontrada");
    progresso.registrar("");
    progresso.repintar();
    calculoInterrompido = true;
  }
  double fator = arredondar4(coeficienteProjecao(k, raiz.x, hq / b) * b / hq);
  if (fator < 1.0) fator = 1.0;
  if (std::isfinite(fator)) cargas.fatorArqueamento = fator;
}

}  // namespace galeria
