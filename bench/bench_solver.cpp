// The frame solver on the same system as the plain dense elimination, on the
// typical frame and on the largest section, and the limit-state and lifting
// analyses of the largest section.
#include <benchmark/benchmark.h>

#include "analysis/estados_limites.h"
#include "analysis/solver.h"
#include "comum/modelo_teste.h"
#include "comum/projetos_teste.h"
#include "comum/referencia_densa.h"

namespace galeria {
namespace {

constexpr double kMola = 1.5;

TModeloEF modeloCarregado(bool maior) {
  TModeloEF m = teste::modeloCalculado(maior ? teste::projetoMaior() : teste::projetoTipico());
  teste::cargaSimetrica(m, 1, 0.6, 0.1, 0.15, 0.04);
  return m;
}

void montarSistema(TSolverPortico& s, const TModeloEF& m) {
  s.zerarRigidez();
  s.montarRigidez(m);
  for (int k = 1; k <= m.noInfDir; ++k) {
    s.somarRigidezDiagonal(3 * k - 2, kMola * m.inflInferior[k]);
    s.somarRigidezDiagonal(3 * k - 1, kMola * m.inflInferior[k]);
  }
  for (int g = 1; g <= m.nGraus(); ++g) s.vetorCargas[g] = m.cargaNodal[g][1];
}

// One solve as the analysis does it: assembly, springs, elimination,
// substitution, residual check and end forces.
void BM_SolverBanda(benchmark::State& state) {
  const TModeloEF m = modeloCarregado(state.range(0) != 0);
  TSolverPortico s;
  s.preparar(m);
  for (auto _ : state) {
    montarSistema(s, m);
    benchmark::DoNotOptimize(s.resolverSistema());
    s.esforcosElementos(m);
    benchmark::DoNotOptimize(s.extremidade3.data());
  }
  state.counters["graus"] = m.nGraus();
}
BENCHMARK(BM_SolverBanda)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The solution alone, on an assembled system.
void BM_SolverBandaSoResolver(benchmark::State& state) {
  const TModeloEF m = modeloCarregado(state.range(0) != 0);
  TSolverPortico s;
  s.preparar(m);
  montarSistema(s, m);
  for (auto _ : state) benchmark::DoNotOptimize(s.resolverSistema());
  state.counters["graus"] = m.nGraus();
}
BENCHMARK(BM_SolverBandaSoResolver)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The plain elimination over whole rows on the same matrix (the copy of the
// matrix before each run is not timed).
void BM_EliminacaoDensa(benchmark::State& state) {
  const TModeloEF m = modeloCarregado(state.range(0) != 0);
  Mreal K0 = teste::rigidezDensa(m, false);
  teste::somarMolasDensas(m, K0, 1, kMola);
  Vreal b0 = criarVreal(m.nGraus());
  for (int g = 1; g <= m.nGraus(); ++g) b0[g] = m.cargaNodal[g][1];
  for (auto _ : state) {
    state.PauseTiming();
    Mreal K = K0;
    Vreal x = b0;
    state.ResumeTiming();
    teste::eliminacaoGauss(K, x);
    benchmark::DoNotOptimize(x.data());
  }
  state.counters["graus"] = m.nGraus();
}
BENCHMARK(BM_EliminacaoDensa)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The nine limit-state cases (no-tension loops and reduced solves) and the
// lifting case of the largest section.
void BM_EstadosLimitesEIcamentoMaior(benchmark::State& state) {
  TProjeto p = teste::projetoMaior();
  p.Criterio.kr = state.range(0);  // stiff soil: the middle of the slab lifts off
  TModeloEF base = teste::modeloCalculado(p);
  const double arranjo[3][3] = {{0.6, 0.10, 0.15}, {0.3, 0.25, 0.20}, {0.6, 0.25, 0.20}};
  const double fator[3] = {1.0, 0.7, 0.8};
  for (int grupo = 0; grupo < 3; ++grupo)
    for (int i = 0; i < 3; ++i)
      teste::cargaSimetrica(base, grupo == 0 ? 1 + i : 2 + 3 * grupo + i,
                            fator[grupo] * arranjo[i][0], fator[grupo] * arranjo[i][1],
                            fator[grupo] * arranjo[i][2], fator[grupo] * 0.04);
  int removidas = 0, reduzidos = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TModeloEF m = base;
    TRegistroMemoria registro;
    state.ResumeTiming();
    benchmark::DoNotOptimize(analisarEstadosLimites(p, m, registro));
    benchmark::DoNotOptimize(analisarIcamento(p, m, registro));
    state.PauseTiming();
    removidas = reduzidos = 0;
    for (int c = 1; c <= nCasos; ++c) {
      reduzidos += m.rigidezReduzida[c];
      for (int k = 1; k <= m.noInfDir; ++k) removidas += 1 - m.apoioAtivo[k][c];
    }
    state.ResumeTiming();
  }
  state.counters["molasRetiradas"] = removidas;
  state.counters["casosReduzidos"] = reduzidos;
}
BENCHMARK(BM_EstadosLimitesEIcamentoMaior)
    ->Arg(15)
    ->Arg(55)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace galeria
