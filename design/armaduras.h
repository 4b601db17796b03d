#pragma once
// Choice of the welded meshes and of the CA-50 bars, and the steel
// quantities: bar area of the chosen entries, the requirement along the
// frame and the lengths of the bar pieces.
#include <cstddef>  // analysis/tipos.h uses size_t
#include <optional>
#include <string>
#include <vector>

#include "analysis/envoltoria.h"
#include "analysis/modelo.h"
#include "analysis/progresso.h"
#include "design/dimensionamento.h"
#include "project/catalogo_telas.h"
#include "project/projeto.h"

namespace galeria {

// Default mesh of each slot: the lightest of L113..L636 whose section
// exceeds asMinimaAdotada, else L785. Also refreshes areaTela.
void escolherTelasPadrao(const TCatalogoTelas& catalogo, TDimensionamento& d);

// Bar area to provide at a location: the designed bars, or what the mesh
// lacks of the minimum; a positive need is at least three 6,3 mm bars.
double necessidadeBarras(double asBarrasCalculada, double areaTela, double asMinimaAdotada);

// A percentage or spacing as written in a bar entry: rounded to two
// decimals, shortest form, decimal comma ("3,9", "0", "22,71").
std::string formatarPercentual(double valor);

// The entries that cover the area t (cm²/m) with one diameter each, thinnest
// first, within the tolerances varAbaixo / varAcima (%) and the spacing
// limits espMin / espMax (cm). t <= 0,001 gives the hyphen line alone.
// separadorDuplo writes " -  (" in every entry (the fatigue lists); otherwise
// only the entries falling back from the shortfall rule have it.
TListaBarras alternativasParaArea(double t, const TArmadura& armadura, bool separadorDuplo);

// Fills asNecessariaBarras, alternativasBarras, numAlternativas and puts
// every barraEscolhida back to the first entry.
void montarAlternativasBarras(const TProjeto& p, TDimensionamento& d);

// The first location (1..10) whose list is empty, 0 when all have entries.
int localSemAlternativas(const TDimensionamento& d);

// The two pieces of an entry "<count> d<diameter> -...": the text before the
// blank that precedes the first "d", and the text between that "d" and the
// blank before the first "-". Nothing when the text has no "d" followed, at
// least two characters on, by a "-" (the hyphen line). Every reader of an
// entry (chosen areas, diameters of the crack check) goes through here.
struct TPartesAlternativa {
  std::string quantidade;  // "10"
  std::string bitola;      // "6,3"
};
std::optional<TPartesAlternativa> partesDaAlternativa(const std::string& texto);

struct TBarrasDoTexto {
  int quantidade = 0;
  std::string bitola;  // "6,3"
};

// Reads count and diameter from an entry ("10 d6,3 - (3,9% acima)").
// Nothing for the hyphen line or a text of another shape.
std::optional<TBarrasDoTexto> lerAlternativa(const std::string& texto);
// Area per metre of an entry: count × one-bar area of its diameter; 0 for
// the hyphen line or an unknown diameter.
double areaDaAlternativa(const std::string& texto);

// asBarrasEscolhida from the chosen entries (0 when no entry is chosen).
void calcularAreaBarrasEscolhidas(TDimensionamento& d);

// Steel on the tensioned face of each check position: the meshes present
// there plus the chosen bars of the locations whose bars reach it.
double armaduraTracionadaPosicao(const TDimensionamento& d, int posicao);

// Reinforcement ratio of each check position, As/(100·d) with As the
// tensioned steel of the position and d = h − d' of its design section,
// rounded to four decimals (0 where d <= 0). Returns the positions whose
// ratio is greater than 0,025, in position order.
std::vector<int> verificarTaxasArmadura(const TSecoesProjeto& s, TDimensionamento& d);

// CA-50 bar area needed at every node from noSecao[1] to noSecao[9] for the
// chosen meshes, cases 1-4. A design failure logs its lines, sets the flag
// and ends the scan.
void calcularArmaduraAoLongo(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                             TDimensionamento& d, bool& calculoInterrompido, TProgresso& progresso);

// Lengths of the bar pieces from the chosen areas and the requirement along
// the frame (recomputes the chosen areas first).
void calcularComprimentosBarras(const TProjeto& p, const TModeloEF& m, const TSecoesProjeto& s,
                                TDimensionamento& d);

}  // namespace galeria
