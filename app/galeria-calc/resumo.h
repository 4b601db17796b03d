#pragma once
#include <ostream>

#include "design/calculo.h"
#include "design/custo.h"

namespace galeria {

// The short design summary printed after a complete run.
void imprimirResumo(const TSessao& s, std::ostream& saida);

// The cost dialog's prices, quantities and four result texts.
void imprimirCusto(const TResultadoCusto& custo, std::ostream& saida);

}  // namespace galeria
