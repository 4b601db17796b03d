#pragma once
// The project file "*.gal": one value per line in nine sections, Windows-1252
// with CR LF. Opening a file runs in three steps so that the calculation can
// sit between them: lerProjeto parses into a new record (the project in memory
// stays as it was when the file is refused), the caller recalculates that
// record, then aplicarResultados puts back the mesh and bar choice the file
// holds. abrirProjeto chains the three around a calculation given to it.
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "project/catalogo_solos.h"
#include "project/projeto.h"

namespace galeria {

// The separator that ends every section: 55 hyphens.
inline const std::string separadorSecao(55, '-');

// Filter, default extension, start folder and proposed name of the file dialogs.
inline constexpr const char* filtroArquivosProjeto =
    "Programa para dimensionamento de galerias           *.gal|*.gal";
inline constexpr const char* extensaoProjeto = "gal";
inline constexpr const char* nomeProjetoProposto = "galeria1";

// ---- writing ----

// The lines of the file (UTF-8, without line ends) for the record as it stands.
// Nothing is validated; a line break inside a site or client text is written as
// a blank so that the layout holds.
std::vector<std::string> linhasProjeto(const TProjeto& p);

// Writes the file whole, replacing an existing one only once the new one is
// complete on disk. Empty on success, otherwise the message (the old file is
// left untouched).
std::string salvarProjeto(const std::filesystem::path& caminho, const TProjeto& p);

// ---- reading ----

// The "RESULTADOS" section as it stands in the file, applied after the
// recalculation.
struct TEscolhasGravadas {
  std::vector<std::string> linhas;  // the lines present, at most 18
  int primeiraLinha = 0;            // file line number of the first index
  std::string arquivo;              // file name, for messages
};

struct TLeituraProjeto {
  bool ok = false;
  std::string erro;  // when the file is refused
  TProjeto projeto;  // the new record, when ok
  TEscolhasGravadas escolhas;
  std::vector<std::string> avisos;  // e.g. a soil index outside the catalogue
};

// Parses a file into a copy of `atual`: the fields the file holds are
// replaced, the others (espMin, espMax, pesoAco, gamaAgua, the run flags but
// geometriaConfirmada, ...) keep their values. The file is refused, with a
// message naming it and the line, when it cannot be read, ends before the
// last input value, holds a line that is not a whole number where one is
// written (or a choice outside its options where it steers the layout), or a
// decimal input that is not a number.
TLeituraProjeto lerProjeto(const std::filesystem::path& caminho, const TCatalogoSolos& solos,
                           const TProjeto& atual);
// The same on lines already in memory.
TLeituraProjeto interpretarProjeto(const std::vector<std::string>& linhas,
                                   const std::string& arquivo, const TCatalogoSolos& solos,
                                   const TProjeto& atual);

// Sizes of the lists the bar indexes point into, once the design has been
// redone with the stored meshes.
struct TTamanhosListas {
  std::array<int, 10> nBarras{};  // location k at k-1
  std::array<int, 2> nFadiga{};   // crown, upper corner
};

// Redoes the flexural design and the bar alternatives with the meshes now in
// `telaEscolhida`, leaves the proposed bar choice in the record and returns the
// list sizes.
using TRefazerComTelas = std::function<TTamanhosListas(TProjeto&)>;

struct TAplicacaoEscolhas {
  bool aplicada = false;  // the stored choice was used (possibly in part)
  std::vector<std::string> avisos;
};

// Puts back the stored choice on the recalculated record. Nothing is applied
// when the calculation stopped. When a line of the section is missing or not a
// whole number, the design's own choice is kept and the message says so. An
// index outside its list keeps the proposed choice for that list and is
// reported; -1 (nothing selected when saved) keeps it silently.
TAplicacaoEscolhas aplicarResultados(TProjeto& p, const TEscolhasGravadas& escolhas,
                                     bool calculoInterrompido, int nTelas,
                                     const TRefazerComTelas& refazerComTelas);

// The calculation that "Abrir" runs between reading and the stored choice.
struct TCalculoAbertura {
  // Runs the whole calculation on the record; true when it stopped early.
  std::function<bool(TProjeto&)> calcular;
  TRefazerComTelas refazerComTelas;
  int nTelas = 11;
};

struct TAberturaProjeto {
  bool aberto = false;  // false: `projeto` is exactly as before
  std::vector<std::string> mensagens;
};

// "Abrir": lerProjeto, then (when read) the new record replaces `projeto`, is
// recalculated and gets its stored choice back.
TAberturaProjeto abrirProjeto(const std::filesystem::path& caminho, const TCatalogoSolos& solos,
                              TProjeto& projeto, const TCalculoAbertura& calculo);

}  // namespace galeria
