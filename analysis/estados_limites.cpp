#include "analysis/estados_limites.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/solver.h"

namespace galeria {

namespace {

// Softest base spring per cm of influence length (kN/cm per cm).
constexpr double kMolaMinimo = 0.000001;
// Stiffness of a lifting point in each translation (kN/cm).
constexpr double rigidezIcamento = 1e8;

void registrarLinha(TProgresso& progresso, const std::string& linha) {
  progresso.registrar(linha);
  progresso.registrar("");
  progresso.repintar();
}

const char* nomeCaso(int caso) {
  switch (caso) {
    case casoEluVmaxHmin:
      return "ELU Vmax e Hmin";
    case casoEluVminHmax:
      return "ELU Vmin e Hmax";
    case casoEluVmaxHmax:
      return "ELU Vmax e Hmax";
    case casoIcamento:
      return "Içamento";
    case casoFissVmaxHmin:
      return "ELS Fissuração Vmax e Hmin";
    case casoFissVminHmax:
      return "ELS Fissuração Vmin e Hmax";
    case casoFissVmaxHmax:
      return "ELS Fissuração Vmax e Hmax";
    case casoFadVmaxHmin:
      return "ELS Fadiga Vmax e Hmin";
    case casoFadVminHmax:
      return "ELS Fadiga Vmin e Hmax";
    case casoFadVmaxHmax:
      return "ELS Fadiga Vmax e Hmax";
    default:
      return "";
  }
}

void registrarSistemaSingular(TProgresso& progresso, int caso) {
  registrarLinha(progresso, std::string("Sistema de equações sem solução (") + nomeCaso(caso) +
                                "): estrutura sem apoio suficiente ou dados inválidos");
}

// Every array the analysis reads or writes holds the current ring.
bool modeloDimensionado(const TModeloEF& m) {
  const size_t n = static_cast<size_t>(std::max(m.nNos, 0)) + 1;
  const size_t N = 3 * (n - 1) + 1;
  const auto vetor = [](const Vreal& v, size_t t) { return v.size() >= t; };
  const auto matriz = [](const auto& mm, size_t t) {
    return mm.size() >= t &&
           std::all_of(mm.begin(), mm.end(), [](const auto& l) { return l.size() > nCasos; });
  };
  return m.nNos > 0 && vetor(m.compElem, n) && vetor(m.cosElem, n) && vetor(m.senElem, n) &&
         vetor(m.area, n) && vetor(m.inercia, n) && vetor(m.moduloE, n) && vetor(m.espessura, n) &&
         vetor(m.fatorInerciaAtual, n) && vetor(m.inflInferior, n + 1) &&
         vetor(m.inflDireita, n + 1) && vetor(m.inflSuperior, n + 1) &&
         vetor(m.inflEsquerda, n + 1) && matriz(m.cargaNodal, N) && matriz(m.deslocamento, N) &&
         matriz(m.somaNodal, N) && matriz(m.reacao, N) && matriz(m.normalIni, n) &&
         matriz(m.normalFim, n) && matriz(m.cortanteIni, n) && matriz(m.cortanteFim, n) &&
         matriz(m.momentoIni, n) && matriz(m.momentoFim, n) && matriz(m.apoioAtivo, n) &&
         matriz(m.tensaoTracao, n) && matriz(m.fatorInercia, n) &&
         m.rigidezReduzida.size() > nCasos;
}

// A support stiffness on one degree of freedom.
struct TApoio {
  int grau;
  double rigidez;
};

// One solve of a case: assembly (full or reduced), supports, solution,
// end forces, internal forces and nodal sums. A system without solution
// leaves the case's results zero.
bool resolverCaso(TSolverPortico& solver, TModeloEF& m, int caso, bool reduzida,
                  const std::vector<TApoio>& apoios) {
  const auto c = static_cast<size_t>(caso);
  solver.zerarRigidez();
  if (reduzida) {
    for (int e = 1; e <= m.nNos; ++e)
      m.fatorInerciaAtual[static_cast<size_t>(e)] = m.fatorInercia[static_cast<size_t>(e)][c];
    solver.montarRigidezReduzida(m);
  } else {
    solver.montarRigidez(m);
  }
  for (const TApoio& a : apoios) solver.somarRigidezDiagonal(a.grau, a.rigidez);
  for (int g = 1; g <= m.nGraus(); ++g)
    solver.vetorCargas[static_cast<size_t>(g)] = m.cargaNodal[static_cast<size_t>(g)][c];
  if (!solver.resolverSistema()) {
    zerarResultadosCaso(m, caso);
    return false;
  }
  for (int g = 1; g <= m.nGraus(); ++g)
    m.deslocamento[static_cast<size_t>(g)][c] = solver.vetorSolucao[static_cast<size_t>(g)];
  if (reduzida)
    solver.esforcosElementosReduzidos(m);
  else
    solver.esforcosElementos(m);
  guardarEsforcos(solver, m, caso);
  somarEsforcosNodais(m, caso);
  return true;
}

// Base nodes that carry springs: 1..noInfDir, within the ring.
int ultimoNoDaBase(const TModeloEF& m) { return std::clamp(m.noInfDir, 0, m.nNos); }

// The springs of the base nodes still active in a case (the list is reused).
void molasAtivas(const TModeloEF& m, int caso, double kMola, std::vector<TApoio>& molas) {
  molas.clear();
  for (int k = 1; k <= ultimoNoDaBase(m); ++k) {
    if (m.apoioAtivo[static_cast<size_t>(k)][static_cast<size_t>(caso)] != 1) continue;
    const double rigidez = kMola * m.inflInferior[static_cast<size_t>(k)];
    molas.push_back({3 * k - 2, rigidez});
    molas.push_back({3 * k - 1, rigidez});
  }
}

// Solves a case again while springs pull on the soil, removing them; a
// removed spring never comes back, so there are at most noInfDir + 1 solves.
bool resolverSemTracao(TSolverPortico& solver, TModeloEF& m, int caso, double kMola,
                       std::vector<TApoio>& molas) {
  const auto c = static_cast<size_t>(caso);
  for (int solucao = 0; solucao <= ultimoNoDaBase(m); ++solucao) {
    molasAtivas(m, caso, kMola, molas);
    if (!resolverCaso(solver, m, caso, false, molas)) return false;
    bool retirou = false;
    for (int k = 1; k <= ultimoNoDaBase(m); ++k) {
      int& ativo = m.apoioAtivo[static_cast<size_t>(k)][c];
      if (ativo == 1 && m.reacao[static_cast<size_t>(3 * k - 1)][c] < 0) {
        ativo = 0;
        retirou = true;
      }
    }
    if (!retirou) break;
  }
  return true;
}

}  // namespace

void verificarReducaoRigidez(TModeloEF& m, int caso, double limite, double redRigidez) {
  const auto c = static_cast<size_t>(caso);
  for (int e = 1; e <= m.nNos; ++e) {
    const auto i = static_cast<size_t>(e);
    const double momento = std::abs((m.momentoIni[i][c] + m.momentoFim[i][c]) / 2.0);
    const double normal = (m.normalIni[i][c] + m.normalFim[i][c]) / 2.0;
    const double t = m.espessura[i], I = m.inercia[i];
    // An element without section carries nothing: no stress instead of 0/0.
    const double flexao = I > 0 && t > 0 ? momento / I * t / 2.0 : 0.0;
    const double axial = t > 0 ? normal / (t * 100.0) : 0.0;
    double tensao = flexao + axial;
    if (!std::isfinite(tensao)) tensao = 0.0;
    m.tensaoTracao[i][c] = tensao;
    if (tensao > limite) {
      m.fatorInercia[i][c] = redRigidez;
      m.rigidezReduzida[c] = 1;
    }
  }
}

namespace {

// One limit state: the no-tension loop, the stiffness check and the final
// solve of the reduced cases.
bool analisarGrupo(const TProjeto& p, TModeloEF& m, TProgresso& progresso, TSolverPortico& solver,
                   const std::vector<int>& casos, double kMola) {
  bool ok = true;
  std::vector<TApoio> molas;
  molas.reserve(static_cast<size_t>(2 * ultimoNoDaBase(m)));
  for (int caso : casos)
    if (!resolverSemTracao(solver, m, caso, kMola, molas)) {
      registrarSistemaSingular(progresso, caso);
      ok = false;
    }

  registrarLinha(progresso, "Verificando a Necessidade de Reduzir a Rigidez");
  const double limite = tensaoLimite(p.Criterio.fck);
  for (int caso : casos) verificarReducaoRigidez(m, caso, limite, p.Armadura.redRigidez);

  registrarLinha(progresso, "Resolvendo Sistema de Equações Definitivo");
  for (int caso : casos) {
    if (m.rigidezReduzida[static_cast<size_t>(caso)] != 1) continue;
    molasAtivas(m, caso, kMola, molas);
    if (!resolverCaso(solver, m, caso, true, molas)) {
      registrarSistemaSingular(progresso, caso);
      ok = false;
    }
  }
  return ok;
}

// Thicknesses of bottom slab, walls and top slab, cm; a constant section
// has the top slab's thickness everywhere.
struct TEspessuras {
  double hb, hp, hc;
};

TEspessuras espessuras(const TGeometria& geometria) {
  const TGeometria g = geometriaEfetiva(geometria);
  return {g.hb, g.hp, g.hc};
}

// Number of top-slab elements a lifting walk may cover: the farthest node the
// installation dialog accepts, short of mid-span on the walk's own side.
int passosMaximosIcamento(int k) {
  if (k <= 0) return 0;
  // u = k/2 rounded to the nearest integer, halves to the even one.
  const int u = k % 2 == 0 ? k / 2 : ((k / 2) % 2 == 0 ? k / 2 : k / 2 + 1);
  return k % 2 == 0 ? u - 1 : u;
}

}  // namespace

double tensaoLimite(double fck) {
  if (!std::isfinite(fck) || fck <= 0) return 0.0;
  return 1.5 * 0.3 * std::pow(fck, 2.0 / 3.0) / 10.0;
}

bool analisarEstadosLimites(const TProjeto& p, TModeloEF& m, TProgresso& progresso) {
  registrarLinha(progresso, "Análise para o Estado Limite Último (ELU)");
  registrarLinha(progresso, "Retirando Reações de Apoio Negativas");
  if (!modeloDimensionado(m)) {
    registrarSistemaSingular(progresso, casoEluVmaxHmin);
    return false;
  }

  double kMola = p.Criterio.kr / 10.0;
  if (!(kMola >= kMolaMinimo)) kMola = kMolaMinimo;  // also a kr that is not a number

  TSolverPortico solver;
  solver.preparar(m);
  const std::vector<int> elu{casoEluVmaxHmin, casoEluVminHmax, casoEluVmaxHmax};
  const std::vector<int> els{casoFissVmaxHmin, casoFissVminHmax, casoFissVmaxHmax,
                             casoFadVmaxHmin,  casoFadVminHmax,  casoFadVmaxHmax};
  const bool okElu = analisarGrupo(p, m, progresso, solver, elu, kMola);
  registrarLinha(progresso, "Análise para o Estado Limite de Serviço (ELS)");
  const bool okEls = analisarGrupo(p, m, progresso, solver, els, kMola);
  return okElu && okEls;
}

bool analisarIcamento(const TProjeto& p, TModeloEF& m, TProgresso& progresso) {
  if (!modeloDimensionado(m)) {
    registrarSistemaSingular(progresso, casoIcamento);
    return false;
  }
  const auto c = static_cast<size_t>(casoIcamento);
  const int n = m.nNos;

  // Own weight times the impact coefficient, at the nodes of each side; a
  // corner node takes the share of both members that meet there.
  for (int g = 1; g <= m.nGraus(); ++g) m.cargaNodal[static_cast<size_t>(g)][c] = 0.0;
  const TEspessuras t = espessuras(p.Geometria);
  const double w = p.Instalacao.coefImpacto * p.Criterio.pesoConcreto / 1e6;
  const auto carregarLado = [&](int primeiro, int ultimo, double espessura, const Vreal& infl) {
    const int fim = std::min(ultimo, n + 1);
    for (int k = std::max(primeiro, 1); k <= fim; ++k) {
      const int no = k == n + 1 ? 1 : k;
      m.cargaNodal[static_cast<size_t>(3 * no - 1)][c] -=
          w * espessura * infl[static_cast<size_t>(k)] * 100.0;
    }
  };
  carregarLado(1, m.noInfDir, t.hb, m.inflInferior);
  carregarLado(m.noInfDir, m.noSupDir, t.hp, m.inflDireita);
  carregarLado(m.noSupDir, m.noSupEsq, t.hc, m.inflSuperior);
  carregarLado(m.noSupEsq, n + 1, t.hp, m.inflEsquerda);

  // Lifting nodes: walking the top slab from each top corner, the first node
  // at least dist away (the first element's end at least). The walk covers
  // the slab's k elements and the next wall's first one. The installation
  // dialog keeps dist short of mid-span, but only for the geometry in force
  // when it was confirmed; a distance the walk never reaches falls back on
  // the farthest node that dialog accepts.
  const double dist = p.Instalacao.dica - t.hp / 2.0;
  const int noSupDir = std::clamp(m.noSupDir, 1, n);
  const int noSupEsq = std::clamp(m.noSupEsq, noSupDir, n);
  const int k = noSupEsq - noSupDir;
  const int passos = passosMaximosIcamento(k);
  // sentido +1 walks from noSupDir toward noSupEsq, −1 the other way.
  const auto noIcamento = [&](int canto, int sentido) {
    double acumulado = 0.0;
    for (int i = 0; i <= k; ++i) {
      const int e = sentido > 0 ? canto + i : canto - 1 - i;
      if (e < 1 || e > n) break;
      acumulado += m.compElem[static_cast<size_t>(e)];
      if (acumulado >= dist) return sentido > 0 ? m.noFinal(e) : e;
    }
    return canto + sentido * passos;
  };
  const int noDir = noIcamento(noSupDir, +1);
  const int noEsq = noIcamento(noSupEsq, -1);
  m.noIcamentoDir = noDir;
  m.noIcamentoEsq = noEsq;

  const std::vector<TApoio> apoios{{3 * noDir - 2, rigidezIcamento},
                                   {3 * noDir - 1, rigidezIcamento},
                                   {3 * noEsq - 2, rigidezIcamento},
                                   {3 * noEsq - 1, rigidezIcamento}};
  TSolverPortico solver;
  solver.preparar(m);
  if (!resolverCaso(solver, m, casoIcamento, false, apoios)) {
    registrarSistemaSingular(progresso, casoIcamento);
    return false;
  }
  return true;
}

}  // namespace galeria
