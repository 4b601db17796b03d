#pragma once
// Whole-file reading and safe whole-file writing, and file names matched
// without regard to letter case. No function here throws.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace galeria {

struct TLeituraArquivo {
  bool ok = false;
  std::string conteudo;  // the file's bytes
  std::string erro;      // why it could not be read, in Portuguese
};

// Files larger than this are refused: no file of the program comes near it.
inline constexpr std::uintmax_t tamanhoMaximoArquivo = 16u * 1024u * 1024u;

TLeituraArquivo lerArquivoInteiro(const std::filesystem::path& caminho);

// Writes the bytes to a new file beside the target and renames it over the
// target once everything was written and flushed; on any failure the old file
// stays as it was and the message says what went wrong (empty on success).
std::string gravarArquivoSeguro(const std::filesystem::path& destino, std::string_view conteudo);

// base / relativo, each part of relativo matched to an existing entry without
// regard to letter case ("CONFIG/terreno.INI" finds "config/Terreno.ini"). The
// parts that match nothing are kept as written.
std::filesystem::path localizarSemCaixa(const std::filesystem::path& base,
                                        const std::filesystem::path& relativo);

// ---- line files: Windows-1252 with CR LF on disk, UTF-8 lines in memory ----

struct TLeituraLinhas {
  bool ok = false;
  std::vector<std::string> linhas;  // UTF-8, without line ends
  std::string erro;
};

// Reads a line file; `codificado` undoes the line encoding of the
// configuration files before the conversion to UTF-8.
TLeituraLinhas lerLinhasArquivo(const std::filesystem::path& caminho, bool codificado);
// The bytes of a line file: each line converted to Windows-1252 (encoded when
// asked) and ended by CR LF.
std::string montarLinhasArquivo(const std::vector<std::string>& linhas, bool codificado);
// Writes a line file safely (gravarArquivoSeguro); empty on success.
std::string gravarLinhasArquivo(const std::filesystem::path& caminho,
                                const std::vector<std::string>& linhas, bool codificado);

// The file name as shown in messages (UTF-8).
std::string nomeParaMensagem(const std::filesystem::path& caminho);

}  // namespace galeria
