#include "design/armadura_adotada.h"

#include "design/armaduras.h"
#include "project/numeros.h"

namespace galeria {

double diametroDoTexto(const std::string& texto) {
  const auto partes = partesDaAlternativa(texto);
  if (!partes) return 0.0;
  const auto valor = lerNumero(partes->bitola);
  if (!valor || *valor <= 0.0) return 0.0;
  return *valor;
}

TAlternativaTriagem lerAlternativaTriagem(const std::string& texto) {
  TAlternativaTriagem alt;
  alt.texto = texto;
  alt.diametro = diametroDoTexto(texto);
  alt.asPorMetro = areaDaAlternativa(texto);
  return alt;
}

const TAlternativaTriagem* alternativaEscolhida(const TListasAlternativas& listas, int local) {
  if (local < 1 || local > nLocais) return nullptr;
  const auto& lista = listas.alternativasBarras[static_cast<size_t>(local)];
  const int i = listas.barraEscolhida[static_cast<size_t>(local)];
  if (i < 0 || static_cast<size_t>(i) >= lista.size()) return nullptr;
  return &lista[static_cast<size_t>(i)];
}

void aplicarEscolhaBarras(const TListasAlternativas& listas, TArmaduraAdotada& armadura) {
  for (int k = 1; k <= nLocais; ++k) {
    const TAlternativaTriagem* alt = alternativaEscolhida(listas, k);
    armadura.asBarrasEscolhida[static_cast<size_t>(k)] = alt ? alt->asPorMetro : 0.0;
    armadura.diametroBarraEscolhida[static_cast<size_t>(k)] = alt ? alt->diametro : 0.0;
  }
}

}  // namespace galeria
