#include "design/custo_sessao.h"

namespace galeria {

namespace {

std::string textoEscolhido(const TListaBarras& lista, int indice) {
  const TAlternativaBarras* alt = alternativaEscolhida(lista, indice);
  return alt ? alt->texto : std::string(textoSemBarras);
}

}  // namespace

TEntradaCusto entradaCustoDaSessao(const TSessao& s, const TPrecosCusto& precos) {
  TEntradaCusto e = entradaCustoDoProjeto(s.projeto, precos);
  const TDimensionamento& d = s.dimensionamento;
  auto barra = [&d](size_t local) {
    return textoEscolhido(d.alternativasBarras[local], d.barraEscolhida[local]);
  };
  TBarrasCusto& b = e.barras;
  b.EBE = barra(1);
  b.EBI = barra(2);
  b.EQIE = barra(3);
  b.EQII = barra(4);
  b.EFE = barra(5);
  b.EFI = barra(6);
  b.EQSE = barra(7);
  b.EQSI = barra(8);
  b.ECE = barra(9);
  b.ECI = barra(10);
  b.Efs = textoEscolhido(d.alternativasFadiga[1], d.fadigaEscolhida[1]);  // crown
  b.Efq = textoEscolhido(d.alternativasFadiga[2], d.fadigaEscolhida[2]);  // upper corner
  e.comprimentoBarra.assign(d.comprimentoBarra.begin(), d.comprimentoBarra.end());
  e.comprimentoPeca.assign(d.comprimentoPeca.begin(), d.comprimentoPeca.end());
  return e;
}

}  // namespace galeria
