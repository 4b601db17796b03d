#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "project/arquivo_projeto.h"
#include "project/codificacao.h"
#include "project/disco.h"
#include "project/pasta_temporaria.h"

namespace galeria {
namespace {

namespace fs = std::filesystem;
using teste::gravarBytes;
using teste::lerBytes;
using teste::TPastaTemporaria;

const std::string hifens(55, '-');

// The project of the example: "Novo", the geometry dialog confirmed without
// edits, arching off, road surcharge.
TProjeto projetoExemplo() {
  TProjeto p = projetoInicial();
  novoProjeto(p, 18.0, 30.0);
  igualarSecaoConstante(p.Geometria);
  p.estado.geometriaConfirmada = true;
  return p;
}

// A project with a distinct value in every stored field, so that a field read
// into the wrong place shows.
TProjeto projetoCompleto() {
  TProjeto p = projetoExemplo();
  p.Obra = {
      "Drenagem da Av. Brasil", "Rua das Flores", "123", "Centro", "São Paulo", "SP", "01000-000"};
  p.Cliente = {"Prefeitura",
               "Praça da Sé",
               "1",
               "Sé",
               "São Paulo",
               "SP",
               "01001-000",
               "(11) 1234-5678",
               "(11) 98765-4321",
               "obras@prefeitura.sp"};
  TGeometria& g = p.Geometria;
  g.secaoConstante = false;
  g.comprimento = 2;
  g.finalidade = 2;
  g.bl = 3.10, g.hl = 2.05, g.mhc = 11, g.mvc = 12, g.mhb = 13, g.mvb = 14;
  g.hc = 16, g.hp = 17, g.hb = 18;
  TInstalacao& i = p.Instalacao;
  i.solo = 2;
  i.hs = 1.25, i.hpav = 0.15, i.fcj = 22, i.coefImpacto = 1.4, i.dica = 35;
  p.Tipo.arqueamento = true;
  p.Tipo.tipoInstalacao = 2;
  p.Tipo.classeRecalque = 4;
  p.Tipo.rr = 0.7;
  p.Sobrecarga.tipoSobrecarga = 3;
  p.Sobrecarga.Q = 7.5, p.Sobrecarga.a = 0.6, p.Sobrecarga.b = 0.4;
  TArmadura& a = p.Armadura;
  a.w = 0.2, a.redRigidez = 0.45, a.rfs = 170, a.rfq = 100, a.coefC = 1.4, a.coefA = 1.1;
  a.cobrimento = 3.5, a.varAbaixo = 4, a.varAcima = 20;
  TCriterio& k = p.Criterio;
  k.fck = 35, k.pesoConcreto = 24.5, k.EcAutomatico = false, k.Ec = 28000;
  k.apoio = 4, k.kr = 40.5, k.compElemento = 12;
  k.elsPesoProprio = 1.05, k.psi1Fissuracao = 0.4, k.psi1Fadiga = 0.7;
  k.eluPesoProprio = 1.4, k.eluSolo = 1.45, k.eluCargaMovel = 1.55, k.eluAgua = 1.25;
  p.Resultados.telaEscolhida = {1, 2, 3, 4, 5, 6};
  p.Resultados.barraEscolhida = {0, 1, 2, 0, 1, 2, 0, 1, 2, 3};
  p.Resultados.fadigaEscolhida = {1, 0};
  return p;
}

TCatalogoSolos catalogoDeCinco() {
  TCatalogoSolos c = catalogoSolosPadrao();
  c.solos.resize(5);
  return c;
}

std::vector<std::string> linhasDaSecao(const std::vector<std::string>& l,
                                       const std::string& titulo) {
  std::vector<std::string> valores;
  size_t i = 0;
  while (i < l.size() && l[i] != titulo) ++i;
  for (++i; i < l.size() && l[i] != hifens; ++i) valores.push_back(l[i]);
  return valores;
}

TLeituraProjeto lerLinhas(const std::vector<std::string>& linhas, const TProjeto& atual,
                          const TCatalogoSolos& solos = catalogoSolosPadrao()) {
  return interpretarProjeto(linhas, "teste.gal", solos, atual);
}

TEST(ArquivoProjeto, ExemploLinhaALinha) {
  const std::vector<std::string> l = linhasProjeto(projetoExemplo());
  std::vector<std::string> esperado = {"OBRA"};
  for (int i = 0; i < 7; ++i) esperado.emplace_back();
  esperado.insert(esperado.end(), {hifens, "", "CLIENTE"});
  for (int i = 0; i < 10; ++i) esperado.emplace_back();
  esperado.insert(esperado.end(), {hifens, "", "GEOMETRIA", "1", "0", "1", "2,20", "2,20"});
  for (int i = 0; i < 7; ++i) esperado.emplace_back("15,00");
  esperado.insert(
      esperado.end(),
      {hifens, "",           "INSTALACAO", "0",      "0,30",     "0,20",  "20,00",
       "1,20", "30,00",      hifens,       "",       "TIPO",     "2",     hifens,
       "",     "SOBRECARGA", "1",          "30",     hifens,     "",      "ARMADURA",
       "0,25", "0,50",       "180,00",     "110,00", "1,30",     "1,15",  "3,00",
       "5,00", "15,0",       hifens,       "",       "CRITERIO", "30,00", "25,00",
       "1",    "26071,59",   "1",          "20",     "1,00",     "0,50",  "0,80",
       "1,30", "1,35",       "1,50",       "1,20",   hifens,     "",      "RESULTADOS"});
  for (int i = 0; i < 6; ++i) esperado.emplace_back("0");
  for (int i = 0; i < 12; ++i) esperado.emplace_back("-1");
  esperado.insert(esperado.end(), {hifens, ""});
  ASSERT_EQ(l.size(), esperado.size());
  for (size_t i = 0; i < l.size(); ++i) EXPECT_EQ(l[i], esperado[i]) << "linha " << i + 1;
  // Fixed positions named in the layout.
  EXPECT_EQ(l[47], "TIPO");
  EXPECT_EQ(l[48], "2");

  TPastaTemporaria pasta;
  ASSERT_EQ(salvarProjeto(pasta / "galeria1.gal", projetoExemplo()), "");
  std::string bytes;
  for (const std::string& linha : esperado) bytes += linha + "\r\n";
  EXPECT_EQ(lerBytes(pasta / "galeria1.gal"), bytes);
}

TEST(ArquivoProjeto, LinhasDoTipoConformeArqueamentoEInstalacao) {
  struct Caso {
    bool arqueamento;
    int tipo;
    std::vector<std::string> valores;
  };
  const Caso casos[] = {
      {false, 1, {"2"}},
      {true, 1, {"1", "1", "1,80"}},
      {true, 2, {"1", "2", "3", "0,30"}},
  };
  for (const Caso& c : casos) {
    TProjeto p = projetoExemplo();
    p.Tipo.arqueamento = c.arqueamento;
    p.Tipo.tipoInstalacao = c.tipo;
    p.Tipo.bv = 1.8;
    p.Tipo.classeRecalque = 3;
    p.Tipo.rr = 0.3;
    const auto l = linhasProjeto(p);
    EXPECT_EQ(linhasDaSecao(l, "TIPO"), c.valores);
    // The rest of the file follows at once.
    EXPECT_EQ(linhasDaSecao(l, "SOBRECARGA"), (std::vector<std::string>{"1", "30"}));
    TProjeto atual = projetoExemplo();
    atual.Tipo.bv = TDecimal(0.0, "");
    const TLeituraProjeto r = lerLinhas(l, atual);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.projeto.Tipo.arqueamento, c.arqueamento);
    EXPECT_EQ(linhasProjeto(r.projeto), l);
  }
}

TEST(ArquivoProjeto, LinhasDaSobrecargaConformeOTipo) {
  struct Caso {
    int tipo;
    std::vector<std::string> valores;
  };
  const Caso casos[] = {
      {1, {"1", "45"}},
      {2, {"2", "12,50"}},
      {3, {"3", "7,50", "0,60", "0,40"}},
      {4, {"4"}},
  };
  for (const Caso& c : casos) {
    TProjeto p = projetoExemplo();
    p.Sobrecarga.tipoSobrecarga = c.tipo;
    p.Sobrecarga.classe = 45;
    p.Sobrecarga.q = 12.5;
    p.Sobrecarga.Q = 7.5, p.Sobrecarga.a = 0.6, p.Sobrecarga.b = 0.4;
    const auto l = linhasProjeto(p);
    EXPECT_EQ(linhasDaSecao(l, "SOBRECARGA"), c.valores);
    const TLeituraProjeto r = lerLinhas(l, projetoExemplo());
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.projeto.Sobrecarga.tipoSobrecarga, c.tipo);
    EXPECT_EQ(linhasProjeto(r.projeto), l);
  }
  // Type 4: header, "4" and the separator with nothing between.
  TProjeto p = projetoExemplo();
  p.Sobrecarga.tipoSobrecarga = 4;
  const auto l = linhasProjeto(p);
  const auto it = std::find(l.begin(), l.end(), "SOBRECARGA");
  ASSERT_NE(it, l.end());
  EXPECT_EQ(*(it + 1), "4");
  EXPECT_EQ(*(it + 2), hifens);
}

