// Own weight of the top slab, fill and pavement, water inside the cell and the
// uniform surcharge as nodal forces of the nine analysis cases.
#include "analysis/cargas.h"

#include <cmath>

#include "analysis/cargas_auxiliares.h"
#include "project/numeros.h"

namespace galeria {

double valorFinito(double v) { return std::isfinite(v) ? v : 0.0; }

TFatoresCaso fatoresCaso(const TProjeto& p, int caso) {
  const TCriterio& c = p.Criterio;
  const double ka = arredondar4(valorFinito(p.Instalacao.ka));
  const double ko = arredondar4(valorFinito(p.Instalacao.ko));
  const double gElu = valorFinito(c.eluPesoProprio), sElu = valorFinito(c.eluSolo);
  const double qElu = valorFinito(c.eluCargaMovel);
  // A service gallery carries no water at the ultimate limit state.
  const double aElu = p.Geometria.finalidade == 2 ? 0.0 : valorFinito(c.eluAgua);
  const double els = valorFinito(c.elsPesoProprio);
  const double fis = valorFinito(c.psi1Fissuracao), fad = valorFinito(c.psi1Fadiga);
  switch (caso) {
    case casoEluVmaxHmin:
      return {gElu, sElu, qElu, aElu, 1.0, ka, 0.0};
    case casoEluVminHmax:
      return {1.0, 1.0, 0.0, 0.0, sElu, ko, qElu};
    case casoEluVmaxHmax:
      return {gElu, sElu, qElu, 0.0, sElu, ko, qElu};
    case casoFissVmaxHmin:
      return {els, els, fis, els, 1.0, ka, 0.0};
    case casoFissVminHmax:
      return {1.0, 1.0, 0.0, 0.0, els, ko, fis};
    case casoFissVmaxHmax:
      return {els, els, fis, 0.0, els, ko, fis};
    case casoFadVmaxHmin:
      return {els, els, fad, els, 1.0, ka, 0.0};
    case casoFadVminHmax:
      return {1.0, 1.0, 0.0, 0.0, els, ko, fad};
    case casoFadVmaxHmax:
      return {els, els, fad, 0.0, els, ko, fad};
    default:
      return {};
  }
}

double calcularAlturaEquivalente(const TProjeto& p) {
  const double h = valorFinito(p.Instalacao.hs) * 100.0;
  const double pavimento = valorFinito(p.Instalacao.hpav) * 100.0;
  const double gamaSolo = valorFinito(p.Instalacao.gamaS) / 1'000'000.0;
  // Pavement of 25 kN/m³ counted as fill of the same weight.
  const double pavimentoComoSolo = gamaSolo > 0.0 ? pavimento * 0.000025 / gamaSolo : pavimento;
  return arredondar2(valorFinito(h + pavimentoComoSolo));
}

bool modeloDimensionado(const TModeloEF& m) {
  const int n = m.nNos;
  if (n < 1 ||
      !(1 <= m.noInfDir && m.noInfDir <= m.noSupDir && m.noSupDir <= m.noSupEsq && m.noSupEsq <= n))
    return false;
  const auto tamanho = [](const auto& v, int minimo) {
    return v.size() >= static_cast<size_t>(minimo) + 1;
  };
  if (!tamanho(m.xNo, n) || !tamanho(m.yNo, n) || !tamanho(m.inflDireita, n + 1) ||
      !tamanho(m.inflSuperior, n + 1) || !tamanho(m.inflEsquerda, n + 1) ||
      !tamanho(m.cargaNodal, 3 * n))
    return false;
  for (size_t linha = 1; linha < m.cargaNodal.size(); ++linha)
    if (!tamanho(m.cargaNodal[linha], nCasos)) return false;
  return true;
}

void cargasPermanentes(const TProjeto& p, TModeloEF& m, TCargasCalculo& cargas,
                       TProgresso& progresso) {
  progresso.registrar("Montando Vetores de Forças Nodais (ELU e ELS)");
  progresso.registrar("");
  progresso.repintar();

  cargas.alturaEquivalente = calcularAlturaEquivalente(p);
  if (!modeloDimensionado(m)) return;

  const double gamaConcreto = valorFinito(p.Criterio.pesoConcreto) / 1'000'000.0;
  const double gamaSolo = valorFinito(p.Instalacao.gamaS) / 1'000'000.0;
  const double gamaAgua = valorFinito(p.Sobrecarga.gamaAgua) / 1'000'000.0;
  const double hc = valorFinito(p.Geometria.hc);
  const double qs = p.Sobrecarga.tipoSobrecarga == 2 ? valorFinito(p.Sobrecarga.q) / 10'000.0 : 0.0;
  const double heq = cargas.alturaEquivalente;
  const double fa = valorFinito(cargas.fatorArqueamento);
  const int noFecho = m.nNos + 1;

  for (const int c : casosComCargas) {
    const TFatoresCaso f = fatoresCaso(p, c);

    for (int w = m.noSupDir; w <= m.noSupEsq; ++w) {
      const double infl = m.inflSuperior[w] * 100.0;
      const double pesoLaje = gamaConcreto * hc * infl;
      const double solo = gamaSolo * heq * infl;
      const double sobrecarga = qs * infl;
      m.cargaNodal[3 * w - 1][c] =
          valorFinito(-(f.pesoProprio * pesoLaje + fa * f.soloVertical * solo +
                        fa * f.sobrecargaVertical * sobrecarga));
    }

    // Horizontal pressure on a wall node, positive outwards: water pushes out,
    // earth and surcharge push in.
    const auto pressaoParede = [&](double z, double infl) {
      const double agua = gamaAgua * z * infl * 100.0;
      const double solo = gamaSolo * (heq + z) * infl * 100.0;
      const double sobrecarga = qs * infl * 100.0;
      return f.agua * agua - fa * f.soloHorizontal * f.empuxo * solo -
             fa * f.sobrecargaHorizontal * f.empuxo * sobrecarga;
    };
    for (int a = m.noInfDir; a <= m.noSupDir; ++a) {
      const double z = m.yNo[m.noSupDir] - m.yNo[a];
      m.cargaNodal[3 * a - 2][c] = valorFinito(pressaoParede(z, m.inflDireita[a]));
    }
    for (int b = m.noSupEsq; b <= noFecho; ++b) {
      const int no = b == noFecho ? 1 : b;
      const double z = m.yNo[m.noSupEsq] - m.yNo[no];
      m.cargaNodal[3 * no - 2][c] = valorFinito(-pressaoParede(z, m.inflEsquerda[b]));
    }
  }
}

}  // namespace galeria
