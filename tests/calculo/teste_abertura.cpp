// "Abrir" on a whole session: saving right after a calculation and opening
// the file again gives the same inputs, choices and results; a file whose
// calculation stops opens without its stored choice; a refused file leaves
// the session as it was. Also the example projects of the installation.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/analise.h"
#include "design/abertura.h"
#include "design/calculo.h"
#include "design/exemplos.h"
#include "design/revisao.h"
#include "project/arquivo_projeto.h"
#include "project/configuracao.h"
#include "project/disco.h"
#include "project/pasta_temporaria.h"

namespace galeria {
namespace {

namespace fs = std::filesystem;
using teste::TPastaTemporaria;

// The file lines before "RESULTADOS": the inputs.
std::vector<std::string> linhasDeEntrada(const TProjeto& p) {
  std::vector<std::string> l = linhasProjeto(p);
  for (size_t i = 0; i < l.size(); ++i)
    if (l[i] == "RESULTADOS")
      return std::vector<std::string>(l.begin(), l.begin() + static_cast<long>(i));
  return l;
}

void esperarResultadosIguais(const TResultados& a, const TResultados& b) {
  EXPECT_EQ(a.telaEscolhida, b.telaEscolhida);
  EXPECT_EQ(a.barraEscolhida, b.barraEscolhida);
  EXPECT_EQ(a.fadigaEscolhida, b.fadigaEscolhida);
}

std::vector<std::string> textos(const TListaBarras& lista) {
  std::vector<std::string> t;
  for (const TAlternativaBarras& alt : lista) t.push_back(alt.texto);
  return t;
}

// Every input, the mesh, the analysis, the design and the checks: equal to
// the last bit (the same operations on the same numbers).
void esperarSessoesIguais(const TSessao& a, const TSessao& b) {
  EXPECT_EQ(linhasProjeto(a.projeto), linhasProjeto(b.projeto));
  esperarResultadosIguais(a.projeto.Resultados, b.projeto.Resultados);
  EXPECT_EQ(a.projeto.estado.calculoInterrompido, b.projeto.estado.calculoInterrompido);
  EXPECT_EQ(a.projeto.estado.resultadosValidos, b.projeto.estado.resultadosValidos);
  EXPECT_EQ(a.banner, b.banner);

  const TModeloEF& ma = a.analise.modelo;
  const TModeloEF& mb = b.analise.modelo;
  EXPECT_EQ(ma.nNos, mb.nNos);
  EXPECT_EQ(ma.xNo, mb.xNo);
  EXPECT_EQ(ma.yNo, mb.yNo);
  EXPECT_EQ(ma.espessura, mb.espessura);
  for (const auto campo :
       {&TModeloEF::cargaNodal, &TModeloEF::deslocamento, &TModeloEF::reacao, &TModeloEF::normalIni,
        &TModeloEF::normalFim, &TModeloEF::cortanteIni, &TModeloEF::cortanteFim,
        &TModeloEF::momentoIni, &TModeloEF::momentoFim, &TModeloEF::fatorInercia})
    EXPECT_EQ(ma.*campo, mb.*campo);
  EXPECT_EQ(ma.apoioAtivo, mb.apoioAtivo);
  EXPECT_EQ(a.analise.cargas.fatorArqueamento, b.analise.cargas.fatorArqueamento);
  EXPECT_EQ(a.analise.envoltoria.momentoEnvMax, b.analise.envoltoria.momentoEnvMax);
  EXPECT_EQ(a.analise.envoltoria.momentoEnvMin, b.analise.envoltoria.momentoEnvMin);
  EXPECT_EQ(a.analise.secoes.noSecao, b.analise.secoes.noSecao);

  const TDimensionamento& da = a.dimensionamento;
  const TDimensionamento& db = b.dimensionamento;
  EXPECT_EQ(da.telaEscolhida, db.telaEscolhida);
  EXPECT_EQ(da.areaTela, db.areaTela);
  EXPECT_EQ(da.asBarrasCalculada, db.asBarrasCalculada);
  EXPECT_EQ(da.nProjeto, db.nProjeto);
  EXPECT_EQ(da.mProjeto, db.mProjeto);
  EXPECT_EQ(da.asNecessariaBarras, db.asNecessariaBarras);
  for (size_t k = 1; k <= nLocais; ++k)
    EXPECT_EQ(textos(da.alternativasBarras[k]), textos(db.alternativasBarras[k])) << "local " << k;
  EXPECT_EQ(da.barraEscolhida, db.barraEscolhida);
  EXPECT_EQ(da.asBarrasEscolhida, db.asBarrasEscolhida);
  EXPECT_EQ(da.taxaArmadura, db.taxaArmadura);
  EXPECT_EQ(da.asExtAoLongo, db.asExtAoLongo);
  EXPECT_EQ(da.asIntAoLongo, db.asIntAoLongo);
  EXPECT_EQ(da.comprimentoBarra, db.comprimentoBarra);
  EXPECT_EQ(da.comprimentoPeca, db.comprimentoPeca);
  EXPECT_EQ(da.tensaoFadigaQuina, db.tensaoFadigaQuina);
  EXPECT_EQ(da.tensaoFadigaCoroamento, db.tensaoFadigaCoroamento);
  EXPECT_EQ(textos(da.alternativasFadiga[1]), textos(db.alternativasFadiga[1]));
  EXPECT_EQ(textos(da.alternativasFadiga[2]), textos(db.alternativasFadiga[2]));
  EXPECT_EQ(da.fadigaEscolhida, db.fadigaEscolhida);

  EXPECT_EQ(a.cortante.cortanteMisula.Vsd, b.cortante.cortanteMisula.Vsd);
  EXPECT_EQ(a.cortante.cortanteParede.Vrd1, b.cortante.cortanteParede.Vrd1);
  EXPECT_EQ(a.cortante.textoArea, b.cortante.textoArea);
  EXPECT_EQ(a.fissuracao.aberturaFissura, b.fissuracao.aberturaFissura);
  EXPECT_EQ(a.fissuracao.tensaoAcoFissura, b.fissuracao.tensaoAcoFissura);
}

// A session calculated from a record as "Calcular" after the dialogs does.
TSessao calculada(const TProjeto& p) {
  TSessao s;
  s.projeto = p;
  confirmarGeometria(s.projeto, s.analise.modelo);
  TRegistroMemoria registro;
  executarCalculo(s, registro);
  return s;
}

// A choice other than the proposal, as a user makes it in the results
// dialog: each mesh one size up, then the second entry of every bar list
// that has one.
void mudarEscolha(TSessao& s) {
  std::array<int, 6> telas = s.projeto.Resultados.telaEscolhida;
  for (int& t : telas) t = std::min(t + 1, TCatalogoTelas::nTelas - 1);
  TRegistroMemoria registro;
  redimensionarComTelas(s, telas, registro);
  ASSERT_FALSE(s.projeto.estado.calculoInterrompido);
  const std::array<int, 12> n = tamanhosDasListas(s.dimensionamento);
  std::array<int, 10> barras{};
  for (size_t k = 0; k < 10; ++k) barras[k] = n[k] > 1 ? 1 : 0;
  definirEscolhaBarras(s, barras, {n[10] > 1 ? 1 : 0, n[11] > 1 ? 1 : 0});
}

class AberturaSessao : public ::testing::Test {
 protected:
  TPastaTemporaria pasta;
  TConfiguracao configuracao;