TEST(ArquivoProjeto, KrSoComApoioDefinidoPeloUsuario) {
  struct Caso {
    int apoio;
    const char* kr;
  };
  for (const Caso& c : {Caso{1, "15,00"}, Caso{2, "25,00"}, Caso{3, "55,00"}, Caso{4, "40,50"}}) {
    TProjeto p = projetoExemplo();
    p.Criterio.apoio = c.apoio;
    p.Criterio.kr = 40.5;
    const auto l = linhasProjeto(p);
    const auto criterio = linhasDaSecao(l, "CRITERIO");
    EXPECT_EQ(criterio.size(), c.apoio == 4 ? 14u : 13u) << c.apoio;
    // Read into a record whose kr is something else: the class decides.
    TProjeto atual = projetoExemplo();
    atual.Criterio.kr = 99.0;
    const TLeituraProjeto r = lerLinhas(l, atual);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.projeto.Criterio.apoio, c.apoio);
    EXPECT_EQ(r.projeto.Criterio.kr.texto, c.kr);
  }
}

// The section kind, the purpose, the automatic modulus and the vehicle class
// are decided by the exact text of their line: only "1" (only "30" for the
// class) selects the first option; any other whole number, "01" or " 1"
// included, selects the other.
TEST(ArquivoProjeto, EscolhasPeloTextoExatoDaLinha) {
  struct Caso {
    int linha;
    const char* texto;
    bool primeira;  // "Sim", "Águas Pluviais", automatic on, class 30
  };
  const Caso casos[] = {
      {25, "1", true},    {25, "2", false},   {25, "01", false}, {25, " 1", false},
      {25, "+1", false},  {25, "1 ", false},  {27, "1", true},   {27, "2", false},
      {27, "01", false},  {27, "7", false},   {72, "1", true},   {72, "0", false},
      {72, "01", false},  {72, " 1", false},  {54, "30", true},  {54, "45", false},
      {54, "030", false}, {54, "+30", false}, {54, "31", false},
  };
  for (const Caso& c : casos) {
    auto l = linhasProjeto(projetoExemplo());
    ASSERT_EQ(l[52], "1") << "road surcharge: line 54 holds the class";
    l[static_cast<size_t>(c.linha - 1)] = c.texto;
    // Read over a record that holds the other option everywhere.
    TProjeto atual = projetoExemplo();
    atual.Geometria.secaoConstante = !c.primeira;
    atual.Geometria.finalidade = c.primeira ? 2 : 1;
    atual.Criterio.EcAutomatico = !c.primeira;
    atual.Sobrecarga.classe = c.primeira ? 45 : 30;
    const TLeituraProjeto r = lerLinhas(l, atual);
    SCOPED_TRACE(std::to_string(c.linha) + " \"" + c.texto + "\"");
    ASSERT_TRUE(r.ok) << r.erro;
    const TProjeto& q = r.projeto;
    switch (c.linha) {
      case 25:
        EXPECT_EQ(q.Geometria.secaoConstante, c.primeira);
        break;
      case 27:
        EXPECT_EQ(q.Geometria.finalidade, c.primeira ? 1 : 2);
        break;
      case 72:
        EXPECT_EQ(q.Criterio.EcAutomatico, c.primeira);
        break;
      default:
        EXPECT_EQ(q.Sobrecarga.classe, c.primeira ? 30 : 45);
    }
  }
}

