#include "resumo.h"

#include <string>

#include "project/catalogo_telas.h"

namespace galeria {

namespace {

// The mesh text of a location: its slot's mesh, the two overlapping meshes
// at an external corner, none at an internal corner.
std::string telaDoLocal(const TDimensionamento& d, int k) {
  const TCatalogoTelas& catalogo = construirCatalogoTelas();
  auto nome = [&](int local) {
    return catalogo.tela(d.telaEscolhida[static_cast<size_t>(local)]).designacao;
  };
  switch (k) {
    case 3:
      return nome(1) + "+" + nome(5);
    case 7:
      return nome(5) + "+" + nome(9);
    case 4:
    case 8:
      return "-";
    default:
      return nome(k);
  }
}

std::string escolhida(const TListaBarras& lista, int indice) {
  const TAlternativaBarras* alt = alternativaEscolhida(lista, indice);
  return alt ? alt->texto : "(nenhuma)";
}

std::string colunas(std::string texto, size_t largura) {
  // Pads by characters, not bytes, so accented labels line up.
  size_t caracteres = 0;
  for (unsigned char c : texto)
    if ((c & 0xC0) != 0x80) ++caracteres;
  if (caracteres < largura) texto.append(largura - caracteres, ' ');
  return texto;
}

}  // namespace

void imprimirResumo(const TSessao& s, std::ostream& o) {
  const TDimensionamento& d = s.dimensionamento;
  o << "\nRESUMO DO DIMENSIONAMENTO\n\n";
  o << colunas("Local", 16) << colunas("Face", 9) << colunas("Nsd (kN)", 11)
    << colunas("Msd (kN.cm)", 13) << colunas("Tela", 11) << colunas("As calc. (cm²/m)", 18)
    << "Barras (CA-50)\n";
  for (int k = 1; k <= nLocais; ++k) {
    const size_t i = static_cast<size_t>(k);
    o << colunas(rotuloLocal(k), 16) << colunas(faceLocal(k), 9)
      << colunas(formatar2(d.nProjeto[i]), 11) << colunas(formatar2(d.mProjeto[i]), 13)
      << colunas(telaDoLocal(d, k), 11) << colunas(formatar4(d.asBarrasCalculada[i]), 18)
      << escolhida(d.alternativasBarras[i], d.barraEscolhida[i]) << '\n';
  }

  o << "\nFadiga (ELS)\n";
  o << "  Meio Superior (Armadura Interna): Δσ = " << formatar2(d.tensaoFadigaCoroamento * 10)
    << " MPa; armadura adicional " << formatar4(d.asFadigaCoroamento) << " cm²/m; "
    << escolhida(d.alternativasFadiga[1], d.fadigaEscolhida[1]) << '\n';
  o << "  Quina Superior (Armadura Externa): Δσ = " << formatar2(d.tensaoFadigaQuina * 10)
    << " MPa; armadura adicional " << formatar4(d.asFadigaQuina) << " cm²/m; "
    << escolhida(d.alternativasFadiga[2], d.fadigaEscolhida[2]) << '\n';

  o << "\nForça Cortante (ELU)\n";
  for (const TVerificacaoCortante* v : {&s.cortante.cortanteMisula, &s.cortante.cortanteParede}) {
    o << "  " << colunas(v->rotulo, 10) << " Vsd = " << formatar2(v->Vsd)
      << " kN/m; Vrd1 = " << formatar2(v->Vrd1) << " kN/m; Asw = " << formatar2(v->Asw)
      << " cm²/m\n";
  }
  o << "  Armadura transversal: " << s.cortante.textoArea
    << "; distância: " << s.cortante.textoDistancia << '\n';

  o << "\nFissuração (ELS), limite " << formatar2(s.projeto.Armadura.w) << " mm\n";
  for (int pos = 1; pos <= nPosicoes; ++pos) {
    double maior = 0.0;
    for (int c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c) {
      const double w =
          s.fissuracao.aberturaFissura[static_cast<size_t>(c)][static_cast<size_t>(pos)];
      if (w > maior) maior = w;
    }
    const int secao = (pos + 1) / 2;
    o << "  Posição " << colunas(std::to_string(pos), 3)
      << colunas(pos % 2 ? "Externa" : "Interna", 8) << " seção " << secao
      << ": w = " << formatar4(maior) << " mm\n";
  }
}

void imprimirCusto(const TResultadoCusto& c, std::ostream& o) {
  o << "\nCUSTO\n\n" << c.titulo << '\n';
  o << "  Preço do aço CA 60 = " << c.precos.precoCA60 << " UM / Kg\n";
  o << "  Preço do aço CA 50 = " << c.precos.precoCA50 << " UM / Kg\n";
  o << "  Preço do concreto = " << c.precos.precoConcreto << " UM / m³\n";
  o << "  Quantidades de peças = " << c.precos.quantidadePecas << " unidades\n";
  o << "  Telas (CA-60) por peça = " << formatar2(c.pesoTelas) << " Kg\n";
  o << "  Barras (CA-50) por peça = " << formatar2(c.pesoBarras) << " Kg\n";
  o << "  Concreto por peça = " << formatar2(c.volumeConcreto) << " m³\n";
  o << "  Consumo de concreto = " << c.consumoConcreto << '\n';
  o << "  Consumo de aço = " << c.consumoAco << '\n';
  o << "  Taxa = " << c.taxa << '\n';
  o << "  Custo = " << c.custo << '\n';
  o << "  OBS: UM - Unidade Monetária\n";
}

}  // namespace galeria
