#pragma once
// Arrays of the frame model, indexed from 1 as the engineering procedures are
// written: entry 0 exists and stays unused.
#include <cstddef>
#include <vector>

namespace galeria {

using Vreal = std::vector<double>;
using Vinteiro = std::vector<int>;
using Mreal = std::vector<Vreal>;        // [row][column]
using Minteiro = std::vector<Vinteiro>;  // [row][column]

inline Vreal criarVreal(int n) { return Vreal(static_cast<std::size_t>(n) + 1, 0.0); }
inline Vinteiro criarVinteiro(int n) { return Vinteiro(static_cast<std::size_t>(n) + 1, 0); }
inline Mreal criarMreal(int linhas, int colunas) {
  return Mreal(static_cast<std::size_t>(linhas) + 1, criarVreal(colunas));
}
inline Minteiro criarMinteiro(int linhas, int colunas) {
  return Minteiro(static_cast<std::size_t>(linhas) + 1, criarVinteiro(colunas));
}

// Load cases: the column of every case matrix.
inline constexpr int nCasos = 10;
enum Caso : int {
  casoEluVmaxHmin = 1,
  casoEluVminHmax = 2,
  casoEluVmaxHmax = 3,
  casoIcamento = 4,
  casoFissVmaxHmin = 5,
  casoFissVminHmax = 6,
  casoFissVmaxHmax = 7,
  casoFadVmaxHmin = 8,
  casoFadVminHmax = 9,
  casoFadVmaxHmax = 10,
};

// An entry of a case matrix; 0 outside the stored rows and columns, so a
// model not yet sized or an index from a damaged file reads as nothing.
inline double valorCaso(const Mreal& matriz, int linha, int caso) {
  if (linha < 1 || static_cast<std::size_t>(linha) >= matriz.size()) return 0.0;
  const Vreal& l = matriz[static_cast<std::size_t>(linha)];
  if (caso < 1 || static_cast<std::size_t>(caso) >= l.size()) return 0.0;
  return l[static_cast<std::size_t>(caso)];
}

struct TPonto {
  double x = 0, y = 0;
};

}  // namespace galeria
