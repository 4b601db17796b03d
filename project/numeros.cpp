#include "project/numeros.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace galeria {

std::string formatarDecimais(double valor, int casas) {
  if (std::isnan(valor)) return "NaN";
  if (std::isinf(valor)) return valor > 0 ? "INF" : "-INF";
  char buffer[400];
  auto [fim, erro] =
      std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::fixed, casas);
  if (erro != std::errc()) return "NaN";
  std::string texto(buffer, fim);
  for (char& c : texto)
    if (c == '.') c = ',';
  return texto;
}

std::string formatar2(double valor) { return formatarDecimais(valor, 2); }
std::string formatar4(double valor) { return formatarDecimais(valor, 4); }

namespace {
std::string_view aparar(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r'))
    t.remove_suffix(1);
  return t;
}
}  // namespace

std::optional<double> lerNumero(std::string_view texto) {
  texto = aparar(texto);
  // The longest text formatar4 gives for a finite number, -DBL_MAX, has 315
  // characters; a longer one cannot be a number of the program.
  if (texto.empty() || texto.size() > 330) return std::nullopt;
  std::string copia(texto);
  int separadores = 0;
  for (char& c : copia) {
    if (c == ',' || c == '.') {
      c = '.';
      ++separadores;
    } else if (!(c >= '0' && c <= '9') && c != '-' && c != '+' && c != 'e' && c != 'E') {
      return std::nullopt;
    }
  }
  if (separadores > 1) return std::nullopt;
  const char* inicio = copia.data();
  if (*inicio == '+') ++inicio;
  double valor = 0.0;
  auto [fim, erro] = std::from_chars(inicio, copia.data() + copia.size(), valor);
  if (erro != std::errc() || fim != copia.data() + copia.size() || !std::isfinite(valor))
    return std::nullopt;
  return valor;
}

std::optional<long long> lerInteiro(std::string_view texto) {
  texto = aparar(texto);
  if (texto.empty()) return std::nullopt;
  const char* inicio = texto.data();
  if (*inicio == '+') ++inicio;
  long long valor = 0;
  auto [fim, erro] = std::from_chars(inicio, texto.data() + texto.size(), valor);
  if (erro != std::errc() || fim != texto.data() + texto.size()) return std::nullopt;
  return valor;
}

double arredondar2(double valor) {
  if (!std::isfinite(valor)) return valor;
  return lerNumero(formatar2(valor)).value_or(valor);
}

double arredondar4(double valor) {
  if (!std::isfinite(valor)) return valor;
  return lerNumero(formatar4(valor)).value_or(valor);
}

}  // namespace galeria
