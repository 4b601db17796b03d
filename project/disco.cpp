#include "project/disco.h"

#include "project/codificacao.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace galeria {

namespace fs = std::filesystem;

std::string nomeParaMensagem(const fs::path& caminho) {
  const fs::path nome = caminho.filename().empty() ? caminho : caminho.filename();
  const std::u8string u8 = nome.u8string();
  return std::string(u8.begin(), u8.end());
}

namespace {
// The file name between double quotes, for messages.
std::string entreAspas(const fs::path& caminho) {
  std::string texto(1, '"');
  texto += nomeParaMensagem(caminho);
  texto += '"';
  return texto;
}
}  // namespace

TLeituraArquivo lerArquivoInteiro(const fs::path& caminho) {
  TLeituraArquivo r;
  const std::string nome = entreAspas(caminho);
  std::error_code ec;
  const fs::file_status estado = fs::status(caminho, ec);
  if (ec || !fs::exists(estado)) {
    r.erro = "O arquivo " + nome + " não foi encontrado.";
    return r;
  }
  if (fs::is_directory(estado)) {
    r.erro = "Não foi possível ler " + nome + ": é uma pasta, não um arquivo.";
    return r;
  }
  const std::uintmax_t tamanho = fs::file_size(caminho, ec);
  if (!ec && tamanho > tamanhoMaximoArquivo) {
    r.erro = "O arquivo " + nome + " é grande demais para ser um arquivo do programa.";
    return r;
  }
  std::FILE* f = std::fopen(caminho.c_str(), "rb");
  if (!f) {
    r.erro = "Não foi possível abrir o arquivo " + nome + " para leitura.";
    return r;
  }
  char bloco[8192];
  bool falhou = false;
  while (true) {
    const size_t lidos = std::fread(bloco, 1, sizeof bloco, f);
    r.conteudo.append(bloco, lidos);
    if (r.conteudo.size() > tamanhoMaximoArquivo) {
      falhou = true;
      break;
    }
    if (lidos < sizeof bloco) {
      falhou = std::ferror(f) != 0;
      break;
    }
  }
  std::fclose(f);
  if (falhou) {
    r.conteudo.clear();
    r.erro = "Não foi possível ler o arquivo " + nome + " até o fim.";
    return r;
  }
  r.ok = true;
  return r;
}

namespace {

// A name for the temporary file beside the target that no one else uses: the
// file is created exclusively, so a clash only means another try.
std::FILE* criarTemporario(const fs::path& destino, fs::path& temporario) {
  std::random_device semente;
  std::mt19937_64 gerador(
      semente() ^
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int tentativa = 0; tentativa < 16; ++tentativa) {
    // A short name of its own, so that a target name near the length limit
    // still leaves room for it.
    temporario =
        destino.parent_path() / (".galeria" + std::to_string(gerador() % 1000000000ULL) + ".tmp");
    if (std::FILE* f = std::fopen(temporario.c_str(), "wbx")) return f;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

std::string gravarArquivoSeguro(const fs::path& destino, std::string_view conteudo) {
  const std::string nome = entreAspas(destino);
  std::error_code ec;
  if (fs::is_directory(destino, ec))
    return "Não foi possível gravar " + nome + ": já existe uma pasta com esse nome.";

  fs::path temporario;
  std::FILE* f = criarTemporario(destino, temporario);
  if (!f)
    return "Não foi possível gravar o arquivo " + nome +
           ": a pasta não existe ou não permite gravação.";

  bool ok = std::fwrite(conteudo.data(), 1, conteudo.size(), f) == conteudo.size();
  ok = std::fflush(f) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
  ok = ::fsync(fileno(f)) == 0 && ok;
#endif
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    fs::remove(temporario, ec);
    return "Não foi possível gravar o arquivo " + nome +
           " por inteiro (disco cheio ou falha de gravação); o arquivo anterior foi mantido.";
  }
  fs::rename(temporario, destino, ec);
  if (ec) {
    std::error_code ignorado;
    fs::remove(temporario, ignorado);
    return "Não foi possível substituir o arquivo " + nome + "; o arquivo anterior foi mantido.";
  }
  return {};
}

namespace {
std::string minusculasAscii(std::string t) {
  for (char& c : t)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return t;
}
}  // namespace

fs::path localizarSemCaixa(const fs::path& base, const fs::path& relativo) {
  fs::path atual = base;
  bool procurar = true;  // once a part matches nothing, the rest cannot exist
  for (const fs::path& componente : relativo) {
    std::error_code ec;
    if (procurar && !fs::exists(atual / componente, ec)) {
      const std::string alvo = minusculasAscii(componente.string());
      fs::path achado;
      for (fs::directory_iterator it(atual, ec), fim; !ec && it != fim; it.increment(ec)) {
        if (minusculasAscii(it->path().filename().string()) == alvo) {
          achado = it->path().filename();
          break;
        }
      }
      if (achado.empty()) {
        procurar = false;
        atual /= componente;
      } else {
        atual /= achado;
      }
    } else {
      atual /= componente;
    }
  }
  return atual;
}

TLeituraLinhas lerLinhasArquivo(const fs::path& caminho, bool codificado) {
  TLeituraLinhas r;
  TLeituraArquivo a = lerArquivoInteiro(caminho);
  if (!a.ok) {
    r.erro = std::move(a.erro);
    return r;
  }
  for (const std::string& bruta : separarLinhas(a.conteudo))
    r.linhas.push_back(cp1252ParaUtf8(codificado ? decodificarLinha(bruta) : bruta));
  r.ok = true;
  return r;
}

std::string montarLinhasArquivo(const std::vector<std::string>& linhas, bool codificado) {
  std::string conteudo;
  for (const std::string& linha : linhas) {
    const std::string bytes = utf8ParaCp1252(linha);
    conteudo += codificado ? codificarLinha(bytes) : bytes;
    conteudo += "\r\n";
  }
  return conteudo;
}

std::string gravarLinhasArquivo(const fs::path& caminho, const std::vector<std::string>& linhas,
                                bool codificado) {
  return gravarArquivoSeguro(caminho, montarLinhasArquivo(linhas, codificado));
}

}  // namespace galeria
