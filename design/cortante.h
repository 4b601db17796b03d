#pragma once
// Shear check of the top slab near the wall, without transverse reinforcement
// (Vrd1), and the stirrups where the design shear exceeds it.
// Units: kN, cm, kN/cm²; per metre of culvert length (b = 100 cm).
#include <cstddef>  // size_t for analysis/tipos.h
#include <string>

#include "analysis/envoltoria.h"
#include "analysis/modelo.h"
#include "analysis/progresso.h"
#include "design/armadura_adotada.h"
#include "project/projeto.h"

namespace galeria {

inline constexpr const char* textoSemCortante = "--------------------";  // 20 hyphens
inline constexpr const char* figuraCortanteParede = "\\Figuras\\cortantePar.bmp";
inline constexpr const char* figuraCortanteMisula = "\\Figuras\\cortanteMis.bmp";
inline constexpr const char* figuraCortanteNenhuma = "\\Figuras\\cortanteNao.bmp";

// One checked section: "Na misula" (end of the top haunch) or "Na parede".
struct TVerificacaoCortante {
  std::string rotulo;                                         // "Na misula" / "Na parede"
  int no = 0;                                                 // frame node of the section
  double alturaSecao = 0.0;                                   // h, cm
  double Vsd = 0.0;                                           // design shear, kN/m
  double fctm = 0.0, fctkinf = 0.0, fctd = 0.0, taurd = 0.0;  // kN/cm²
  double de = 0.0;                                            // effective depth, cm
  double Ka = 0.0;
  double As1 = 0.0;  // longitudinal tension steel at the top corner, cm²/m
  double Ro1 = 0.0;
  double Vrd1 = 0.0;       // kN/m
  bool calculado = false;  // Vsd > Vrd1
  double Twd = 0.0;        // stirrup design stress, kN/cm² (only when calculado)
  double Vc = 0.0;         // kN/m (only when calculado)
  double Asw = 0.0;        // cm²/m per metre of width, >= 0
};

struct TResultadoCortante {
  TVerificacaoCortante cortanteMisula, cortanteParede;
  double aswMaximo = 0.0;          // cm²/m per m
  double distanciaCortante = 0.0;  // "dest", cm
  // Texts of the results dialog and the report.
  std::string textoArea = textoSemCortante;       // "4,14 cm²/m/m"
  std::string textoDistancia = textoSemCortante;  // "60 cm"
  std::string figura = figuraCortanteNenhuma;     // relative to the program folder
};

// Checks one section of depth h at a node, with the longitudinal steel As1.
// Reads fck, coefC and cobrimento of the project and the shears of cases 1 to 3.
TVerificacaoCortante verificarSecaoCortante(const TProjeto& projeto, const TModeloEF& modelo,
                                            int no, double h, double As1, const char* rotulo);

// Stirrup design stress for a section depth h (cm): 25 up to 15 cm, 43,5 from
// 35 cm, linear in between.
double tensaoEstribo(double h);

// The larger Asw; the haunch section only when strictly larger.
double aswMaximo(const TVerificacaoCortante& misula, const TVerificacaoCortante& parede);

// Picture of the shear detail: the wall one when the wall section needs
// stirrups, else the haunch one when that section does, else the "none" one.
const char* figuraCortante(const TVerificacaoCortante& misula, const TVerificacaoCortante& parede);

// Length of top slab (cm) that needs transverse reinforcement, scanning the
// nodes from the wall toward mid-span against the resisting shear Vrd1; the
// lifting case takes part in the scan. 0 when no node fails.
double distanciaCortante(const TProjeto& projeto, const TModeloEF& modelo,
                         const TSecoesProjeto& secoes, const TVerificacaoCortante& misula,
                         const TVerificacaoCortante& parede);

// Both sections, the larger area, the picture, the length and the texts.
TResultadoCortante verificarCortante(const TProjeto& projeto, const TModeloEF& modelo,
                                     const TSecoesProjeto& secoes,
                                     const TArmaduraAdotada& armadura);

// The shear stage of the calculation: its progress lines around the check.
TResultadoCortante executarEtapaCortante(const TProjeto& projeto, const TModeloEF& modelo,
                                         const TSecoesProjeto& secoes,
                                         const TArmaduraAdotada& armadura, TProgresso& progresso);

// The length needing stirrups as the results show it: "33 cm" for 32,5.
std::string textoDistanciaCortante(double distancia);

// Cells of the report's shear tables for one section.
struct TTextosCortante {
  std::string fck, fctm, fctkinf, fctd, taurd, de;  // stresses ×10 (MPa)
  std::string As1, Ro1, Twd, Vsd, resistente, Asw;
  std::string situacao;  // "Calculado" when Vsd > Vrd1, else "Não necessario"
};
TTextosCortante textosCortante(const TVerificacaoCortante& v, double fck);

}  // namespace galeria