// Opening derives the geometry as a confirmation of the geometry dialog does:
// a constant section takes every haunch leg from line 30 and every thickness
// from line 34, and the nine values are rewritten in the two-decimal form.
TEST(ArquivoProjeto, AberturaDerivaAGeometriaComoOConfirmarDoDialogo) {
  struct Caso {
    const char* secao;
    std::vector<std::string> lidas;     // lines 28 to 36
    std::vector<std::string> gravadas;  // the same lines when saved again
  };
  const Caso casos[] = {
      {"1",
       {"3,2", "2,2", "10", "12,00", "13,00", "14,00", "18", "20,00", "22,00"},
       {"3,20", "2,20", "10,00", "10,00", "10,00", "10,00", "18,00", "18,00", "18,00"}},
      {"2",
       {"3,2", "2,2", "10", "12,00", "13,5", "14,00", "18", "20,00", "22,001"},
       {"3,20", "2,20", "10,00", "12,00", "13,50", "14,00", "18,00", "20,00", "22,00"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.secao);
    auto l = linhasProjeto(projetoExemplo());
    l[24] = c.secao;
    for (size_t i = 0; i < 9; ++i) l[27 + i] = c.lidas[i];
    const TLeituraProjeto r = lerLinhas(l, projetoExemplo());
    ASSERT_TRUE(r.ok) << r.erro;
    const auto gravadas = linhasProjeto(r.projeto);
    EXPECT_EQ(std::vector<std::string>(gravadas.begin() + 27, gravadas.begin() + 36), c.gravadas);
    const TGeometria& g = r.projeto.Geometria;
    for (const TDecimal* d : {&g.bl, &g.hl, &g.mhc, &g.mvc, &g.mhb, &g.mvb, &g.hc, &g.hp, &g.hb})
      EXPECT_EQ(formatar2(d->valor), d->texto);
    // The values the calculation reads are those of the boxes.
    const TValoresGeometricos v = valoresGeometricos(g);
    EXPECT_DOUBLE_EQ(v.larguraExterna, c.secao[0] == '1' ? 320.0 + 2 * 18.0 : 320.0 + 2 * 20.0);
    EXPECT_DOUBLE_EQ(v.alturaExterna,
                     c.secao[0] == '1' ? 18.0 + 220.0 + 18.0 : 22.001 + 220.0 + 18.0);
  }
}

TEST(ArquivoProjeto, IdaEVoltaDeTodosOsCamposGravados) {
  TPastaTemporaria pasta;
  const TProjeto p = projetoCompleto();
  ASSERT_EQ(salvarProjeto(pasta / "completo.gal", p), "");
  // The record in memory differs in the fields the file does not hold.
  TProjeto atual = projetoExemplo();
  atual.Armadura.espMin = 6.0, atual.Armadura.espMax = 30.0;
  atual.Criterio.pesoAco = 77.0;
  atual.Sobrecarga.gamaAgua = 9.8;
  atual.Sobrecarga.q = 3.3;
  const TLeituraProjeto r = lerProjeto(pasta / "completo.gal", catalogoDeCinco(), atual);
  ASSERT_TRUE(r.ok) << r.erro;
  EXPECT_TRUE(r.avisos.empty());
  const TProjeto& q = r.projeto;
  // Everything the file holds came back, in its text form.
  std::vector<std::string> semResultados = linhasProjeto(p);
  EXPECT_EQ(linhasProjeto(q).size(), semResultados.size());
  EXPECT_EQ(q.Obra.cidade, "São Paulo");
  EXPECT_EQ(q.Cliente.email, "obras@prefeitura.sp");
  EXPECT_FALSE(q.Geometria.secaoConstante);
  EXPECT_EQ(q.Geometria.comprimento, 2);
  EXPECT_EQ(q.Geometria.finalidade, 2);
  EXPECT_DOUBLE_EQ(q.Geometria.hb, 18.0);
  EXPECT_DOUBLE_EQ(q.Geometria.mvb, 14.0);
  EXPECT_EQ(q.Tipo.classeRecalque, 4);
  EXPECT_DOUBLE_EQ(q.Tipo.rr, 0.7);
  EXPECT_DOUBLE_EQ(q.Sobrecarga.Q, 7.5);
  EXPECT_DOUBLE_EQ(q.Armadura.varAcima, 20.0);
  EXPECT_FALSE(q.Criterio.EcAutomatico);
  EXPECT_EQ(q.Criterio.Ec.texto, "28000,00");
  EXPECT_EQ(q.Criterio.compElemento, 12);
  EXPECT_DOUBLE_EQ(q.Criterio.eluAgua, 1.25);
  EXPECT_EQ(q.Criterio.elsSolo.texto, "1,05") << "follows the self-weight factor";
  // The soil follows its index.
  EXPECT_EQ(q.Instalacao.solo, 2);
  EXPECT_DOUBLE_EQ(q.Instalacao.gamaS, 19.0);
  EXPECT_DOUBLE_EQ(q.Instalacao.fi, 35.0);
  EXPECT_DOUBLE_EQ(q.Instalacao.ka, coeficientesSolo(35.0).ka);
  // Not in the file: kept from the record in memory.
  EXPECT_DOUBLE_EQ(q.Armadura.espMin, 6.0);
  EXPECT_DOUBLE_EQ(q.Armadura.espMax, 30.0);
  EXPECT_DOUBLE_EQ(q.Criterio.pesoAco, 77.0);
  EXPECT_DOUBLE_EQ(q.Sobrecarga.gamaAgua, 9.8);
  EXPECT_DOUBLE_EQ(q.Sobrecarga.q, 3.3) << "type 3 does not store q";
  EXPECT_TRUE(q.estado.geometriaConfirmada);
  EXPECT_FALSE(q.estado.resultadosValidos);
  // The choice waits for the recalculation: the record keeps its own.
  EXPECT_EQ(q.Resultados.telaEscolhida, atual.Resultados.telaEscolhida);
  ASSERT_EQ(r.escolhas.linhas.size(), 18u);
  EXPECT_EQ(r.escolhas.linhas[0], "1");
  EXPECT_EQ(r.escolhas.linhas[17], "0");
  EXPECT_EQ(linhasProjeto(p)[static_cast<size_t>(r.escolhas.primeiraLinha - 1)], "1");
}

TEST(ArquivoProjeto, AcentosDaObraEDoClienteSobrevivemByteAByte) {
  TPastaTemporaria pasta;
  TProjeto p = projetoExemplo();
  p.Obra.especificacao = "Galeria de águas pluviais – trecho “A”, 2º lote";
  p.Obra.cidade = "São João d’Aliança";
  p.Cliente.nome = "Construtora Ávila & Irmãos Ltda. — ÇÑÜ €";
  p.Cliente.endereco = "   brancos no início e no fim   ";
  ASSERT_EQ(salvarProjeto(pasta / "acentos.gal", p), "");
  const std::string bytes = lerBytes(pasta / "acentos.gal");
  EXPECT_NE(bytes.find("S\xE3o Jo\xE3o d\x92"
                       "Alian\xE7"
                       "a\r\n"),
            std::string::npos);
  const TLeituraProjeto r =
      lerProjeto(pasta / "acentos.gal", catalogoSolosPadrao(), projetoExemplo());
  ASSERT_TRUE(r.ok) << r.erro;
  EXPECT_EQ(r.projeto.Obra.especificacao, p.Obra.especificacao);
  EXPECT_EQ(r.projeto.Obra.cidade, p.Obra.cidade);
  EXPECT_EQ(r.projeto.Cliente.nome, p.Cliente.nome);
  EXPECT_EQ(r.projeto.Cliente.endereco, p.Cliente.endereco);
  // Saved again, the file is the same byte for byte.
  ASSERT_EQ(salvarProjeto(pasta / "de_novo.gal", r.projeto), "");
  EXPECT_EQ(lerBytes(pasta / "de_novo.gal"), bytes);
}

TEST(ArquivoProjeto, TextoSemFormaNoWindows1252OuComQuebraDeLinha) {
  TProjeto p = projetoExemplo();
  p.Obra.bairro = "Jardim → Ω";
  p.Cliente.nome = "duas\nlinhas\r";
  const auto l = linhasProjeto(p);
  EXPECT_EQ(l.size(), linhasProjeto(projetoExemplo()).size());
  TPastaTemporaria pasta;
  ASSERT_EQ(salvarProjeto(pasta / "x.gal", p), "");
  const TLeituraProjeto r = lerProjeto(pasta / "x.gal", catalogoSolosPadrao(), projetoExemplo());
  ASSERT_TRUE(r.ok) << r.erro;
  EXPECT_EQ(r.projeto.Obra.bairro, "Jardim ? ?");
  EXPECT_EQ(r.projeto.Cliente.nome, "duas linhas ");
}

TEST(ArquivoProjeto, SoloForaDoCatalogoViraSoloPadraoComAviso) {
  TProjeto p = projetoExemplo();
  p.Instalacao.solo = 3;
  const auto l = linhasProjeto(p);
  // Five soils: soil 3 is there. After soil 2 was removed, index 3 is the
  // soil that was at 4.
  TCatalogoSolos cinco = catalogoDeCinco();
  TLeituraProjeto r = lerLinhas(l, projetoExemplo(), cinco);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.projeto.Instalacao.solo, 3);
  EXPECT_DOUBLE_EQ(r.projeto.Instalacao.gamaS, pesoSolo(cinco, 3));
  TInstalacao inst;
  ASSERT_TRUE(removerSolo(cinco, 2, inst).aceito);
  r = lerLinhas(l, projetoExemplo(), cinco);
  EXPECT_DOUBLE_EQ(r.projeto.Instalacao.fi, anguloSolo(catalogoDeCinco(), 4));

  TCatalogoSolos tres = catalogoSolosPadrao();
  tres.solos.resize(3);
  tres.solos[0].angulo = "32,00";
  r = lerLinhas(l, projetoExemplo(), tres);
  ASSERT_TRUE(r.ok) << r.erro;
  EXPECT_EQ(r.projeto.Instalacao.solo, 0);
  EXPECT_DOUBLE_EQ(r.projeto.Instalacao.fi, 32.0);
  EXPECT_DOUBLE_EQ(r.projeto.Instalacao.ka, coeficientesSolo(32.0).ka);
  ASSERT_EQ(r.avisos.size(), 1u);
  EXPECT_NE(r.avisos[0].find("linha 40"), std::string::npos) << r.avisos[0];
  EXPECT_NE(r.avisos[0].find("Solo Padrão"), std::string::npos) << r.avisos[0];

  p.Instalacao.solo = -1;
  r = lerLinhas(linhasProjeto(p), projetoExemplo(), tres);
  EXPECT_EQ(r.projeto.Instalacao.solo, 0);
  EXPECT_EQ(r.avisos.size(), 1u);
}

