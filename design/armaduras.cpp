#include "design/armaduras.h"

#include <algorithm>
#include <cmath>

#include "design/flexao.h"
#include "project/numeros.h"

namespace galeria {

namespace {

// Beyond this many bars per metre no spacing limit is meaningful; such a
// diameter gives no entry.
constexpr double barrasPorMetroMaximo = 1.0e6;
constexpr double comprimentoAncoragem = 30.0;  // cm beyond the last needing node

size_t iz(int i) { return static_cast<size_t>(i); }

double valor(const Vreal& v, int i) { return i >= 0 && iz(i) < v.size() ? v[iz(i)] : 0.0; }

double fracao(double a, double b) { return b != 0.0 ? a / b : 0.0; }

TAlternativaBarras linhaSemBarras() {
  TAlternativaBarras a;
  a.texto = textoSemBarras;
  return a;
}

TAlternativaBarras alternativa(long long quantidade, const TBitola& b, const char* separador,
                               double percentual, const char* fim) {
  TAlternativaBarras a;
  a.quantidade = static_cast<int>(quantidade);
  a.bitola = b.diametro;
  a.areaBarra = b.areaBarra;
  a.areaPorMetro = static_cast<double>(quantidade) * b.areaBarra;
  a.texto = std::to_string(quantidade) + " d" + b.diametro + separador +
            formatarPercentual(percentual) + fim;
  return a;
}

// Nodes of the nine design sections, kept inside the model's node range so
// that scans stay bounded whatever the section record holds.
struct TNos {
  std::array<int, 10> S{};
};

TNos nosSecoes(const TModeloEF& m, const TSecoesProjeto& s) {
  TNos r;
  for (size_t i = 1; i <= 9; ++i) r.S[i] = std::clamp(s.noSecao[i], 0, std::max(m.nNos, 0));
  return r;
}

bool nosCrescentes(const TNos& nos, int nNos) {
  if (nos.S[1] < 1 || nos.S[9] > nNos) return false;
  for (size_t i = 2; i <= 9; ++i)
    if (nos.S[i] < nos.S[i - 1]) return false;
  return true;
}

}  // namespace

void escolherTelasPadrao(const TCatalogoTelas& catalogo, TDimensionamento& d) {
  for (int k : locaisComTela) {
    int indice = TCatalogoTelas::nTelas - 1;
    for (int i = TCatalogoTelas::nTelas - 2; i >= 0; --i)
      if (catalogo.secaoLongitudinal(i) > d.asMinimaAdotada[iz(k)]) indice = i;
    d.telaEscolhida[iz(k)] = indice;
  }
  atualizarAreaTela(catalogo, d);
}

double necessidadeBarras(double asBarrasCalculada, double areaTela, double asMinimaAdotada) {
  double t = asBarrasCalculada + areaTela >= asMinimaAdotada ? asBarrasCalculada
                                                             : asMinimaAdotada - areaTela;
  if (t > 0.0 && t < areaMinimaBarras) t = areaMinimaBarras;
  return t;
}

std::string formatarPercentual(double valor) {
  // + 0.0 turns a rounded −0 into 0.
  std::string texto = formatar2(arredondar2(valor) + 0.0);
  const size_t virgula = texto.find(',');
  if (virgula == std::string::npos) return texto;
  while (texto.back() == '0') texto.pop_back();
  if (texto.back() == ',') texto.pop_back();
  return texto;
}

TListaBarras alternativasParaArea(double t, const TArmadura& armadura, bool separadorDuplo) {
  TListaBarras lista;
  if (!std::isfinite(t)) return lista;
  if (t <= 0.001) {
    lista.push_back(linhaSemBarras());
    return lista;
  }
  const double varAbaixo = armadura.varAbaixo, varAcima = armadura.varAcima;
  const double espMin = armadura.espMin, espMax = armadura.espMax;
  for (const TBitola& b : bitolasDisponiveis()) {
    const double a = b.areaBarra;
    const double razao = t / a;
    if (!(razao < barrasPorMetroMaximo)) continue;
    const long long n = static_cast<long long>(std::trunc(razao));
    const double nd = static_cast<double>(n);
    // Percentage by which n bars fall short of t.
    const double abaixo = arredondar2((t - nd * a) / t * 100.0) + 0.0;
    auto tentarAcima = [&](const char* separador) {
      const double acima = arredondar2(((nd + 1.0) * a - t) / t * 100.0) + 0.0;
      const double espacamento = arredondar2(100.0 / (nd + 1.0));
      if (acima <= varAcima && espMin <= espacamento && espacamento <= espMax)
        lista.push_back(alternativa(n + 1, b, separador, acima, "% acima)"));
    };
    if (abaixo > varAbaixo) {
      tentarAcima(separadorDuplo ? " -  (" : " - (");
    } else {
      const double espacamento = n > 0 ? arredondar2(100.0 / nd) : 0.0;
      if (n > 0 && espMin <= espacamento && espacamento <= espMax)
        lista.push_back(alternativa(n, b, " -  (", abaixo, "% abaixo)"));
      else
        tentarAcima(" -  (");
    }
  }
  return lista;
}

void montarAlternativasBarras(const TProjeto& p, TDimensionamento& d) {
  for (size_t k = 1; k <= iz(nLocaisArmadura); ++k) {
    d.asNecessariaBarras[k] =
        necessidadeBarras(d.asBarrasCalculada[k], d.areaTela[k], d.asMinimaAdotada[k]);
    d.alternativasBarras[k] = alternativasParaArea(d.asNecessariaBarras[k], p.Armadura, false);
    d.numAlternativas[k] = static_cast<int>(d.alternativasBarras[k].size());
    d.barraEscolhida[k] = 0;
  }
}

int localSemAlternativas(const TDimensionamento& d) {
  for (int k = 1; k <= nLocaisArmadura; ++k)
    if (d.alternativasBarras[iz(k)].empty()) return k;
  return 0;
}

std::optional<TPartesAlternativa> partesDaAlternativa(const std::string& texto) {
  const size_t d = texto.find('d');
  const size_t hifen = texto.find('-');
  // "<count> d<diameter> -...": a blank before the "d" and before the "-".
  if (d == std::string::npos || hifen == std::string::npos || hifen < d + 2) return std::nullopt;
  TPartesAlternativa r;
  r.quantidade = d >= 1 ? texto.substr(0, d - 1) : std::string();
  r.bitola = texto.substr(d + 1, hifen - 1 - (d + 1));
  return r;
}

std::optional<TBarrasDoTexto> lerAlternativa(const std::string& texto) {
  const auto partes = partesDaAlternativa(texto);
  if (!partes) return std::nullopt;
  const auto quantidade = lerInteiro(partes->quantidade);
  if (!quantidade || *quantidade < 0 || *quantidade > 1000000000LL) return std::nullopt;
  TBarrasDoTexto r;
  r.quantidade = static_cast<int>(*quantidade);
  r.bitola = partes->bitola;
  return r;
}

double areaDaAlternativa(const std::string& texto) {
  const auto barras = lerAlternativa(texto);
  if (!barras) return 0.0;
  for (const TBitola& b : TBitolasCA50::todas())
    if (b.diametro == barras->bitola) return barras->quantidade * b.areaBarra;
  return 0.0;
}

void calcularAreaBarrasEscolhidas(TDimensionamento& d) {
  for (size_t k = 1; k <= iz(nLocaisArmadura); ++k) {
    const TAlternativaBarras* a =
        alternativaEscolhida(d.alternativasBarras[k], d.barraEscolhida[k]);
    d.asBarrasEscolhida[k] = a ? areaDaAlternativa(a->texto) : 0.0;
  }
}

double armaduraTracionadaPosicao(const TDimensionamento& d, int posicao) {
  const auto& tela = d.areaTela;
  const auto& barras = d.asBarrasEscolhida;
  switch (posicao) {
    case 1:
      return tela[1] + barras[1];
    case 2:
    case 4:
      return tela[2] + barras[2];
    case 3:
      return tela[3] + barras[3] + barras[1];
    case 5:
      return tela[3] + barras[3];
    case 6:
      return barras[4];
    case 7:
      return tela[3] + barras[3] + barras[5];
    case 8:
    case 10:
    case 12:
      return tela[6] + barras[6];
    case 9:
      return tela[5] + barras[5];
    case 11:
      return tela[7] + barras[7] + barras[5];
    case 13:
      return tela[7] + barras[7];
    case 14:
      return barras[8];
    case 15:
      return tela[7] + barras[7] + barras[9];
    case 16:
    case 18:
      return tela[10] + barras[10];
    case 17:
      return tela[9] + barras[9];
    default:
      return 0.0;
  }
}

std::vector<int> verificarTaxasArmadura(const TSecoesProjeto& s, TDimensionamento& d) {
  std::vector<int> excedidas;
  d.taxaArmadura.fill(0.0);
  for (int p = 1; p <= nPosicoesVerificacao; ++p) {
    const size_t secao = iz((p + 1) / 2);
    const double altura = s.espessura[secao] - s.dLinha[secao];
    const double taxa = altura > 0.0 ? armaduraTracionadaPosicao(d, p) / (100.0 * altura) : 0.0;
    d.taxaArmadura[iz(p)] = std::isfinite(taxa) ? arredondar4(taxa) : 0.0;
    if (d.taxaArmadura[iz(p)] > 0.025) excedidas.push_back(p);
  }
  return excedidas;
}

void calcularArmaduraAoLongo(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                             TDimensionamento& d, bool& calculoInterrompido,
                             TProgresso& progresso) {
  const int n = std::max(m.nNos, 0);
  d.espessuraAoLongo = criarVreal(n);
  d.telaExtAoLongo = criarVreal(n);
  d.telaIntAoLongo = criarVreal(n);
  d.asExtAoLongo = criarVreal(n);
  d.asIntAoLongo = criarVreal(n);
  const TNos nos = nosSecoes(m, s);
  if (!nosCrescentes(nos, n)) return;
  const auto& S = nos.S;

  const TGeometria& g = p.Geometria;
  const double hb = g.hb, hp = g.hp, hc = g.hc;
  const double tqi = espessuraQuina(hp, g.mhb, hb, g.mvb);
  const double tqs = espessuraQuina(hp, g.mhc, hc, g.mvc);
  const auto& tela = d.areaTela;  // the six slots at their own locations
  auto x = [&](int i) { return valor(m.xNo, i); };
  auto y = [&](int i) { return valor(m.yNo, i); };
  auto definir = [&](int no, double espessura, double ext, double inte) {
    d.espessuraAoLongo[iz(no)] = espessura;
    d.telaExtAoLongo[iz(no)] = ext;
    d.telaIntAoLongo[iz(no)] = inte;
  };

  // Later runs overwrite earlier ones where the runs share a node (a corner
  // without haunch): the corner keeps its own thickness and no inner mesh.
  for (int i = S[1]; i <= S[2]; ++i)
    definir(i, hb, x(i) >= x(S[2]) - 30.0 ? tela[1] + tela[5] : tela[1], tela[2]);
  for (int i = S[2] + 1; i <= S[3] - 1; ++i)
    definir(i, hb + (tqi - hb) * fracao(x(i) - x(S[2]), x(S[3]) - x(S[2])), tela[1] + tela[5],
            tela[2]);
  definir(S[3], tqi, tela[1] + tela[5], 0.0);
  for (int i = S[3] + 1; i <= S[4]; ++i)
    definir(i, tqi + (hp - tqi) * fracao(y(i) - y(S[3]), y(S[4]) - y(S[3])), tela[1] + tela[5],
            tela[6]);
  for (int i = S[4] + 1; i <= S[5]; ++i)
    definir(i, hp, y(i) <= y(S[4]) + 30.0 ? tela[1] + tela[5] : tela[5], tela[6]);
  for (int i = S[5] + 1; i <= S[6]; ++i)
    definir(i, hp, y(i) >= y(S[6]) - 30.0 ? tela[5] + tela[9] : tela[5], tela[6]);
  for (int i = S[6] + 1; i <= S[7] - 1; ++i)
    definir(i, hp + (tqs - hp) * fracao(y(i) - y(S[6]), y(S[7]) - y(S[6])), tela[5] + tela[9],
            tela[6]);
  definir(S[7], tqs, tela[5] + tela[9], 0.0);
  for (int i = S[7] + 1; i <= S[8]; ++i)
    definir(i, tqs + (hc - tqs) * fracao(x(i) - x(S[7]), x(S[8]) - x(S[7])), tela[5] + tela[9],
            tela[10]);
  for (int i = S[8] + 1; i <= S[9]; ++i)
    definir(i, hc, x(i) >= x(S[8]) - 30.0 ? tela[5] + tela[9] : tela[9], tela[10]);

  const TMateriaisFlexao mat = materiaisFlexao(p);
  const double cLinha = p.Armadura.cobrimento + 0.5;
  for (int i = S[1]; i <= S[9]; ++i) {
    const double dLinha = (i == S[3] || i == S[7]) ? 2.0 * cLinha : cLinha;
    const double t = d.espessuraAoLongo[iz(i)];
    for (int c = casoEluVmaxHmin; c <= casoIcamento; ++c) {
      const double M = valorCaso(m.momentoIni, i, c);
      const double N = valorCaso(m.normalIni, i, c);
      // A failure names the arrangement being designed at this node: after a
      // complete section design the case last held is lifting, and its
      // report would send the user after the lifting distance.
      if (M > 0.0) {
        const TResultadoSecao r =
            dimensionarSecao(mat, t, dLinha, N, M, d.telaIntAoLongo[iz(i)], d.telaExtAoLongo[iz(i)],
                             c, calculoInterrompido, progresso);
        if (r.status != TStatusSecao::ok) return;
        if (r.as > d.asExtAoLongo[iz(i)]) d.asExtAoLongo[iz(i)] = r.as;
      } else {
        const TResultadoSecao r =
            dimensionarSecao(mat, t, dLinha, N, std::fabs(M), d.telaExtAoLongo[iz(i)],
                             d.telaIntAoLongo[iz(i)], c, calculoInterrompido, progresso);
        if (r.status != TStatusSecao::ok) return;
        if (r.as > d.asIntAoLongo[iz(i)]) d.asIntAoLongo[iz(i)] = r.as;
      }
    }
  }
}

void calcularComprimentosBarras(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                                TDimensionamento& d) {
  calcularAreaBarrasEscolhidas(d);
  d.comprimentoBarra.fill(0.0);
  d.comprimentoPeca.fill(0.0);

  const TGeometria& g = p.Geometria;
  const double hb = g.hb, hp = g.hp, hc = g.hc;
  const TValoresGeometricos vg = valoresGeometricos(g);
  const double bl = vg.blCm, hl = vg.hlCm;
  const double cl = p.Armadura.cobrimento + 0.5;
  const double L = comprimentoAncoragem;
  const auto S = nosSecoes(m, s).S;
  auto x = [&](int i) { return valor(m.xNo, i); };
  auto y = [&](int i) { return valor(m.yNo, i); };

  // One node past the last node of the scan whose need is not met by the
  // chosen bars (area < 0,95 × requirement); 0 when every node is covered.
  auto varrer = [&](int inicio, int fim, int passo, int local, const Vreal& requisito) {
    const double area = d.asBarrasEscolhida[iz(local)];
    int j = 0;
    if (passo < 0) {
      for (int n = inicio; n >= fim; --n)
        if (area < 0.95 * valor(requisito, n)) j = n - 1;
    } else {
      for (int n = inicio; n <= fim; ++n)
        if (area < 0.95 * valor(requisito, n)) j = n + 1;
    }
    return j;
  };
  auto& C = d.comprimentoBarra;

  // 1: bottom slab, external leg of the bottom-corner bar.
  {
    const int j = varrer(S[2], S[1], -1, 1, d.asExtAoLongo);
    double v;
    if (j == 0)
      v = S[3] == S[2] ? L + hp - cl : hp / 2 + x(S[3]) - x(S[2]) + L - cl;
    else if (S[3] == S[2])
      v = x(j) <= x(S[2]) - hp / 2 ? (x(S[2]) - hp / 2 - x(j)) + L + hp - cl : L + hp - cl;
    else
      v = hp / 2 + x(S[3]) - x(j) + L - cl;
    C[1] = std::min(v, hp / 2 + x(S[3]) - x(S[1]) - cl);
  }
  // 2: wall, external leg of the bottom-corner bar.
  {
    const int j = varrer(S[4], S[5], +1, 5, d.asExtAoLongo);
    double v;
    if (j == 0)
      v = S[4] == S[3] ? L + hb - cl : hb / 2 + y(S[4]) - y(S[3]) + L - cl;
    else if (S[4] == S[3])
      v = y(j) >= hb / 2 + y(S[3]) ? (y(j) - hb / 2 - y(S[4])) + L + hb - cl : L + hb - cl;
    else
      v = hb / 2 + y(j) - y(S[3]) + L - cl;
    C[2] = std::min(v, hb / 2 + y(S[5]) - y(S[3]) - cl);
  }
  // 3: bottom slab, internal bar along the bottom haunch.
  {
    const int j = varrer(S[2], S[1], -1, 2, d.asIntAoLongo);
    if (j == 0) {
      C[3] = L + cl;
    } else {
      double v;
      if (S[2] == S[3])
        v = x(j) <= x(S[2]) - hp / 2 ? (x(S[2]) - x(j)) + L + cl : L + cl;
      else
        v = x(S[2]) - x(j) + L + cl;
      const double cap = x(S[2]) - x(S[1]) + cl - (S[2] == S[3] ? hp / 2 : 0.0);
      C[3] = std::min(v, cap);
    }
  }
  // 4: the bottom haunch itself.
  C[4] = S[2] == S[3] ? 0.0 : std::hypot(static_cast<double>(g.mvb), static_cast<double>(g.mhb));
  // 5: wall, internal bar from the bottom haunch.
  {
    const int j = varrer(S[4], S[5], +1, 6, d.asIntAoLongo);
    if (j == 0) {
      C[5] = L + cl;
    } else {
      double v;
      if (S[4] == S[3])
        v = y(j) >= hb / 2 + y(S[4]) ? (y(j) - hb / 2 - y(S[4])) + L + cl : L + cl;
      else
        v = y(j) - y(S[3]) - hb / 2 + L + cl;
      const double cap = y(S[5]) - y(S[4]) + cl - (S[4] == S[3] ? hb / 2 : 0.0);
      C[5] = std::min(v, cap);
    }
  }
  // 6: wall, external leg of the top-corner bar.
  {
    const int j = varrer(S[6], S[5], -1, 5, d.asExtAoLongo);
    double v;
    if (j == 0)
      v = S[7] == S[6] ? L + hc - cl : hc / 2 + y(S[7]) - y(S[6]) + L - cl;
    else if (S[7] == S[6])
      v = y(j) <= y(S[6]) - hc / 2 ? (y(S[6]) - hc / 2 - y(j)) + L + hc - cl : L + hc - cl;
    else
      v = hc / 2 + y(S[7]) - y(j) + L - cl;
    C[6] = std::min(v, hc / 2 + y(S[7]) - y(S[5]) - cl);
  }
  // 7: top slab, external leg of the top-corner bar.
  {
    const int j = varrer(S[8], S[9], +1, 9, d.asExtAoLongo);
    double v;
    if (j == 0)
      v = S[8] == S[7] ? L + hp - cl : hp / 2 + x(S[7]) - x(S[8]) + L - cl;
    else if (S[8] == S[7])
      v = x(j) <= x(S[7]) - hp / 2 ? (x(S[7]) - hp / 2 - x(j)) + L + hp - cl : L + hp - cl;
    else
      v = hp / 2 + x(S[7]) - x(j) + L - cl;
    C[7] = std::min(v, hp / 2 + x(S[7]) - x(S[9]) - cl);
  }
  // 8: wall, internal bar toward the top haunch.
  {
    const int j = varrer(S[6], S[5], -1, 6, d.asIntAoLongo);
    if (j == 0) {
      C[8] = L + cl;
    } else {
      double v;
      if (S[7] == S[6])
        v = y(j) <= y(S[7]) - hc / 2 ? (y(S[6]) - hc / 2 - y(j)) + L + cl : L + cl;
      else
        v = y(S[7]) - y(j) + L + cl;
      const double cap = y(S[6]) - y(S[5]) + cl - (S[7] == S[6] ? hc / 2 : 0.0);
      C[8] = std::min(v, cap);
    }
  }
  // 9: the top haunch itself.
  C[9] = S[6] == S[7] ? 0.0 : std::hypot(static_cast<double>(g.mvc), static_cast<double>(g.mhc));
  // 10: top slab, internal bar from the top haunch.
  {
    const int j = varrer(S[8], S[9], +1, 10, d.asIntAoLongo);
    if (j == 0) {
      C[10] = L + cl;
    } else {
      double v;
      if (S[8] == S[7])
        v = x(j) <= x(S[7]) - hp / 2 ? (x(S[7]) - hp / 2 - x(j)) + L + cl : L + cl;
      else
        v = x(S[7]) - x(j) + L + cl;
      const double cap = x(S[8]) - x(S[9]) + cl - (S[8] == S[7] ? hp / 2 : 0.0);
      C[10] = std::min(v, cap);
    }
  }
  // 11-14: straight lengths across the slabs and up the wall.
  C[11] = 2 * hp + bl - 2 * cl;
  C[12] = bl + 2 * cl;
  C[13] = hl + hb + hc - 2 * cl;
  C[14] = hl + 2 * cl;

  for (double& v : C)
    if (!std::isfinite(v)) v = 0.0;
  constexpr std::array<int, 9> ordemPecas{0, 1, 13, 7, 6, 11, 2, 14, 12};
  for (size_t i = 1; i <= 8; ++i) d.comprimentoPeca[i] = C[iz(ordemPecas[i])];
}

}  // namespace galeria
