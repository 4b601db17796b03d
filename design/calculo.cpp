#include "design/calculo.h"

#include <cmath>

#include "design/armaduras.h"
#include "design/fadiga.h"
#include "design/flexao.h"

namespace galeria {

namespace {

template <typename C>
bool finitos(const C& valores) {
  for (double v : valores)
    if (!std::isfinite(v)) return false;
  return true;
}

bool finitos(const Mreal& mm) {
  for (const Vreal& linha : mm)
    if (!finitos(linha)) return false;
  return true;
}

bool finitos(const TTabelaFissuracao& t) {
  for (const auto& linha : t)
    if (!finitos(linha)) return false;
  return true;
}

bool finitos(const TVerificacaoCortante& v) {
  return finitos(
      std::initializer_list<double>{v.Vsd, v.fctd, v.de, v.Ro1, v.Vrd1, v.Twd, v.Vc, v.Asw});
}

// Steps 11 to 16: the design and the checks, each only while not stopped.
// True when the section design itself failed (its report is in the log).
bool dimensionarEVerificar(TSessao& s, const TCatalogoTelas& catalogo, TProgresso& progresso) {
  const TProjeto& p = s.projeto;
  const TModeloEF& m = s.analise.modelo;
  const TSecoesProjeto& secoes = s.analise.secoes;
  TDimensionamento& d = s.dimensionamento;
  bool& parado = s.projeto.estado.calculoInterrompido;

  if (!parado) {
    dimensionarFlexao(p, m, secoes, catalogo, d, parado, progresso);
    if (parado) return true;
  }

  if (!parado) {
    montarAlternativasBarras(p, d);
    if (localSemAlternativas(d) != 0) {
      progresso.registrar("Não Foram encontradas barras para satisfazer o problema");
      progresso.registrar("");
      progresso.registrar("Aumente a espessura e recalcule");
      progresso.repintar();
      parado = true;
    }
  }

  if (!parado) {
    calcularAreaBarrasEscolhidas(d);
    for (size_t i = 0, n = verificarTaxasArmadura(secoes, d).size(); i < n; ++i) {
      progresso.registrar("");
      progresso.registrar("Taxa de armadura maior que 2,5%");
      progresso.registrar("");
      progresso.registrar("Aumente a espessura e recalcule");
      progresso.repintar();
      parado = true;
    }
  }

  if (!parado) {
    progresso.registrar("Verificando Fadiga (ELS)");
    progresso.repintar();
    verificarFadiga(p, m, secoes, d);
  }

  if (!parado) {
    // The reinforcement in place is the same for the shear and the crack
    // checks: the shear check never stops the calculation.
    const TArmaduraAdotada armadura = armaduraAdotada(d, catalogo);
    s.cortante = executarEtapaCortante(p, m, secoes, armadura, progresso);

    progresso.registrar("");
    progresso.registrar("Verificando Fissuração (ELS)");
    progresso.repintar();
    s.fissuracao = verificarFissuracao(p, m, secoes, armadura);
    for (int pos = 1; pos <= nPosicoes; ++pos) {
      if (fissuracaoExcedida(s.fissuracao, pos, p.Armadura.w)) {
        progresso.registrar("");
        progresso.registrar("Problemas de Fissuração (ELS)");
        progresso.repintar();
        parado = true;
      }
    }
  }
  return false;
}

}  // namespace

TArmaduraAdotada armaduraAdotada(const TDimensionamento& d, const TCatalogoTelas& catalogo) {
  TArmaduraAdotada a;
  a.areaTela = d.areaTela;
  for (int k : locaisComTela)
    a.diametroTela[static_cast<size_t>(k)] =
        catalogo.tela(d.telaEscolhida[static_cast<size_t>(k)]).diametroLongitudinal;
  a.asBarrasEscolhida = d.asBarrasEscolhida;
  for (int k = 1; k <= nLocais; ++k) {
    const size_t i = static_cast<size_t>(k);
    const TAlternativaBarras* alt =
        alternativaEscolhida(d.alternativasBarras[i], d.barraEscolhida[i]);
    a.diametroBarraEscolhida[i] = alt ? diametroDoTexto(alt->texto) : 0.0;
  }
  a.asFadigaCoroamento = d.asFadigaCoroamento;
  a.asFadigaQuina = d.asFadigaQuina;
  const TAlternativaBarras* coroamento =
      alternativaEscolhida(d.alternativasFadiga[1], d.fadigaEscolhida[1]);
  const TAlternativaBarras* quina =
      alternativaEscolhida(d.alternativasFadiga[2], d.fadigaEscolhida[2]);
  a.diametroFadigaCoroamento = coroamento ? diametroDoTexto(coroamento->texto) : 0.0;
  a.diametroFadigaQuina = quina ? diametroDoTexto(quina->texto) : 0.0;
  return a;
}

void registrarEscolha(const TDimensionamento& d, TResultados& r) {
  r.telaEscolhida = telasParaArquivo(d);
  for (int k = 1; k <= nLocais; ++k)
    r.barraEscolhida[static_cast<size_t>(k - 1)] = d.barraEscolhida[static_cast<size_t>(k)];
  r.fadigaEscolhida = {d.fadigaEscolhida[1], d.fadigaEscolhida[2]};
}

TListasAlternativas listasAlternativas(const TDimensionamento& d) {
  TListasAlternativas l;
  for (int k = 1; k <= nLocais; ++k) {
    const size_t i = static_cast<size_t>(k);
    for (const TAlternativaBarras& alt : d.alternativasBarras[i])
      l.alternativasBarras[i].push_back(lerAlternativaTriagem(alt.texto));
    l.barraEscolhida[i] = d.barraEscolhida[i];
  }
  return l;
}

bool resultadosFinitos(const TSessao& s) {
  const TModeloEF& m = s.analise.modelo;
  for (const Mreal* mm : {&m.cargaNodal, &m.deslocamento, &m.reacao, &m.normalIni, &m.normalFim,
                          &m.cortanteIni, &m.cortanteFim, &m.momentoIni, &m.momentoFim})
    if (!finitos(*mm)) return false;
  const TEnvoltoria& e = s.analise.envoltoria;
  if (!finitos(e.momentoEnvMax) || !finitos(e.momentoEnvMin)) return false;
  if (!std::isfinite(s.analise.cargas.fatorArqueamento)) return false;
  const TDimensionamento& d = s.dimensionamento;
  if (!finitos(d.asMinimaAdotada) || !finitos(d.asBarrasCalculada) || !finitos(d.nProjeto) ||
      !finitos(d.mProjeto) || !finitos(d.asPosicao) || !finitos(d.asBarrasEscolhida) ||
      !finitos(d.comprimentoBarra) || !finitos(d.comprimentoPeca) || !finitos(d.asExtAoLongo) ||
      !finitos(d.asIntAoLongo) || !std::isfinite(d.tensaoFadigaQuina) ||
      !std::isfinite(d.tensaoFadigaCoroamento) || !std::isfinite(d.asFadigaQuina) ||
      !std::isfinite(d.asFadigaCoroamento))
    return false;
  if (!finitos(s.cortante.cortanteMisula) || !finitos(s.cortante.cortanteParede) ||
      !std::isfinite(s.cortante.distanciaCortante))
    return false;
  return finitos(s.fissuracao.aberturaFissura) && finitos(s.fissuracao.tensaoAcoFissura);
}

void executarCalculo(TSessao& s, TProgresso& progresso) {
  TProjeto& p = s.projeto;
  bool& parado = p.estado.calculoInterrompido;
  parado = false;
  p.estado.resultadosValidos = false;
  s.banner.clear();
  // The case in design is the flexural design's own: it outlives the run.
  const int casoEmDimensionamento = s.dimensionamento.casoEmDimensionamento;
  s.dimensionamento = TDimensionamento{};
  s.dimensionamento.casoEmDimensionamento = casoEmDimensionamento;
  s.cortante = TResultadoCortante{};
  s.fissuracao = TFissuracao{};
  s.triagem = TTriagemAlternativas{};
  const TCatalogoTelas& catalogo = construirCatalogoTelas();

  if (executarAnalise(p, s.analise, progresso, parado)) {
    const TModeloEF& m = s.analise.modelo;
    const TSecoesProjeto& secoes = s.analise.secoes;
    TDimensionamento& d = s.dimensionamento;
    calcularArmaduraMinima(p, m, secoes, d);
    escolherTelasPadrao(catalogo, d);

    const bool projetoFalhou = dimensionarEVerificar(s, catalogo, progresso);

    // The bar requirement along the frame and the piece lengths are wanted
    // after a stop too. When the section design has just failed, the same
    // failure would come again here: it is not logged twice.
    TProgressoSilencioso mudo;
    calcularArmaduraAoLongo(p, m, secoes, d, parado,
                            projetoFalhou ? static_cast<TProgresso&>(mudo) : progresso);
    calcularComprimentosBarras(p, m, secoes, d);
    registrarEscolha(d, p.Resultados);

    if (!parado && !resultadosFinitos(s)) {
      progresso.registrar("Resultado numérico inválido no cálculo");
      registrarPar(progresso, "Verifique os dados de entrada e recalcule");
      parado = true;
    }
  }

  s.banner = parado ? bannerInterrompido : bannerSucesso;
  progresso.repintar();
  p.estado.resultadosValidos = !parado;
}

}  // namespace galeria
