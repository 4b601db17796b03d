#include "design/cortante.h"

#include <algorithm>
#include <cmath>

#include "project/numeros.h"

namespace galeria {

namespace {

double abscissa(const TModeloEF& modelo, int no) {
  if (no < 1 || static_cast<size_t>(no) >= modelo.xNo.size()) return 0.0;
  return modelo.xNo[static_cast<size_t>(no)];
}

// Text of a number with a decimal comma, never "-0".
std::string semZeroNegativo(double valor, int casas) {
  std::string t = formatarDecimais(valor, casas);
  if (t.size() > 1 && t[0] == '-' && t.find_first_not_of("-0,") == std::string::npos) t.erase(0, 1);
  return t;
}

}  // namespace

std::string textoDistanciaCortante(double distancia) {
  // Whole centimetres, a half rounded up: a length with stirrups is never shown short.
  return semZeroNegativo(std::round(distancia), 0) + " cm";
}

double tensaoEstribo(double h) {
  if (h <= 15.0) return 25.0;
  if (h >= 35.0) return 43.5;
  return (18.5 * h + 222.5) / 20.0;
}

TVerificacaoCortante verificarSecaoCortante(const TProjeto& projeto, const TModeloEF& modelo,
                                            int no, double h, double As1, const char* rotulo) {
  TVerificacaoCortante v;
  v.rotulo = rotulo;
  v.no = no;
  v.alturaSecao = h;

  // Design shear: the ultimate arrangements only; lifting is checked in the
  // length scan. A non-finite value (a failed solve) never wins.
  for (int c = casoEluVmaxHmin; c <= casoEluVmaxHmax; ++c) {
    const double a = std::abs(valorCaso(modelo.cortanteIni, no, c));
    if (std::isfinite(a) && a > v.Vsd) v.Vsd = a;
  }

  const double fck = projeto.Criterio.fck;
  const double coefC = projeto.Armadura.coefC;
  const double cobrimento = projeto.Armadura.cobrimento;

  // Concrete without strength or with a zero material factor resists nothing.
  v.fctm = fck > 0.0 && std::isfinite(fck) ? 0.3 * std::pow(fck, 2.0 / 3.0) / 10.0 : 0.0;
  v.fctkinf = 0.7 * v.fctm;
  v.fctd = coefC > 0.0 ? v.fctkinf / coefC : 0.0;
  v.taurd = 0.25 * v.fctd;
  v.de = h - (cobrimento + 1.0);
  if (!std::isfinite(v.de)) v.de = 0.0;
  v.Ka = std::max(std::abs(1.6 - v.de / 100.0), 1.0);
  v.As1 = As1;

  // Without effective depth the section carries no shear and takes no
  // stirrups: Ro1, Vrd1, Vc and Asw stay 0.
  const bool temAltura = v.de > 0.0;
  if (temAltura) {
    v.Ro1 = std::clamp(As1 / (100.0 * v.de), 0.0, 0.02);
    if (!std::isfinite(v.Ro1)) v.Ro1 = 0.0;
    v.Vrd1 = v.taurd * v.Ka * (1.2 + 40.0 * v.Ro1) * 100.0 * v.de;
  }

  if (v.Vsd > v.Vrd1) {
    v.calculado = true;
    v.Twd = tensaoEstribo(h);
    if (temAltura) {
      v.Vc = 0.6 * v.fctd * 100.0 * v.de;
      v.Asw = std::max((v.Vsd - v.Vc) / (0.9 * v.de * v.Twd) * 100.0, 0.0);
    }
  }
  return v;
}

double aswMaximo(const TVerificacaoCortante& misula, const TVerificacaoCortante& parede) {
  return misula.Asw > parede.Asw ? misula.Asw : parede.Asw;
}

const char* figuraCortante(const TVerificacaoCortante& misula, const TVerificacaoCortante& parede) {
  if (parede.Asw != 0.0) return figuraCortanteParede;
  if (misula.Asw != 0.0) return figuraCortanteMisula;
  return figuraCortanteNenhuma;
}

double distanciaCortante(const TProjeto& projeto, const TModeloEF& modelo,
                         const TSecoesProjeto& secoes, const TVerificacaoCortante& misula,
                         const TVerificacaoCortante& parede) {
  const int s7 = secoes.noSecao[quinaSuperior];
  const int s8 = secoes.noSecao[misulaLajeSuperior];
  const int s9 = secoes.noSecao[meioSuperior];
  const double hp = projeto.Geometria.hp;
  const bool paredeArmada = parede.Asw > 0.0;

  const int inicio = std::max(paredeArmada ? s7 : s8, 1);
  // The scan stops one node before mid-span; "last failing + 1" must still be
  // a node of the model.
  const int ultimoNo =
      static_cast<int>(std::min<size_t>(static_cast<size_t>(std::max(modelo.nNos, 0)),
                                        modelo.xNo.empty() ? 0 : modelo.xNo.size() - 1));
  const int fim = std::min(s9 - 1, ultimoNo - 1);
  const double deducao = (paredeArmada || s8 == s7) ? hp / 2.0 : 0.0;

  const double x7 = abscissa(modelo, s7);
  const double x8 = abscissa(modelo, s8);
  // Resisting shear: from the wall value at S7 linearly to the haunch value
  // at S8 (only when the wall section needs stirrups), then the haunch value.
  auto resistente = [&](int n) {
    if (paredeArmada && n < s8 && x8 != x7) {
      const double t = (abscissa(modelo, n) - x7) / (x8 - x7);
      return parede.Vrd1 + (misula.Vrd1 - parede.Vrd1) * t;
    }
    return misula.Vrd1;
  };

  int primeiro = 0, ultimo = 0;
  for (int n = inicio; n <= fim; ++n) {
    const double vr = resistente(n);
    bool falha = false;
    for (int c = casoEluVmaxHmin; c <= casoIcamento; ++c)
      if (std::abs(valorCaso(modelo.cortanteIni, n, c)) > vr) falha = true;
    if (falha) {
      if (primeiro == 0) primeiro = n;
      ultimo = n + 1;
    }
  }
  if (primeiro == 0) return 0.0;
  return abscissa(modelo, primeiro) - abscissa(modelo, ultimo) - deducao;
}

TResultadoCortante verificarCortante(const TProjeto& projeto, const TModeloEF& modelo,
                                     const TSecoesProjeto& secoes,
                                     const TArmaduraAdotada& armadura) {
  TResultadoCortante r;
  // Tension steel over the top corner: both external meshes, the bars of the
  // upper corner and of the top slab, and the fatigue bars of the corner.
  const double As1 = armadura.areaTela[quinaSuperior] + armadura.asBarrasEscolhida[7] +
                     armadura.asBarrasEscolhida[9] + armadura.asFadigaQuina;
  const double hc = projeto.Geometria.hc;
  const double mvc = projeto.Geometria.mvc;
  r.cortanteMisula = verificarSecaoCortante(projeto, modelo, secoes.noSecao[misulaLajeSuperior], hc,
                                            As1, "Na misula");
  r.cortanteParede = verificarSecaoCortante(projeto, modelo, secoes.noSecao[quinaSuperior],
                                            hc + mvc, As1, "Na parede");
  r.aswMaximo = aswMaximo(r.cortanteMisula, r.cortanteParede);
  r.figura = figuraCortante(r.cortanteMisula, r.cortanteParede);
  if (r.aswMaximo > 0.0) {
    r.distanciaCortante =
        distanciaCortante(projeto, modelo, secoes, r.cortanteMisula, r.cortanteParede);
    r.textoArea = semZeroNegativo(r.aswMaximo * r.distanciaCortante / 100.0, 2) + " cm²/m/m";
    r.textoDistancia = textoDistanciaCortante(r.distanciaCortante);
  }
  return r;
}

TResultadoCortante executarEtapaCortante(const TProjeto& projeto, const TModeloEF& modelo,
                                         const TSecoesProjeto& secoes,
                                         const TArmaduraAdotada& armadura, TProgresso& progresso) {
  progresso.registrar("");
  progresso.registrar("Verificando necessidade de calcular Força Cortante (ELU)");
  progresso.repintar();
  TResultadoCortante r = verificarCortante(projeto, modelo, secoes, armadura);
  progresso.registrar("");
  progresso.registrar(r.aswMaximo != 0.0 ? "Calculando Força Cortante"
                                         : "Não é necessario calcular Força Cortante");
  progresso.repintar();
  return r;
}

TTextosCortante textosCortante(const TVerificacaoCortante& v, double fck) {
  const char* semValor = "--------";
  TTextosCortante t;
  t.fck = formatar2(fck);
  t.fctm = formatar4(10.0 * v.fctm);
  t.fctkinf = formatar4(10.0 * v.fctkinf);
  t.fctd = formatar4(10.0 * v.fctd);
  t.taurd = formatar4(10.0 * v.taurd);
  t.de = semZeroNegativo(v.de, 0);
  t.As1 = formatar4(v.As1);
  t.Ro1 = formatar4(v.Ro1);
  t.Twd = v.calculado ? formatar2(v.Twd) : semValor;
  t.Vsd = formatar2(v.Vsd);
  t.resistente = formatar2(v.calculado ? v.Vc : v.Vrd1);
  t.Asw = v.calculado ? formatar2(v.Asw) : semValor;
  t.situacao = v.calculado ? "Calculado" : "Não necessario";
  return t;
}

}  // namespace galeria
