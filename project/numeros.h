#pragma once
// Numbers as the user sees them: a decimal comma, never the process locale.
#include <optional>
#include <string>
#include <string_view>

namespace galeria {

// "%10.2f" with the leading blanks removed and a decimal comma: 2.2 -> "2,20".
std::string formatar2(double valor);
// "%10.4f" with the leading blanks removed and a decimal comma: 1/3 -> "0,3333".
std::string formatar4(double valor);
// Fixed notation with the given number of decimals and a decimal comma.
std::string formatarDecimais(double valor, int casas);

// Reads a number written with a decimal comma (a point is accepted as well).
// Blanks around the number are ignored; anything else, or a non-finite value,
// gives no number.
std::optional<double> lerNumero(std::string_view texto);
// Reads a whole signed integer (blanks around it ignored).
std::optional<long long> lerInteiro(std::string_view texto);

// A value rounded as formatting with two / four decimals and reading back does.
double arredondar2(double valor);
double arredondar4(double valor);

}  // namespace galeria