// ------------------------------------------------ damaged files are refused

// The record in memory must come out of a refused "Abrir" exactly as it was.
void esperarRecusa(const fs::path& caminho, const std::string& trecho) {
  TProjeto projeto = projetoCompleto();
  projeto.estado.resultadosValidos = true;
  const auto antes = linhasProjeto(projeto);
  bool calculou = false;
  TCalculoAbertura calculo;
  calculo.calcular = [&calculou](TProjeto&) { return calculou = true, false; };
  const TAberturaProjeto r = abrirProjeto(caminho, catalogoSolosPadrao(), projeto, calculo);
  EXPECT_FALSE(r.aberto);
  ASSERT_EQ(r.mensagens.size(), 1u);
  EXPECT_NE(r.mensagens[0].find(nomeParaMensagem(caminho)), std::string::npos) << r.mensagens[0];
  EXPECT_NE(r.mensagens[0].find(trecho), std::string::npos) << r.mensagens[0];
  EXPECT_FALSE(calculou);
  EXPECT_EQ(linhasProjeto(projeto), antes);
  EXPECT_TRUE(projeto.estado.resultadosValidos);
}

TEST(ArquivoProjetoDanificado, ArquivoVazioInexistenteOuPasta) {
  TPastaTemporaria pasta;
  gravarBytes(pasta / "vazio.gal", "");
  esperarRecusa(pasta / "vazio.gal", "vazio");
  esperarRecusa(pasta / "nao_existe.gal", "não foi encontrado");
  fs::create_directory(pasta / "pasta.gal");
  esperarRecusa(pasta / "pasta.gal", "pasta");
  gravarBytes(pasta / "lixo.gal", std::string("\x00\x01\xFF\xFE garbage\n\x1A\x1A\r\n", 18));
  esperarRecusa(pasta / "lixo.gal", "linha");
}

