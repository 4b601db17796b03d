#include "analysis/solver.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace galeria {

namespace {

// A pivot below this fraction of its diagonal entry is rounding left over from
// a singular matrix. The softest frame the analysis builds (springs of
// 0,000001 kN/cm per cm under the largest section) keeps its smallest ratio
// near 1e-12.
constexpr double pivoRelativoMinimo = 1e-14;
// The same for the supports' stiffness against the three rigid-body motions.
constexpr double pivoRelativoMinimoApoios = 1e-10;
// Largest error of a solution, estimated from its residual, against the
// largest displacement: past a tenth the numbers say nothing. (Soft springs
// under a stiff frame make the rigid-body part of the displacements
// uncertain to about 1e-3 of it on the largest sections; that part carries
// no internal force and is kept.)
constexpr double erroRelativoMaximo = 0.1;

// The bending and axial terms of an element's local stiffness.
struct TRigidezLocal {
  double a = 0;  // EA/L
  double b = 0;  // 12·φ·EI/L³
  double d = 0;  // 6·φ·EI/L²
  double g = 0;  // 4·φ·EI/L
  double h = 0;  // 2·φ·EI/L
};

bool finito(double v) { return std::isfinite(v); }

bool elementoDimensionado(const TModeloEF& m, int e) {
  const auto ok = [e](const Vreal& v) { return static_cast<int>(v.size()) > e; };
  return ok(m.compElem) && ok(m.cosElem) && ok(m.senElem) && ok(m.area) && ok(m.inercia) &&
         ok(m.moduloE);
}

bool rigidezLocal(const TModeloEF& m, int e, double phi, TRigidezLocal& r) {
  r = TRigidezLocal{};
  if (e < 1 || e > m.nNos || !elementoDimensionado(m, e)) return false;
  const double L = m.compElem[e], E = m.moduloE[e], A = m.area[e], I = m.inercia[e];
  if (!finito(L) || !(L > 0) || !finito(E) || !finito(A) || !finito(I) || !finito(phi) ||
      !finito(m.cosElem[e]) || !finito(m.senElem[e]))
    return false;
  TRigidezLocal t;
  t.a = E * A / L;
  t.b = 12 * phi * E * I / (L * L * L);
  t.d = 6 * phi * E * I / (L * L);
  t.g = 4 * phi * E * I / L;
  t.h = 2 * phi * E * I / L;
  if (!finito(t.a) || !finito(t.b) || !finito(t.d) || !finito(t.g) || !finito(t.h)) return false;
  r = t;
  return true;
}

double fatorDoElemento(const TModeloEF& m, int e, bool reduzida) {
  if (!reduzida) return 1.0;
  return static_cast<int>(m.fatorInerciaAtual.size()) > e ? m.fatorInerciaAtual[e] : std::nan("");
}

}  // namespace

bool rigidezElementoGlobal(const TModeloEF& m, int e, double phi, TMatrizElemento& k) {
  for (auto& linha : k) linha.fill(0.0);
  TRigidezLocal r;
  if (!rigidezLocal(m, e, phi, r)) return false;
  const double c = m.cosElem[e], s = m.senElem[e];
  const double kl[6][6] = {{r.a, 0, 0, -r.a, 0, 0},       {0, r.b, r.d, 0, -r.b, r.d},
                           {0, r.d, r.g, 0, -r.d, r.h},   {-r.a, 0, 0, r.a, 0, 0},
                           {0, -r.b, -r.d, 0, r.b, -r.d}, {0, r.d, r.h, 0, -r.d, r.g}};
  // Tᵀ·k·T with T made of R = [[c, s, 0], [−s, c, 0], [0, 0, 1]], keeping
  // only the non-zero terms of the products in their natural order, so the
  // matrix is the one the plain 6×6 products give, bit for bit.
  double kT[6][6];
  for (int i = 0; i < 6; ++i)
    for (int b = 0; b < 6; b += 3) {
      kT[i][b] = kl[i][b] * c + kl[i][b + 1] * -s;
      kT[i][b + 1] = kl[i][b] * s + kl[i][b + 1] * c;
      kT[i][b + 2] = kl[i][b + 2];
    }
  for (int a = 0; a < 6; a += 3)
    for (int j = 0; j < 6; ++j) {
      k[a][j] = c * kT[a][j] + -s * kT[a + 1][j];
      k[a + 1][j] = s * kT[a][j] + c * kT[a + 1][j];
      k[a + 2][j] = kT[a + 2][j];
    }
  return true;
}

