#include "project/codificacao.h"

#include <array>
#include <cstdint>

namespace galeria {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 where the code page
// defines nothing.
constexpr std::array<char32_t, 32> faixa80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void anexarUtf8(std::string& saida, char32_t cp) {
  if (cp < 0x80) {
    saida.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    saida.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    saida.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    saida.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The byte of a code point in Windows-1252, or '?' when it has none.
char byteCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  if (cp >= 0x80 && cp <= 0x9F) {
    // Only the undefined positions stand for their own control character.
    return faixa80[cp - 0x80] == 0 ? static_cast<char>(cp) : '?';
  }
  for (size_t i = 0; i < faixa80.size(); ++i)
    if (faixa80[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

// Reads one UTF-8 sequence at texto[i]; returns its length, 0 when malformed.
size_t lerSequencia(std::string_view texto, size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(texto[i]);
  size_t n = 0;
  char32_t minimo = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    n = 2, cp = b0 & 0x1F, minimo = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3, cp = b0 & 0x0F, minimo = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4, cp = b0 & 0x07, minimo = 0x10000;
  } else {
    return 0;
  }
  if (i + n > texto.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(texto[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

std::string utf8ParaCp1252(std::string_view utf8) {
  std::string saida;
  saida.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const size_t n = lerSequencia(utf8, i, cp);
    if (n == 0) {
      saida.push_back('?');
      ++i;
    } else {
      saida.push_back(byteCp1252(cp));
      i += n;
    }
  }
  return saida;
}

std::string cp1252ParaUtf8(std::string_view cp1252) {
  std::string saida;
  saida.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b <= 0x9F && faixa80[b - 0x80] != 0)
      anexarUtf8(saida, faixa80[b - 0x80]);
    else
      anexarUtf8(saida, b);
  }
  return saida;
}

namespace {
bool precisaEscape(unsigned char b) { return b == 10 || b == 13 || b == 26 || b == escapeLinha; }
}  // namespace

std::string codificarLinha(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size());
  for (char c : texto) {
    const auto b = static_cast<unsigned char>(static_cast<unsigned char>(c) + deslocamentoLinha);
    if (precisaEscape(b)) {
      saida.push_back(static_cast<char>(escapeLinha));
      saida.push_back(static_cast<char>(b ^ 0x40));
    } else {
      saida.push_back(static_cast<char>(b));
    }
  }
  return saida;
}

std::string decodificarLinha(std::string_view codificado) {
  std::string saida;
  saida.reserve(codificado.size());
  for (size_t i = 0; i < codificado.size(); ++i) {
    auto b = static_cast<unsigned char>(codificado[i]);
    if (b == escapeLinha && i + 1 < codificado.size())
      b = static_cast<unsigned char>(static_cast<unsigned char>(codificado[++i]) ^ 0x40);
    saida.push_back(static_cast<char>(static_cast<unsigned char>(b - deslocamentoLinha)));
  }
  return saida;
}

std::vector<std::string> separarLinhas(std::string_view conteudo) {
  std::vector<std::string> linhas;
  size_t inicio = 0;
  while (inicio < conteudo.size()) {
    size_t fim = conteudo.find('\n', inicio);
    const bool ultima = fim == std::string_view::npos;
    if (ultima) fim = conteudo.size();
    std::string_view linha = conteudo.substr(inicio, fim - inicio);
    if (!ultima && !linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
    linhas.emplace_back(linha);
    inicio = fim + 1;
  }
  return linhas;
}

}  // namespace galeria
