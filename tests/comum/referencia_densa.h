#pragma once
// The frame solver written the plain way, as the reference the fast solver is
// checked against: a dense global matrix assembled from Tᵀ·k·T with full 6×6
// products, Gaussian elimination without pivoting over whole rows, and the
// end forces f = k·T·d. Header-only; used by the tests and the benchmarks.
#include <array>
#include <cmath>

#include "analysis/modelo.h"

namespace galeria::teste {

using TMatriz6 = std::array<std::array<double, 6>, 6>;

// Local stiffness of element e, bending terms times phi.
inline TMatriz6 rigidezLocalDensa(const TModeloEF& m, int e, double phi) {
  const double L = m.compElem[e], E = m.moduloE[e], A = m.area[e], I = m.inercia[e];
  const double a = E * A / L, b = 12 * phi * E * I / (L * L * L), d = 6 * phi * E * I / (L * L),
               g = 4 * phi * E * I / L, h = 2 * phi * E * I / L;
  return TMatriz6{{{a, 0, 0, -a, 0, 0},
                   {0, b, d, 0, -b, d},
                   {0, d, g, 0, -d, h},
                   {-a, 0, 0, a, 0, 0},
                   {0, -b, -d, 0, b, -d},
                   {0, d, h, 0, -d, g}}};
}

// T: two copies of R = [[c, s, 0], [−s, c, 0], [0, 0, 1]] (local = T·global).
inline TMatriz6 transformacaoDensa(const TModeloEF& m, int e) {
  const double c = m.cosElem[e], s = m.senElem[e];
  TMatriz6 T{};
  for (int k = 0; k < 6; k += 3) {
    T[k][k] = c;
    T[k][k + 1] = s;
    T[k + 1][k] = -s;
    T[k + 1][k + 1] = c;
    T[k + 2][k + 2] = 1;
  }
  return T;
}

inline TMatriz6 rigidezGlobalDensa(const TModeloEF& m, int e, double phi) {
  const TMatriz6 k = rigidezLocalDensa(m, e, phi), T = transformacaoDensa(m, e);
  TMatriz6 kT{}, K{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      for (int l = 0; l < 6; ++l) kT[i][j] += k[i][l] * T[l][j];
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      for (int l = 0; l < 6; ++l) K[i][j] += T[l][i] * kT[l][j];
  return K;
}

// The global matrix [1..N][1..N]; reduzida takes fatorInerciaAtual as φ.
inline Mreal rigidezDensa(const TModeloEF& m, bool reduzida) {
  const int N = m.nGraus();
  Mreal K = criarMreal(N, N);
  for (int e = 1; e <= m.nNos; ++e) {
    const TMatriz6 ke = rigidezGlobalDensa(m, e, reduzida ? m.fatorInerciaAtual[e] : 1.0);
    const int f = m.noFinal(e);
    const int graus[6] = {3 * e - 2, 3 * e - 1, 3 * e, 3 * f - 2, 3 * f - 1, 3 * f};
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < 6; ++j) K[graus[i]][graus[j]] += ke[i][j];
  }
  return K;
}

// Base springs kMola·inflInferior[k] on both translations of the active base
// nodes of a case.
inline void somarMolasDensas(const TModeloEF& m, Mreal& K, int caso, double kMola) {
  for (int k = 1; k <= m.noInfDir; ++k)
    if (m.apoioAtivo[k][caso] == 1) {
      K[3 * k - 2][3 * k - 2] += kMola * m.inflInferior[k];
      K[3 * k - 1][3 * k - 1] += kMola * m.inflInferior[k];
    }
}

// Solves K·x = b in place (x holds b on entry). Elimination without pivoting
// over whole rows, then back substitution; K is left eliminated.
// pularMultiplicadorNulo skips rows whose multiplier is exactly 0, which
// leaves every value unchanged (subtracting 0·K[j][l] is exact) and spares
// the rows outside the ring's band.
inline void eliminacaoGauss(Mreal& K, Vreal& x, bool pularMultiplicadorNulo = false) {
  const int N = static_cast<int>(x.size()) - 1;
  for (int j = 1; j <= N - 1; ++j)
    for (int k = j + 1; k <= N; ++k) {
      const double mult = K[k][j] / K[j][j];
      if (pularMultiplicadorNulo && mult == 0.0) continue;
      for (int l = 1; l <= N; ++l) K[k][l] -= mult * K[j][l];
      x[k] -= mult * x[j];
    }
  x[N] = x[N] / K[N][N];
  for (int i = N - 1; i >= 1; --i) {
    double soma = 0;
    for (int k = i + 1; k <= N; ++k) soma += K[i][k] * x[k];
    x[i] = (x[i] - soma) / K[i][i];
  }
}

// End forces f1..f6 of every element: f[1..6][e].
struct TEsforcosDensos {
  std::array<Vreal, 7> f;
};

inline TEsforcosDensos esforcosDensos(const TModeloEF& m, const Vreal& x, bool reduzida) {
  TEsforcosDensos r;
  for (Vreal& v : r.f) v = criarVreal(m.nNos);
  for (int e = 1; e <= m.nNos; ++e) {
    const TMatriz6 k = rigidezLocalDensa(m, e, reduzida ? m.fatorInerciaAtual[e] : 1.0);
    const TMatriz6 T = transformacaoDensa(m, e);
    const int f = m.noFinal(e);
    const double d[6] = {x[3 * e - 2], x[3 * e - 1], x[3 * e],
                         x[3 * f - 2], x[3 * f - 1], x[3 * f]};
    double dl[6] = {};
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < 6; ++j) dl[i] += T[i][j] * d[j];
    for (int i = 0; i < 6; ++i) {
      double s = 0;
      for (int j = 0; j < 6; ++j) s += k[i][j] * dl[j];
      r.f[i + 1][e] = s;
    }
  }
  return r;
}

// One full solve of a case with its active springs and, for reduzida, the
// case's stiffness factors: displacements and end forces.
struct TSolucaoDensa {
  Vreal deslocamento;
  TEsforcosDensos esforcos;
};

inline TSolucaoDensa resolverCasoDenso(TModeloEF m, int caso, double kMola, bool reduzida,
                                       bool pularMultiplicadorNulo = true) {
  if (reduzida)
    for (int e = 1; e <= m.nNos; ++e) m.fatorInerciaAtual[e] = m.fatorInercia[e][caso];
  Mreal K = rigidezDensa(m, reduzida);
  somarMolasDensas(m, K, caso, kMola);
  TSolucaoDensa s;
  s.deslocamento = criarVreal(m.nGraus());
  for (int g = 1; g <= m.nGraus(); ++g) s.deslocamento[g] = m.cargaNodal[g][caso];
  eliminacaoGauss(K, s.deslocamento, pularMultiplicadorNulo);
  s.esforcos = esforcosDensos(m, s.deslocamento, reduzida);
  return s;
}

}  // namespace galeria::teste
