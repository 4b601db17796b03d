#pragma once
// Texts at the file boundary: the program holds UTF-8 inside and writes
// Windows-1252 with CR LF on disk; the configuration files also scramble each
// line with a fixed byte shift.
#include <string>
#include <string_view>
#include <vector>

namespace galeria {

// UTF-8 to Windows-1252. A character with no Windows-1252 form, and every byte
// of a malformed UTF-8 sequence, becomes '?'.
std::string utf8ParaCp1252(std::string_view utf8);
// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same number,
// so that every byte survives the way back.
std::string cp1252ParaUtf8(std::string_view cp1252);

// The shift every byte of a configuration line is raised by when written.
// With it, the only bytes that land on a line end (10, 13) or on the
// end-of-file mark 26 are the undefined code points 0x8D, 0x90 and 0x9D,
// which no keyboard produces.
inline constexpr unsigned char deslocamentoLinha = 125;
// Escape byte of the encoded line: the shifted byte that would be 10, 13, 26
// or the escape itself is written as this byte followed by its value with bit
// 6 flipped. It is the image of 0x8F, another undefined code point, so a line
// of typed text is never escaped and keeps its length.
inline constexpr unsigned char escapeLinha = static_cast<unsigned char>(0x8F + deslocamentoLinha);

// Encodes one line (single-byte text, without its line end). The result never
// holds the bytes 10, 13 or 26.
std::string codificarLinha(std::string_view texto);
// The inverse: decodificarLinha(codificarLinha(t)) == t for every byte string.
// Any input decodes to something; a trailing lone escape byte decodes as the
// byte it would shift back to.
std::string decodificarLinha(std::string_view codificado);

// Splits a file's bytes into lines: a line ends at LF, and a CR just before the
// LF belongs to the line end. A last line without line end still counts; an
// empty file has no lines.
std::vector<std::string> separarLinhas(std::string_view conteudo);

}  // namespace galeria
