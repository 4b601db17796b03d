#pragma once
// Crack width at the eighteen check positions for the three serviceability
// cases of the cracking combination (cases 5, 6, 7), with the reinforcement
// actually chosen, and the screening of the bar alternatives against the
// user's limit. Units: kN, cm, kN/cm²; crack widths in mm.
#include <array>
#include <cstddef>  // size_t for analysis/tipos.h
#include <vector>

#include "analysis/envoltoria.h"
#include "analysis/modelo.h"
#include "design/armadura_adotada.h"
#include "project/projeto.h"

namespace galeria {

inline constexpr double moduloAcoFissuracao = 21000.0;     // Es, kN/cm²
inline constexpr double eta1Fissuracao = 2.25;             // bond coefficient of ribbed bars
inline constexpr double tensaoAcoMaximaFissuracao = 36.0;  // cap of σs, kN/cm²
// An alternative list holds at most this many screened alternatives.
inline constexpr int maxAlternativasTriadas = 255;

// [case 5..7][position 1..18]; the other entries stay 0.
using TTabelaFissuracao = std::array<std::array<double, nPosicoes + 1>, casoFissVmaxHmax + 1>;

struct TFissuracao {
  TTabelaFissuracao momentoFissura{};    // kN·cm (absolute value on internal positions)
  TTabelaFissuracao normalFissura{};     // kN, tension positive
  TTabelaFissuracao aberturaFissura{};   // w, mm
  TTabelaFissuracao diametroFissura{};   // governing φ, cm
  TTabelaFissuracao tensaoAcoFissura{};  // σs, kN/cm²
  TTabelaFissuracao areaBarraFissura{};  // one bar of φ, cm²
  TTabelaFissuracao areaEnvolvimento{};  // Acr, cm²
  TTabelaFissuracao taxaEnvolvimento{};  // ρr
  // A tensioned face whose width cannot be computed: no steel area, no bar
  // diameter, no lever arm, or a non-finite force. It counts as exceeding the
  // limit; its stress and width stay 0.
  std::array<std::array<bool, nPosicoes + 1>, casoFissVmaxHmax + 1> semResultado{};
  // The two widths of the report: the largest width of the three cases at the
  // upper corner (positions 13, 14) and at the crown (positions 17, 18).
  double aberturaQuinaSuperior = 0.0;
  double aberturaMeioSuperior = 0.0;
};

// The reinforcement seen at position p (1..18): area (cm²/m) and the largest
// candidate bar or wire diameter (mm).
struct TArmaduraPosicao {
  double area = 0.0;
  double diametroMaximo = 0.0;
};
TArmaduraPosicao armaduraPosicao(const TArmaduraAdotada& armadura, int p);

// Width (mm) of one face: steel stress from M, N on As with lever 0,9·(h − d'),
// the envelope of the bar with cover c. Fills one (case, position) entry.
struct TFissuraFace {
  double tensaoAco = 0.0, areaBarra = 0.0, areaEnvolvimento = 0.0, taxaEnvolvimento = 0.0;
  double abertura = 0.0;
  bool semResultado = false;
};
TFissuraFace calcularFissuraFace(double M, double N, double h, double dLinha, double As, double phi,
                                 double cobrimento, double fctm);

// Fills every array for cases 5 to 7 from the current choices.
TFissuracao verificarFissuracao(const TProjeto& projeto, const TModeloEF& modelo,
                                const TSecoesProjeto& secoes, const TArmaduraAdotada& armadura);

// True when a width of position p in case 5, 6 or 7 is strictly greater than
// the limit w (mm), or cannot be computed. A width equal to the limit passes.
bool fissuracaoExcedida(const TFissuracao& fissuracao, int p, double w);

// The positions governed by a location's bars (1 -> {1}, 3 -> {3, 5, 7}, ...).
std::vector<int> posicoesGovernadas(int local);

// Screening flags: `alternativaAtende`[k][i], alternative i of location k.
struct TTriagemAlternativas {
  std::array<std::vector<bool>, nLocais + 1> alternativaAtende;
};

// Screens every alternative of every location (order 1, 2, 5, 6, 9, 10, 3, 4,
// 7, 8) against the limit TProjeto.Armadura.w, chooses at each location the
// first passing alternative (the first one when none passes), and returns the
// crack widths of the final choice. `armadura` ends with the chosen bars.
TFissuracao triarAlternativas(const TProjeto& projeto, const TModeloEF& modelo,
                              const TSecoesProjeto& secoes, TListasAlternativas& listas,
                              TArmaduraAdotada& armadura, TTriagemAlternativas& triagem);

}  // namespace galeria
