#pragma once
// Linear-elastic solver of the closed plane frame: element stiffness (full or
// with reduced bending), supports added on the diagonal, the solution of the
// system and the element end forces.
//
// Storage. In the ring's own numbering node k only meets nodes k−1 and k+1,
// except the closing element, which joins the last node to node 1. So every
// non-zero entry K[i][l] lies in a band |l − i| ≤ 5, in the last three
// columns or in the last three rows, and Gaussian elimination in that order
// creates no entry outside those places. The matrix is held that way (about
// 17·N numbers instead of N²) and eliminated in the original order, row by
// row, with the same operations as elimination on the full matrix minus
// those on zeros. The results are therefore the dense elimination's, bit for
// bit, at a cost of about 64·N operations.
#include <array>
#include <vector>

#include "analysis/modelo.h"

namespace galeria {

// Stiffness of element e in global axes, degrees of freedom in the order
// (x1, y1, θ1, x2, y2, θ2) of its first and second node, with the bending
// terms multiplied by phi (1 for the full stiffness). An element whose data
// cannot make a stiffness (length not above 0, a non-finite value) gives
// false and a zero matrix: nothing is divided by its length.
using TMatrizElemento = std::array<std::array<double, 6>, 6>;
bool rigidezElementoGlobal(const TModeloEF& m, int e, double phi, TMatrizElemento& k);

class TSolverPortico {
 public:
  // Sizes the work arrays for the ring of m (kept while the node count is the same).
  void preparar(const TModeloEF& m);

  // Zeroes the matrix and forgets the supports, before an assembly.
  void zerarRigidez();
  // Adds every element's stiffness (bending factor 1).
  void montarRigidez(const TModeloEF& m);
  // The same with each element's bending terms times fatorInerciaAtual[e].
  void montarRigidezReduzida(const TModeloEF& m);
  // Adds a support stiffness to the diagonal entry of degree of freedom grau
  // (1..N); a degree out of range marks the system as unusable.
  void somarRigidezDiagonal(int grau, double valor);

  // Solves matrizRigidez · vetorSolucao = vetorCargas. Refused (false, and a
  // zero vetorSolucao) without dividing through when the system has no
  // reliable solution: a non-finite entry or load, supports that leave a
  // rigid-body motion free, a pivot that is not positive or vanishes against
  // its diagonal entry, or a solution whose residual does not check.
  bool resolverSistema();

  // End forces f1..f6 in local axes of every element from vetorSolucao,
  // with the same bending factor as the assembly.
  void esforcosElementos(const TModeloEF& m);
  void esforcosElementosReduzidos(const TModeloEF& m);

  // The assembled matrix, dense, [1..N][1..N] (for checks and tests).
  Mreal matrizDensa() const;
  int nGraus() const { return nGraus_; }
  // Smallest pivot of the last elimination over its diagonal entry (0 when
  // the system was refused before or during the elimination).
  double menorPivoRelativo() const { return menorPivoRelativo_; }
  // Error of the last solution estimated from its residual, over the largest
  // displacement.
  double erroEstimado() const { return erroEstimado_; }

  Vreal vetorCargas;   // [1..N]
  Vreal vetorSolucao;  // [1..N]
  // Local end forces: axial, transverse and moment at the first node (1-3)
  // and at the second node (4-6), [1..nNos].
  Vreal extremidade1, extremidade2, extremidade3, extremidade4, extremidade5, extremidade6;

 private:
  void montar(const TModeloEF& m, bool reduzida);
  void esforcos(const TModeloEF& m, bool reduzida);
  int posicao(int i, int l) const;  // place of K[i][l] (1-based) in the storage, or −1
  bool apoiosSuficientes() const;
  bool eliminar();
  void substituir(Vreal& x) const;
  bool residuoConfere();

  // Half-bandwidth: the three degrees of freedom of a node and of the next.
  static constexpr int meiaBanda = 5;
  static constexpr int larguraBanda = 2 * meiaBanda + 1;
  // The last node's degrees of freedom, which the closing element ties to node 1.
  static constexpr int nBorda = 3;
  // Pivots past N − this are eliminated on the dense tail block.
  static constexpr int tamanhoCaudaMinimo = meiaBanda + nBorda;
  int baseColunasBorda() const { return nGraus_ * larguraBanda; }
  int baseLinhasBorda() const { return nGraus_ * (larguraBanda + nBorda); }

  int nNos_ = -1, nGraus_ = 0;
  int fimBanda_ = 0;            // last pivot eliminated in the band storage; the rest is dense
  std::vector<double> matriz_;  // assembled matrix: band, border columns, border rows
  std::vector<double> fator_;   // the same after elimination, multipliers below the diagonal
  std::vector<double> cauda_;   // last rows and columns, dense, during and after elimination
  int tamanhoCauda_ = 0;
  std::vector<std::array<int, 36>> posElemento_;  // place of each element entry
  std::vector<double> xNo_, yNo_;                 // node coordinates of the assembly
  std::vector<std::pair<int, double>> apoios_;    // supports added since the assembly
  Vreal residuo_;
  bool dadosInvalidos_ = false;
  double menorPivoRelativo_ = 0.0;
  double erroEstimado_ = 0.0;
};

// Stores the internal forces of the last recovery in case caso:
// normalIni = −f1, cortanteIni = −f2, momentoIni = −f3, normalFim = f4,
// cortanteFim = f5, momentoFim = f6.
void guardarEsforcos(const TSolverPortico& s, TModeloEF& m, int caso);
// Turns the internal forces of case caso back into global end forces, sums
// them at the nodes into somaNodal and sets reacao = somaNodal − cargaNodal.
void somarEsforcosNodais(TModeloEF& m, int caso);
// Zeroes the displacements, internal forces, nodal sums and reactions of a case.
void zerarResultadosCaso(TModeloEF& m, int caso);

}  // namespace galeria