void TSolverPortico::preparar(const TModeloEF& m) {
  const int n = std::max(m.nNos, 0);
  const int N = 3 * n;
  vetorCargas.assign(static_cast<size_t>(N) + 1, 0.0);
  vetorSolucao.assign(static_cast<size_t>(N) + 1, 0.0);
  residuo_.assign(static_cast<size_t>(N) + 1, 0.0);
  for (Vreal* v :
       {&extremidade1, &extremidade2, &extremidade3, &extremidade4, &extremidade5, &extremidade6})
    v->assign(static_cast<size_t>(n) + 1, 0.0);
  apoios_.clear();
  apoios_.reserve(static_cast<size_t>(2 * n + 4));
  dadosInvalidos_ = false;
  if (n == nNos_) return;  // same ring: same storage

  nNos_ = n;
  nGraus_ = N;
  fimBanda_ = std::max(0, N - tamanhoCaudaMinimo);
  tamanhoCauda_ = N - fimBanda_;
  matriz_.assign(static_cast<size_t>(N) * (larguraBanda + 2 * nBorda), 0.0);
  fator_.assign(matriz_.size(), 0.0);
  cauda_.assign(static_cast<size_t>(tamanhoCauda_) * static_cast<size_t>(tamanhoCauda_), 0.0);
  posElemento_.assign(static_cast<size_t>(n) + 1, {});
  for (int e = 1; e <= n; ++e) {
    const int f = e == n ? 1 : e + 1;
    const int g[6] = {3 * e - 2, 3 * e - 1, 3 * e, 3 * f - 2, 3 * f - 1, 3 * f};
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < 6; ++j)
        posElemento_[static_cast<size_t>(e)][static_cast<size_t>(6 * i + j)] = posicao(g[i], g[j]);
  }
}

// Storage of K[i][l], 1-based: the last three rows whole; then, for the other
// rows, the last three columns; then the band |l − i| ≤ meiaBanda.
int TSolverPortico::posicao(int i, int l) const {
  const int N = nGraus_;
  if (i < 1 || l < 1 || i > N || l > N) return -1;
  if (i > N - nBorda) return baseLinhasBorda() + (i - (N - nBorda) - 1) * N + (l - 1);
  if (l > N - nBorda) return baseColunasBorda() + (i - 1) * nBorda + (l - (N - nBorda) - 1);
  if (std::abs(l - i) <= meiaBanda) return (i - 1) * larguraBanda + (l - i + meiaBanda);
  return -1;
}

void TSolverPortico::zerarRigidez() {
  std::fill(matriz_.begin(), matriz_.end(), 0.0);
  apoios_.clear();
  xNo_.clear();
  yNo_.clear();
  dadosInvalidos_ = false;
}

void TSolverPortico::montar(const TModeloEF& m, bool reduzida) {
  if (m.nNos != nNos_ || static_cast<int>(m.xNo.size()) <= nNos_ ||
      static_cast<int>(m.yNo.size()) <= nNos_) {
    dadosInvalidos_ = true;
    return;
  }
  xNo_.assign(m.xNo.begin(), m.xNo.begin() + nNos_ + 1);
  yNo_.assign(m.yNo.begin(), m.yNo.begin() + nNos_ + 1);
  TMatrizElemento k;
  for (int e = 1; e <= nNos_; ++e) {
    if (!rigidezElementoGlobal(m, e, fatorDoElemento(m, e, reduzida), k)) {
      dadosInvalidos_ = true;
      continue;
    }
    const auto& pos = posElemento_[static_cast<size_t>(e)];
    for (size_t i = 0; i < 6; ++i)
      for (size_t j = 0; j < 6; ++j) matriz_[static_cast<size_t>(pos[6 * i + j])] += k[i][j];
  }
}

