#include "design/custo.h"

#include <array>
#include <cmath>
#include <numbers>

#include "project/numeros.h"

namespace galeria {

double pesoUnitarioTela(int indice) {
  // kg/m² by list position, whatever the catalogue holds at that position.
  static constexpr std::array<double, 11> pesos = {1.21, 1.47, 1.69, 2.09, 2.62, 3.00,
                                                   3.48, 3.91, 4.77, 5.84, 7.03};
  return indice >= 0 && indice < static_cast<int>(pesos.size()) ? pesos[static_cast<size_t>(indice)]
                                                                : 0.0;
}

bool lerOpcaoBarra(const std::string& texto, double& barrasPorMetro, double& diametroCm) {
  const size_t branco = texto.find(' ');
  if (branco == std::string::npos) return false;
  const auto n = lerNumero(std::string_view(texto).substr(0, branco));
  const size_t letraD = texto.find('d', branco);
  if (!n || letraD == std::string::npos) return false;
  const size_t hifen = texto.find('-', letraD);
  if (hifen == std::string::npos || hifen < letraD + 2) return false;
  // The diameter runs from the "d" to the blank before the "-".
  const auto d = lerNumero(std::string_view(texto).substr(letraD + 1, hifen - letraD - 2));
  if (!d || *n < 0 || *d < 0) return false;
  barrasPorMetro = *n;
  diametroCm = *d / 10.0;
  return true;
}

std::string tituloCusto(int comprimento) {
  return "Comprimento da Galeria = " + formatar2(comprimentoPeca(comprimento)) + " m";
}

TEntradaCusto entradaCustoDoProjeto(const TProjeto& p, const TPrecosCusto& precos) {
  TEntradaCusto e;
  const TGeometria& g = p.Geometria;
  const TValoresGeometricos v = valoresGeometricos(g);
  e.precos = precos;
  e.comprimento = g.comprimento;
  e.larguraExterna = v.larguraExterna;
  e.hb = g.hb;
  e.hl = v.hlCm;
  e.hp = g.hp;
  e.hc = g.hc;
  e.mhb = g.mhb;
  e.mvb = g.mvb;
  e.mhc = g.mhc;
  e.mvc = g.mvc;
  e.pesoAco = p.Criterio.pesoAco;
  const auto& t = p.Resultados.telaEscolhida;  // locations 9, 5, 1, 10, 6, 2
  e.telas = {t[2], t[5], t[1], t[4], t[0], t[3]};
  return e;
}

namespace {

double em(const Vreal& v, size_t i) { return i < v.size() ? v[i] : 0.0; }

struct TCaixa {
  const std::string* texto;
  TCampoCusto campo;
  const char* vazio;
  const char* naoPositivo;
};

}  // namespace

TResultadoCusto calcularCusto(const TEntradaCusto& e) {
  TResultadoCusto r;
  const TCaixa caixas[] = {
      {&e.precos.precoCA60, TCampoCusto::precoCA60, "Entre com um valor para o preço do aço CA 60.",
       "O preço do aço CA 60 deverá ser maior que zero."},
      {&e.precos.precoCA50, TCampoCusto::precoCA50, "Entre com um valor para o preço do aço CA 50.",
       "O preço do aço CA 50 deverá ser maior que zero."},
      {&e.precos.precoConcreto, TCampoCusto::precoConcreto,
       "Entre com um valor para o preço do concreto.",
       "O preço do concreto deverá ser maior que zero."},
      {&e.precos.quantidadePecas, TCampoCusto::quantidadePecas,
       "Entre com um valor para a quantidades de peças.",
       "O número de unidades deverá ser maior que zero."},
  };
  auto recusar = [&r](const char* mensagem, TCampoCusto campo) {
    r.mensagem = mensagem;
    r.campo = campo;
    return r;
  };
  for (const TCaixa& c : caixas)
    if (c.texto->empty()) return recusar(c.vazio, c.campo);
  std::array<double, 4> valor{};
  for (size_t i = 0; i < 4; ++i) {
    // A box holding no number (a lone comma) cannot be greater than zero.
    const auto v = lerNumero(*caixas[i].texto);
    if (!v || !(*v > 0.0)) return recusar(caixas[i].naoPositivo, caixas[i].campo);
    valor[i] = *v;
  }
  const auto [precoCA60, precoCA50, precoConcreto, quantidade] = valor;
  r.precos = {formatar2(precoCA60), formatar2(precoCA50), formatar2(precoConcreto),
              formatar2(quantidade)};

  const double Lp = comprimentoPeca(e.comprimento);
  const double Lc = 100.0 * Lp;
  auto peca = [&e](size_t i) { return em(e.comprimentoPeca, i); };
  auto barra = [&e](size_t i) { return em(e.comprimentoBarra, i); };

  // Meshes: walls twice (both walls), slabs once; kg/m² times cm² / 10 000.
  const TTelasCusto& t = e.telas;
  const double areaPonderada =
      (2 * peca(6) + peca(5)) * pesoUnitarioTela(t.BE) + peca(8) * pesoUnitarioTela(t.BI) +
      2 * (peca(1) + peca(2) + peca(3)) * pesoUnitarioTela(t.FE) +
      2 * peca(7) * pesoUnitarioTela(t.FI) + (2 * peca(4) + peca(5)) * pesoUnitarioTela(t.CE) +
      peca(8) * pesoUnitarioTela(t.CI);
  r.pesoTelas = areaPonderada * Lc * 0.0001;

  // Bars: n per metre, k pieces of length L across the section, over Lp metres.
  struct TListaBarras {
    const std::string* texto;
    const char* nome;
    double k;
    double L;
  };
  const TBarrasCusto& b = e.barras;
  const TListaBarras listas[] = {
      {&b.EBE, "EBE", 1, barra(11)},
      {&b.EBI, "EBI", 1, barra(12)},
      {&b.EQIE, "EQIE", 2, barra(1) + barra(2)},
      {&b.EQII, "EQII", 2, barra(3) + barra(4) + barra(5)},
      {&b.EFE, "EFE", 2, barra(13)},
      {&b.EFI, "EFI", 2, barra(14)},
      {&b.EQSE, "EQSE", 2, barra(6) + barra(7)},
      {&b.EQSI, "EQSI", 2, barra(8) + barra(9) + barra(10)},
      {&b.ECE, "ECE", 1, barra(11)},
      {&b.ECI, "ECI", 1, barra(12)},
      {&b.Efs, "Efs", 1, barra(12)},
      {&b.Efq, "Efq", 2, barra(6) + barra(7)},
  };
  const std::string semBarras(49, '-');
  r.pesoBarras = 0.0;
  for (const TListaBarras& l : listas) {
    if (l.texto->empty() || *l.texto == semBarras) continue;
    double n = 0, d = 0;
    if (!lerOpcaoBarra(*l.texto, n, d)) {
      r.avisos.push_back(std::string("A opção de barras \"") + *l.texto + "\" da lista " + l.nome +
                         " não pôde ser lida e não entrou no consumo de aço.");
      continue;
    }
    const double volume = n * l.k * (std::numbers::pi * d * d / 4.0) * l.L * Lp;  // cm³
    r.pesoBarras += volume * e.pesoAco * 100.0 / 1000000.0;
  }

  const double area = e.larguraExterna * e.hb + 2 * e.hl * e.hp + e.larguraExterna * e.hc +
                      e.mhb * e.mvb + e.mhc * e.mvc;  // cm²
  r.volumeConcreto = area * Lp * 100.0 / 1000000.0;   // m³

  const double custoPeca =
      precoCA60 * r.pesoTelas + precoCA50 * r.pesoBarras + precoConcreto * r.volumeConcreto;
  r.custoTotal = quantidade * custoPeca;
  const double aco = r.pesoTelas + r.pesoBarras;

  if (!(r.volumeConcreto > 0.0) || !std::isfinite(r.volumeConcreto)) {
    r.mensagem = "O volume de concreto da peça não é positivo; confira a geometria.";
    return r;
  }
  if (!std::isfinite(r.custoTotal) || !std::isfinite(aco) || !std::isfinite(quantidade * aco)) {
    r.mensagem = "Os consumos e o custo não puderam ser calculados com estes valores.";
    return r;
  }
  r.consumoConcreto = formatar2(quantidade * r.volumeConcreto) + " m³";
  r.consumoAco = formatar2(quantidade * aco) + " Kg";
  r.taxa = formatar2(aco / r.volumeConcreto) + " Kg/m³";
  r.custo = formatar2(r.custoTotal) + " UM";
  r.titulo = tituloCusto(e.comprimento);
  r.valido = true;
  return r;
}

}  // namespace galeria
