#pragma once
// Limit-state analysis on the no-tension elastic base, and the lifting case.
#include "analysis/modelo.h"
#include "analysis/progresso.h"
#include "project/projeto.h"

namespace galeria {

// Cracking stress limit 1,5·0,3·fck^(2/3)/10 (kN/cm²), fck in MPa.
double tensaoLimite(double fck);

// Tensile stress of every element of a case from its mean moment (absolute)
// and mean normal force; an element above the limit (equal is not above)
// gets the factor redRigidez and marks the case as reduced.
void verificarReducaoRigidez(TModeloEF& m, int caso, double limite, double redRigidez);

// Cases 1-3 and 5-10. A singular or non-finite system logs a line and
// returns false (the case results are then zero, never divided through).
bool analisarEstadosLimites(const TProjeto& p, TModeloEF& m, TProgresso& progresso);
// Case 4: the piece hanging from its two lifting points. Same failure rule.
bool analisarIcamento(const TProjeto& p, TModeloEF& m, TProgresso& progresso);

}  // namespace galeria