TEST(ArquivoProjetoDanificado, ArquivoCortadoNosDadosDeEntrada) {
  TPastaTemporaria pasta;
  const auto l = linhasProjeto(projetoCompleto());
  // The last input value (the ELU water factor) is followed by the separator,
  // the empty line, "RESULTADOS" and the 18 indexes and the closing lines.
  const size_t ultimaEntrada = l.size() - 2 - 18 - 3;
  for (size_t n = 1; n < ultimaEntrada; n += 3) {
    const std::string bytes = montarLinhasArquivo(
        std::vector<std::string>(l.begin(), l.begin() + static_cast<long>(n)), false);
    const fs::path arquivo = pasta / ("cortado" + std::to_string(n) + ".gal");
    gravarBytes(arquivo, bytes);
    esperarRecusa(arquivo, "termina na linha " + std::to_string(n));
  }
}

TEST(ArquivoProjetoDanificado, LinhaQueNaoEInteiroOuNumeroNomeiaALinha) {
  struct Caso {
    int linha;
    const char* texto;
    const char* trecho;
  };
  const Caso casos[] = {
      {25, "x", "não é um número inteiro"},
      {26, "1,5", "não é um número inteiro"},
      {26, "7", "não é uma das opções"},
      {27, "", "não é um número inteiro"},
      {28, "abc", "não é um número"},
      {28, "", "não é um número"},
      {36, "15,00 cm", "não é um número"},
      {40, "", "não é um número inteiro"},
      {45, "1,2,3", "não é um número"},
      {49, "3", "não é uma das opções"},
      {53, "5", "não é uma das opções"},
      {54, "trinta", "não é um número inteiro"},
      {66, "x", "não é um número"},
      {72, "sim", "não é um número inteiro"},
      {74, "0", "não é uma das opções"},
      {75, "20,5", "não é um número inteiro"},
      {75, "99999999999", "não é um número inteiro"},
      {82, "", "não é um número"},
  };
  TPastaTemporaria pasta;
  for (const Caso& c : casos) {
    auto l = linhasProjeto(projetoExemplo());
    l[static_cast<size_t>(c.linha - 1)] = c.texto;
    const fs::path arquivo = pasta / ("linha" + std::to_string(c.linha) + ".gal");
    gravarBytes(arquivo, montarLinhasArquivo(l, false));
    SCOPED_TRACE(c.linha);
    esperarRecusa(arquivo, "linha " + std::to_string(c.linha) + " (");
    esperarRecusa(arquivo, c.trecho);
  }
}

