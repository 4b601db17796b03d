#pragma once
// The example projects of a fresh installation, written to "Arquivos" by the
// program itself: each is calculated and saved with the proposed choice.
#include <filesystem>
#include <string>
#include <vector>

#include "project/configuracao.h"
#include "project/projeto.h"

namespace galeria {

struct TProjetoExemplo {
  std::string arquivo;  // file name in "Arquivos"
  TProjeto projeto;     // the inputs, as the dialogs leave them once confirmed
};

// "galeria1.gal" (the typical run: the start values, 3,20 × 2,20 m, 15 cm,
// 0,30 m of fill and 0,20 m of pavement, class 30), a variable section with
// arching in a trench and a gallery under a uniform surcharge. The soil is
// soil 0 of `solos`.
std::vector<TProjetoExemplo> projetosExemplo(const TCatalogoSolos& solos);

// Calculates every example and writes it to pastaPrograma/Arquivos. Returns
// the messages of the failures: a calculation that stops is one, and that
// example is not written.
std::vector<std::string> gravarExemplos(const std::filesystem::path& pastaPrograma,
                                        const TCatalogoSolos& solos);

}  // namespace galeria
