#pragma once
// The analysis half of a calculation: model arrays, element properties,
// influence lengths, arching, loads, limit states, lifting, envelope and
// design sections, with their progress lines.
#include <string>

#include "analysis/cargas.h"
#include "analysis/envoltoria.h"
#include "analysis/modelo.h"
#include "analysis/progresso.h"
#include "project/projeto.h"

namespace galeria {

struct TAnalise {
  TModeloEF modelo;  // the mesh comes from gerarMalha at the last confirmation
  TCargasCalculo cargas;
  TEnvoltoria envoltoria;
  TSecoesProjeto secoes;
};

// Empty when the geometry can form the closed frame (positive span, height
// and thicknesses, haunch legs not negative and shorter than the span and the
// height leave room for); otherwise why not, for the log. A file may hold
// values no dialog accepts; these are the ones no frame can be made of.
std::string problemaDaGeometria(const TGeometria& g);

// Empty when the mesh can carry an analysis; otherwise why not, for the log.
std::string problemaDaMalha(const TModeloEF& m);

// Writes a line and an empty line, then repaints.
void registrarPar(TProgresso& progresso, const std::string& linha);

// Runs the analysis stages on the mesh already in `analise.modelo`. Every
// stage runs whatever the stop flag says; a stage that finds a problem logs it
// and sets `calculoInterrompido`. Returns false when the mesh cannot be
// analysed at all (nothing after the first lines then ran).
bool executarAnalise(const TProjeto& p, TAnalise& analise, TProgresso& progresso,
                     bool& calculoInterrompido);

}  // namespace galeria

namespace galeria {

// What confirming the geometry dialog does to the record and the mesh after
// its values were accepted: equal legs and thicknesses of a constant section,
// the mesh rebuilt, the geometry confirmed, results withdrawn, and arching
// switched off unless the fill is higher than both the outer width and 1 m.
void confirmarGeometria(TProjeto& p, TModeloEF& m);

}  // namespace galeria
