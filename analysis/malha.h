#pragma once
// Frame discretization: the haunch layout, the centre-line segments, the
// nodes and elements, element properties and nodal influence lengths.
#include "analysis/modelo.h"
#include "project/projeto.h"

namespace galeria {

// Largest frame the program builds; the dialogs keep real sections near 400
// nodes. Beyond it gerarMalha leaves an empty mesh, which the calculation refuses.
inline constexpr int limiteNos = 2000;

// Number of elements of a segment of length ls with maximum element length c.
int elementosDoTrecho(double ls, double c);

// Sets the haunch layout, drawing points, segment counts, corner nodes, node
// coordinates and element thicknesses from the geometry and compElemento.
void gerarMalha(const TProjeto& p, TModeloEF& m);
// Sizes every array for the current number of nodes.
void alocarModelo(TModeloEF& m);
// All springs present, every stiffness factor 1, loads and influences 0.
void iniciarModelo(TModeloEF& m);
void calcularPropriedades(const TProjeto& p, TModeloEF& m);
void calcularInfluencia(const TProjeto& p, TModeloEF& m);

}  // namespace galeria
