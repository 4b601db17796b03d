#pragma once
// Quantities and cost of the designed culvert: concrete volume, weight of the
// welded meshes (CA-60) and of the bars (CA-50), steel rate and the cost of a
// number of pieces at the prices of the cost dialog.
#include <string>

#include "analysis/tipos.h"
#include "project/fabricante.h"
#include "project/projeto.h"

namespace galeria {

// List index (0-based) of the mesh chosen in each of the six mesh lists.
struct TTelasCusto {
  int BE = 0;  // bottom slab, external
  int BI = 0;  // bottom slab, internal
  int FE = 0;  // wall, external
  int FI = 0;  // wall, internal
  int CE = 0;  // top slab, external
  int CI = 0;  // top slab, internal
};

// Text of the option chosen in each of the twelve bar lists, e.g.
// "10 d6,3 - (3,9% acima)"; the line of 49 hyphens stands for no bars.
struct TBarrasCusto {
  std::string EBE, EBI;    // bottom mid-span, external / internal
  std::string EQIE, EQII;  // lower corner, external / internal
  std::string EFE, EFI;    // wall, external / internal
  std::string EQSE, EQSI;  // upper corner, external / internal
  std::string ECE, ECI;    // top mid-span, external / internal
  std::string Efs, Efq;    // fatigue bars: top mid-span internal, upper corner external
};

struct TEntradaCusto {
  TPrecosCusto precos;  // texts of the four boxes
  int comprimento = 0;  // list index of the piece length Lp (1,00 / 1,50 / 2,00 / 2,50 m)
  // Cross-section, cm.
  double larguraExterna = 0, hb = 0, hl = 0, hp = 0, hc = 0, mhb = 0, mvb = 0, mhc = 0, mvc = 0;
  double pesoAco = 78.0;  // kN/m³
  TTelasCusto telas;
  TBarrasCusto barras;
  Vreal comprimentoBarra;  // [1..14], cm, the bar piece lengths
  Vreal comprimentoPeca;   // [1..8], cm, the same in the order of the cost dialog
};

// The geometry, the steel weight, the piece length and the mesh choice of the
// project (telaEscolhida in file order 9, 5, 1, 10, 6, 2); bars and lengths
// are left for the caller.
TEntradaCusto entradaCustoDoProjeto(const TProjeto& p, const TPrecosCusto& precos);

// Box of the cost dialog a message refers to: Edit1..Edit4.
enum class TCampoCusto { nenhum, precoCA60, precoCA50, precoConcreto, quantidadePecas };

struct TResultadoCusto {
  bool valido = false;
  std::string mensagem;  // the warning when refused
  TCampoCusto campo = TCampoCusto::nenhum;

  TPrecosCusto precos;              // the four boxes rewritten in the two-decimal form
  double volumeConcreto = 0;        // Vc, m³ per piece
  double pesoTelas = 0;             // Wtela, kg per piece
  double pesoBarras = 0;            // Wbarra, kg per piece
  double custoTotal = 0;            // UM for all pieces
  std::string consumoConcreto;      // "... m³"
  std::string consumoAco;           // "... Kg"
  std::string taxa;                 // "... Kg/m³"
  std::string custo;                // "... UM"
  std::string titulo;               // "Comprimento da Galeria = 1,00 m"
  std::vector<std::string> avisos;  // bar texts that could not be read (counted as no steel)
};

// Unit weight (kg/m²) of the mesh at a list position, fixed by the position
// (index 0..10); 0 beyond the eleventh.
double pesoUnitarioTela(int indice);

// Bars per metre and diameter (cm) of a bar option text; false for the hyphen
// line or a text that does not read as an option.
bool lerOpcaoBarra(const std::string& texto, double& barrasPorMetro, double& diametroCm);

// "Comprimento da Galeria = " + the listed length + " m".
std::string tituloCusto(int comprimento);

// The validations of the four boxes in their order, then the quantities and
// the four result texts. When `valido` is false the caller keeps the previous
// result texts; past the eight validations (a section of no volume, or
// quantities too large to be finite) only `precos` is already rewritten.
TResultadoCusto calcularCusto(const TEntradaCusto& e);

}  // namespace galeria
