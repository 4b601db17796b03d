#pragma once
// Fatigue of the top-slab reinforcement under the fatigue combination
// (cases 8-10): stress range at the upper corner and at the crown, the
// extra area where the range exceeds the fatigue strength, and bar entries
// for the two extra areas.
#include <cstddef>  // analysis/tipos.h uses size_t
#include "analysis/envoltoria.h"
#include "analysis/modelo.h"
#include "design/dimensionamento.h"
#include "project/projeto.h"

namespace galeria {

// Ec = 4760·√fck / 10 (kN/cm², fck in MPa); 0 when fck is not positive.
double moduloFadiga(double fck);

// Entries for an extra fatigue area: the rule of the location lists with
// " -  (" in every entry; when no diameter fits, "<n> d6,3 - (minima)" with
// the fewest 6,3 mm bars covering the area, at least three. Never empty.
TListaBarras alternativasFadigaParaArea(double area, const TArmadura& armadura);

// Stress ranges, extra areas, both lists (first entry chosen). Reads the
// mesh areas and the calculated bar areas of the bending design. Never stops
// the calculation.
void verificarFadiga(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                     TDimensionamento& d);

}  // namespace galeria