void TSolverPortico::montarRigidez(const TModeloEF& m) { montar(m, false); }
void TSolverPortico::montarRigidezReduzida(const TModeloEF& m) { montar(m, true); }

void TSolverPortico::somarRigidezDiagonal(int grau, double valor) {
  if (grau < 1 || grau > nGraus_) {
    dadosInvalidos_ = true;
    return;
  }
  matriz_[static_cast<size_t>(posicao(grau, grau))] += valor;
  apoios_.emplace_back(grau, valor);
}

// The frame alone can move as a rigid body (two translations and a rotation);
// only the supports hold it. Their stiffness against those three motions,
// taken about the centre of the nodes with the rotation scaled by the frame's
// size, must be positive definite: no supports, supports at one node only, or
// supports in one direction only leave a motion free and the system singular,
// whatever rounding does to the pivots.
bool TSolverPortico::apoiosSuficientes() const {
  const auto nCoordenadas = static_cast<size_t>(nNos_) + 1;
  if (nNos_ < 1 || xNo_.size() != nCoordenadas || yNo_.size() != nCoordenadas) return false;
  double xc = 0, yc = 0;
  for (int k = 1; k <= nNos_; ++k) {
    xc += xNo_[static_cast<size_t>(k)];
    yc += yNo_[static_cast<size_t>(k)];
  }
  xc /= nNos_;
  yc /= nNos_;
  double dimensao = 0;
  for (int k = 1; k <= nNos_; ++k)
    dimensao = std::max({dimensao, std::abs(xNo_[static_cast<size_t>(k)] - xc),
                         std::abs(yNo_[static_cast<size_t>(k)] - yc)});
  if (!std::isfinite(dimensao)) return false;
  if (!(dimensao > 0)) dimensao = 1.0;

  double S[3][3] = {};
  for (const auto& [grau, rigidez] : apoios_) {
    const auto no = static_cast<size_t>((grau - 1) / 3 + 1);
    const double dx = (xNo_[no] - xc) / dimensao, dy = (yNo_[no] - yc) / dimensao;
    double r[3];
    switch ((grau - 1) % 3) {
      case 0:
        r[0] = 1, r[1] = 0, r[2] = -dy;
        break;
      case 1:
        r[0] = 0, r[1] = 1, r[2] = dx;
        break;
      default:
        r[0] = 0, r[1] = 0, r[2] = 1.0 / dimensao;
        break;
    }
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) S[i][j] += rigidez * r[i] * r[j];
  }
  // LDLᵀ of the 3×3 matrix: every pivot positive and not lost against its diagonal.
  const double diagonal[3] = {S[0][0], S[1][1], S[2][2]};
  for (int j = 0; j < 3; ++j) {
    if (!std::isfinite(S[j][j]) || !(S[j][j] > pivoRelativoMinimoApoios * diagonal[j]) ||
        !(diagonal[j] > 0))
      return false;
    for (int k = j + 1; k < 3; ++k) {
      const double mult = S[k][j] / S[j][j];
      for (int l = j + 1; l < 3; ++l) S[k][l] -= mult * S[j][l];
    }
  }
  return true;
}

