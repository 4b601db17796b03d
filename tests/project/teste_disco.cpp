#include <gtest/gtest.h>

#include <filesystem>

#if defined(__unix__)
#include <unistd.h>
#endif

#include "project/disco.h"
#include "project/pasta_temporaria.h"

namespace galeria {
namespace {

namespace fs = std::filesystem;
using teste::gravarBytes;
using teste::lerBytes;
using teste::TPastaTemporaria;

bool soArquivo(const fs::path& pasta, const fs::path& esperado) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(pasta)) {
    ++n;
    if (e.path().filename() != esperado) return false;
  }
  return n == 1;
}

TEST(GravacaoSegura, SubstituiOArquivoInteiroENaoDeixaTemporario) {
  TPastaTemporaria pasta;
  const fs::path alvo = pasta / "a.gal";
  gravarBytes(alvo, "antigo e mais comprido");
  EXPECT_EQ(gravarArquivoSeguro(alvo, "novo"), "");
  EXPECT_EQ(lerBytes(alvo), "novo");
  EXPECT_TRUE(soArquivo(pasta.caminho(), "a.gal"));
}

TEST(GravacaoSegura, PastaComoDestinoOuPastaInexistenteDaoMensagem) {
  TPastaTemporaria pasta;
  fs::create_directory(pasta / "x.gal");
  gravarBytes(pasta / "x.gal" / "dentro", "fica");
  const std::string erro = gravarArquivoSeguro(pasta / "x.gal", "conteudo");
  EXPECT_NE(erro.find("\"x.gal\""), std::string::npos) << erro;
  EXPECT_TRUE(fs::is_directory(pasta / "x.gal"));
  EXPECT_EQ(lerBytes(pasta / "x.gal" / "dentro"), "fica");

  EXPECT_NE(gravarArquivoSeguro(pasta / "nao" / "existe" / "y.gal", "c"), "");
  // A file where a folder should be.
  gravarBytes(pasta / "arquivo", "");
  EXPECT_NE(gravarArquivoSeguro(pasta / "arquivo" / "z.gal", "c"), "");
}

#if defined(__unix__)
// Runs as another user when the tests run as root, for whom no permission bit
// stops a write.
class TComoOutroUsuario {
 public:
  TComoOutroUsuario() : trocou_(::geteuid() == 0 && ::seteuid(65534) == 0) {}
  ~TComoOutroUsuario() {
    if (trocou_ && ::seteuid(0) != 0) std::abort();
  }

 private:
  bool trocou_;
};

TEST(GravacaoSegura, PastaSomenteLeituraMantemOArquivoAntigo) {
  TPastaTemporaria pasta;
  const fs::path dir = pasta / "ro";
  fs::create_directory(dir);
  const fs::path alvo = dir / "p.gal";
  gravarBytes(alvo, "versao antiga");
  fs::permissions(alvo, fs::perms::all, fs::perm_options::add);
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  std::string erro;
  {
    TComoOutroUsuario outro;
    if (::geteuid() == 0) GTEST_SKIP() << "no other user to write as";
    erro = gravarArquivoSeguro(alvo, "versao nova");
  }
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_NE(erro, "");
  EXPECT_NE(erro.find("\"p.gal\""), std::string::npos) << erro;
  EXPECT_EQ(lerBytes(alvo), "versao antiga");
  EXPECT_TRUE(soArquivo(dir, "p.gal"));
}
#endif

TEST(LeituraArquivo, InexistentePastaOuVazio) {
  TPastaTemporaria pasta;
  const TLeituraArquivo inexistente = lerArquivoInteiro(pasta / "nada.gal");
  EXPECT_FALSE(inexistente.ok);
  EXPECT_NE(inexistente.erro.find("\"nada.gal\""), std::string::npos);
  const TLeituraArquivo dir = lerArquivoInteiro(pasta.caminho());
  EXPECT_FALSE(dir.ok);
  EXPECT_NE(dir.erro.find("pasta"), std::string::npos) << dir.erro;
  gravarBytes(pasta / "vazio", "");
  const TLeituraArquivo vazio = lerArquivoInteiro(pasta / "vazio");
  EXPECT_TRUE(vazio.ok);
  EXPECT_EQ(vazio.conteudo, "");
}

TEST(NomesSemCaixa, EncontraConfigTerrenoEmQualquerCaixa) {
  TPastaTemporaria pasta;
  fs::create_directory(pasta / "CONFIG");
  gravarBytes(pasta / "CONFIG" / "terreno.INI", "x");
  const fs::path achado = localizarSemCaixa(pasta.caminho(), fs::path("config") / "Terreno.ini");
  EXPECT_EQ(achado, pasta / "CONFIG" / "terreno.INI");
  // What does not exist keeps the name as written.
  EXPECT_EQ(localizarSemCaixa(pasta.caminho(), fs::path("config") / "Cores.ini"),
            pasta / "CONFIG" / "Cores.ini");
  EXPECT_EQ(localizarSemCaixa(pasta.caminho(), fs::path("Figuras") / "a.bmp"),
            pasta / "Figuras" / "a.bmp");
}

TEST(ArquivoDeLinhas, GravaCrLfEmWindows1252ELeDeVolta) {
  TPastaTemporaria pasta;
  const std::vector<std::string> linhas = {"Ação", "", "€ 5,00"};
  EXPECT_EQ(gravarLinhasArquivo(pasta / "l.txt", linhas, false), "");
  EXPECT_EQ(lerBytes(pasta / "l.txt"), "A\xE7\xE3o\r\n\r\n\x80 5,00\r\n");
  const TLeituraLinhas lidas = lerLinhasArquivo(pasta / "l.txt", false);
  ASSERT_TRUE(lidas.ok);
  EXPECT_EQ(lidas.linhas, linhas);

  EXPECT_EQ(gravarLinhasArquivo(pasta / "c.ini", linhas, true), "");
  const std::string bytes = lerBytes(pasta / "c.ini");
  EXPECT_EQ(bytes.find("5,00"), std::string::npos) << "an encoded file does not read as text";
  EXPECT_EQ(lerLinhasArquivo(pasta / "c.ini", true).linhas, linhas);
}

}  // namespace
}  // namespace galeria
