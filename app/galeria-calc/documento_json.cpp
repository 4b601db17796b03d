#include "documento_json.h"

namespace galeria {

namespace {

using nlohmann::json;

// Items primeiro..ultimo of a 1-based array.
template <typename V>
json itens(const V& v, int primeiro, int ultimo) {
  json a = json::array();
  for (int i = primeiro; i <= ultimo && i < static_cast<int>(v.size()); ++i) a.push_back(v[i]);
  return a;
}

template <typename M>
json coluna(const M& mm, int linhas, int caso) {
  json a = json::array();
  for (int i = 1; i <= linhas && i < static_cast<int>(mm.size()); ++i) a.push_back(mm[i][caso]);
  return a;
}

json modeloJson(const TModeloEF& m, const TSecoesProjeto& s) {
  const int n = m.nNos;
  return {
      {"nNos", n},
      {"noInfDir", m.noInfDir},
      {"noSupDir", m.noSupDir},
      {"noSupEsq", m.noSupEsq},
      {"tipoMisula", m.tipoMisula},
      {"xNo", itens(m.xNo, 1, n)},
      {"yNo", itens(m.yNo, 1, n)},
      {"espessura", itens(m.espessura, 1, n)},
      {"compElem", itens(m.compElem, 1, n)},
      {"inflInferior", itens(m.inflInferior, 1, n + 1)},
      {"inflDireita", itens(m.inflDireita, 1, n + 1)},
      {"inflSuperior", itens(m.inflSuperior, 1, n + 1)},
      {"inflEsquerda", itens(m.inflEsquerda, 1, n + 1)},
      {"noSecao", itens(s.noSecao, 1, nSecoes)},
      {"noIcamentoDir", m.noIcamentoDir},
      {"noIcamentoEsq", m.noIcamentoEsq},
  };
}

json casosJson(const TModeloEF& m) {
  const int n = m.nNos, N = 3 * n;
  json casos = json::array();
  for (int c = 1; c <= nCasos; ++c) {
    const bool temRigidez = c < static_cast<int>(m.rigidezReduzida.size());
    casos.push_back({
        {"caso", c},
        {"cargaNodal", coluna(m.cargaNodal, N, c)},
        {"deslocamento", coluna(m.deslocamento, N, c)},
        {"reacao", coluna(m.reacao, N, c)},
        {"normalIni", coluna(m.normalIni, n, c)},
        {"normalFim", coluna(m.normalFim, n, c)},
        {"cortanteIni", coluna(m.cortanteIni, n, c)},
        {"cortanteFim", coluna(m.cortanteFim, n, c)},
        {"momentoIni", coluna(m.momentoIni, n, c)},
        {"momentoFim", coluna(m.momentoFim, n, c)},
        {"fatorInercia", coluna(m.fatorInercia, n, c)},
        {"apoioAtivo", coluna(m.apoioAtivo, m.noInfDir, c)},
        {"rigidezReduzida", temRigidez ? m.rigidezReduzida[c] : 0},
    });
  }
  return casos;
}

json envoltoriaJson(const TModeloEF& m, const TEnvoltoria& e) {
  return {
      {"momentoEnvMax", itens(e.momentoEnvMax, 1, m.nNos + 1)},
      {"momentoEnvMin", itens(e.momentoEnvMin, 1, m.nNos + 1)},
      {"momentoEnvMaxLado", itens(e.momentoEnvMaxLado, 1, 4)},
      {"momentoEnvMinLado", itens(e.momentoEnvMinLado, 1, 4)},
      {"normalEnvMaxLado", itens(e.normalEnvMaxLado, 1, 3)},
      {"normalEnvMinLado", itens(e.normalEnvMinLado, 1, 3)},
      {"cortanteEnvMaxLado", itens(e.cortanteEnvMaxLado, 1, 3)},
      {"cortanteEnvMinLado", itens(e.cortanteEnvMinLado, 1, 3)},
  };
}

json listaTextos(const TListaBarras& lista) {
  json a = json::array();
  for (const TAlternativaBarras& alt : lista) a.push_back(alt.texto);
  return a;
}

json cortanteJson(const TVerificacaoCortante& v) {
  return {{"rotulo", v.rotulo},
          {"no", v.no},
          {"alturaSecao", v.alturaSecao},
          {"Vsd", v.Vsd},
          {"fctm", v.fctm},
          {"fctkinf", v.fctkinf},
          {"fctd", v.fctd},
          {"taurd", v.taurd},
          {"de", v.de},
          {"Ka", v.Ka},
          {"As1", v.As1},
          {"Ro1", v.Ro1},
          {"Vrd1", v.Vrd1},
          {"calculado", v.calculado},
          {"Twd", v.Twd},
          {"Vc", v.Vc},
          {"Asw", v.Asw}};
}

// Three serviceability cases (5, 6, 7) × eighteen positions.
json tabelaFissuracao(const TTabelaFissuracao& t) {
  json casos = json::array();
  for (int c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c)
    casos.push_back(itens(t[static_cast<size_t>(c)], 1, nPosicoes));
  return casos;
}

json dimensionamentoJson(const TSessao& s) {
  const TDimensionamento& d = s.dimensionamento;
  json alternativas = json::array();
  for (int k = 1; k <= nLocais; ++k)
    alternativas.push_back(listaTextos(d.alternativasBarras[static_cast<size_t>(k)]));
  json telas = json::array();
  for (int k : locaisComTela) telas.push_back(d.telaEscolhida[static_cast<size_t>(k)]);
  const int n = s.analise.modelo.nNos;
  return {
      {"asMinima", itens(d.asMinima, 1, nLocais)},
      {"asMinimaAdotada", itens(d.asMinimaAdotada, 1, nLocais)},
      {"areaTela", itens(d.areaTela, 1, nLocais)},
      {"telaEscolhida", telas},  // slots at locations 1, 2, 5, 6, 9, 10
      {"asBarrasCalculada", itens(d.asBarrasCalculada, 1, nLocais)},
      {"nProjeto", itens(d.nProjeto, 1, nLocais)},
      {"mProjeto", itens(d.mProjeto, 1, nLocais)},
      {"asNecessariaBarras", itens(d.asNecessariaBarras, 1, nLocais)},
      {"alternativasBarras", alternativas},
      {"barraEscolhida", itens(d.barraEscolhida, 1, nLocais)},
      {"asBarrasEscolhida", itens(d.asBarrasEscolhida, 1, nLocais)},
      {"asPosicao", itens(d.asPosicao, 1, nPosicoes)},
      {"nPosicao", itens(d.nPosicao, 1, nPosicoes)},
      {"mPosicao", itens(d.mPosicao, 1, nPosicoes)},
      {"taxaArmadura", itens(d.taxaArmadura, 1, nPosicoes)},
      {"tensaoFadigaQuina", d.tensaoFadigaQuina},
      {"tensaoFadigaCoroamento", d.tensaoFadigaCoroamento},
      {"asFadigaQuina", d.asFadigaQuina},
      {"asFadigaCoroamento", d.asFadigaCoroamento},
      {"alternativasFadiga",
       json::array({listaTextos(d.alternativasFadiga[1]), listaTextos(d.alternativasFadiga[2])})},
      {"fadigaEscolhida", itens(d.fadigaEscolhida, 1, 2)},
      {"cortanteMisula", cortanteJson(s.cortante.cortanteMisula)},
      {"cortanteParede", cortanteJson(s.cortante.cortanteParede)},
      {"aswMaximo", s.cortante.aswMaximo},
      {"distanciaCortante", s.cortante.distanciaCortante},
      {"textoAreaCortante", s.cortante.textoArea},
      {"textoDistanciaCortante", s.cortante.textoDistancia},
      {"figuraCortante", s.cortante.figura},
      {"aberturaFissura", tabelaFissuracao(s.fissuracao.aberturaFissura)},
      {"tensaoAcoFissura", tabelaFissuracao(s.fissuracao.tensaoAcoFissura)},
      {"diametroFissura", tabelaFissuracao(s.fissuracao.diametroFissura)},
      {"taxaEnvolvimento", tabelaFissuracao(s.fissuracao.taxaEnvolvimento)},
      {"asExtAoLongo", itens(d.asExtAoLongo, 1, n)},
      {"asIntAoLongo", itens(d.asIntAoLongo, 1, n)},
      {"comprimentoBarra", itens(d.comprimentoBarra, 1, 14)},
      {"comprimentoPeca", itens(d.comprimentoPeca, 1, 8)},
  };
}

}  // namespace

json documentoJson(const TSessao& s, const std::vector<std::string>& log) {
  const TAnalise& a = s.analise;
  json doc;
  doc["banner"] = s.banner;
  doc["interrompido"] = s.projeto.estado.calculoInterrompido;
  doc["log"] = log;
  doc["modelo"] = modeloJson(a.modelo, a.secoes);
  doc["cargas"] = {{"fatorArqueamento", a.cargas.fatorArqueamento},
                   {"alturaEquivalente", a.cargas.alturaEquivalente}};
  doc["casos"] = casosJson(a.modelo);
  doc["envoltoria"] = envoltoriaJson(a.modelo, a.envoltoria);
  doc["dimensionamento"] = dimensionamentoJson(s);
  return doc;
}

json custoJson(const TResultadoCusto& c) {
  return {
      {"titulo", c.titulo},
      {"precoCA60", c.precos.precoCA60},
      {"precoCA50", c.precos.precoCA50},
      {"precoConcreto", c.precos.precoConcreto},
      {"quantidadePecas", c.precos.quantidadePecas},
      {"volumeConcreto", c.volumeConcreto},
      {"pesoTelas", c.pesoTelas},
      {"pesoBarras", c.pesoBarras},
      {"custoTotal", c.custoTotal},
      {"consumoConcreto", c.consumoConcreto},
      {"consumoAco", c.consumoAco},
      {"taxa", c.taxa},
      {"custo", c.custo},
  };
}

}  // namespace galeria
