// Traffic surcharge through the fill: the road vehicle spread as a pressure or
// as wheel bands on the top slab, and the partial load on a rectangle.
#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/cargas.h"
#include "analysis/cargas_auxiliares.h"

namespace galeria {

TVeiculo veiculoDaClasse(int classe) {
  if (classe == 45) return {450.0, 600.0, 300.0, 20.0, 50.0, 150.0, 360.0};
  return {300.0, 600.0, 300.0, 20.0, 40.0, 150.0, 210.0};
}

double fatorImpacto(double heq) {
  if (heq > 90.0) return 1.0;
  if (heq > 60.0) return 1.1;
  if (heq > 30.0) return 1.2;
  return 1.3;
}

double pressaoEspraiada(const TVeiculo& v, double h) {
  // A negative fill height does not spread the load: no height at all.
  const double altura = std::max(valorFinito(h), 0.0);
  return v.pesoReduzido / ((1.4 * altura + v.comprimento) * (1.4 * altura + v.largura)) +
         pressaoMultidao;
}

int tamanhoFaixa(double b0, double delta, bool elementosImpares) {
  double razao = delta > 0.0 ? b0 / delta : 0.0;
  if (!(razao > 0.0)) razao = 0.0;
  razao = std::min(razao, 1e6);
  long long tb = static_cast<long long>(razao);
  if (elementosImpares) {
    if (tb % 2 != 0) --tb;
  } else if (tb % 2 == 0) {
    --tb;
  }
  // A band narrower than the node spacing still loads the smallest band.
  if (tb <= 0) tb = elementosImpares ? 2 : 1;
  return static_cast<int>(tb);
}

TNosFaixa nosDaFaixa(int centro, int tb, bool elementosImpares) {
  if (elementosImpares) return {centro - tb / 2 + 1LL, centro + static_cast<long long>(tb / 2)};
  return {centro - (tb - 1) / 2LL, centro + (tb - 1) / 2LL};
}

namespace {

// Where the surcharge forces go, with the factors of every case.
struct TDestino {
  TModeloEF& m;
  std::array<TFatoresCaso, nCasos + 1> fatores;
  double fatorArqueamento;

