#pragma once
// The installation folder: the three configuration files in "config" (soils,
// colours, manufacturer with the cost prices), the pictures in "Figuras" and
// the projects' start folder "Arquivos". Every path is built on the
// installation folder `pastaPrograma`, given by the caller; names are matched
// without regard to letter case.
#include <filesystem>
#include <string>
#include <vector>

#include "project/catalogo_solos.h"
#include "project/cores.h"
#include "project/fabricante.h"

namespace galeria {

// Relative paths inside the installation folder.
inline const std::filesystem::path arquivoCores = std::filesystem::path("config") / "Cores.ini";
inline const std::filesystem::path arquivoFabricante =
    std::filesystem::path("config") / "Fabricante.ini";
inline const std::filesystem::path arquivoTerreno = std::filesystem::path("config") / "Terreno.ini";
inline const std::filesystem::path arquivoLogotipo =
    std::filesystem::path("Figuras") / "logofabri.bmp";
inline const std::filesystem::path pastaFiguras = "Figuras";
inline const std::filesystem::path pastaArquivos = "Arquivos";

// pastaPrograma / relativo, matched without regard to letter case.
std::filesystem::path caminhoInstalacao(const std::filesystem::path& pastaPrograma,
                                        const std::filesystem::path& relativo);

// The settings of the installation, program-wide.
struct TConfiguracao {
  TCatalogoSolos solos = catalogoSolosPadrao();
  TCores cores;
  TDadosFabricante fabricante;
  TPrecosCusto precos;
};

// ---- start-up check ----

struct TVerificacaoArquivos {
  bool encerrar = false;           // true: show the message, then end without reading or writing
  std::string mensagem;            // "Algum arquivo de inicialização foi apagado!"
  std::filesystem::path faltando;  // the first missing file
};

// Tests for "config/Cores.ini", "config/Fabricante.ini", "config/Terreno.ini",
// in this order; stops at the first missing one.
TVerificacaoArquivos verificarArquivos(const std::filesystem::path& pastaPrograma);

// ---- the colour and manufacturer files (the soil file is catalogo_solos.h) ----

struct TLeituraCores {
  TCores cores;
  std::string aviso;  // empty when the fifteen lines were read
};
std::vector<std::string> linhasCores(const TCores& cores);
// Fifteen whole numbers; any line that is not one (a missing line included)
// gives the default colours and a message.
TLeituraCores interpretarCores(const std::vector<std::string>& linhas,
                               const std::string& nomeArquivo);

struct TLeituraFabricante {
  TDadosFabricante fabricante;
  TPrecosCusto precos;
};
std::vector<std::string> linhasFabricante(const TDadosFabricante& f, const TPrecosCusto& precos);
// Fifteen text lines; missing lines give empty texts.
TLeituraFabricante interpretarFabricante(const std::vector<std::string>& linhas);

// ---- reading at start, writing at exit ----

struct TLeituraConfiguracao {
  TConfiguracao configuracao;
  std::vector<std::string> avisos;  // one per file that had to fall back to its defaults
};

// Reads "Fabricante.ini" (and the logo), "Terreno.ini" and "Cores.ini". A file
// that cannot be read or converted gives that file's defaults and a message.
TLeituraConfiguracao lerConfiguracao(const std::filesystem::path& pastaPrograma);

// Writes "Terreno.ini", "Cores.ini", the logo (when there is one) and
// "Fabricante.ini", in this order, each whole and safely; a failure on one file
// does not stop the others. Returns the messages of the failures.
std::vector<std::string> gravarConfiguracao(const std::filesystem::path& pastaPrograma,
                                            const TConfiguracao& configuracao);

// A fresh installation: "config" with the three files holding the built-in soil
// catalogue, the default colours and an empty manufacturer with the default
// prices, and the folders "Figuras" and "Arquivos" (created empty when absent).
// Returns the messages of the failures.
std::vector<std::string> instalarPadrao(const std::filesystem::path& pastaPrograma);

}  // namespace galeria
