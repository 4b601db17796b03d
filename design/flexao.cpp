#include "design/flexao.h"

#include <cmath>
#include <initializer_list>

#include "project/numeros.h"

namespace galeria {

namespace {

constexpr double tolerancia = 1e-10;
constexpr double xiInicial = 0.0001;
constexpr double xiFinal = 0.99999;
// Neutral-axis depth where the concrete reaches 3,5 ‰ with 10 ‰ in the steel.
constexpr double xiLimiteDominio2 = 0.2593;

bool finito(std::initializer_list<double> valores) {
  for (double v : valores)
    if (!std::isfinite(v)) return false;
  return true;
}

bool mesmoSinal(double a, double b) { return (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0); }

double sinal(double v) { return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

// Strains and the stress-block factors of the compressed concrete for a
// trial neutral axis: psi the fullness of the block, kappa the depth of its
// resultant, both as fractions of x.
struct TDeformacoes {
  double epsAco = 0.0;         // tensioned steel
  double epsConcreto = 0.0;    // compressed edge
  double epsComprimida = 0.0;  // compressed-face steel
  double psi = 0.0;
  double kappa = 0.0;
};

TDeformacoes deformacoes(double xi, double delta) {
  TDeformacoes r;
  if (xi <= xiLimiteDominio2) {
    // Domain 2: the steel at 10 ‰, the concrete below 3,5 ‰.
    r.epsAco = 0.01;
    r.epsConcreto = 0.01 * xi / (1.0 - xi);
    r.epsComprimida = 0.01 * (xi - delta) / (1.0 - xi);
    const double e = 1000.0 * r.epsConcreto;
    if (r.epsConcreto <= 0.002) {
      r.psi = (e / 2.0) * (1.0 - e / 6.0);
      r.kappa = r.psi > 0.0 ? 1.0 - (e / 3.0 - e * e / 16.0) / r.psi : 0.0;
    } else {
      const double f = 2.0 / e;
      r.psi = 1.0 - 0.002 / (3.0 * r.epsConcreto);
      r.kappa = 1.0 - ((5.0 / 12.0) * f * f + (1.0 - f * f) / 2.0) / (1.0 - f / 3.0);
    }
  } else {
    // Domains 3 and 4: the concrete at 3,5 ‰.
    r.epsConcreto = 0.0035;
    r.epsAco = 0.0035 * (1.0 - xi) / xi;
    r.epsComprimida = 0.0035 * (xi - delta) / xi;
    r.psi = 0.80953;
    r.kappa = 0.416;
  }
  return r;
}

struct TCandidato {
  double as = 0.0, n = 0.0, m = 0.0;
};

// The largest candidate; the first one keeps a tie.
TCandidato maior(std::initializer_list<TCandidato> candidatos) {
  TCandidato melhor = *candidatos.begin();
  for (const TCandidato& c : candidatos)
    if (c.as > melhor.as) melhor = c;
  return melhor;
}

// External and internal location of each design section.
constexpr std::array<int, 10> localExterno{0, 1, 3, 3, 3, 5, 7, 7, 7, 9};
constexpr std::array<int, 10> localInterno{0, 2, 2, 4, 6, 6, 6, 8, 10, 10};

}  // namespace

TMateriaisFlexao materiaisFlexao(const TProjeto& p) {
  TMateriaisFlexao m;
  m.fcd = p.Criterio.fck / 10.0 / p.Armadura.coefC;
  m.fydCA50 = 50.0 / p.Armadura.coefA;
  m.fydCA60 = 60.0 / p.Armadura.coefA;
  m.eydCA60 = m.fydCA60 / m.Es + 0.002;
  return m;
}

std::array<double, 11> espessuraLocais(const TGeometria& g) {
  const double hb = g.hb, hp = g.hp, hc = g.hc;
  std::array<double, 11> t{};
  t[1] = t[2] = hb;
  t[3] = espessuraQuina(hp, g.mhb, hb, g.mvb);
  t[5] = t[6] = hp;
  t[7] = espessuraQuina(hp, g.mhc, hc, g.mvc);
  t[9] = t[10] = hc;
  return t;
}

std::array<double, 11> armaduraMinimaLocais(const TProjeto& p) {
  const TMateriaisFlexao mat = materiaisFlexao(p);
  const std::array<double, 11> t = espessuraLocais(p.Geometria);
  std::array<double, 11> as{};
  if (!(mat.fydCA60 > 0.0) || !finito({mat.fcd, mat.fydCA60})) return as;
  for (int k = 1; k <= nLocaisArmadura; ++k) {
    if (k == 4 || k == 8) continue;
    const double v = 3.5 * t[static_cast<size_t>(k)] * mat.fcd / mat.fydCA60;
    as[static_cast<size_t>(k)] = std::isfinite(v) ? arredondar4(v) : 0.0;
  }
  return as;
}

void calcularArmaduraMinima(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                            TDimensionamento& d) {
  d.asMinima = armaduraMinimaLocais(p);
  d.asMinimaAdotada = d.asMinima;
  d.minimaReduzida.fill(false);
  // Sections that govern a pair of locations: meioInferior, quinaInferior,
  // meioParede, quinaSuperior, meioSuperior.
  for (int secao : {meioInferior, quinaInferior, meioParede, quinaSuperior, meioSuperior}) {
    const int no = s.noSecao[static_cast<size_t>(secao)];
    bool todosPositivos = true, todosNegativos = true;
    for (int c = casoEluVmaxHmin; c <= casoIcamento; ++c) {
      const double momento = valorCaso(m.momentoIni, no, c);
      if (!(momento > 0.0)) todosPositivos = false;
      if (!(momento < 0.0)) todosNegativos = false;
    }
    const size_t ext = static_cast<size_t>(localExterno[static_cast<size_t>(secao)]);
    const size_t inte = static_cast<size_t>(localInterno[static_cast<size_t>(secao)]);
    // A face that is never tensioned keeps half its minimum.
    if (todosPositivos) {
      d.asMinimaAdotada[inte] = d.asMinima[inte] / 2.0;
      d.minimaReduzida[inte] = true;
    } else if (todosNegativos) {
      d.asMinimaAdotada[ext] = d.asMinima[ext] / 2.0;
      d.minimaReduzida[ext] = true;
    }
  }
}

double tensaoAco(char classe, double fyd, double eps, double Es) {
  if (!(Es > 0.0) || !finito({fyd, eps})) return 0.0;
  const double epsEscoamento = fyd / Es;
  const double a = std::fabs(eps);
  if (classe == 'A') return a <= epsEscoamento ? Es * eps : fyd * sinal(eps);
  // Class B: cold-worked steel, proportional up to 0,7·fyd.
  if (a <= 0.7 * epsEscoamento) return Es * eps;
  if (a > epsEscoamento + 0.002) return fyd * sinal(eps);
  const double k = 22.5 * epsEscoamento;
  const double radicando = (k - 0.7) * (k - 0.7) + 45.0 * a - 0.49;
  const double r = (0.7 - k) + std::sqrt(radicando > 0.0 ? radicando : 0.0);
  return fyd * sinal(eps) * r;
}

TResultadoSecao resolverSecao(const TMateriaisFlexao& mat, double h, double dLinha, double Nd,
                              double Md, double asComprimida, double asTracionada,
                              int passosMaximos) {
  TResultadoSecao r;
  const double d = h - dLinha;
  r.n = -Nd + 0.0;  // compression positive (never −0)
  r.m = Md + (h / 2.0 - dLinha) * r.n;
  r.status = TStatusSecao::foraDosDominios;
  if (!finito({h, dLinha, Nd, Md, asComprimida, asTracionada, mat.fcd, mat.fydCA50, mat.fydCA60,
               mat.Es, r.m}))
    return r;
  if (!(d > 0.0) || !(mat.fcd > 0.0) || !(mat.fydCA50 > 0.0) || !(mat.fydCA60 > 0.0) ||
      !(mat.Es > 0.0))
    return r;

  const double base = 100.0 * d * mat.fcd;
  const double mu = r.m / (base * d);
  const double omega1 = asComprimida * mat.fydCA60 / base;
  const double delta = dLinha / d;
  if (!finito({mu, omega1, delta})) return r;

  // Moments about the tensioned steel, per unit of 100·d²·fcd.
  auto equilibrio = [&](double xi) {
    const TDeformacoes e = deformacoes(xi, delta);
    const double sigmaComprimida = tensaoAco('A', mat.fydCA60, e.epsComprimida, mat.Es);
    return 0.85 * e.psi * xi * (1.0 - e.kappa * xi) +
           omega1 * (sigmaComprimida / mat.fydCA60) * (1.0 - delta) - mu;
  };

  // Bisection on the neutral-axis depth.
  double a = xiInicial, b = xiFinal, xi = 0.0, fm = 100.0;
  int passos = 0;
  while (std::fabs(fm) > tolerancia) {
    ++passos;
    const double fa = equilibrio(a);
    const double fb = equilibrio(b);
    if (!finito({fa, fb}) || mesmoSinal(fa, fb)) {
      r.passos = passos;
      return r;
    }
    if (std::fabs(fa) > tolerancia && std::fabs(fb) > tolerancia) {
      xi = (a + b) / 2.0;
      fm = equilibrio(xi);
      if (mesmoSinal(fm, fa))
        a = xi;
      else
        b = xi;
    } else if (std::fabs(fa) < tolerancia) {
      xi = a;
      fm = fa;
    } else {
      xi = b;
      fm = fb;
    }
    if (passos > passosMaximos) {
      r.status = TStatusSecao::semConvergencia;
      r.passos = passos;
      r.xi = xi;
      return r;
    }
  }

  const TDeformacoes e = deformacoes(xi, delta);
  const double sigma60 = tensaoAco('B', mat.fydCA60, e.epsAco, mat.Es);
  const double sigma50 = tensaoAco('A', mat.fydCA50, e.epsAco, mat.Es);
  const double sigmaComprimida = tensaoAco('A', mat.fydCA60, e.epsComprimida, mat.Es);
  if (!(sigma50 > 0.0)) return r;
  // Force equilibrium: concrete + compressed mesh − tensioned mesh − N, carried by bars.
  const double as =
      (0.85 * e.psi * xi * base + asComprimida * sigmaComprimida - asTracionada * sigma60 - r.n) /
      sigma50;
  if (!std::isfinite(as)) return r;
  r.status = TStatusSecao::ok;
  r.as = as;
  r.xi = xi;
  r.passos = passos;
  return r;
}

void relatarProblemaCalculo(int casoEmDimensionamento, TProgresso& progresso) {
  const char* problema = nullptr;
  const char* conselho = "Aumente a Espessura e Recalcule";
  switch (casoEmDimensionamento) {
    case casoEluVmaxHmin:
      problema = "Problema no cálculo de Vmax e Hmin";
      break;
    case casoEluVminHmax:
      problema = "Problema no cálculo de Vmin e Hmax";
      break;
    case casoEluVmaxHmax:
      problema = "Problema no cálculo de Vmax e Hmax";
      break;
    case casoIcamento:
      problema = "Problema no cálculo do içamento";
      conselho = "Diminua a distância de Içamento e Recalcule";
      break;
    default:
      return;
  }
  progresso.registrar(problema);
  progresso.registrar("");
  progresso.registrar(conselho);
  progresso.repintar();
}

TResultadoSecao dimensionarSecao(const TMateriaisFlexao& mat, double h, double dLinha, double Nd,
                                 double Md, double asComprimida, double asTracionada,
                                 int casoEmDimensionamento, bool& calculoInterrompido,
                                 TProgresso& progresso, int passosMaximos) {
  const TResultadoSecao r =
      resolverSecao(mat, h, dLinha, Nd, Md, asComprimida, asTracionada, passosMaximos);
  if (r.status == TStatusSecao::foraDosDominios) {
    progresso.registrar("");
    progresso.registrar("O dimensionamento está fora dos domínios 2, 3 ou 4");
    progresso.registrar("");
    relatarProblemaCalculo(casoEmDimensionamento, progresso);
    calculoInterrompido = true;
  } else if (r.status == TStatusSecao::semConvergencia) {
    progresso.registrar("Solução nao encontrada");
    progresso.registrar("");
    calculoInterrompido = true;
  }
  return r;
}

void atualizarAreaTela(const TCatalogoTelas& catalogo, TDimensionamento& d) {
  auto tela = [&](int local) {
    return catalogo.secaoLongitudinal(d.telaEscolhida[static_cast<size_t>(local)]);
  };
  d.areaTela.fill(0.0);
  for (int k : locaisComTela) d.areaTela[static_cast<size_t>(k)] = tela(k);
  // The external meshes of slab and wall overlap at the external corners.
  d.areaTela[3] = tela(1) + tela(5);
  d.areaTela[7] = tela(5) + tela(9);
}

void dimensionarFlexao(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                       const TCatalogoTelas& catalogo, TDimensionamento& d,
                       bool& calculoInterrompido, TProgresso& progresso) {
  atualizarAreaTela(catalogo, d);
  const TMateriaisFlexao mat = materiaisFlexao(p);
  d.asPosicao.fill(0.0);
  d.nPosicao.fill(0.0);
  d.mPosicao.fill(0.0);

  for (int c = casoEluVmaxHmin; c <= casoIcamento; ++c) {
    d.casoEmDimensionamento = c;
    for (int secao = 1; secao <= nSecoes; ++secao) {
      const size_t is = static_cast<size_t>(secao);
      const int no = s.noSecao[is];
      const double Md = valorCaso(m.momentoIni, no, c);
      const double Nd = valorCaso(m.normalIni, no, c);
      const double ext = d.areaTela[static_cast<size_t>(localExterno[is])];
      const double inte = d.areaTela[static_cast<size_t>(localInterno[is])];
      TResultadoSecao r;
      int posicao = 0;
      if (Md > 0.0) {  // external face tensioned
        r = dimensionarSecao(mat, s.espessura[is], s.dLinha[is], Nd, Md, inte, ext, c,
                             calculoInterrompido, progresso);
        posicao = 2 * secao - 1;
      } else {
        r = dimensionarSecao(mat, s.espessura[is], s.dLinha[is], Nd, std::fabs(Md), ext, inte, c,
                             calculoInterrompido, progresso);
        posicao = 2 * secao;
      }
      if (r.status != TStatusSecao::ok) return;
      const size_t ip = static_cast<size_t>(posicao);
      if (r.as > d.asPosicao[ip]) {
        d.asPosicao[ip] = r.as;
        d.nPosicao[ip] = r.n;
        d.mPosicao[ip] = r.m;
      }
    }
  }

  for (int i = 1; i <= nPosicoesVerificacao; ++i) {
    const size_t ip = static_cast<size_t>(i);
    d.asPosicao[ip] = arredondar2(d.asPosicao[ip]) + 0.0;
    d.nPosicao[ip] = arredondar2(d.nPosicao[ip]) + 0.0;
    d.mPosicao[ip] = arredondar2(d.mPosicao[ip]) + 0.0;
  }

  auto pos = [&](int i) {
    const size_t ip = static_cast<size_t>(i);
    return TCandidato{d.asPosicao[ip], d.nPosicao[ip], d.mPosicao[ip]};
  };
  // A haunch end counts the bars of the adjoining mid-span location as present.
  auto menos = [](TCandidato c, const TCandidato& presente) {
    c.as -= presente.as;
    return c;
  };
  std::array<TCandidato, 11> local{};
  local[1] = pos(1);
  local[2] = maior({pos(2), pos(4)});
  local[5] = pos(9);
  local[6] = maior({pos(10), pos(8), pos(12)});
  local[9] = pos(17);
  local[10] = maior({pos(18), pos(16)});
  local[3] = maior({pos(5), menos(pos(3), local[1]), menos(pos(7), local[5])});
  local[7] = maior({pos(13), menos(pos(11), local[5]), menos(pos(15), local[9])});
  local[4] = pos(6);
  local[8] = pos(14);
  // The internal corners always get at least three bars of 6,3 mm.
  for (size_t k : {size_t{4}, size_t{8}})
    if (local[k].as == 0.0) local[k].as = areaMinimaBarras;

  for (size_t k = 1; k <= static_cast<size_t>(nLocaisArmadura); ++k) {
    d.nProjeto[k] = arredondar2(local[k].n) + 0.0;
    d.mProjeto[k] = arredondar2(local[k].m) + 0.0;
    d.asBarrasCalculada[k] = local[k].as > 0.0 ? arredondar4(local[k].as) : 0.0;
  }
}

}  // namespace galeria
