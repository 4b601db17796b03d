#pragma once
// The manufacturer who uses the program and the cost prices: installation
// data kept in "config/Fabricante.ini" and "Figuras/logofabri.bmp", never in a
// project.
#include <string>

namespace galeria {

struct TDadosFabricante {
  std::string nome, cpfCnpj, endereco, numero, bairro, cidade, estado, cep, telefone, celular,
      email;
  // The logo as the bytes of its BMP file; empty when there is none.
  std::string logotipo;

  bool operator==(const TDadosFabricante&) const = default;
};

// Texts of the cost dialog's four boxes (decimal comma), as typed.
struct TPrecosCusto {
  std::string precoCA60 = "5,00";        // UM / kg
  std::string precoCA50 = "4,00";        // UM / kg
  std::string precoConcreto = "170,00";  // UM / m³
  std::string quantidadePecas = "1,00";  // pieces

  bool operator==(const TPrecosCusto&) const = default;
};

}  // namespace galeria
