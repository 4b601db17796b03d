#pragma once
// What the results dialog does to a calculated project without rerunning the
// analysis: the design again for the user's meshes, and the quantities and
// crack widths again for the user's bars.
#include <array>

#include "design/calculo.h"

namespace galeria {

// Meshes in the order of the project file (locations 9, 5, 1, 10, 6, 2).
// Redoes the bending design, rebuilds the bar lists (first entry chosen),
// screens them against the crack limit (pass flags in s.triagem), then the
// requirement along the frame and the piece lengths. A design failure logs
// its lines through `progresso` and sets the stop flag.
void redimensionarComTelas(TSessao& s, const std::array<int, 6>& telasArquivo,
                           TProgresso& progresso);

// Bar choices per location (index k-1 for location k) and the two fatigue
// choices (crown, upper corner); an index outside its list leaves the
// location without bars. Recomputes the chosen areas, the crack widths, the
// requirement along the frame and the piece lengths.
void definirEscolhaBarras(TSessao& s, const std::array<int, 10>& barras,
                          const std::array<int, 2>& fadiga);

// Sizes of the ten bar lists and the two fatigue lists, to check stored choices.
std::array<int, 12> tamanhosDasListas(const TDimensionamento& d);

}  // namespace galeria
