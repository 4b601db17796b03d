#include "design/armadura_adotada.h"

#include <cmath>

#include "project/catalogo_telas.h"
#include "project/numeros.h"

namespace galeria {

double diametroDoTexto(const std::string& texto) {
  const size_t posD = texto.find('d');
  const size_t posHifen = texto.find('-');
  if (posD == std::string::npos || posHifen == std::string::npos || posHifen <= posD + 1)
    return 0.0;
  // Up to the blank before the first hyphen: lerNumero ignores that blank.
  const auto valor = lerNumero(std::string_view(texto).substr(posD + 1, posHifen - posD - 1));
  if (!valor || *valor <= 0.0) return 0.0;
  return *valor;
}

TAlternativaTriagem lerAlternativaTriagem(const std::string& texto) {
  TAlternativaTriagem alt;
  alt.texto = texto;
  alt.diametro = diametroDoTexto(texto);
  if (alt.diametro <= 0.0) return alt;

  const size_t posD = texto.find('d');
  const auto quantidade = lerInteiro(std::string_view(texto).substr(0, posD));
  if (!quantidade || *quantidade <= 0 || *quantidade > 100000) return alt;

  for (const TBitola& b : TBitolasCA50::todas()) {
    if (std::abs(b.diametroMm - alt.diametro) < 1e-9) {
      alt.asPorMetro = static_cast<double>(*quantidade) * b.areaBarra;
      break;
    }
  }
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
