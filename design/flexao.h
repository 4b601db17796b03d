#pragma once
// Bending with axial force at the design sections: parabola-rectangle
// concrete, CA-60 mesh on both faces as existing steel, CA-50 bars for the rest.
#include <array>
#include <cstddef>  // analysis/tipos.h uses size_t

#include "analysis/envoltoria.h"
#include "analysis/modelo.h"
#include "analysis/progresso.h"
#include "design/dimensionamento.h"
#include "project/catalogo_telas.h"
#include "project/projeto.h"

namespace galeria {

struct TMateriaisFlexao {
  double fcd = 0.0;      // kN/cm²
  double fydCA50 = 0.0;  // kN/cm²
  double fydCA60 = 0.0;  // kN/cm²
  double Es = 21000.0;   // kN/cm²
  double eydCA60 = 0.0;  // fydCA60/Es + 0,002
};

TMateriaisFlexao materiaisFlexao(const TProjeto& p);

// Design thickness of each location (cm): the member thickness, or the
// thickness across the corner at the external corners; 0 at the internal
// corners.
std::array<double, 11> espessuraLocais(const TGeometria& g);

// asMinima[k] = 3,5·t·fcd/fydCA60 (4 decimals), 0 at the internal corners.
// Needs only the inputs, so the geometry dialog can show it.
std::array<double, 11> armaduraMinimaLocais(const TProjeto& p);

// Fills asMinima and asMinimaAdotada. At meioInferior, quinaInferior,
// meioParede, quinaSuperior and meioSuperior, moments of cases 1-4 all
// strictly positive halve the internal minimum, all strictly negative the
// external one.
void calcularArmaduraMinima(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                            TDimensionamento& d);

// Steel stress (kN/cm²), sign of the strain kept. Class 'A' (CA-50):
// elastic-perfectly plastic. Class 'B' (CA-60): linear to 0,7·fyd, then the
// curve ε = σ/Es + (σ/fyd − 0,7)²/45, fyd beyond fyd/Es + 0,002.
double tensaoAco(char classe, double fyd, double eps, double Es = 21000.0);

enum class TStatusSecao { ok, foraDosDominios, semConvergencia };

struct TResultadoSecao {
  TStatusSecao status = TStatusSecao::ok;
  double as = 0.0;  // CA-50 bar area, cm²/m, may be <= 0 (meshes suffice)
  double n = 0.0;   // axial force, compression positive, kN
  double m = 0.0;   // moment about the tensioned steel, kN·cm
  double xi = 0.0;  // x/d of the neutral axis
  int passos = 0;   // bisection passes used
};

// The section alone: no log, no flag. Nd tension positive, Md >= 0,
// asComprimida / asTracionada the mesh areas of the compressed / tensioned
// face. Non-finite or meaningless data (d <= 0, fcd <= 0, ...) count as a
// section outside domains 2 to 4.
TResultadoSecao resolverSecao(const TMateriaisFlexao& mat, double h, double dLinha, double Nd,
                              double Md, double asComprimida, double asTracionada,
                              int passosMaximos = 1000);

// The section as the design runs it: a failure writes its log lines (the
// stop report for casoEmDimensionamento after a domain failure) and sets
// calculoInterrompido.
TResultadoSecao dimensionarSecao(const TMateriaisFlexao& mat, double h, double dLinha, double Nd,
                                 double Md, double asComprimida, double asTracionada,
                                 int casoEmDimensionamento, bool& calculoInterrompido,
                                 TProgresso& progresso, int passosMaximos = 1000);

// The stop report of a failed design for load case 1..4; nothing otherwise.
void relatarProblemaCalculo(int casoEmDimensionamento, TProgresso& progresso);

// Mesh area at each location from telaEscolhida.
void atualizarAreaTela(const TCatalogoTelas& catalogo, TDimensionamento& d);

// Designs the nine sections for cases 1-4 with the chosen meshes and fills
// the per-position and per-location results. Stops at the first failure,
// leaving the per-location results as they were.
void dimensionarFlexao(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                       const TCatalogoTelas& catalogo, TDimensionamento& d,
                       bool& calculoInterrompido, TProgresso& progresso);

}  // namespace galeria