  TAberturaSessao abrir(TSessao& s, const fs::path& caminho) {
    TRegistroMemoria registro;
    return abrirProjetoSessao(s, caminho, configuracao, registro);
  }
};

TEST_F(AberturaSessao, SalvarEAbrirDevolveEntradasEscolhasEResultados) {
  for (const TProjetoExemplo& exemplo : projetosExemplo(configuracao.solos)) {
    SCOPED_TRACE(exemplo.arquivo);
    for (const bool escolhaDoUsuario : {false, true}) {
      SCOPED_TRACE(escolhaDoUsuario ? "escolha do usuário" : "escolha proposta");
      TSessao original = calculada(exemplo.projeto);
      ASSERT_FALSE(original.projeto.estado.calculoInterrompido);
      if (escolhaDoUsuario) mudarEscolha(original);
      const TResultados proposta = calculada(exemplo.projeto).projeto.Resultados;
      if (escolhaDoUsuario) {
        EXPECT_NE(original.projeto.Resultados.telaEscolhida, proposta.telaEscolhida);
      }

      const fs::path arquivo = pasta / exemplo.arquivo;
      ASSERT_EQ(salvarProjeto(arquivo, original.projeto), "");
      TSessao aberta;
      aberta.projeto = projetoInicial();
      const TAberturaSessao r = abrir(aberta, arquivo);
      ASSERT_TRUE(r.aberto) << r.erro;
      EXPECT_TRUE(r.escolhaAplicada);
      EXPECT_TRUE(r.avisos.empty()) << r.avisos.front();
      esperarSessoesIguais(aberta, original);

      // Saving the opened project writes the same file again.
      ASSERT_EQ(salvarProjeto(pasta / "de_novo.gal", aberta.projeto), "");
      EXPECT_EQ(teste::lerBytes(pasta / "de_novo.gal"), teste::lerBytes(arquivo));
    }
  }
}

TEST_F(AberturaSessao, IndicesForaDasListasFicamComAPropostaEComAviso) {
  const TProjetoExemplo exemplo = projetosExemplo(configuracao.solos).front();
  const TSessao original = calculada(exemplo.projeto);
  std::vector<std::string> linhas = linhasProjeto(original.projeto);
  size_t resultados = 0;
  while (linhas[resultados] != "RESULTADOS") ++resultados;
  linhas[resultados + 1] = "99";   // mesh of location 9: no such mesh
  linhas[resultados + 7] = "40";   // bars of location 9: no such entry
  linhas[resultados + 17] = "-1";  // fatigue at the crown: nothing selected, silently kept
  const fs::path arquivo = pasta / "indices.gal";
  ASSERT_EQ(gravarLinhasArquivo(arquivo, linhas, false), "");

  TSessao aberta;
  const TAberturaSessao r = abrir(aberta, arquivo);
  ASSERT_TRUE(r.aberto) << r.erro;
  ASSERT_EQ(r.avisos.size(), 2u);
  const int primeira = static_cast<int>(resultados) + 2;  // file line of the first index
  EXPECT_NE(r.avisos[0].find("linha " + std::to_string(primeira) + ":"), std::string::npos)
      << r.avisos[0];
  EXPECT_NE(r.avisos[1].find("linha " + std::to_string(primeira + 6) + ":"), std::string::npos)
      << r.avisos[1];
  esperarSessoesIguais(aberta, original);
}

TEST_F(AberturaSessao, CalculoInterrompidoAbreSemAEscolhaGravada) {
  // 6 m of fill on 15 cm walls: the design asks for thicker walls.
  TProjeto p = projetosExemplo(configuracao.solos).front().projeto;
  p.Instalacao.hs = 6.0;
  TSessao parada = calculada(p);
  ASSERT_TRUE(parada.projeto.estado.calculoInterrompido);
  TProjeto gravado = parada.projeto;
  gravado.Resultados.telaEscolhida = {7, 7, 7, 8, 8, 8};
  gravado.Resultados.barraEscolhida = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  gravado.Resultados.fadigaEscolhida = {1, 1};
  const fs::path arquivo = pasta / "parada.gal";
  ASSERT_EQ(salvarProjeto(arquivo, gravado), "");

  // Fields the file does not hold keep what the session had.
  TSessao s;
  s.projeto = projetoInicial();
  s.projeto.Armadura.espMin = 7.0;
  s.projeto.Armadura.espMax = 30.0;
  s.projeto.Criterio.pesoAco = 77.0;
  s.projeto.Sobrecarga.gamaAgua = 9.81;
  const TProjeto antes = s.projeto;
  const TAberturaSessao r = abrir(s, arquivo);
  ASSERT_TRUE(r.aberto) << r.erro;
  EXPECT_FALSE(r.escolhaAplicada);
  ASSERT_EQ(r.avisos.size(), 1u);
  EXPECT_NE(r.avisos[0].find("interrompido"), std::string::npos) << r.avisos[0];
  EXPECT_TRUE(s.projeto.estado.calculoInterrompido);
  EXPECT_FALSE(s.projeto.estado.resultadosValidos);
  EXPECT_EQ(s.banner, bannerInterrompido);
  EXPECT_EQ(linhasDeEntrada(s.projeto), linhasDeEntrada(gravado));
  EXPECT_EQ(s.projeto.Armadura.espMin.texto, antes.Armadura.espMin.texto);
  EXPECT_EQ(s.projeto.Armadura.espMax.texto, antes.Armadura.espMax.texto);
  EXPECT_EQ(s.projeto.Criterio.pesoAco.valor, 77.0);
  EXPECT_EQ(s.projeto.Sobrecarga.gamaAgua, 9.81);

  // The choice is what the stopped calculation left, not the stored one.
  TSessao referencia;
  referencia.projeto = s.projeto;
  reconstruirMalha(referencia);
  TRegistroMemoria registro;
  executarCalculo(referencia, registro);
  esperarResultadosIguais(s.projeto.Resultados, referencia.projeto.Resultados);
  EXPECT_NE(s.projeto.Resultados.telaEscolhida, gravado.Resultados.telaEscolhida);
}

TEST_F(AberturaSessao, ArquivoRecusadoOuAjusteRecusadoDeixamASessaoComoEstava) {
  TSessao s = calculada(projetosExemplo(configuracao.solos).front().projeto);
  const std::vector<std::string> antes = linhasProjeto(s.projeto);
  const Vreal momentos = s.analise.envoltoria.momentoEnvMax;

  teste::gravarBytes(pasta / "lixo.gal", std::string("\x00\x01\xFF garbage\r\n\x1A", 14));
  TAberturaSessao r = abrir(s, pasta / "lixo.gal");
  EXPECT_FALSE(r.aberto);
  EXPECT_NE(r.erro.find("lixo.gal"), std::string::npos) << r.erro;
  EXPECT_NE(r.erro.find("linha"), std::string::npos) << r.erro;

  ASSERT_EQ(salvarProjeto(pasta / "bom.gal", s.projeto), "");
  TRegistroMemoria registro;
  bool ajustado = false;
  r = abrirProjetoSessao(s, pasta / "bom.gal", configuracao, registro, [&](TProjeto& p) {
    ajustado = true;
    p.Geometria.bl = 9.0;
    return std::string("recusado pelo ajuste");
  });
  EXPECT_TRUE(ajustado);
  EXPECT_FALSE(r.aberto);
  EXPECT_EQ(r.erro, "recusado pelo ajuste");
  EXPECT_TRUE(registro.linhas.empty());

  EXPECT_EQ(linhasProjeto(s.projeto), antes);
  EXPECT_TRUE(s.projeto.estado.resultadosValidos);
  EXPECT_EQ(s.banner, bannerSucesso);
  EXPECT_EQ(s.analise.envoltoria.momentoEnvMax, momentos);
}

TEST_F(AberturaSessao, AjusteMudaOProjetoAntesDaMalha) {
  TSessao original = calculada(projetosExemplo(configuracao.solos).front().projeto);
  ASSERT_EQ(salvarProjeto(pasta / "g.gal", original.projeto), "");
  TProjeto largo = original.projeto;
  largo.Geometria.bl = 4.00;
  const TSessao esperada = calculada(largo);

  TSessao s;
  TRegistroMemoria registro;
  const TAberturaSessao r =
      abrirProjetoSessao(s, pasta / "g.gal", configuracao, registro, [](TProjeto& p) {
        p.Geometria.bl = 4.00;
        return std::string();
      });
  ASSERT_TRUE(r.aberto) << r.erro;
  EXPECT_GT(s.analise.modelo.nNos, original.analise.modelo.nNos);
  EXPECT_EQ(s.analise.modelo.xNo, esperada.analise.modelo.xNo);
  EXPECT_EQ(s.analise.envoltoria.momentoEnvMax, esperada.analise.envoltoria.momentoEnvMax);
}

// ---------------------------------------------------------------- examples

TEST(ExemplosInstalacao, CalculamComSucessoEGaleria1EhACorridaTipica) {
  TPastaTemporaria pasta;
  ASSERT_TRUE(instalarPadrao(pasta.caminho()).empty());
  const TLeituraConfiguracao config = lerConfiguracao(pasta.caminho());
  ASSERT_TRUE(config.avisos.empty());
  ASSERT_TRUE(gravarExemplos(pasta.caminho(), config.configuracao.solos).empty());

  const std::vector<TProjetoExemplo> exemplos = projetosExemplo(config.configuracao.solos);
  ASSERT_EQ(exemplos.size(), 3u);
  EXPECT_EQ(exemplos[0].arquivo, "galeria1.gal");
  for (const TProjetoExemplo& e : exemplos) {
    SCOPED_TRACE(e.arquivo);
    const fs::path arquivo = pasta / "Arquivos" / e.arquivo;
    ASSERT_TRUE(fs::is_regular_file(arquivo));
    TSessao s;
    TRegistroMemoria registro;
    const TAberturaSessao r = abrirProjetoSessao(s, arquivo, config.configuracao, registro);
    ASSERT_TRUE(r.aberto) << r.erro;
    EXPECT_TRUE(r.avisos.empty());
    EXPECT_EQ(s.banner, bannerSucesso);
    EXPECT_TRUE(s.projeto.estado.resultadosValidos);
    // The stored choice is the proposal of the calculation.
    esperarResultadosIguais(s.projeto.Resultados, calculada(e.projeto).projeto.Resultados);
  }

  // galeria1: the start values with the typical run's dialog values.
  TProjeto tipico = projetoInicial();
  igualarSecaoConstante(tipico.Geometria);
  tipico.Geometria.bl = 3.20;
  tipico.Geometria.hl = 2.20;
  tipico.Instalacao.hs = 0.30;
  tipico.Instalacao.hpav = 0.20;
  EXPECT_EQ(linhasDeEntrada(exemplos[0].projeto), linhasDeEntrada(tipico));
  const TProjeto& g = exemplos[0].projeto;
  EXPECT_EQ(g.Geometria.hc.texto, "15,00");
  EXPECT_EQ(g.Sobrecarga.tipoSobrecarga, 1);
  EXPECT_EQ(g.Sobrecarga.classe, 30);
  EXPECT_FALSE(g.Tipo.arqueamento);

  // The trench example is a variable section whose arching is in force.
  const TSessao vala = calculada(exemplos[1].projeto);
  EXPECT_FALSE(vala.projeto.Geometria.secaoConstante);
  EXPECT_TRUE(vala.projeto.Tipo.arqueamento);
  EXPECT_EQ(vala.projeto.Tipo.tipoInstalacao, 1);
  EXPECT_LT(vala.analise.cargas.fatorArqueamento, 1.0);
  EXPECT_GT(vala.analise.cargas.fatorArqueamento, 0.0);
  EXPECT_EQ(exemplos[2].projeto.Sobrecarga.tipoSobrecarga, 2);
}

}  // namespace
}  // namespace galeria