TEST(ArquivoProjetoDanificado, GravarNumaPastaOuEmPastaInexistenteDaMensagem) {
  TPastaTemporaria pasta;
  fs::create_directory(pasta / "g.gal");
  const std::string erro = salvarProjeto(pasta / "g.gal", projetoExemplo());
  EXPECT_NE(erro.find("\"g.gal\""), std::string::npos) << erro;
  EXPECT_TRUE(fs::is_directory(pasta / "g.gal"));
  EXPECT_NE(salvarProjeto(pasta / "sem" / "pasta.gal", projetoExemplo()), "");
}

// ------------------------------------------- the stored choice of meshes and bars

TEST(ArquivoProjeto, OrdemDasEscolhasNaSecaoResultados) {
  TProjeto p = projetoExemplo();
  p.Resultados.telaEscolhida = {9, 5, 1, 10, 6, 2};
  for (int k = 1; k <= 10; ++k) p.Resultados.barraEscolhida[static_cast<size_t>(k - 1)] = 10 * k;
  p.Resultados.fadigaEscolhida = {111, 222};
  EXPECT_EQ(linhasDaSecao(linhasProjeto(p), "RESULTADOS"),
            (std::vector<std::string>{"9", "5", "1", "10", "6", "2", "90", "70", "50", "30", "10",
                                      "100", "80", "60", "40", "20", "111", "222"}));
}

// A stand-in for the calculation: proposes mesh 8 everywhere and the first
// bar alternative; the redone design lists four alternatives per location and
// two fatigue alternatives.
struct TCalculoFalso {
  bool interromper = false;
  int vezesRefeito = 0;
  std::array<int, 6> telasVistas{};

  TCalculoAbertura calculo() {
    TCalculoAbertura c;
    c.calcular = [this](TProjeto& p) {
      p.Resultados.telaEscolhida.fill(8);
      p.Resultados.barraEscolhida.fill(0);
      p.Resultados.fadigaEscolhida.fill(0);
      p.estado.calculoInterrompido = interromper;
      p.estado.resultadosValidos = !interromper;
      return interromper;
    };
    c.refazerComTelas = [this](TProjeto& p) {
      ++vezesRefeito;
      telasVistas = p.Resultados.telaEscolhida;
      p.Resultados.barraEscolhida.fill(0);
      p.Resultados.fadigaEscolhida.fill(0);
      TTamanhosListas t;
      t.nBarras.fill(4);
      t.nFadiga.fill(2);
      return t;
    };
    c.nTelas = 11;
    return c;
  }
};

TAberturaProjeto abrirLinhas(const std::vector<std::string>& l, TProjeto& projeto,
                             TCalculoFalso& falso) {
  TPastaTemporaria pasta;
  gravarBytes(pasta / "escolha.gal", montarLinhasArquivo(l, false));
  return abrirProjeto(pasta / "escolha.gal", catalogoDeCinco(), projeto, falso.calculo());
}

