#include "design/revisao.h"

#include "design/armaduras.h"
#include "design/flexao.h"

namespace galeria {

namespace {

void quantidades(TSessao& s, TProgresso& progresso) {
  bool& parado = s.projeto.estado.calculoInterrompido;
  calcularArmaduraAoLongo(s.projeto, s.analise.modelo, s.analise.secoes, s.dimensionamento, parado,
                          progresso);
  calcularComprimentosBarras(s.projeto, s.analise.modelo, s.analise.secoes, s.dimensionamento);
}

}  // namespace

void redimensionarComTelas(TSessao& s, const std::array<int, 6>& telasArquivo,
                           TProgresso& progresso) {
  const TCatalogoTelas& catalogo = construirCatalogoTelas();
  TDimensionamento& d = s.dimensionamento;
  bool& parado = s.projeto.estado.calculoInterrompido;
  std::array<int, 6> telas = telasArquivo;
  for (int& t : telas)
    if (!catalogo.indiceValido(t)) t = 0;
  telasDoArquivo(telas, d);
  dimensionarFlexao(s.projeto, s.analise.modelo, s.analise.secoes, catalogo, d, parado, progresso);
  if (!parado) {
    montarAlternativasBarras(s.projeto, d);
    TListasAlternativas listas = listasAlternativas(d);
    TArmaduraAdotada armadura = armaduraAdotada(d, catalogo);
    s.fissuracao = triarAlternativas(s.projeto, s.analise.modelo, s.analise.secoes, listas,
                                     armadura, s.triagem);
    for (size_t k = 1; k <= nLocais; ++k) d.barraEscolhida[k] = listas.barraEscolhida[k];
    calcularAreaBarrasEscolhidas(d);
  }
  quantidades(s, progresso);
  registrarEscolha(s.dimensionamento, s.projeto.Resultados);
}

void definirEscolhaBarras(TSessao& s, const std::array<int, 10>& barras,
                          const std::array<int, 2>& fadiga) {
  TDimensionamento& d = s.dimensionamento;
  for (size_t k = 1; k <= nLocais; ++k) d.barraEscolhida[k] = barras[k - 1];
  d.fadigaEscolhida[1] = fadiga[0];
  d.fadigaEscolhida[2] = fadiga[1];
  calcularAreaBarrasEscolhidas(d);
  s.fissuracao = verificarFissuracao(s.projeto, s.analise.modelo, s.analise.secoes,
                                     armaduraAdotada(d, construirCatalogoTelas()));
  TProgressoSilencioso mudo;
  quantidades(s, mudo);
  registrarEscolha(s.dimensionamento, s.projeto.Resultados);
}

std::array<int, 12> tamanhosDasListas(const TDimensionamento& d) {
  std::array<int, 12> t{};
  for (size_t k = 1; k <= nLocais; ++k) t[k - 1] = static_cast<int>(d.alternativasBarras[k].size());
  t[10] = static_cast<int>(d.alternativasFadiga[1].size());
  t[11] = static_cast<int>(d.alternativasFadiga[2].size());
  return t;
}

}  // namespace galeria
