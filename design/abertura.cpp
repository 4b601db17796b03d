#include "design/abertura.h"

#include <utility>

#include "analysis/malha.h"
#include "design/revisao.h"
#include "project/arquivo_projeto.h"

namespace galeria {

void reconstruirMalha(TSessao& s) {
  gerarMalha(s.projeto, s.analise.modelo);
  s.projeto.estado.geometriaConfirmada = true;
  redefinirResultados(s.projeto);
}

TAberturaSessao abrirProjetoSessao(TSessao& s, const std::filesystem::path& caminho,
                                   const TConfiguracao& configuracao, TProgresso& progresso,
                                   const TAjusteAbertura& ajuste) {
  TAberturaSessao r;
  TLeituraProjeto leitura = lerProjeto(caminho, configuracao.solos, s.projeto);
  if (!leitura.ok) {
    r.erro = std::move(leitura.erro);
    return r;
  }
  if (ajuste) {
    std::string erro = ajuste(leitura.projeto);
    if (!erro.empty()) {
      r.erro = std::move(erro);
      return r;
    }
  }

  r.aberto = true;
  r.avisos = std::move(leitura.avisos);
  s.projeto = std::move(leitura.projeto);
  reconstruirMalha(s);
  executarCalculo(s, progresso);

  // The meshes first: the bar lists the stored bar indexes point into are
  // the ones built for these meshes.
  TRefazerComTelas refazer = [&s, &progresso](TProjeto& p) {
    redimensionarComTelas(s, p.Resultados.telaEscolhida, progresso);
    const std::array<int, 12> n = tamanhosDasListas(s.dimensionamento);
    TTamanhosListas t;
    for (size_t k = 0; k < t.nBarras.size(); ++k) t.nBarras[k] = n[k];
    t.nFadiga = {n[10], n[11]};
    return t;
  };
  TProjeto& p = s.projeto;
  TAplicacaoEscolhas escolhas = aplicarResultados(p, leitura.escolhas, p.estado.calculoInterrompido,
                                                  TCatalogoTelas::nTelas, refazer);
  for (std::string& aviso : escolhas.avisos) r.avisos.push_back(std::move(aviso));
  r.escolhaAplicada = escolhas.aplicada;

  if (escolhas.aplicada) {
    if (p.estado.calculoInterrompido) {
      // The design failed for the stored meshes: what is in memory is no result.
      s.banner = bannerInterrompido;
      p.estado.resultadosValidos = false;
    } else {
      const std::array<int, 10> barras = p.Resultados.barraEscolhida;
      const std::array<int, 2> fadiga = p.Resultados.fadigaEscolhida;
      definirEscolhaBarras(s, barras, fadiga);
    }
  }
  return r;
}

}  // namespace galeria
