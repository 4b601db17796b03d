#pragma once
// A decimal input field: the number the calculation reads and the text the
// dialogs show and the project file stores ("15,0" until a confirmation
// rewrites it as "15,00").
#include <string>

#include "project/numeros.h"

namespace galeria {

struct TDecimal {
  double valor = 0.0;
  std::string texto = "0,00";

  TDecimal() = default;
  TDecimal(double v) : valor(v), texto(formatar2(v)) {}
  TDecimal(double v, std::string t) : valor(v), texto(std::move(t)) {}

  TDecimal& operator=(double v) {
    valor = v;
    texto = formatar2(v);
    return *this;
  }
  operator double() const { return valor; }

  // A text typed or read from a file: keeps the text, and the number when it
  // reads as one (false otherwise, and the number is left as it was).
  bool definirTexto(const std::string& t) {
    texto = t;
    if (auto v = lerNumero(t)) {
      valor = *v;
      return true;
    }
    return false;
  }
};

}  // namespace galeria
