#pragma once
// The built-in catalogues of reinforcement: the eleven welded meshes of CA-60
// steel and the CA-50 bar diameters. Both are fixed; their sections are
// constants of the tables, never recomputed from the diameters.
#include <array>
#include <string>
#include <vector>

namespace galeria {

struct TTela {
  std::string designacao;          // "L113"
  double espacamentoLongitudinal;  // cm
  double espacamentoTransversal;   // cm
  double diametroLongitudinal;     // mm
  double diametroTransversal;      // mm
  double secaoLongitudinal;        // cm²/m
  double secaoTransversal;         // cm²/m
};

class TCatalogoTelas {
 public:
  TCatalogoTelas();
  static constexpr int nTelas = 11;
  const TTela& tela(int indice) const;
  double secaoLongitudinal(int indice) const { return tela(indice).secaoLongitudinal; }
  double secaoTransversal(int indice) const { return tela(indice).secaoTransversal; }
  // Plain designations for the mesh lists: "L113" ... "L785".
  std::vector<std::string> designacoes() const;
  // The grid's row of seven cells, each right-aligned in 11 characters.
  std::array<std::string, 7> linhaGrade(int indice) const;
  bool indiceValido(int indice) const { return indice >= 0 && indice < nTelas; }

 private:
  std::array<TTela, nTelas> telas_;
};

const TCatalogoTelas& construirCatalogoTelas();

struct TBitola {
  std::string diametro;  // as shown: "6,3"
  double diametroMm;
  double areaBarra;  // cm², one bar
  bool disponivel;
};

struct TBitolasCA50 {
  static const std::array<TBitola, 8>& todas();
};

// The available diameters, in table order, with their one-bar areas.
std::vector<TBitola> bitolasDisponiveis();

}  // namespace galeria
