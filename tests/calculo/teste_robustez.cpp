// Any record a file could hold, however absurd, ends in a banner: never a
// crash, a hang, or a non-finite number under the green banner.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "comum/verificacao_finita.h"
#include "design/calculo.h"
#include "project/campos.h"

namespace galeria {
namespace {

std::string valorAleatorio(std::mt19937& gerador) {
  static const char* const especiais[] = {"0",    "-1", "1e9", "-1e9",    "1e300", "0,0001",
                                          "-0,5", "2",  "45",  "1000000", "12",    "3"};
  std::uniform_int_distribution<int> escolha(0, 3);
  switch (escolha(gerador)) {
    case 0: {
      std::uniform_int_distribution<int> i(0, std::size(especiais) - 1);
      return especiais[i(gerador)];
    }
    case 1: {
      std::uniform_int_distribution<int> i(-3, 60);
      return std::to_string(i(gerador));
    }
    default: {
      std::uniform_real_distribution<double> r(-10.0, 500.0);
      return formatar2(r(gerador));
    }
  }
}

TEST(Robustez, RegistrosAleatoriosTerminamComFaixa) {
  std::mt19937 gerador(20261211);
  const std::vector<std::string> nomes = nomesDosCampos();
  std::uniform_int_distribution<size_t> qualCampo(0, nomes.size() - 1);
  std::uniform_int_distribution<int> quantos(1, 8);
  int verdes = 0, vermelhos = 0;
  for (int rodada = 0; rodada < 300; ++rodada) {
    TSessao s;
    s.projeto = projetoInicial();
    const int n = quantos(gerador);
    std::string descricao;
    for (int i = 0; i < n; ++i) {
      const std::string& nome = nomes[qualCampo(gerador)];
      const std::string valor = valorAleatorio(gerador);
      if (definirCampo(s.projeto, nome, valor).empty()) descricao += nome + "=" + valor + " ";
    }
    aplicarRegrasDosDialogos(s.projeto);
    confirmarGeometria(s.projeto, s.analise.modelo);
    TRegistroMemoria registro;
    executarCalculo(s, registro);
    ASSERT_FALSE(s.banner.empty()) << descricao;
    // The last guard against non-finite results should never be needed: each
    // stage handles its own absurd input.
    EXPECT_EQ(std::count(registro.linhas.begin(), registro.linhas.end(),
                         "Resultado numérico inválido no cálculo"),
              0)
        << descricao;
    if (s.projeto.estado.calculoInterrompido) {
      EXPECT_EQ(s.banner, bannerInterrompido) << descricao;
      ++vermelhos;
    } else {
      EXPECT_EQ(s.banner, bannerSucesso) << descricao;
      EXPECT_TRUE(teste::sessaoFinita(s)) << descricao;
      EXPECT_TRUE(resultadosFinitos(s)) << descricao;
      ++verdes;
    }
  }
  // Both outcomes must occur, or the test proves nothing.
  EXPECT_GT(verdes, 10);
  EXPECT_GT(vermelhos, 10);
}

TEST(Robustez, ValoresExtremosDeCadaCampo) {
  for (const std::string& nome : nomesDosCampos()) {
    for (const char* valor : {"0", "-1", "1e12", "0,001"}) {
      TSessao s;
      s.projeto = projetoInicial();
      if (!definirCampo(s.projeto, nome, valor).empty()) continue;
      aplicarRegrasDosDialogos(s.projeto);
      confirmarGeometria(s.projeto, s.analise.modelo);
      TRegistroMemoria registro;
      executarCalculo(s, registro);
      ASSERT_FALSE(s.banner.empty()) << nome << "=" << valor;
      EXPECT_EQ(std::count(registro.linhas.begin(), registro.linhas.end(),
                           "Resultado numérico inválido no cálculo"),
                0)
          << nome << "=" << valor;
      if (!s.projeto.estado.calculoInterrompido) {
        EXPECT_TRUE(teste::sessaoFinita(s)) << nome << "=" << valor;
      }
    }
  }
}

}  // namespace
}  // namespace galeria
