#include "design/fadiga.h"

#include <climits>
#include <cmath>

#include "design/armaduras.h"
#include "design/flexao.h"
#include "project/catalogo_telas.h"
#include "project/numeros.h"

namespace galeria {

namespace {

size_t iz(int i) { return static_cast<size_t>(i); }

// Stress range of one section and the extra area it asks for.
struct TFadigaSecao {
  double variacao = 0.0;   // kN/cm²
  double areaExtra = 0.0;  // cm²/m
};

TFadigaSecao fadigaSecao(const TModeloEF& m, int no, double h, double dLinha, double as,
                         double limite, double alfaE, double hc) {
  TFadigaSecao r;
  double mMax = valorCaso(m.momentoIni, no, casoFadVmaxHmin);
  double mMin = mMax;
  for (int c = casoFadVminHmax; c <= casoFadVmaxHmax; ++c) {
    const double v = valorCaso(m.momentoIni, no, c);
    if (v > mMax) mMax = v;
    if (v < mMin) mMin = v;
  }
  const double d = h - dLinha;
  const double braco = 0.9 * d * as;  // lever arm × steel of the cracked section
  auto tensaoFissurada = [&](double momento) { return braco > 0.0 ? momento / braco : 0.0; };
  const double sigmaMax = tensaoFissurada(mMax);
  double sigmaMin;
  if (mMin != 0.0 && ((mMax > 0.0 && mMin < 0.0) || (mMax < 0.0 && mMin > 0.0))) {
    // Moments of opposite signs: the lesser one acts on the uncracked slab.
    const double moduloResistente = 100.0 * hc * hc / 6.0;
    sigmaMin = moduloResistente > 0.0 ? alfaE * mMin / moduloResistente : 0.0;
  } else {
    sigmaMin = tensaoFissurada(mMin);
  }
  r.variacao = std::fabs(sigmaMax - sigmaMin);
  if (!std::isfinite(r.variacao)) r.variacao = 0.0;
  if (r.variacao > limite && limite > 0.0 && d > 0.0) {
    const double necessaria = (mMax - mMin) / (limite * 0.9 * d);
    if (std::isfinite(necessaria) && necessaria > as) r.areaExtra = necessaria - as;
  }
  return r;
}

}  // namespace

double moduloFadiga(double fck) { return fck > 0.0 ? 4760.0 * std::sqrt(fck) / 10.0 : 0.0; }

TListaBarras alternativasFadigaParaArea(double area, const TArmadura& armadura) {
  TListaBarras lista = alternativasParaArea(area, armadura, true);
  if (!lista.empty()) return lista;
  // No diameter within the limits: the thinnest bar, enough of it, at least three.
  const TBitola b = bitolasDisponiveis().front();
  // Products such as 3 × 0,3117 fall a hair short of 0,9351 in binary: a
  // count covers the area within 1e-9 cm²/m.
  const double folga = 1e-9;
  double n = std::isfinite(area) && area > 0.0 ? std::ceil(area / b.areaBarra) : 1.0;
  if (n > 1.0 && (n - 1.0) * b.areaBarra >= area - folga) n -= 1.0;
  if (n * b.areaBarra < area - folga) n += 1.0;
  if (n < 3.0) n = 3.0;
  TAlternativaBarras a;
  a.quantidade = n < static_cast<double>(INT_MAX) ? static_cast<int>(n) : INT_MAX;
  a.bitola = b.diametro;
  a.areaBarra = b.areaBarra;
  a.areaPorMetro = n * b.areaBarra;
  a.texto = formatarDecimais(n, 0) + " d" + b.diametro + " - (minima)";
  lista.push_back(a);
  return lista;
}

void verificarFadiga(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                     TDimensionamento& d) {
  const double rfq = p.Armadura.rfq / 10.0;
  const double rfs = p.Armadura.rfs / 10.0;
  const double ec = moduloFadiga(p.Criterio.fck);
  const double alfaE = ec > 0.0 ? 21000.0 / ec : 0.0;
  const double hc = p.Geometria.hc;
  const auto& tela = d.areaTela;
  const auto& barras = d.asBarrasCalculada;

  struct TSecaoFadiga {
    int secao;
    double as;
    double limite;
  };
  const TSecaoFadiga secoes[] = {
      {misulaParedeSuperior, tela[5] + tela[6] + tela[9] + barras[5] + barras[6] + barras[7], rfq},
      {quinaSuperior, tela[7] + tela[8] + barras[7] + barras[8], rfq},
      {misulaLajeSuperior, tela[9] + tela[10] + tela[5] + barras[9] + barras[10] + barras[7], rfq},
      {meioSuperior, tela[9] + tela[10] + barras[9] + barras[10], rfs},
  };

  d.asFadigaQuina = d.asFadigaCoroamento = 0.0;
  d.tensaoFadigaQuina = d.tensaoFadigaCoroamento = 0.0;
  bool primeira = true;
  for (const TSecaoFadiga& f : secoes) {
    const size_t i = iz(f.secao);
    const TFadigaSecao r =
        fadigaSecao(m, s.noSecao[i], s.espessura[i], s.dLinha[i], f.as, f.limite, alfaE, hc);
    if (f.secao == meioSuperior) {
      d.tensaoFadigaCoroamento = r.variacao;
      d.asFadigaCoroamento = r.areaExtra;
    } else {
      if (primeira || r.variacao > d.tensaoFadigaQuina) d.tensaoFadigaQuina = r.variacao;
      primeira = false;
      if (r.areaExtra > d.asFadigaQuina) d.asFadigaQuina = r.areaExtra;
    }
  }

  d.alternativasFadiga[1] = alternativasFadigaParaArea(d.asFadigaCoroamento, p.Armadura);
  d.alternativasFadiga[2] = alternativasFadigaParaArea(d.asFadigaQuina, p.Armadura);
  d.fadigaEscolhida[1] = d.fadigaEscolhida[2] = 0;
}

}  // namespace galeria
