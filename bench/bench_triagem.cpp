// One screening of every bar alternative against the crack limit, as the
// results dialog runs it after a mesh change.
#include <benchmark/benchmark.h>

#include "comum/projetos_teste.h"
#include "design/calculo.h"

namespace galeria {
namespace {

void triagemCompleta(benchmark::State& estado, const TProjeto& p) {
  TSessao s;
  s.projeto = p;
  confirmarGeometria(s.projeto, s.analise.modelo);
  TRegistroMemoria registro;
  executarCalculo(s, registro);
  const TCatalogoTelas& catalogo = construirCatalogoTelas();
  int alternativas = 0;
  for (auto _ : estado) {
    TListasAlternativas listas = listasAlternativas(s.dimensionamento);
    TArmaduraAdotada armadura = armaduraAdotada(s.dimensionamento, catalogo);
    TTriagemAlternativas triagem;
    TFissuracao f =
        triarAlternativas(s.projeto, s.analise.modelo, s.analise.secoes, listas, armadura, triagem);
    benchmark::DoNotOptimize(f.aberturaFissura[5][1]);
    alternativas = 0;
    for (size_t k = 1; k <= nLocais; ++k)
      alternativas += static_cast<int>(listas.alternativasBarras[k].size());
  }
  estado.counters["alternativas"] = alternativas;
}

BENCHMARK_CAPTURE(triagemCompleta, tipica, teste::projetoTipico())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(triagemCompleta, maior, teste::projetoMaior())->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace galeria
