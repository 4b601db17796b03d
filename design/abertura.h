#pragma once
// "Abrir" on a whole session: the file is read into a new record, the frame
// mesh is rebuilt, the project is calculated as "Calcular" does and the mesh
// and bar choice stored in the file is put back through the results dialog's
// operations. Shared by the desktop program and the batch command.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/progresso.h"
#include "design/calculo.h"
#include "project/configuracao.h"

namespace galeria {

struct TAberturaSessao {
  bool aberto = false;              // false: the session is exactly as it was
  std::string erro;                 // why the file was refused (names the file and line)
  std::vector<std::string> avisos;  // a soil outside the catalogue, a stored choice not applied
  bool escolhaAplicada = false;     // the stored choice was used, in whole or in part
};

// Changes made to the record read before its mesh is built (the batch
// command's --definir); returns an empty text, or the message that refuses
// the opening.
using TAjusteAbertura = std::function<std::string(TProjeto&)>;

// Reads `caminho` on top of the session's record (fields the file does not
// hold keep their values), applies `ajuste`, rebuilds the mesh without the
// arching rule of the geometry dialog, runs executarCalculo and, unless the
// calculation stopped, redesigns for the stored meshes and sets the stored
// bars and fatigue bars. An index outside its list keeps the proposal and is
// reported. A refused file leaves the session untouched.
TAberturaSessao abrirProjetoSessao(TSessao& sessao, const std::filesystem::path& caminho,
                                   const TConfiguracao& configuracao, TProgresso& progresso,
                                   const TAjusteAbertura& ajuste = {});

// The frame mesh of the record as it stands, the geometry confirmed and the
// results withdrawn; the arching choice is left as it is.
void reconstruirMalha(TSessao& sessao);

}  // namespace galeria
