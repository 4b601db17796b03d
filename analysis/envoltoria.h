#pragma once
// Envelope of the ultimate internal forces and the nine design sections.
#include <array>

#include "analysis/modelo.h"
#include "project/projeto.h"

namespace galeria {

struct TEnvoltoria {
  Vreal momentoEnvMax, momentoEnvMin;                              // [1..n+1]
  std::array<double, 5> momentoEnvMaxLado{}, momentoEnvMinLado{};  // [1..4]
  Vreal normalEnvMax, normalEnvMin;                                // per element of sides 1..3
  Vreal cortanteEnvMax, cortanteEnvMin;
  std::array<double, 4> normalEnvMaxLado{}, normalEnvMinLado{};  // [1..3]
  std::array<double, 4> cortanteEnvMaxLado{}, cortanteEnvMinLado{};
};

// The nine design sections of the right half, always in this order.
enum TSecaoProjeto : int {
  meioInferior = 1,
  misulaLajeInferior,
  quinaInferior,
  misulaParedeInferior,
  meioParede,
  misulaParedeSuperior,
  quinaSuperior,
  misulaLajeSuperior,
  meioSuperior,
};
inline constexpr int nSecoes = 9;
inline constexpr int nLocais = 10;
inline constexpr int nPosicoes = 18;

struct TSecoesProjeto {
  std::array<int, 10> noSecao{};       // [1..9]
  std::array<double, 10> espessura{};  // [1..9] h (cm) used in design
  std::array<double, 10> dLinha{};     // [1..9] face to bar centre (cm)
};

void calcularEnvoltoria(const TModeloEF& m, TEnvoltoria& env);
TSecoesProjeto calcularSecoesProjeto(const TProjeto& p, const TModeloEF& m);
// Thickness across a frame corner (cm).
double espessuraQuina(double hp, double mh, double h, double mv);

// Labels of the ten reinforcement locations: "Meio Inferior", ...
const char* rotuloLocal(int local);
// "Externa" or "Interna".
const char* faceLocal(int local);

}  // namespace galeria