// Gaussian elimination without pivoting, in the original order: for each
// pivot j and each row k below it, m = K[k][j]/K[j][j] and row k loses m times
// row j. Only rows with an entry in column j and columns with an entry in
// row j are visited; the others would subtract zeros. Each multiplier is kept
// in the place of K[k][j] for the substitutions. The last rows and columns,
// where band and border meet, are finished on a small dense block.
bool TSolverPortico::eliminar() {
  const int N = nGraus_;
  const int B = baseColunasBorda(), R = baseLinhasBorda();
  std::copy(matriz_.begin(), matriz_.end(), fator_.begin());
  double* F = fator_.data();
  menorPivoRelativo_ = std::numeric_limits<double>::infinity();
  const auto pivoAceito = [&](double pivo, int j) {
    const double diagonal = matriz_[static_cast<size_t>(posicao(j, j))];
    if (!(diagonal > 0)) return false;
    menorPivoRelativo_ = std::min(menorPivoRelativo_, pivo / diagonal);
    return pivo > pivoRelativoMinimo * diagonal;
  };

  for (int j = 1; j <= fimBanda_; ++j) {
    double* linhaJ = F + (j - 1) * larguraBanda + meiaBanda;  // linhaJ[o] = K[j][j+o]
    double* bordaJ = F + B + (j - 1) * nBorda;
    const double pivo = linhaJ[0];
    if (!pivoAceito(pivo, j)) return false;
    for (int k = j + 1; k <= j + meiaBanda; ++k) {
      double* linhaK = F + (k - 1) * larguraBanda + meiaBanda;  // linhaK[o] = K[k][k+o]
      const double mult = linhaK[j - k] / pivo;
      linhaK[j - k] = mult;
      for (int l = j + 1; l <= j + meiaBanda; ++l) linhaK[l - k] -= mult * linhaJ[l - j];
      double* bordaK = F + B + (k - 1) * nBorda;
      for (int c = 0; c < nBorda; ++c) bordaK[c] -= mult * bordaJ[c];
    }
    for (int r = 0; r < nBorda; ++r) {
      double* linhaK = F + R + r * N - 1;  // linhaK[l] = K[N−2+r][l]
      const double mult = linhaK[j] / pivo;
      linhaK[j] = mult;
      for (int l = j + 1; l <= j + meiaBanda; ++l) linhaK[l] -= mult * linhaJ[l - j];
      for (int c = 0; c < nBorda; ++c) linhaK[N - nBorda + 1 + c] -= mult * bordaJ[c];
    }
  }

  const int S = tamanhoCauda_, j0 = fimBanda_ + 1;
  double* C = cauda_.data();
  for (int a = 0; a < S; ++a)
    for (int c = 0; c < S; ++c) {
      const int p = posicao(j0 + a, j0 + c);
      C[a * S + c] = p >= 0 ? F[p] : 0.0;
    }
  for (int j = 0; j < S; ++j) {
    const double pivo = C[j * S + j];
    if (!pivoAceito(pivo, j0 + j)) return false;
    for (int k = j + 1; k < S; ++k) {
      const double mult = C[k * S + j] / pivo;
      C[k * S + j] = mult;
      for (int l = j + 1; l < S; ++l) C[k * S + l] -= mult * C[j * S + l];
    }
  }
  return true;
}

// Forward elimination of a right-hand side with the kept multipliers, then
// back substitution, in the order of the full-matrix procedure.
void TSolverPortico::substituir(Vreal& x) const {
  const int N = nGraus_;
  const int B = baseColunasBorda(), R = baseLinhasBorda();
  const double* F = fator_.data();
  for (int j = 1; j <= fimBanda_; ++j) {
    for (int k = j + 1; k <= j + meiaBanda; ++k)
      x[static_cast<size_t>(k)] -=
          F[(k - 1) * larguraBanda + meiaBanda + j - k] * x[static_cast<size_t>(j)];
    for (int r = 0; r < nBorda; ++r)
      x[static_cast<size_t>(N - nBorda + 1 + r)] -=
          F[R + r * N + j - 1] * x[static_cast<size_t>(j)];
  }
  const int S = tamanhoCauda_, j0 = fimBanda_ + 1;
  const double* C = cauda_.data();
  for (int j = 0; j < S; ++j)
    for (int k = j + 1; k < S; ++k)
      x[static_cast<size_t>(j0 + k)] -= C[k * S + j] * x[static_cast<size_t>(j0 + j)];

  for (int i = N; i >= j0; --i) {
    double soma = 0;
    for (int k = i + 1; k <= N; ++k) soma += C[(i - j0) * S + (k - j0)] * x[static_cast<size_t>(k)];
    x[static_cast<size_t>(i)] = (x[static_cast<size_t>(i)] - soma) / C[(i - j0) * S + (i - j0)];
  }
  for (int i = fimBanda_; i >= 1; --i) {
    const double* linhaI = F + (i - 1) * larguraBanda + meiaBanda;
    const double* bordaI = F + B + (i - 1) * nBorda;
    double soma = 0;
    for (int l = i + 1; l <= i + meiaBanda; ++l) soma += linhaI[l - i] * x[static_cast<size_t>(l)];
    for (int c = 0; c < nBorda; ++c) soma += bordaI[c] * x[static_cast<size_t>(N - nBorda + 1 + c)];
    x[static_cast<size_t>(i)] = (x[static_cast<size_t>(i)] - soma) / linhaI[0];
  }
}

