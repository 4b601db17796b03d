#pragma once
// The whole calculation of one project, from the model arrays to the banner.
#include <string>

#include "analysis/analise.h"
#include "analysis/progresso.h"
#include "design/armadura_adotada.h"
#include "design/cortante.h"
#include "design/dimensionamento.h"
#include "design/fissuracao.h"
#include "project/catalogo_telas.h"
#include "project/projeto.h"

namespace galeria {

inline const char* const bannerSucesso = "***** CÁLCULOS FINALIZADOS COM SUCESSO *****";
inline const char* const bannerInterrompido = "***** PROCESSAMENTO INTERROMPIDO *****";

// Everything one open project owns: its record, the frame model, the design
// results and the banner of the last calculation.
struct TSessao {
  TProjeto projeto;
  TAnalise analise;
  TDimensionamento dimensionamento;
  TResultadoCortante cortante;
  TFissuracao fissuracao;
  // Pass flags of the crack-width screening of the bar alternatives, for the
  // results dialog to grey the failing ones; empty until the lists built by
  // the last calculation are screened.
  TTriagemAlternativas triagem;
  std::string banner;
};

// The reinforcement in place (meshes, chosen bars, fatigue bars) as the
// shear and crack-width checks read it.
TArmaduraAdotada armaduraAdotada(const TDimensionamento& d, const TCatalogoTelas& catalogo);
// The bar lists with their current choice, as the crack-width screening reads them.
TListasAlternativas listasAlternativas(const TDimensionamento& d);

// The design's current mesh, bar and fatigue choices become the project's
// reinforcement choice (what the project file stores).
void registrarEscolha(const TDimensionamento& d, TResultados& r);

// Runs every stage in order, logging through `progresso`; sets
// projeto.estado.calculoInterrompido / resultadosValidos, the proposed
// reinforcement choice and the banner.
void executarCalculo(TSessao& sessao, TProgresso& progresso);

// Whether every number of the results is finite.
bool resultadosFinitos(const TSessao& s);

}  // namespace galeria