TEST(ArquivoProjetoEscolhas, EscolhaGravadaVoltaDepoisDoCalculo) {
  const TProjeto gravado = projetoCompleto();
  TProjeto projeto = projetoExemplo();
  TCalculoFalso falso;
  const TAberturaProjeto r = abrirLinhas(linhasProjeto(gravado), projeto, falso);
  ASSERT_TRUE(r.aberto);
  EXPECT_TRUE(r.mensagens.empty()) << r.mensagens[0];
  EXPECT_EQ(falso.vezesRefeito, 1);
  EXPECT_EQ(falso.telasVistas, gravado.Resultados.telaEscolhida)
      << "design redone with the stored meshes";
  EXPECT_EQ(projeto.Resultados.telaEscolhida, gravado.Resultados.telaEscolhida);
  EXPECT_EQ(projeto.Resultados.barraEscolhida, gravado.Resultados.barraEscolhida);
  EXPECT_EQ(projeto.Resultados.fadigaEscolhida, gravado.Resultados.fadigaEscolhida);
  // Saving right away gives the same file.
  EXPECT_EQ(linhasProjeto(projeto), linhasProjeto(gravado));
}

TEST(ArquivoProjetoEscolhas, CalculoInterrompidoIgnoraAEscolha) {
  TProjeto projeto = projetoExemplo();
  TCalculoFalso falso;
  falso.interromper = true;
  const TAberturaProjeto r = abrirLinhas(linhasProjeto(projetoCompleto()), projeto, falso);
  ASSERT_TRUE(r.aberto);
  EXPECT_EQ(falso.vezesRefeito, 0);
  EXPECT_EQ(projeto.Resultados.telaEscolhida, (std::array<int, 6>{8, 8, 8, 8, 8, 8}));
  ASSERT_EQ(r.mensagens.size(), 1u);
  EXPECT_NE(r.mensagens[0].find("interrompido"), std::string::npos);
  // The inputs are those of the file all the same.
  EXPECT_DOUBLE_EQ(projeto.Geometria.hb, 18.0);
}

TEST(ArquivoProjetoEscolhas, LinhaRuimNaSecaoResultadosMantemAEscolhaDoCalculo) {
  const auto base = linhasProjeto(projetoCompleto());
  const size_t inicio = base.size() - 2 - 18;  // 0-based index of the first choice
  struct Caso {
    size_t linha;  // 0..17 inside the section, or 18 for a file cut before it
    const char* texto;
  };
  for (const Caso& c : {Caso{0, "x"}, Caso{9, ""}, Caso{17, "1,0"}, Caso{18, ""}}) {
    auto l = base;
    if (c.linha == 18)
      l.resize(inicio - 3);  // ends with the last input value
    else
      l[inicio + c.linha] = c.texto;
    TProjeto projeto = projetoExemplo();
    TCalculoFalso falso;
    const TAberturaProjeto r = abrirLinhas(l, projeto, falso);
    SCOPED_TRACE(c.linha);
    ASSERT_TRUE(r.aberto);
    EXPECT_EQ(falso.vezesRefeito, 0);
    EXPECT_EQ(projeto.Resultados.telaEscolhida, (std::array<int, 6>{8, 8, 8, 8, 8, 8}));
    EXPECT_EQ(projeto.Resultados.barraEscolhida, (std::array<int, 10>{}));
    ASSERT_EQ(r.mensagens.size(), 1u);
    const std::string linha = "linha " + std::to_string(inicio + 1 + (c.linha == 18 ? 0 : c.linha));
    EXPECT_NE(r.mensagens[0].find(linha), std::string::npos) << r.mensagens[0];
    EXPECT_NE(r.mensagens[0].find("proposta pelo cálculo"), std::string::npos) << r.mensagens[0];
    EXPECT_TRUE(projeto.estado.resultadosValidos);
  }
}