// The residual b − K·x, formed in extended precision and carried through the
// factors, estimates the error of the solution. Where it is comparable to the
// solution the factors do not represent the matrix (a mechanism or a
// rigid-body motion that rounding hid from the pivot test) and the result is
// refused.
bool TSolverPortico::residuoConfere() {
  const int N = nGraus_;
  const int B = baseColunasBorda(), R = baseLinhasBorda();
  const double* A = matriz_.data();
  const Vreal& x = vetorSolucao;
  for (int i = 1; i <= N; ++i) {
    long double r = vetorCargas[static_cast<size_t>(i)];
    if (i > N - nBorda) {
      const double* linha = A + R + (i - (N - nBorda) - 1) * N - 1;
      for (int l = 1; l <= N; ++l)
        r -= static_cast<long double>(linha[l]) * x[static_cast<size_t>(l)];
    } else {
      const double* linha = A + (i - 1) * larguraBanda + meiaBanda;
      for (int l = std::max(1, i - meiaBanda); l <= std::min(N - nBorda, i + meiaBanda); ++l)
        r -= static_cast<long double>(linha[l - i]) * x[static_cast<size_t>(l)];
      const double* borda = A + B + (i - 1) * nBorda;
      for (int c = 0; c < nBorda; ++c)
        r -= static_cast<long double>(borda[c]) * x[static_cast<size_t>(N - nBorda + 1 + c)];
    }
    residuo_[static_cast<size_t>(i)] = static_cast<double>(r);
  }
  substituir(residuo_);
  double erro = 0, maior = 0;
  for (int i = 1; i <= N; ++i) {
    erro = std::max(erro, std::abs(residuo_[static_cast<size_t>(i)]));
    maior = std::max(maior, std::abs(x[static_cast<size_t>(i)]));
  }
  erroEstimado_ = maior > 0 ? erro / maior : erro;
  return erro <= erroRelativoMaximo * maior;
}

bool TSolverPortico::resolverSistema() {
  menorPivoRelativo_ = 0.0;
  erroEstimado_ = 0.0;
  std::fill(vetorSolucao.begin(), vetorSolucao.end(), 0.0);
  if (nGraus_ == 0 || dadosInvalidos_) return false;
  if (!std::all_of(matriz_.begin(), matriz_.end(), finito)) return false;
  if (!std::all_of(vetorCargas.begin() + 1, vetorCargas.end(), finito)) return false;
  if (!apoiosSuficientes()) return false;
  if (!eliminar()) return false;
  std::copy(vetorCargas.begin(), vetorCargas.end(), vetorSolucao.begin());
  substituir(vetorSolucao);
  if (!std::all_of(vetorSolucao.begin() + 1, vetorSolucao.end(), finito) || !residuoConfere()) {
    std::fill(vetorSolucao.begin(), vetorSolucao.end(), 0.0);
    return false;
  }
  return true;
}

void TSolverPortico::esforcos(const TModeloEF& m, bool reduzida) {
  for (int e = 1; e <= nNos_; ++e) {
    const auto i = static_cast<size_t>(e);
    extremidade1[i] = extremidade2[i] = extremidade3[i] = 0.0;
    extremidade4[i] = extremidade5[i] = extremidade6[i] = 0.0;
    TRigidezLocal r;
    if (m.nNos != nNos_ || !rigidezLocal(m, e, fatorDoElemento(m, e, reduzida), r)) continue;
    const double c = m.cosElem[i], s = m.senElem[i];
    const double* d1 = &vetorSolucao[static_cast<size_t>(3 * e - 2)];
    const double* d2 = &vetorSolucao[static_cast<size_t>(3 * m.noFinal(e) - 2)];
    // Local displacements T·d.
    const double u1 = c * d1[0] + s * d1[1], w1 = -s * d1[0] + c * d1[1], t1 = d1[2];
    const double u2 = c * d2[0] + s * d2[1], w2 = -s * d2[0] + c * d2[1], t2 = d2[2];
    // f = k·T·d, the terms summed in the order of the matrix product.
    extremidade1[i] = r.a * u1 + -r.a * u2;
    extremidade2[i] = r.b * w1 + r.d * t1 + -r.b * w2 + r.d * t2;
    extremidade3[i] = r.d * w1 + r.g * t1 + -r.d * w2 + r.h * t2;
    extremidade4[i] = -r.a * u1 + r.a * u2;
    extremidade5[i] = -r.b * w1 + -r.d * t1 + r.b * w2 + -r.d * t2;
    extremidade6[i] = r.d * w1 + r.h * t1 + -r.d * w2 + r.g * t2;
  }
}

