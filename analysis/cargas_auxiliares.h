#pragma once
// Pieces of the load builders that are worth testing on their own: the case
// factors, the equivalent fill height, the arching formulas, the vehicle data
// and the wheel bands.
#include <array>

#include "analysis/modelo.h"
#include "project/projeto.h"

namespace galeria {

// The nine analysis cases that carry earth, water and traffic loads.
inline constexpr std::array<int, 9> casosComCargas{1, 2, 3, 5, 6, 7, 8, 9, 10};

// Factors of one load case; the lifting case has them all 0.
struct TFatoresCaso {
  double pesoProprio = 0;           // αG  own weight of the top slab
  double soloVertical = 0;          // αS  fill and pavement on the top slab
  double sobrecargaVertical = 0;    // αQ  surcharge on the top slab
  double agua = 0;                  // αW  water inside the cell
  double soloHorizontal = 0;        // αSh earth pressure on the walls
  double empuxo = 0;                // K   earth-pressure coefficient
  double sobrecargaHorizontal = 0;  // αQh surcharge pressure on the walls
};
TFatoresCaso fatoresCaso(const TProjeto& p, int caso);

// A number read from the record, 0 when it is not finite.
double valorFinito(double v);

// Fill plus pavement as fill of equal weight (cm), rounded to 2 decimals.
// Without a positive soil unit weight the pavement cannot be turned into
// fill: its own thickness is counted.
double calcularAlturaEquivalente(const TProjeto& p);

// Trench load coefficient Cd = (1 − e^(−k·Hq/Bv)) / k, for k > 0, Bv > 0.
double coeficienteVala(double k, double hq, double bv);

// Plane of equal settlement of a positive-projection embankment: the root x
// of f(x) = k·x + k·p·rr + 1 − e^(k·x) by bisection on [0, 1000].
enum class TDesfechoRaiz { convergiu, semMudancaDeSinal, semConvergencia };
struct TRaizRecalque {
  double x = 0;
  TDesfechoRaiz desfecho = TDesfechoRaiz::convergiu;
  int passes = 0;
};
double funcaoRecalque(double k, double p, double rr, double x);
TRaizRecalque raizPlanoIgualRecalque(double k, double p, double rr);

// Positive-projection load coefficient Cc for the fill ratio r = Hq/B and the
// plane of equal settlement x = He/B (k > 0). Above the plane (r ≥ x, the
// incomplete projection) the fill adds its own prism weight: the exponential
// stays at the plane's height.
double coeficienteProjecao(double k, double x, double r);

// Road vehicle of the surcharge, lengths in cm, forces in kN.
struct TVeiculo {
  double pesoTotal = 300;     // Q
  double comprimento = 600;   // Lr
  double largura = 300;       // Br
  double rodaA = 20;          // ar
  double rodaB = 40;          // br
  double eixos = 150;         // s, axle spacing
  double pesoReduzido = 210;  // Pr = Q − Lr·Br·qv
};
inline constexpr double pressaoMultidao = 0.0005;  // qv, kN/cm²
// Class 45 for 45; any other class is taken as class 30.
TVeiculo veiculoDaClasse(int classe);

// Impact factor of the wheel loads for the equivalent fill height (cm).
double fatorImpacto(double heq);

// Vehicle pressure spread through a fill of height h (cm), kN/cm².
double pressaoEspraiada(const TVeiculo& v, double h);

// Number of top-slab nodes under one band of width b0 at node spacing delta:
// even for an odd number of slab elements, odd for an even one, never less
// than the smallest size of that parity.
int tamanhoFaixa(double b0, double delta, bool elementosImpares);

// First and last node of a band of tb nodes centred at node `centro` (for an
// odd element count, about the middle of the element after `centro`).
struct TNosFaixa {
  long long primeiro = 0, ultimo = 0;
};
TNosFaixa nosDaFaixa(int centro, int tb, bool elementosImpares);

// The model has its corners in ring order and arrays sized for its nodes.
bool modeloDimensionado(const TModeloEF& m);

}  // namespace galeria
