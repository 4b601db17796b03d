#pragma once
// The reinforcement in place when the shear and crack-width checks run: the
// meshes, the chosen CA-50 bars and the fatigue bars, per reinforcement
// location (1..10, "Meio Inferior" external first; index 0 unused).
//
// These records are filled from the results of the flexural design, the bar
// selection and the fatigue check; the checks only read them, so each check
// can be run alone on a record built by hand.
#include <array>
#include <cstddef>  // size_t for analysis/tipos.h
#include <string>
#include <vector>

#include "analysis/envoltoria.h"

namespace galeria {

struct TArmaduraAdotada {
  // Mesh area present at each location, cm²/m, as the flexural design uses it
  // (`areaTela`): 3 = slot 1 + slot 5, 7 = slot 5 + slot 9, 4 and 8 = 0.
  std::array<double, nLocais + 1> areaTela{};
  // Longitudinal wire diameter (mm) of the mesh slot at each location, from the
  // mesh catalogue row of `telaEscolhida`. Only the six slot locations
  // 1, 2, 5, 6, 9 and 10 are read.
  std::array<double, nLocais + 1> diametroTela{};
  // Area per metre of the chosen bar alternative, cm²/m (`asBarrasEscolhida`
  // of the bar selection; 0 for the hyphen line).
  std::array<double, nLocais + 1> asBarrasEscolhida{};
  // Diameter written in the chosen bar alternative, mm (0 for the hyphen line).
  std::array<double, nLocais + 1> diametroBarraEscolhida{};
  // Additional fatigue areas (fatigue check), cm²/m, at the upper corner and
  // at the crown.
  double asFadigaQuina = 0.0;
  double asFadigaCoroamento = 0.0;
  // Diameters written in the chosen entries of the two fatigue lists, mm
  // (0 when the entry is the hyphen line).
  double diametroFadigaQuina = 0.0;
  double diametroFadigaCoroamento = 0.0;
};

// One bar alternative with the numbers its text stands for.
struct TAlternativaTriagem {
  std::string texto;        // "10 d6,3 - (3,9% acima)", or the 49-hyphen line
  double asPorMetro = 0.0;  // count × one-bar area, cm²/m (0 for the hyphen line)
  double diametro = 0.0;    // mm (0 for the hyphen line)
};

// The bar alternative lists of the ten locations with the current choice
// (`alternativasBarras`, `barraEscolhida` of the bar selection).
struct TListasAlternativas {
  std::array<std::vector<TAlternativaTriagem>, nLocais + 1> alternativasBarras;
  std::array<int, nLocais + 1> barraEscolhida{};  // 0-based; -1 for none
};

// The diameter written in an alternative text, mm: the characters after the
// first "d" up to the blank before the first "-" (read as the bar selection
// reads its entries, partesDaAlternativa). 0 when the text has no such
// diameter (the hyphen line, or a text that does not read as a number).
double diametroDoTexto(const std::string& texto);

// The numbers of an alternative text: its area per metre as the bar
// selection reads it (areaDaAlternativa: the count before the blank that
// precedes "d", times the one-bar area of the written diameter in the CA-50
// table) and its diameter. The hyphen line, or a text that does not read,
// gives zeros.
TAlternativaTriagem lerAlternativaTriagem(const std::string& texto);

// The alternative chosen at a location; nullptr when the choice is outside
// the list (nothing selected).
const TAlternativaTriagem* alternativaEscolhida(const TListasAlternativas& listas, int local);

// Copies the area and diameter of every location's chosen alternative into
// the reinforcement record. A location with nothing chosen contributes no bars.
void aplicarEscolhaBarras(const TListasAlternativas& listas, TArmaduraAdotada& armadura);

}  // namespace galeria