  void laje(int no, double forca) {
    for (const int c : casosComCargas) {
      const double alfa = fatores[c].sobrecargaVertical;
      if (alfa != 0.0) m.cargaNodal[3 * no - 1][c] += valorFinito(-fatorArqueamento * alfa * forca);
    }
  }
  // sentido −1 for the right wall (pressure pushes to −x), +1 for the left.
  void parede(int no, double forca, double sentido) {
    for (const int c : casosComCargas) {
      const double alfa = fatores[c].sobrecargaHorizontal;
      if (alfa != 0.0)
        m.cargaNodal[3 * no - 2][c] +=
            valorFinito(sentido * fatorArqueamento * alfa * fatores[c].empuxo * forca);
    }
  }
};

// The top slab seen by the wheel bands.
struct TLaje {
  int noDir = 0, noEsq = 0, noMeioVao = 0;
  bool impar = false;
  double vao = 0;    // lv, centre-line span
  double delta = 0;  // node spacing at midspan
};

TLaje laje(const TModeloEF& m) {
  TLaje l;
  l.noDir = m.noSupDir;
  l.noEsq = m.noSupEsq;
  const int elementos = m.noSupEsq - m.noSupDir;
  l.noMeioVao = m.noSupDir + elementos / 2;
  l.impar = elementos % 2 != 0;
  l.vao = m.xNo[m.noSupDir] - m.xNo[m.noSupEsq];
  l.delta = m.inflSuperior[l.noMeioVao];
  return l;
}

// Effective width of one load along the culvert's axis:
// b0 + (1 − b0/lv)·lv/2, written without the division by lv, limited to the
// length of one piece.
double larguraEfetiva(double b0, double vao, double comprimentoPeca) {
  return std::min((b0 + vao) / 2.0, comprimentoPeca);
}

// One band of tb nodes: the nodes a band wider than the slab would place
// beyond a corner are lumped at that corner, so the band keeps its total.
void aplicarFaixa(TDestino& d, const TLaje& l, int centro, int tb, double forca) {
  const TNosFaixa f = nosDaFaixa(centro, tb, l.impar);
  const long long alemDir = std::clamp<long long>(l.noDir - f.primeiro, 0, tb);
  const long long alemEsq = std::clamp<long long>(f.ultimo - l.noEsq, 0, tb - alemDir);
  if (alemDir > 0) d.laje(l.noDir, static_cast<double>(alemDir) * forca);
  if (alemEsq > 0) d.laje(l.noEsq, static_cast<double>(alemEsq) * forca);
  const long long de = std::max<long long>(f.primeiro, l.noDir);
  const long long ate = std::min<long long>(f.ultimo, l.noEsq);
  for (long long no = de; no <= ate; ++no) d.laje(static_cast<int>(no), forca);
}

// Bands of the load w (kN per cm of culvert length) of width b0: one band at
// midspan, or three bands an axle spacing apart when the span holds them.
void aplicarFaixas(TDestino& d, const TLaje& l, double w, double b0, double eixos,
                   bool tresFaixas) {
  const int tb = tamanhoFaixa(b0, l.delta, l.impar);
  // Δ·pb·100 with pb = w/(tb·Δ): each of the tb nodes carries w·100/tb.
  const double forca = w * 100.0 / tb;
  aplicarFaixa(d, l, l.noMeioVao, tb, forca);
  if (!tresFaixas || l.vao <= eixos || l.vao <= 2.0 * eixos + b0 || !(l.delta > 0.0)) return;
  // Largest j with j·Δ ≤ s.
  long long j = static_cast<long long>(std::min(eixos / l.delta, 1e6));
  while (j > 0 && j * l.delta > eixos) --j;
  while ((j + 1) * l.delta <= eixos && j < 1'000'000) ++j;
  const int jj = static_cast<int>(std::min<long long>(j, l.noEsq - l.noDir));
  aplicarFaixa(d, l, l.noMeioVao + jj, tb, forca);
  aplicarFaixa(d, l, l.noMeioVao - jj, tb, forca);
}

// Pressure on every wall node from the depth below its top corner.
template <class Pressao>
void aplicarParedes(TDestino& d, const TModeloEF& m, Pressao pressao) {
  for (int k = m.noInfDir; k <= m.noSupDir; ++k) {
    const double z = m.yNo[m.noSupDir] - m.yNo[k];
    d.parede(k, pressao(z) * m.inflDireita[k] * 100.0, -1.0);
  }
  const int noFecho = m.nNos + 1;
  for (int b = m.noSupEsq; b <= noFecho; ++b) {
    const int no = b == noFecho ? 1 : b;
    const double z = m.yNo[m.noSupEsq] - m.yNo[no];
    d.parede(no, pressao(z) * m.inflEsquerda[b] * 100.0, 1.0);
  }
}

void pressaoSobreLaje(TDestino& d, const TModeloEF& m, double pressao) {
  for (int k = m.noSupDir; k <= m.noSupEsq; ++k) d.laje(k, pressao * m.inflSuperior[k] * 100.0);
}

void rodoviario(const TProjeto& p, TDestino& d, const TModeloEF& m, double heq) {
  const TVeiculo v = veiculoDaClasse(p.Sobrecarga.classe);
  if (heq >= 100.0) {
    const double pressao = pressaoEspraiada(v, heq);
    pressaoSobreLaje(d, m, pressao);
    aplicarParedes(d, m, [&](double) { return pressao; });
    return;
  }
  const TLaje l = laje(m);
  const double altura = std::max(heq, 0.0);
  const double b0 = 1.4 * altura + std::sqrt(v.rodaA * v.rodaB) + valorFinito(p.Geometria.hc);
  const double bw = larguraEfetiva(b0, l.vao, comprimentoPeca(p.Geometria.comprimento) * 100.0);
  if (bw > 0.0) {
    const double roda = fatorImpacto(heq) * (v.pesoTotal / 6.0) / bw;
    aplicarFaixas(d, l, roda, b0, v.eixos, true);
  }
  // The walls see the vehicle spread down to each node's depth.
  aplicarParedes(d, m, [&](double z) { return pressaoEspraiada(v, altura + std::max(z, 0.0)); });
}

void parcial(const TProjeto& p, TDestino& d, const TModeloEF& m, double heq) {
  const TLaje l = laje(m);
  const double ar = valorFinito(p.Sobrecarga.a) * 100.0, br = valorFinito(p.Sobrecarga.b) * 100.0;
  const double b0 =
      1.4 * std::max(heq, 0.0) + std::sqrt(std::max(ar * br, 0.0)) + valorFinito(p.Geometria.hc);
  const double bw = larguraEfetiva(b0, l.vao, comprimentoPeca(p.Geometria.comprimento) * 100.0);
  if (!(bw > 0.0)) return;  // no span and no width: nothing carries the load
  const double w = valorFinito(p.Sobrecarga.Q) / bw;
  if (b0 < l.vao) {
    aplicarFaixas(d, l, w, b0, 0.0, false);
    return;
  }
  if (l.vao > 0.0) {
    pressaoSobreLaje(d, m, w / l.vao);
    return;
  }
  // A slab without span: the load shared by the nodes' influence lengths.
  double soma = 0.0;
  for (int k = m.noSupDir; k <= m.noSupEsq; ++k) soma += m.inflSuperior[k];
  for (int k = m.noSupDir; k <= m.noSupEsq; ++k)
    d.laje(k, soma > 0.0 ? w * m.inflSuperior[k] / soma * 100.0
                         : w * 100.0 / (m.noSupEsq - m.noSupDir + 1));
}

}  // namespace

void cargasSobrecarga(const TProjeto& p, TModeloEF& m, const TCargasCalculo& cargas) {
  const int tipo = p.Sobrecarga.tipoSobrecarga;
  // The uniform pressure went in with the permanent loads; type 4 adds nothing.
  if ((tipo != 1 && tipo != 3) || !modeloDimensionado(m)) return;
  TDestino d{m, {}, valorFinito(cargas.fatorArqueamento)};
  for (const int c : casosComCargas) d.fatores[c] = fatoresCaso(p, c);
  const double heq = valorFinito(cargas.alturaEquivalente);
  if (tipo == 1)
    rodoviario(p, d, m, heq);
  else
    parcial(p, d, m, heq);
}

}  // namespace galeria
