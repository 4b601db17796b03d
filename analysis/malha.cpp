#include "analysis/malha.h"

#include <cmath>
#include <vector>

#include "project/numeros.h"

namespace galeria {

namespace {

// A straight piece of the centre line with a linear thickness along it.
struct TTrecho {
  TPonto inicio, fim;
  double espessuraInicio, espessuraFim;
  int lado;  // 1 bottom slab, 2 right wall, 3 top slab, 4 left wall
};

int calcularTipoMisula(const TGeometria& g) {
  if (g.secaoConstante) return g.mhc != 0.0 ? 4 : 1;
  const bool topo = g.mhc != 0.0 && g.mvc != 0.0;
  const bool fundo = g.mhb != 0.0 && g.mvb != 0.0;
  if (topo && fundo) return 4;
  if (topo) return 2;
  if (fundo) return 3;
  return 1;
}

// The section in cm as plain numbers (a constant section with all legs m and
// all thicknesses h).
struct TDimensoes {
  double blCm, hlCm, mhc, mvc, mhb, mvb, hc, hp, hb, larguraExterna, alturaExterna;
};

TDimensoes dimensoes(const TGeometria& geometria) {
  const TGeometria g = geometriaEfetiva(geometria);
  const TValoresGeometricos v = valoresGeometricos(g);
  return {v.blCm, v.hlCm,           g.mhc,          g.mvc, g.mhb, g.mvb, g.hc, g.hp,
          g.hb,   v.larguraExterna, v.alturaExterna};
}

// The centre line cut where a haunch zone starts or ends, walked
// counter-clockwise from the bottom-left corner.
std::vector<TTrecho> trechosDaLinhaMedia(const TDimensoes& d, int tipoMisula) {
  const bool topo = tipoMisula == 2 || tipoMisula == 4;
  const bool fundo = tipoMisula == 3 || tipoMisula == 4;
  const double x1 = d.hp / 2, x2 = d.hp + d.blCm + d.hp / 2;
  const double yB = d.hb / 2, yT = d.hb + d.hlCm + d.hc / 2;
  const TPonto B1{x1, yB}, B2{x2, yB}, T2{x2, yT}, T1{x1, yT};

  std::vector<TTrecho> t;
  auto membro = [&](TPonto ini, TPonto fim, double esp, bool zonaIni, TPonto fimZonaIni,
                    double pernaIni, bool zonaFim, TPonto iniZonaFim, double pernaFim, int lado) {
    TPonto a = ini;
    if (zonaIni) {
      t.push_back({a, fimZonaIni, esp + pernaIni, esp, lado});
      a = fimZonaIni;
    }
    const TPonto b = zonaFim ? iniZonaFim : fim;
    t.push_back({a, b, esp, esp, lado});
    if (zonaFim) t.push_back({b, fim, esp, esp + pernaFim, lado});
  };
  // On a slab the haunch adds its vertical leg, on a wall its horizontal leg.
  membro(B1, B2, d.hb, fundo, {d.hp + d.mhb, yB}, d.mvb, fundo, {d.hp + d.blCm - d.mhb, yB}, d.mvb,
         1);
  membro(B2, T2, d.hp, fundo, {x2, d.hb + d.mvb}, d.mhb, topo, {x2, d.hb + d.hlCm - d.mvc}, d.mhc,
         2);
  membro(T2, T1, d.hc, topo, {d.hp + d.blCm - d.mhc, yT}, d.mvc, topo, {d.hp + d.mhc, yT}, d.mvc,
         3);
  membro(T1, B1, d.hp, topo, {x1, d.hb + d.hlCm - d.mvc}, d.mhc, fundo, {x1, d.hb + d.mvb}, d.mhb,
         4);
  return t;
}

double comprimento(TPonto a, TPonto b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Influence lengths of one side: nodes a..b (b may be noFecho), with the half
// thicknesses of the members met at the two corners.
void influenciaLado(const TModeloEF& m, Vreal& infl, int a, int b, double metadeIni,
                    double metadeFim) {
  if (b <= a) return;
  infl[a] = metadeIni + m.compElem[a] / 2;
  for (int k = a + 1; k < b; ++k) infl[k] = (m.compElem[k - 1] + m.compElem[k]) / 2;
  infl[b] = m.compElem[b - 1] / 2 + metadeFim;
}

}  // namespace

int elementosDoTrecho(double ls, double c) {
  if (!(ls > 0.0) || !(c > 0.0) || !std::isfinite(ls / c)) return 0;
  const double r = ls / c;
  const double k = std::trunc(r);
  const double fracao = arredondar4(r - k);
  return static_cast<int>(k) + (fracao == 0.0 ? 0 : 1);
}

void gerarMalha(const TProjeto& p, TModeloEF& m) {
  const TDimensoes d = dimensoes(p.Geometria);
  m.tipoMisula = calcularTipoMisula(p.Geometria);
  const double c = p.Criterio.compElemento;
  const double larguraExterna = d.larguraExterna, alturaExterna = d.alturaExterna;

  m.pontosDesenho.assign(1, TPonto{});
  for (TPonto q :
       {TPonto{0, 0}, TPonto{larguraExterna, 0}, TPonto{larguraExterna, alturaExterna},
        TPonto{0, alturaExterna}, TPonto{d.hp, d.hb + d.mvb}, TPonto{d.hp + d.mhb, d.hb},
        TPonto{d.hp + d.blCm - d.mhb, d.hb}, TPonto{d.hp + d.blCm, d.hb + d.mvb},
        TPonto{d.hp + d.blCm, d.hb + d.hlCm - d.mvc}, TPonto{d.hp + d.blCm - d.mhc, d.hb + d.hlCm},
        TPonto{d.hp + d.mhc, d.hb + d.hlCm}, TPonto{d.hp, d.hb + d.hlCm - d.mvc}})
    m.pontosDesenho.push_back(q);

  const std::vector<TTrecho> trechos = trechosDaLinhaMedia(d, m.tipoMisula);
  for (const TTrecho& t : trechos) m.pontosDesenho.push_back(t.inicio);
  m.primeiroNoDesenho = static_cast<int>(m.pontosDesenho.size());

  m.elementosPorTrecho = criarVinteiro(static_cast<int>(trechos.size()));
  m.elementosPorLado = {};
  m.xNo.assign(1, 0.0);
  m.yNo.assign(1, 0.0);
  m.espessura.assign(1, 0.0);
  double total = 0;
  for (const TTrecho& t : trechos) {
    const double ls = comprimento(t.inicio, t.fim);
    total += c > 0 ? ls / c : 0;
  }
  const bool grandeDemais = !(total <= limiteNos);  // NaN counts as too large
  for (size_t i = 0; i < trechos.size() && !grandeDemais; ++i) {
    const TTrecho& t = trechos[i];
    const int n = elementosDoTrecho(comprimento(t.inicio, t.fim), c);
    m.elementosPorTrecho[i + 1] = n;
    m.elementosPorLado[static_cast<size_t>(t.lado)] += n;
    for (int j = 0; j < n; ++j) {
      const double f0 = double(j) / n, f1 = double(j + 1) / n;
      m.xNo.push_back(t.inicio.x + f0 * (t.fim.x - t.inicio.x));
      m.yNo.push_back(t.inicio.y + f0 * (t.fim.y - t.inicio.y));
      const double e0 = t.espessuraInicio + f0 * (t.espessuraFim - t.espessuraInicio);
      const double e1 = t.espessuraInicio + f1 * (t.espessuraFim - t.espessuraInicio);
      m.espessura.push_back((e0 + e1) / 2);
    }
  }
  m.nNos = static_cast<int>(m.xNo.size()) - 1;
  m.noInfDir = 1 + m.elementosPorLado[1];
  m.noSupDir = m.noInfDir + m.elementosPorLado[2];
  m.noSupEsq = m.noSupDir + m.elementosPorLado[3];
  m.noFecho = m.nNos + 1;
  for (int k = 1; k <= m.nNos; ++k) m.pontosDesenho.push_back({m.xNo[k], m.yNo[k]});
}

void alocarModelo(TModeloEF& m) {
  const int n = m.nNos, N = 3 * n;
  for (Vreal* v :
       {&m.compElem, &m.cosElem, &m.senElem, &m.area, &m.inercia, &m.moduloE, &m.fatorInerciaAtual})
    *v = criarVreal(n);
  for (Vreal* v : {&m.inflInferior, &m.inflDireita, &m.inflSuperior, &m.inflEsquerda})
    *v = criarVreal(n + 1);
  for (Mreal* mm : {&m.cargaNodal, &m.deslocamento, &m.somaNodal, &m.reacao})
    *mm = criarMreal(N, nCasos);
  for (Mreal* mm : {&m.normalIni, &m.normalFim, &m.cortanteIni, &m.cortanteFim, &m.momentoIni,
                    &m.momentoFim, &m.tensaoTracao, &m.fatorInercia})
    *mm = criarMreal(n, nCasos);
  m.apoioAtivo = criarMinteiro(n, nCasos);
  m.rigidezReduzida = criarVinteiro(nCasos);
}

void iniciarModelo(TModeloEF& m) {
  for (Vreal* v : {&m.inflInferior, &m.inflDireita, &m.inflSuperior, &m.inflEsquerda})
    std::fill(v->begin(), v->end(), 0.0);
  for (Vreal& linha : m.cargaNodal) std::fill(linha.begin(), linha.end(), 0.0);
  for (Vinteiro& linha : m.apoioAtivo) std::fill(linha.begin(), linha.end(), 1);
  for (Vreal& linha : m.fatorInercia) std::fill(linha.begin(), linha.end(), 1.0);
  std::fill(m.fatorInerciaAtual.begin(), m.fatorInerciaAtual.end(), 1.0);
  std::fill(m.rigidezReduzida.begin(), m.rigidezReduzida.end(), 0);
}

void calcularPropriedades(const TProjeto& p, TModeloEF& m) {
  const double E = p.Criterio.Ec / 10.0;
  for (int e = 1; e <= m.nNos; ++e) {
    const int f = m.noFinal(e);
    const double dx = m.xNo[f] - m.xNo[e], dy = m.yNo[f] - m.yNo[e];
    const double L = std::sqrt(dx * dx + dy * dy);
    m.compElem[e] = L;
    // A zero-length element has no direction; the solver reports it.
    m.cosElem[e] = L > 0 ? dx / L : 0.0;
    m.senElem[e] = L > 0 ? dy / L : 0.0;
    m.moduloE[e] = E;
    const double t = m.espessura[e];
    m.area[e] = t * 100.0;
    m.inercia[e] = t * t * t * 100.0 / 12.0;
  }
}

void calcularInfluencia(const TProjeto& p, TModeloEF& m) {
  const TDimensoes d = dimensoes(p.Geometria);
  influenciaLado(m, m.inflInferior, 1, m.noInfDir, d.hp / 2, d.hp / 2);
  influenciaLado(m, m.inflDireita, m.noInfDir, m.noSupDir, d.hb / 2, d.hc / 2);
  influenciaLado(m, m.inflSuperior, m.noSupDir, m.noSupEsq, d.hp / 2, d.hp / 2);
  influenciaLado(m, m.inflEsquerda, m.noSupEsq, m.noFecho, d.hc / 2, d.hb / 2);
}

}  // namespace galeria
