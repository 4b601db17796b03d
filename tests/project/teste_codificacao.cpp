#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "project/codificacao.h"

namespace galeria {
namespace {

bool semFimDeLinha(const std::string& codificado) {
  return codificado.find('\n') == std::string::npos && codificado.find('\r') == std::string::npos &&
         codificado.find('\x1A') == std::string::npos;
}

// Bytes a user can type in Windows-1252: the printable ASCII range and every
// code point the code page defines from 0x80 up.
bool digitavel(int b) {
  if (b >= 0x20 && b <= 0x7E) return true;
  if (b < 0x80) return false;
  return b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

TEST(CodificacaoLinha, CadaUmDosDuzentosECinquentaESeisBytesVoltaIgual) {
  for (int b = 0; b < 256; ++b) {
    const std::string t(1, static_cast<char>(b));
    const std::string c = codificarLinha(t);
    EXPECT_EQ(decodificarLinha(c), t) << b;
    EXPECT_TRUE(semFimDeLinha(c)) << b;
  }
  std::string todos;
  for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
  EXPECT_EQ(decodificarLinha(codificarLinha(todos)), todos);
}

TEST(CodificacaoLinha, TextoDigitavelMudaByteAByteSemEscape) {
  for (int b = 0; b < 256; ++b) {
    if (!digitavel(b)) continue;
    const std::string c = codificarLinha(std::string(1, static_cast<char>(b)));
    ASSERT_EQ(c.size(), 1u) << b;
    EXPECT_EQ(static_cast<unsigned char>(c[0]), static_cast<unsigned char>(b + deslocamentoLinha));
    EXPECT_NE(static_cast<unsigned char>(c[0]), b) << "a typed line must not read as plain text";
  }
}

TEST(CodificacaoLinha, CadeiasAleatoriasVoltamIguais) {
  std::mt19937 gerador(20240611);
  std::uniform_int_distribution<int> byte(0, 255), tamanho(0, 120);
  // Also strings made only of the bytes that need the escape, and of the
  // escape's own source byte, where a faulty decoder would go wrong.
  const std::string criticos = {'\x8D', '\x90', '\x9D', '\x8F', '\x0C', '\x4C', '\x4A'};
  std::uniform_int_distribution<size_t> critico(0, criticos.size() - 1);
  for (int i = 0; i < 5000; ++i) {
    std::string t;
    const int n = tamanho(gerador);
    for (int k = 0; k < n; ++k)
      t.push_back(i % 2 ? static_cast<char>(byte(gerador)) : criticos[critico(gerador)]);
    const std::string c = codificarLinha(t);
    ASSERT_EQ(decodificarLinha(c), t);
    ASSERT_TRUE(semFimDeLinha(c));
  }
}

TEST(CodificacaoLinha, DecodificarQualquerCoisaNaoFalha) {
  std::mt19937 gerador(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 2000; ++i) {
    std::string lixo;
    for (int k = 0; k < i % 50; ++k) lixo.push_back(static_cast<char>(byte(gerador)));
    const std::string d = decodificarLinha(lixo);
    EXPECT_LE(d.size(), lixo.size());
  }
  EXPECT_EQ(decodificarLinha(std::string(1, static_cast<char>(escapeLinha))).size(), 1u);
}

TEST(CodigoDePagina, OsDuzentosECinquentaESeisBytesVoltamIguais) {
  std::string todos;
  for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
  EXPECT_EQ(utf8ParaCp1252(cp1252ParaUtf8(todos)), todos);
}

TEST(CodigoDePagina, AcentosESinaisDoWindows1252) {
  struct Caso {
    const char* utf8;
    std::string cp1252;
  };
  const Caso casos[] = {
      {"São", "S\xE3o"},
      {"Ação", "A\xE7\xE3o"},
      {"€", "\x80"},
      {"–", "\x96"},
      {"“x”", "\x93x\x94"},
      {"œŸ", "\x9C\x9F"},
      {"nº 5, 30°", "n\xBA 5, 30\xB0"},
      {"kN/m³", "kN/m\xB3"},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(utf8ParaCp1252(c.utf8), c.cp1252) << c.utf8;
    EXPECT_EQ(cp1252ParaUtf8(c.cp1252), c.utf8) << c.utf8;
  }
}

TEST(CodigoDePagina, CaractereSemFormaViraInterrogacao) {
  EXPECT_EQ(utf8ParaCp1252("a→b"), "a?b");
  EXPECT_EQ(utf8ParaCp1252("Ω"), "?");
  EXPECT_EQ(utf8ParaCp1252("\xF0\x9F\x98\x80!"), "?!");  // an emoji
  // Malformed UTF-8: a lone lead byte, a stray continuation byte, an overlong
  // form of '/', an encoded surrogate.
  EXPECT_EQ(utf8ParaCp1252("x\xC3"), "x?");
  EXPECT_EQ(utf8ParaCp1252("\x80"), "?");
  EXPECT_EQ(utf8ParaCp1252("\xC0\xAF"), "??");
  EXPECT_EQ(utf8ParaCp1252("\xED\xA0\x80"), "???");
  // A C1 control the code page defines as a sign has no byte of its own.
  EXPECT_EQ(utf8ParaCp1252("\xC2\x80"), "?");
}

TEST(SepararLinhas, FinsDeLinhaCrLfOuLf) {
  using V = std::vector<std::string>;
  EXPECT_EQ(separarLinhas(""), V{});
  EXPECT_EQ(separarLinhas("\r\n"), V{""});
  EXPECT_EQ(separarLinhas("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(separarLinhas("a\nb"), (V{"a", "b"}));
  EXPECT_EQ(separarLinhas("a\r\n\r\nc"), (V{"a", "", "c"}));
  EXPECT_EQ(separarLinhas("a\rb\r\n"), (V{"a\rb"}));
}

}  // namespace
}  // namespace galeria