TEST(ArquivoProjetoEscolhas, IndiceForaDaListaFicaComAPropostaEAvisa) {
  TProjeto gravado = projetoCompleto();
  gravado.Resultados.telaEscolhida = {1, 11, -1, 3, 4, 5};
  gravado.Resultados.barraEscolhida = {3, 4, -1, 0, 0, 0, 0, 0, 0, -7};
  gravado.Resultados.fadigaEscolhida = {1, 2};
  TProjeto projeto = projetoExemplo();
  TCalculoFalso falso;
  const TAberturaProjeto r = abrirLinhas(linhasProjeto(gravado), projeto, falso);
  ASSERT_TRUE(r.aberto);
  EXPECT_EQ(projeto.Resultados.telaEscolhida, (std::array<int, 6>{1, 8, 8, 3, 4, 5}));
  EXPECT_EQ(projeto.Resultados.barraEscolhida, (std::array<int, 10>{3, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(projeto.Resultados.fadigaEscolhida, (std::array<int, 2>{1, 0}));
  // Mesh 11, bar 4 (location 2), bar -7 (location 10), fatigue 2: four
  // reports; the two -1 (nothing selected) are silent.
  ASSERT_EQ(r.mensagens.size(), 4u);
  const size_t inicio = linhasProjeto(gravado).size() - 2 - 18 + 1;
  EXPECT_NE(r.mensagens[0].find("linha " + std::to_string(inicio + 1)), std::string::npos)
      << r.mensagens[0];
  EXPECT_NE(r.mensagens[0].find("tela de índice 11"), std::string::npos) << r.mensagens[0];
}

// ------------------------------------------------------------- robustness

// Random damage to a valid file: every outcome is either a sound record or a
// message, never a crash.
TEST(ArquivoProjetoFuzz, MutacoesAleatoriasDaoRegistroSaoOuMensagem) {
  const std::string valido = montarLinhasArquivo(linhasProjeto(projetoCompleto()), false);
  std::mt19937 gerador(424242);
  auto sorteio = [&gerador](size_t n) {
    return n == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, n - 1)(gerador);
  };
  const std::vector<std::string> pedacos = {
      "",         "1",   "2",    "4",    "-1",   "0", "30",    "99999999999999999999",
      "1,5",      "abc", "\r\n", "\n",   "\x1A", "-", "1e308", "NaN",
      "\xFF\xFE", ",",   "1.5",  "1,2,3"};
  const TCatalogoSolos solos = catalogoDeCinco();
  int aceitos = 0;
  for (int iteracao = 0; iteracao < 4000; ++iteracao) {
    std::string bytes = valido;
    const int mutacoes = 1 + static_cast<int>(sorteio(4));
    for (int m = 0; m < mutacoes; ++m) {
      switch (sorteio(6)) {
        case 0:
          if (!bytes.empty()) bytes[sorteio(bytes.size())] = static_cast<char>(sorteio(256));
          break;
        case 1:
          if (!bytes.empty()) bytes.erase(sorteio(bytes.size()), 1 + sorteio(40));
          break;
        case 2:
          bytes.insert(sorteio(bytes.size() + 1), pedacos[sorteio(pedacos.size())]);
          break;
        case 3:
          bytes.resize(sorteio(bytes.size() + 1));
          break;
        case 4: {  // replace one whole line
          auto l = separarLinhas(bytes);
          if (!l.empty()) l[sorteio(l.size())] = pedacos[sorteio(pedacos.size())];
          bytes.clear();
          for (const auto& x : l) bytes += x + "\r\n";
          break;
        }
        default: {  // swap two lines
          auto l = separarLinhas(bytes);
          if (l.size() > 1) std::swap(l[sorteio(l.size())], l[sorteio(l.size())]);
          bytes.clear();
          for (const auto& x : l) bytes += x + "\n";
          break;
        }
      }
    }
    std::vector<std::string> linhas;
    for (const std::string& bruta : separarLinhas(bytes)) linhas.push_back(cp1252ParaUtf8(bruta));
    const TLeituraProjeto r = interpretarProjeto(linhas, "fuzz.gal", solos, projetoExemplo());
    if (!r.ok) {
      ASSERT_NE(r.erro.find("\"fuzz.gal\""), std::string::npos) << r.erro;
      continue;
    }
    ++aceitos;
    const TProjeto& p = r.projeto;
    for (double v : {p.Geometria.bl.valor, p.Geometria.hb.valor, p.Instalacao.hs.valor,
                     p.Instalacao.dica.valor, p.Armadura.varAcima.valor, p.Criterio.Ec.valor,
                     p.Criterio.eluAgua.valor, p.Criterio.kr.valor, p.Instalacao.ka})
      ASSERT_TRUE(std::isfinite(v));
    ASSERT_TRUE(solos.indiceValido(p.Instalacao.solo));
    ASSERT_GE(p.Geometria.comprimento, 0);
    ASSERT_LE(p.Geometria.comprimento, 3);
    // What was accepted is written and read back unchanged.
    const auto escritas = linhasProjeto(p);
    const TLeituraProjeto de_novo = interpretarProjeto(escritas, "fuzz.gal", solos, p);
    ASSERT_TRUE(de_novo.ok) << de_novo.erro;
    ASSERT_EQ(linhasProjeto(de_novo.projeto), escritas);

    // The stored choice, whatever it became, never leaves an index outside
    // its list.
    TProjeto calculado = p;
    calculado.Resultados.telaEscolhida.fill(0);
    calculado.Resultados.barraEscolhida.fill(0);
    calculado.Resultados.fadigaEscolhida.fill(0);
    aplicarResultados(calculado, r.escolhas, false, 11, [](TProjeto&) {
      TTamanhosListas t;
      t.nBarras.fill(3);
      t.nFadiga.fill(1);
      return t;
    });
    for (int t : calculado.Resultados.telaEscolhida) ASSERT_TRUE(t >= 0 && t < 11);
    for (int b : calculado.Resultados.barraEscolhida) ASSERT_TRUE(b >= 0 && b < 3);
    for (int f : calculado.Resultados.fadigaEscolhida) ASSERT_EQ(f, 0);
  }
  // The mutations must not all be fatal, or the test would prove little.
  EXPECT_GT(aceitos, 200);
}

}  // namespace
}  // namespace galeria
