#include "project/projeto.h"

#include <cmath>
#include <numbers>

namespace galeria {

double comprimentoPeca(int indice) {
  switch (indice) {
    case 1:
      return 1.50;
    case 2:
      return 2.00;
    case 3:
      return 2.50;
    default:
      return 1.00;
  }
}

TCoeficientesSolo coeficientesSolo(double fiGraus) {
  const double fi = fiGraus * std::numbers::pi / 180.0;
  const double t = std::tan(std::numbers::pi / 4.0 - fi / 2.0);
  return {arredondar4(t * t), arredondar4(1.0 - std::sin(fi)), arredondar4(std::tan(fi))};
}

double moduloAutomatico(double fck) { return 4760.0 * std::sqrt(fck); }

double krDaClasse(int apoio) {
  switch (apoio) {
    case 1:
      return 15.0;
    case 2:
      return 25.0;
    case 3:
      return 55.0;
    default:
      return 0.0;
  }
}

double rrDaClasse(int classeRecalque) {
  switch (classeRecalque) {
    case 1:
      return 1.0;
    case 2:
      return 0.5;
    case 3:
      return 0.3;
    default:
      return 0.0;
  }
}

double metrosParaCm(double metros) { return arredondar4(metros * 100.0); }

TValoresGeometricos valoresGeometricos(const TGeometria& g) {
  TValoresGeometricos v;
  v.blCm = metrosParaCm(g.bl);
  v.hlCm = metrosParaCm(g.hl);
  v.larguraExterna = v.blCm + 2.0 * g.hp;
  v.alturaExterna = g.hb + v.hlCm + g.hc;
  v.somaMisulasVerticais = g.mvc + g.mvb;
  return v;
}

void igualarSecaoConstante(TGeometria& g) {
  if (!g.secaoConstante) return;
  g.mvc = g.mhb = g.mvb = g.mhc;
  g.hp = g.hb = g.hc;
}

TGeometria geometriaEfetiva(TGeometria g) {
  igualarSecaoConstante(g);
  return g;
}

TProjeto projetoInicial() { return TProjeto{}; }

void aplicarSolo(TInstalacao& inst, int indice, double gamaS, double fi) {
  inst.solo = indice;
  inst.gamaS = gamaS;
  inst.fi = fi;
  const TCoeficientesSolo c = coeficientesSolo(fi);
  inst.ka = c.ka;
  inst.ko = c.ko;
  inst.mi = c.mi;
}

void redefinirResultados(TProjeto& p) { p.estado.resultadosValidos = false; }

void novoProjeto(TProjeto& p, double gamaSoloPadrao, double fiSoloPadrao) {
  redefinirResultados(p);
  p.Obra = TObra{};
  p.Cliente = TCliente{};

  // "Novo" differs from the start record only in the span and in the crack and
  // excess limits; the fields it leaves alone are carried over.
  TGeometria g;
  g.bl = 2.20;
  p.Geometria = g;

  TInstalacao inst;
  aplicarSolo(inst, 0, gamaSoloPadrao, fiSoloPadrao);
  p.Instalacao = inst;

  p.Tipo = TTipo{};

  p.Sobrecarga.tipoSobrecarga = 1;
  p.Sobrecarga.classe = 30;

  const TDecimal espMin = p.Armadura.espMin, espMax = p.Armadura.espMax;
  p.Armadura = TArmadura{};
  p.Armadura.w = 0.25;
  p.Armadura.varAcima = TDecimal(15.0, "15,0");
  p.Armadura.espMin = espMin;
  p.Armadura.espMax = espMax;

  const TDecimal pesoAco = p.Criterio.pesoAco;
  p.Criterio = TCriterio{};
  p.Criterio.pesoAco = pesoAco;

  p.estado.geometriaConfirmada = false;
  p.estado.arqueamentoDecidido = false;
  p.estado.resultadosValidos = false;
}

}  // namespace galeria
