#include "project/catalogo_telas.h"

#include <algorithm>

#include "project/numeros.h"

namespace galeria {

TCatalogoTelas::TCatalogoTelas()
    : telas_{{
          {"L113", 10, 30, 3.8, 3.8, 1.13, 0.38},
          {"L138", 10, 30, 4.2, 4.2, 1.38, 0.46},
          {"L159", 10, 30, 4.5, 4.5, 1.59, 0.53},
          {"L196", 10, 30, 5.0, 5.0, 1.96, 0.65},
          {"L246", 10, 30, 5.6, 5.6, 2.46, 0.82},
          {"L283", 10, 30, 6.0, 6.0, 2.83, 0.94},
          {"L335", 15, 30, 8.0, 6.0, 3.35, 0.94},
          {"L396", 10, 30, 7.1, 6.0, 3.96, 0.94},
          {"L503", 10, 30, 8.0, 6.0, 5.03, 0.94},
          {"L636", 10, 30, 9.0, 6.0, 6.36, 0.94},
          {"L785", 10, 30, 10.0, 6.0, 7.85, 0.94},
      }} {}

const TTela& TCatalogoTelas::tela(int indice) const {
  // An index from outside (a damaged file) never reads past the table.
  return telas_[static_cast<size_t>(std::clamp(indice, 0, nTelas - 1))];
}

std::vector<std::string> TCatalogoTelas::designacoes() const {
  std::vector<std::string> nomes;
  for (const TTela& t : telas_) nomes.push_back(t.designacao);
  return nomes;
}

namespace {
std::string alinhar11(const std::string& texto) {
  return texto.size() >= 11 ? texto : std::string(11 - texto.size(), ' ') + texto;
}
}  // namespace

std::array<std::string, 7> TCatalogoTelas::linhaGrade(int indice) const {
  const TTela& t = tela(indice);
  return {alinhar11(t.designacao),
          alinhar11(formatarDecimais(t.espacamentoLongitudinal, 0)),
          alinhar11(formatarDecimais(t.espacamentoTransversal, 0)),
          alinhar11(formatarDecimais(t.diametroLongitudinal, 1)),
          alinhar11(formatarDecimais(t.diametroTransversal, 1)),
          alinhar11(formatar2(t.secaoLongitudinal)),
          alinhar11(formatar2(t.secaoTransversal))};
}

const TCatalogoTelas& construirCatalogoTelas() {
  static const TCatalogoTelas catalogo;
  return catalogo;
}

const std::array<TBitola, 8>& TBitolasCA50::todas() {
  static const std::array<TBitola, 8> bitolas{{
      {"6,3", 6.3, 0.3117, true},
      {"8,0", 8.0, 0.5026, true},
      {"10,0", 10.0, 0.7853, true},
      {"12,5", 12.5, 1.2271, true},
      {"16,0", 16.0, 2.0106, true},
      {"20,0", 20.0, 3.1416, false},
      {"25,0", 25.0, 4.9087, false},
      {"32,0", 32.0, 8.0424, false},
  }};
  return bitolas;
}

std::vector<TBitola> bitolasDisponiveis() {
  std::vector<TBitola> lista;
  for (const TBitola& b : TBitolasCA50::todas())
    if (b.disponivel) lista.push_back(b);
  return lista;
}

}  // namespace galeria
