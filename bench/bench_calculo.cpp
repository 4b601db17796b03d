// Time of a whole calculation of the typical run and of the largest section.
#include <benchmark/benchmark.h>

#include "analysis/analise.h"
#include "comum/projetos_teste.h"
#include "design/calculo.h"

namespace galeria {
namespace {

TSessao sessaoPronta(const TProjeto& p) {
  TSessao s;
  s.projeto = p;
  confirmarGeometria(s.projeto, s.analise.modelo);
  return s;
}

void analiseCompleta(benchmark::State& estado, const TProjeto& p) {
  TSessao s = sessaoPronta(p);
  TProgressoSilencioso progresso;
  bool interrompido = false;
  for (auto _ : estado) {
    interrompido = false;
    executarAnalise(s.projeto, s.analise, progresso, interrompido);
    benchmark::DoNotOptimize(s.analise.modelo.momentoIni[1][1]);
  }
  estado.counters["nos"] = s.analise.modelo.nNos;
}

void calculoCompleto(benchmark::State& estado, const TProjeto& p) {
  TSessao s = sessaoPronta(p);
  TProgressoSilencioso progresso;
  for (auto _ : estado) {
    executarCalculo(s, progresso);
    benchmark::DoNotOptimize(s.analise.modelo.momentoIni[1][1]);
  }
  estado.counters["nos"] = s.analise.modelo.nNos;
}

BENCHMARK_CAPTURE(analiseCompleta, tipica, teste::projetoTipico())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(analiseCompleta, maior, teste::projetoMaior())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculoCompleto, tipica, teste::projetoTipico())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calculoCompleto, maior, teste::projetoMaior())->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace galeria
