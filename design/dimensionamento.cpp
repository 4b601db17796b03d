#include "design/dimensionamento.h"

namespace galeria {

const TAlternativaBarras* alternativaEscolhida(const TListaBarras& lista, int indice) {
  if (indice < 0 || static_cast<size_t>(indice) >= lista.size()) return nullptr;
  return &lista[static_cast<size_t>(indice)];
}

namespace {
// Locations of the mesh slots in the order the project file lists them.
constexpr std::array<int, 6> ordemArquivo{9, 5, 1, 10, 6, 2};
}  // namespace

void telasDoArquivo(const std::array<int, 6>& arquivo, TDimensionamento& d) {
  for (size_t i = 0; i < ordemArquivo.size(); ++i)
    d.telaEscolhida[static_cast<size_t>(ordemArquivo[i])] = arquivo[i];
}

std::array<int, 6> telasParaArquivo(const TDimensionamento& d) {
  std::array<int, 6> arquivo{};
  for (size_t i = 0; i < ordemArquivo.size(); ++i)
    arquivo[i] = d.telaEscolhida[static_cast<size_t>(ordemArquivo[i])];
  return arquivo;
}

}  // namespace galeria
