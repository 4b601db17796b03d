// Reference results of three projects, kept under tests/dados: any change of
// a moment, an area or a text of the design shows here. After a deliberate
// change of the engine, rewrite them with GALERIA_ATUALIZAR_REFERENCIA=1 and
// review the difference before committing it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "comum/projetos_teste.h"
#include "design/calculo.h"
#include "project/campos.h"

namespace galeria {
namespace {

using nlohmann::json;

template <typename V>
json faixa(const V& v, int primeiro, int ultimo) {
  json a = json::array();
  for (int i = primeiro; i <= ultimo; ++i) a.push_back(v[static_cast<size_t>(i)]);
  return a;
}

json resultados(const TSessao& s, size_t nLinhasLog) {
  const TModeloEF& m = s.analise.modelo;
  const TSecoesProjeto& sec = s.analise.secoes;
  const TDimensionamento& d = s.dimensionamento;
  json casos = json::array();
  for (int c = 1; c <= nCasos; ++c) {
    json momento = json::array(), normal = json::array(), cortante = json::array();
    for (int k = 1; k <= nSecoes; ++k) {
      const int no = sec.noSecao[static_cast<size_t>(k)];
      momento.push_back(m.momentoIni[no][c]);
      normal.push_back(m.normalIni[no][c]);
      cortante.push_back(m.cortanteIni[no][c]);
    }
    double reacaoVertical = 0;
    for (int no = 1; no <= m.noInfDir; ++no) reacaoVertical += m.reacao[3 * no - 1][c];
    casos.push_back(
        {{"momento", momento},
         {"normal", normal},
         {"cortante", cortante},
         {"reacaoVertical", reacaoVertical},
         {"deslocamentoMeioSuperior", m.deslocamento[3 * sec.noSecao[meioSuperior] - 1][c]}});
  }
  json barras = json::array();
  for (size_t k = 1; k <= nLocais; ++k) {
    json lista = json::array();
    for (const TAlternativaBarras& a : d.alternativasBarras[k]) lista.push_back(a.texto);
    barras.push_back(lista);
  }
  json abertura = json::array();
  for (size_t p = 1; p <= nPosicoes; ++p) {
    double maior = 0;
    for (size_t c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c)
      maior = std::max(maior, s.fissuracao.aberturaFissura[c][p]);
    abertura.push_back(maior);
  }
  return {
      {"banner", s.banner},
      {"linhasLog", nLinhasLog},
      {"nNos", m.nNos},
      {"noSecao", faixa(sec.noSecao, 1, nSecoes)},
      {"fatorArqueamento", s.analise.cargas.fatorArqueamento},
      {"alturaEquivalente", s.analise.cargas.alturaEquivalente},
      {"casos", casos},
      {"momentoEnvMaxLado", faixa(s.analise.envoltoria.momentoEnvMaxLado, 1, 4)},
      {"momentoEnvMinLado", faixa(s.analise.envoltoria.momentoEnvMinLado, 1, 4)},
      {"asMinimaAdotada", faixa(d.asMinimaAdotada, 1, nLocais)},
      {"telaEscolhida", s.projeto.Resultados.telaEscolhida},
      {"asBarrasCalculada", faixa(d.asBarrasCalculada, 1, nLocais)},
      {"nProjeto", faixa(d.nProjeto, 1, nLocais)},
      {"mProjeto", faixa(d.mProjeto, 1, nLocais)},
      {"alternativasBarras", barras},
      {"asPosicao", faixa(d.asPosicao, 1, nPosicoes)},
      {"tensaoFadiga", {d.tensaoFadigaCoroamento, d.tensaoFadigaQuina}},
      {"asFadiga", {d.asFadigaCoroamento, d.asFadigaQuina}},
      {"cortante",
       {s.cortante.cortanteMisula.Vsd, s.cortante.cortanteMisula.Vrd1,
        s.cortante.cortanteMisula.Asw, s.cortante.cortanteParede.Vsd,
        s.cortante.cortanteParede.Vrd1, s.cortante.cortanteParede.Asw,
        s.cortante.distanciaCortante}},
      {"aberturaMaxima", abertura},
      {"comprimentoBarra", faixa(d.comprimentoBarra, 1, 14)},
  };
}

// Numbers agree to 1e-9 relative (1e-9 absolute near zero); all else exactly.
void comparar(const json& obtido, const json& esperado, const std::string& caminho) {
  if (esperado.is_number() && obtido.is_number()) {
    const double a = obtido.get<double>(), b = esperado.get<double>();
    EXPECT_LE(std::fabs(a - b), 1e-9 * std::max(1.0, std::fabs(b)))
        << caminho << ": " << a << " ≠ " << b;
  } else if (esperado.is_array() && obtido.is_array()) {
    ASSERT_EQ(obtido.size(), esperado.size()) << caminho;
    for (size_t i = 0; i < esperado.size(); ++i)
      comparar(obtido[i], esperado[i], caminho + "[" + std::to_string(i) + "]");
  } else if (esperado.is_object() && obtido.is_object()) {
    for (const auto& [chave, valor] : esperado.items()) {
      ASSERT_TRUE(obtido.contains(chave)) << caminho << "." << chave;
      comparar(obtido[chave], valor, caminho + "." + chave);
    }
  } else {
    EXPECT_EQ(obtido, esperado) << caminho;
  }
}

struct TReferencia {
  const char* nome;
  std::vector<std::pair<std::string, std::string>> definicoes;
};

class Referencia : public ::testing::TestWithParam<TReferencia> {};

TEST_P(Referencia, ResultadosIguaisAosGuardados) {
  const TReferencia& r = GetParam();
  TSessao s;
  s.projeto = projetoInicial();
  for (const auto& [campo, valor] : r.definicoes)
    ASSERT_EQ(definirCampo(s.projeto, campo, valor), "");
  aplicarRegrasDosDialogos(s.projeto);
  confirmarGeometria(s.projeto, s.analise.modelo);
  TRegistroMemoria registro;
  executarCalculo(s, registro);
  const json obtido = resultados(s, registro.linhas.size());

  const std::string arquivo = std::string(GALERIA_DADOS_TESTE) + "/referencia_" + r.nome + ".json";
  if (std::getenv("GALERIA_ATUALIZAR_REFERENCIA")) {
    std::ofstream(arquivo) << obtido.dump(1) << '\n';
    GTEST_SKIP() << "referência reescrita: " << arquivo;
  }
  std::ifstream entrada(arquivo);
  ASSERT_TRUE(entrada) << "falta " << arquivo;
  comparar(obtido, json::parse(entrada), r.nome);
}

INSTANTIATE_TEST_SUITE_P(Projetos, Referencia,
                         ::testing::Values(TReferencia{"tipica", {}},
                                           TReferencia{"maior",
                                                       {{"Geometria.secaoConstante", "0"},
                                                        {"Geometria.bl", "4,50"},
                                                        {"Geometria.hl", "4,00"},
                                                        {"Geometria.mhc", "30"},
                                                        {"Geometria.mvc", "30"},
                                                        {"Geometria.mhb", "30"},
                                                        {"Geometria.mvb", "30"},
                                                        {"Geometria.hc", "30"},
                                                        {"Geometria.hp", "30"},
                                                        {"Geometria.hb", "30"},
                                                        {"Criterio.compElemento", "5"}}},
                                           TReferencia{"vala_classe45",
                                                       {{"Geometria.secaoConstante", "0"},
                                                        {"Geometria.hc", "20"},
                                                        {"Geometria.hp", "18"},
                                                        {"Geometria.hb", "22"},
                                                        {"Geometria.mhb", "0"},
                                                        {"Instalacao.hs", "4,00"},
                                                        {"Tipo.arqueamento", "1"},
                                                        {"Tipo.tipoInstalacao", "1"},
                                                        {"Tipo.bv", "4,20"},
                                                        {"Sobrecarga.classe", "45"},
                                                        {"Criterio.apoio", "3"}}}),
                         [](const ::testing::TestParamInfo<TReferencia>& i) {
                           return std::string(i.param.nome);
                         });

}  // namespace
}  // namespace galeria
