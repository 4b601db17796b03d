#include <gtest/gtest.h>

#include "project/catalogo_solos.h"

namespace galeria {
namespace {

TEST(CatalogoSolos, PadraoComecaPeloSoloPadrao) {
  const TCatalogoSolos c = catalogoSolosPadrao();
  ASSERT_GE(c.tamanho(), 2);
  EXPECT_EQ(c.solos[0], (TSolo{"Solo Padrão", "18,00", "30,00"}));
  for (int i = 0; i < c.tamanho(); ++i) {
    // Fill soils: 15 to 22 kN/m³, 20° to 40°.
    EXPECT_GE(pesoSolo(c, i), 15.0);
    EXPECT_LE(pesoSolo(c, i), 22.0);
    EXPECT_GE(anguloSolo(c, i), 20.0);
    EXPECT_LE(anguloSolo(c, i), 40.0);
  }
}

TEST(CatalogoSolos, AdicionarGuardaDuasCasasESelecionaONovo) {
  TCatalogoSolos c = catalogoSolosPadrao();
  const int antes = c.tamanho();
  TInstalacao inst;
  const TResultadoSolo r = adicionarSolo(c, "Aterro local", "18", "30", inst);
  ASSERT_TRUE(r.aceito) << r.mensagem;
  ASSERT_EQ(c.tamanho(), antes + 1);
  EXPECT_EQ(c.solos.back(), (TSolo{"Aterro local", "18,00", "30,00"}));
  EXPECT_EQ(r.selecionado.indice, antes);
  EXPECT_EQ(r.selecionado.peso, "18,00");
  EXPECT_EQ(r.selecionado.angulo, "30,00");
  EXPECT_EQ(r.selecionado.ka, "0,3333");
  EXPECT_EQ(r.selecionado.ko, "0,5000");
  EXPECT_EQ(r.selecionado.mi, "0,5774");
  EXPECT_EQ(inst.solo, antes);
  EXPECT_DOUBLE_EQ(inst.gamaS, 18.0);
  EXPECT_DOUBLE_EQ(inst.fi, 30.0);
  // A point typed as separator is read as the decimal comma.
  ASSERT_TRUE(adicionarSolo(c, "Outro", "17.5", "27,25", inst).aceito);
  EXPECT_EQ(c.solos.back(), (TSolo{"Outro", "17,50", "27,25"}));
}

TEST(CatalogoSolos, AnguloZeroDaCoeficientesLimite) {
  TCatalogoSolos c = catalogoSolosPadrao();
  TInstalacao inst;
  const TResultadoSolo r = adicionarSolo(c, "Líquido", "10", "0", inst);
  ASSERT_TRUE(r.aceito);
  EXPECT_EQ(r.selecionado.ka, "1,0000");
  EXPECT_EQ(r.selecionado.ko, "1,0000");
  EXPECT_EQ(r.selecionado.mi, "0,0000");
}

TEST(CatalogoSolos, AdicionarRecusaNaOrdemDasVerificacoes) {
  struct Caso {
    const char* nome;
    const char* peso;
    const char* angulo;
    const char* mensagem;
    TCampoSolo campo;
  };
  const Caso casos[] = {
      {"", "", "", "Entre com o Nome do Solo.", TCampoSolo::nome},
      {"", "18", "30", "Entre com o Nome do Solo.", TCampoSolo::nome},
      {"Areia", "", "", "Entre com o Peso Específico.", TCampoSolo::peso},
      {"Areia", "18", "", "Entre com o Ângulo de Atrito.", TCampoSolo::angulo},
      {"Areia", ",", "30", "O Peso Específico deve ser um número.", TCampoSolo::peso},
      {"Areia", "18", "trinta", "O Ângulo de Atrito deve ser um número, em graus.",
       TCampoSolo::angulo},
      {"Areia", "18", "30°", "O Ângulo de Atrito deve ser um número, em graus.",
       TCampoSolo::angulo},
  };
  for (const Caso& caso : casos) {
    TCatalogoSolos c = catalogoSolosPadrao();
    TInstalacao inst;
    inst.solo = 1;
    const TResultadoSolo r = adicionarSolo(c, caso.nome, caso.peso, caso.angulo, inst);
    EXPECT_FALSE(r.aceito);
    EXPECT_EQ(r.mensagem, caso.mensagem);
    EXPECT_EQ(r.campo, caso.campo);
    EXPECT_EQ(c, catalogoSolosPadrao()) << "nothing enters the catalogue";
    EXPECT_EQ(inst.solo, 1);
  }
  // A name of blanks only is a name.
  TCatalogoSolos c = catalogoSolosPadrao();
  TInstalacao inst;
  EXPECT_TRUE(adicionarSolo(c, "   ", "18", "30", inst).aceito);
  EXPECT_EQ(c.solos.back().nome, "   ");
}

TEST(CatalogoSolos, RemoverSoloPadraoERecusado) {
  TCatalogoSolos c = catalogoSolosPadrao();
  TInstalacao inst;
  const TResultadoSolo r = removerSolo(c, 0, inst);
  EXPECT_FALSE(r.aceito);
  EXPECT_EQ(r.mensagem, "Não é permitido excluir o Solo Padrão.");
  EXPECT_EQ(c, catalogoSolosPadrao());
  EXPECT_FALSE(removerSolo(c, c.tamanho(), inst).aceito);
  EXPECT_EQ(c, catalogoSolosPadrao());
}

TEST(CatalogoSolos, RemoverSelecionaOAnterior) {
  TCatalogoSolos c = catalogoSolosPadrao();
  c.solos.resize(3);
  const TSolo primeiro = c.solos[0], segundo = c.solos[1];
  TInstalacao inst;
  // The last of three: the second is selected.
  TResultadoSolo r = removerSolo(c, 2, inst);
  ASSERT_TRUE(r.aceito);
  EXPECT_EQ(c.solos, (std::vector<TSolo>{primeiro, segundo}));
  EXPECT_EQ(r.selecionado.indice, 1);
  EXPECT_EQ(inst.solo, 1);
  EXPECT_DOUBLE_EQ(inst.fi, anguloSolo(c, 1));
  // Then the second: the first.
  r = removerSolo(c, 1, inst);
  ASSERT_TRUE(r.aceito);
  EXPECT_EQ(c.solos, std::vector<TSolo>{primeiro});
  EXPECT_EQ(inst.solo, 0);
  EXPECT_EQ(r.selecionado.ka, "0,3333");
}

TEST(CatalogoSolos, OsSolosSeguintesSobemUmaPosicao) {
  TCatalogoSolos c = catalogoSolosPadrao();
  const TCatalogoSolos antes = c;
  TInstalacao inst;
  ASSERT_TRUE(removerSolo(c, 2, inst).aceito);
  ASSERT_EQ(c.tamanho(), antes.tamanho() - 1);
  for (int i = 2; i < c.tamanho(); ++i)
    EXPECT_EQ(c.solos[static_cast<size_t>(i)], antes.solos[static_cast<size_t>(i + 1)]);
}

TEST(CatalogoSolos, PerguntaDeRemocao) {
  TCatalogoSolos c = catalogoSolosPadrao();
  TInstalacao inst;
  adicionarSolo(c, "Argila mole", "16", "20", inst);
  EXPECT_EQ(perguntaRemoverSolo(c, c.tamanho() - 1), "Deseja remover o solo \"Argila mole\"?");
}

TEST(CatalogoSolos, SelecionarIndiceInexistenteFicaNoSoloPadrao) {
  const TCatalogoSolos c = catalogoSolosPadrao();
  TInstalacao inst;
  const TSoloSelecionado s = selecionarSolo(c, 99, inst);
  EXPECT_EQ(s.indice, 0);
  EXPECT_EQ(inst.solo, 0);
  EXPECT_EQ(s.peso, "18,00");
}

TEST(ArquivoTerreno, LinhasContagemNomesPesosAngulos) {
  TCatalogoSolos c;
  c.solos = {{"A", "18,00", "30,00"}, {"B", "19,00", "32,00"}};
  EXPECT_EQ(linhasSolos(c),
            (std::vector<std::string>{"2", "A", "B", "18,00", "19,00", "30,00", "32,00"}));
  const TLeituraSolos r = interpretarSolos(linhasSolos(c), "Terreno.ini");
  EXPECT_EQ(r.aviso, "");
  EXPECT_EQ(r.catalogo, c);
}

TEST(ArquivoTerreno, ArquivoDefeituosoDaOCatalogoPadraoInteiro) {
  using V = std::vector<std::string>;
  struct Caso {
    V linhas;
    const char* trecho;
  };
  const Caso casos[] = {
      {V{}, "linha 1"},
      {V{"dois", "A", "B"}, "linha 1"},
      {V{"0"}, "linha 1"},
      {V{"-3", "A"}, "linha 1"},
      {V{"1000000000", "A", "18", "30"}, "1000000000"},
      {V{"2", "A", "B", "18,00", "x", "30,00", "31,00"}, "linha 5"},
      {V{"2", "A", "B", "18,00", "19,00", "30,00", ""}, "linha 7"},
      {V{"2", "A", "B", "18,00", "19,00", "30,00"}, "linha 7"},
  };
  for (const Caso& caso : casos) {
    const TLeituraSolos r = interpretarSolos(caso.linhas, "Terreno.ini");
    EXPECT_EQ(r.catalogo, catalogoSolosPadrao());
    EXPECT_NE(r.aviso.find("Terreno.ini"), std::string::npos) << r.aviso;
    EXPECT_NE(r.aviso.find(caso.trecho), std::string::npos) << r.aviso;
  }
}

}  // namespace
}  // namespace galeria
