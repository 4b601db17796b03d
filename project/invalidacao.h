#pragma once
// Which confirmed edits withdraw the results of the last calculation: each
// function compares the values a dialog showed on opening with the confirmed
// ones (numbers within 0,001, choices exactly).
#include "project/projeto.h"

namespace galeria {

bool mudouNumero(double antes, double depois);

bool geometriaInvalida(const TGeometria& antes, const TGeometria& depois, bool geometriaConfirmada);
bool instalacaoInvalida(const TInstalacao& antes, const TInstalacao& depois, bool tipoAlterado);
bool sobrecargaInvalida(const TSobrecarga& antes, const TSobrecarga& depois);
bool armaduraInvalida(const TArmadura& antes, const TArmadura& depois);
bool criterioInvalido(const TCriterio& antes, const TCriterio& depois);

}  // namespace galeria