void TSolverPortico::esforcosElementos(const TModeloEF& m) { esforcos(m, false); }
void TSolverPortico::esforcosElementosReduzidos(const TModeloEF& m) { esforcos(m, true); }

Mreal TSolverPortico::matrizDensa() const {
  Mreal K = criarMreal(nGraus_, nGraus_);
  for (int i = 1; i <= nGraus_; ++i)
    for (int l = 1; l <= nGraus_; ++l) {
      const int p = posicao(i, l);
      if (p >= 0)
        K[static_cast<size_t>(i)][static_cast<size_t>(l)] = matriz_[static_cast<size_t>(p)];
    }
  return K;
}

void guardarEsforcos(const TSolverPortico& s, TModeloEF& m, int caso) {
  const auto c = static_cast<size_t>(caso);
  for (int e = 1; e <= m.nNos; ++e) {
    const auto i = static_cast<size_t>(e);
    m.normalIni[i][c] = -s.extremidade1[i];
    m.cortanteIni[i][c] = -s.extremidade2[i];
    m.momentoIni[i][c] = -s.extremidade3[i];
    m.normalFim[i][c] = s.extremidade4[i];
    m.cortanteFim[i][c] = s.extremidade5[i];
    m.momentoFim[i][c] = s.extremidade6[i];
  }
}

void somarEsforcosNodais(TModeloEF& m, int caso) {
  const auto c = static_cast<size_t>(caso);
  const int N = m.nGraus();
  for (int g = 1; g <= N; ++g) m.somaNodal[static_cast<size_t>(g)][c] = 0.0;
  for (int e = 1; e <= m.nNos; ++e) {
    const auto i = static_cast<size_t>(e);
    const double co = m.cosElem[i], se = m.senElem[i];
    const double f[6] = {-m.normalIni[i][c], -m.cortanteIni[i][c], -m.momentoIni[i][c],
                         m.normalFim[i][c],  m.cortanteFim[i][c],  m.momentoFim[i][c]};
    const int nos[2] = {e, m.noFinal(e)};
    for (int lado = 0; lado < 2; ++lado) {
      const double* fl = f + 3 * lado;
      const auto g = static_cast<size_t>(3 * nos[lado] - 2);
      m.somaNodal[g][c] += co * fl[0] - se * fl[1];
      m.somaNodal[g + 1][c] += se * fl[0] + co * fl[1];
      m.somaNodal[g + 2][c] += fl[2];
    }
  }
  for (int g = 1; g <= N; ++g) {
    const auto i = static_cast<size_t>(g);
    m.reacao[i][c] = m.somaNodal[i][c] - m.cargaNodal[i][c];
  }
}

void zerarResultadosCaso(TModeloEF& m, int caso) {
  const auto c = static_cast<size_t>(caso);
  for (int g = 1; g <= m.nGraus(); ++g) {
    const auto i = static_cast<size_t>(g);
    m.deslocamento[i][c] = m.somaNodal[i][c] = m.reacao[i][c] = 0.0;
  }
  for (int e = 1; e <= m.nNos; ++e) {
    const auto i = static_cast<size_t>(e);
    m.normalIni[i][c] = m.normalFim[i][c] = 0.0;
    m.cortanteIni[i][c] = m.cortanteFim[i][c] = 0.0;
    m.momentoIni[i][c] = m.momentoFim[i][c] = 0.0;
  }
}

}  // namespace galeria
