#pragma once
// Results of the bending design, of the choice of meshes and bars, of the
// steel quantities and of the fatigue check. One record per calculation; the
// results dialog reruns parts of it for the user's choices.
//
// Arrays by reinforcement location are indexed [1..10] in the fixed order
// "Meio Inferior" ext/int, "Quina Inferior" ext/int, "Meio Parede" ext/int,
// "Quina Superior" ext/int, "Meio Superior" ext/int; arrays by check position
// [1..18], position 2s-1 the external and 2s the internal face of design
// section s. Entry 0 is unused. Units: cm, kN, kN·cm, cm²/m.
#include <array>
#include <string>
#include <vector>

#include "analysis/tipos.h"

namespace galeria {

inline constexpr int nLocaisArmadura = 10;
inline constexpr int nPosicoesVerificacao = 18;

// Three bars of 6,3 mm per metre: the least bar area a location is given.
inline constexpr double areaMinimaBarras = 0.9351;
// The list entry of a location (or a fatigue area) that needs no bars.
inline constexpr const char* textoSemBarras = "-------------------------------------------------";

// The locations that carry a mesh of their own (the six mesh slots), in
// location order: bottom slab ext/int, wall ext/int, top slab ext/int.
inline constexpr std::array<int, 6> locaisComTela{1, 2, 5, 6, 9, 10};

// One entry of a bar list: the text shown and what it stands for.
struct TAlternativaBarras {
  std::string texto;
  int quantidade = 0;         // bars per metre; 0 for the hyphen line
  std::string bitola;         // diameter as written ("6,3"); empty for the hyphen line
  double areaBarra = 0.0;     // cm², one bar
  double areaPorMetro = 0.0;  // quantidade × areaBarra, cm²/m
};

using TListaBarras = std::vector<TAlternativaBarras>;

struct TDimensionamento {
  // Minimum reinforcement per location; asMinimaAdotada after the halving
  // rule (a face that is never tensioned gets half).
  std::array<double, 11> asMinima{}, asMinimaAdotada{};
  std::array<bool, 11> minimaReduzida{};

  // Meshes: catalogue index per location. Only the six mesh slots
  // (locaisComTela) are read; the corner entries stay unused.
  std::array<int, 11> telaEscolhida{};
  // Mesh area present at each location: the slots as chosen, the external
  // corners the two overlapping meshes, the internal corners none.
  std::array<double, 11> areaTela{};

  // Bending design.
  int casoEmDimensionamento = 0;  // 1..3 ELU arrangement, 4 lifting
  std::array<double, 11> asBarrasCalculada{}, nProjeto{}, mProjeto{};
  std::array<double, 19> asPosicao{}, nPosicao{}, mPosicao{};

  // Bar lists.
  std::array<double, 11> asNecessariaBarras{};
  std::array<TListaBarras, 11> alternativasBarras;
  std::array<int, 11> numAlternativas{};
  std::array<int, 11> barraEscolhida{};
  std::array<double, 11> asBarrasEscolhida{};

  // Reinforcement ratio per check position (tensioned steel over 100·d).
  std::array<double, 19> taxaArmadura{};

  // Requirement along the frame, per node [1..nNos]; set from noSecao[1] to
  // noSecao[9], zero elsewhere.
  Vreal espessuraAoLongo, telaExtAoLongo, telaIntAoLongo, asExtAoLongo, asIntAoLongo;

  // Bar piece lengths (cm): the fourteen entries and the eight pieces in the
  // order of the cost dialog and the report.
  std::array<double, 15> comprimentoBarra{};
  std::array<double, 9> comprimentoPeca{};

  // Fatigue (kN/cm² and cm²/m). Lists [1] crown, [2] upper corner.
  double tensaoFadigaQuina = 0.0, tensaoFadigaCoroamento = 0.0;
  double asFadigaQuina = 0.0, asFadigaCoroamento = 0.0;
  std::array<TListaBarras, 3> alternativasFadiga;
  std::array<int, 3> fadigaEscolhida{};
};

// The chosen entry of a list, or nullptr when the index falls outside it.
const TAlternativaBarras* alternativaEscolhida(const TListaBarras& lista, int indice);

// Mesh slots in the order of the project file (locations 9, 5, 1, 10, 6, 2)
// to and from the record.
void telasDoArquivo(const std::array<int, 6>& arquivo, TDimensionamento& d);
std::array<int, 6> telasParaArquivo(const TDimensionamento& d);

}  // namespace galeria
