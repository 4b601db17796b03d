#pragma once
// The cost dialog's input taken from a calculated session: the geometry, the
// chosen meshes, the texts of the chosen bar options and the piece lengths.
#include "design/calculo.h"
#include "design/custo.h"

namespace galeria {

// A list with nothing chosen counts as the hyphen line (no steel).
TEntradaCusto entradaCustoDaSessao(const TSessao& sessao, const TPrecosCusto& precos);

}  // namespace galeria
