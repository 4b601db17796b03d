// galeria-instalar: writes a fresh installation folder: "config" with the
// three encoded configuration files, "Figuras" and "Arquivos" with the
// example projects, each calculated and saved by the program itself.
//   galeria-instalar PASTA
// Exit status: 0 done, 2 usage error, 3 a file that could not be written or
// an example whose calculation stopped.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "design/exemplos.h"
#include "project/configuracao.h"

int main(int argc, char** argv) {
  using namespace galeria;
  if (argc != 2 || std::string(argv[1]).empty() || argv[1][0] == '-') {
    std::cerr << "Uso: galeria-instalar PASTA\n";
    return 2;
  }
  const std::filesystem::path pasta = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(pasta, ec);
  if (ec) {
    std::cerr << "Não foi possível criar a pasta \"" << pasta.string() << "\".\n";
    return 3;
  }
  std::vector<std::string> erros = instalarPadrao(pasta);
  if (erros.empty()) {
    // The examples use the soil catalogue just written, as the program reads it.
    const TLeituraConfiguracao leitura = lerConfiguracao(pasta);
    erros = leitura.avisos;
    for (std::string& e : gravarExemplos(pasta, leitura.configuracao.solos))
      erros.push_back(std::move(e));
  }
  for (const std::string& e : erros) std::cerr << e << '\n';
  return erros.empty() ? 0 : 3;
}
