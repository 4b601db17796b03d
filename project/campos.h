#pragma once
// The project's fields by their names "Grupo.campo", for the batch command's
// --definir and for anything else that sets a field from its text.
#include <string>
#include <vector>

#include "project/projeto.h"

namespace galeria {

// Sets one field from the text a dialog would show ("4,50"; a point is
// accepted as the decimal separator). Returns an empty string on success,
// otherwise one line in Portuguese naming the problem.
std::string definirCampo(TProjeto& p, const std::string& nome, const std::string& valor);

// Every settable name, in group order.
std::vector<std::string> nomesDosCampos();

// What confirming the dialogs does after their fields changed: a constant
// section equalises legs and thicknesses, the support and settlement classes
// 1 to 3 fix kr and rr, ELS soil follows ELS self-weight.
void aplicarRegrasDosDialogos(TProjeto& p);

}  // namespace galeria
