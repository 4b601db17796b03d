#pragma once
// The catalogue of fill soils of the installation: a name, a unit weight and a
// friction angle each. Soil 0 is the standard soil and cannot be removed.
#include <filesystem>
#include <string>
#include <vector>

#include "project/projeto.h"

namespace galeria {

struct TSolo {
  std::string nome;
  std::string peso;    // kN/m³, decimal comma, as the catalogue holds it
  std::string angulo;  // degrees, same form

  bool operator==(const TSolo&) const = default;
};

struct TCatalogoSolos {
  std::vector<TSolo> solos;  // never empty once read

  int tamanho() const { return static_cast<int>(solos.size()); }
  bool indiceValido(int i) const { return i >= 0 && i < tamanho(); }
  bool operator==(const TCatalogoSolos&) const = default;
};

// "Solo Padrão" (18,00 kN/m³, 30,00°) followed by a few common fill soils.
TCatalogoSolos catalogoSolosPadrao();

// Unit weight and angle of soil i as numbers (0 for a text that holds none;
// the catalogue never accepts such a soil).
double pesoSolo(const TCatalogoSolos& c, int i);
double anguloSolo(const TCatalogoSolos& c, int i);

// ---- the file: count, names, weights, angles, one encoded line each ----

struct TLeituraSolos {
  TCatalogoSolos catalogo;
  std::string aviso;  // empty when the file was read whole
};

// Lines of the soil file before encoding (UTF-8 texts).
std::vector<std::string> linhasSolos(const TCatalogoSolos& c);
// Reads the decoded lines. A count that is not a whole number of at least 1,
// or a weight or angle that is not a number, gives the built-in catalogue and
// a message: never a half-read one.
TLeituraSolos interpretarSolos(const std::vector<std::string>& linhas,
                               const std::string& nomeArquivo);

TLeituraSolos carregarSolos(const std::filesystem::path& arquivo);
// Empty on success, the message otherwise.
std::string gravarSolos(const std::filesystem::path& arquivo, const TCatalogoSolos& c);

// ---- operations of the installation dialog ----

// What the installation dialog shows for the selected soil.
struct TSoloSelecionado {
  int indice = 0;
  std::string peso, angulo;  // read-only boxes
  std::string ka, ko, mi;    // formatar4
};

// Makes soil `indice` the soil of `inst` (unit weight, angle, ka, ko, mi).
// An index outside the catalogue selects soil 0.
TSoloSelecionado selecionarSolo(const TCatalogoSolos& c, int indice, TInstalacao& inst);

// Box of the "Adicionar Terreno" dialog a message refers to.
enum class TCampoSolo { nenhum, nome, peso, angulo };

struct TResultadoSolo {
  bool aceito = false;
  std::string mensagem;  // the warning when refused
  TCampoSolo campo = TCampoSolo::nenhum;
  TSoloSelecionado selecionado;  // the soil selected afterwards when accepted
};

// Checks, in order: empty name, empty weight, empty angle, then a weight or an
// angle that is not a number. Appends the soil with weight and angle in the
// two-decimal form and selects it.
TResultadoSolo adicionarSolo(TCatalogoSolos& c, const std::string& nome, const std::string& peso,
                             const std::string& angulo, TInstalacao& inst);

// The question asked before removing soil `indice`.
std::string perguntaRemoverSolo(const TCatalogoSolos& c, int indice);

// Removes a soil other than soil 0 and selects the one before it.
TResultadoSolo removerSolo(TCatalogoSolos& c, int indice, TInstalacao& inst);

}  // namespace galeria
