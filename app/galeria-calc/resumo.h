#pragma once
#include <ostream>

#include "design/calculo.h"

namespace galeria {

// The short design summary printed after a complete run.
void imprimirResumo(const TSessao& s, std::ostream& saida);

}  // namespace galeria
