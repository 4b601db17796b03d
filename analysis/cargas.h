#pragma once
// Earth, water, self-weight and traffic loads of the nine analysis cases.
#include "analysis/modelo.h"
#include "analysis/progresso.h"
#include "project/projeto.h"

namespace galeria {

struct TCargasCalculo {
  double fatorArqueamento = 1.0;
  double alturaEquivalente = 0.0;  // cm: fill plus pavement as fill of equal weight
};

// Arching factor of the fill; a failed bisection logs its lines and sets
// calculoInterrompido.
void calcularArqueamento(const TProjeto& p, const TModeloEF& m, TCargasCalculo& cargas,
                         TProgresso& progresso, bool& calculoInterrompido);
// Own weight of the top slab, fill, pavement, water and uniform surcharge.
void cargasPermanentes(const TProjeto& p, TModeloEF& m, TCargasCalculo& cargas,
                       TProgresso& progresso);
// Road vehicle, partial load (adds to the matrix cargasPermanentes built).
void cargasSobrecarga(const TProjeto& p, TModeloEF& m, const TCargasCalculo& cargas);

}  // namespace galeria
