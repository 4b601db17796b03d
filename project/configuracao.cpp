#include "project/configuracao.h"

#include <limits>

#include "project/disco.h"
#include "project/numeros.h"

namespace galeria {

namespace fs = std::filesystem;

fs::path caminhoInstalacao(const fs::path& pastaPrograma, const fs::path& relativo) {
  return localizarSemCaixa(pastaPrograma, relativo);
}

TVerificacaoArquivos verificarArquivos(const fs::path& pastaPrograma) {
  TVerificacaoArquivos r;
  for (const fs::path& relativo : {arquivoCores, arquivoFabricante, arquivoTerreno}) {
    std::error_code ec;
    if (!fs::is_regular_file(caminhoInstalacao(pastaPrograma, relativo), ec)) {
      r.encerrar = true;
      r.mensagem = "Algum arquivo de inicialização foi apagado!";
      r.faltando = relativo;
      return r;
    }
  }
  return r;
}

std::vector<std::string> linhasCores(const TCores& cores) {
  std::vector<std::string> linhas;
  for (int i = 0; i < TCores::nCores; ++i) linhas.push_back(std::to_string(cores[i]));
  return linhas;
}

TLeituraCores interpretarCores(const std::vector<std::string>& linhas,
                               const std::string& nomeArquivo) {
  TLeituraCores r;
  TCores lidas;
  for (int i = 0; i < TCores::nCores; ++i) {
    const auto k = static_cast<size_t>(i);
    const auto v = k < linhas.size() ? lerInteiro(linhas[k]) : std::nullopt;
    if (!v || *v < std::numeric_limits<TCor>::min() || *v > std::numeric_limits<TCor>::max()) {
      r.aviso = "O arquivo \"" + nomeArquivo + "\", linha " + std::to_string(i + 1) + ": a cor \"" +
                legendasCores()[k] + "\" não é um número inteiro. Foram usadas as cores padrão.";
      return r;  // r.cores still holds the defaults
    }
    lidas[i] = static_cast<TCor>(*v);
  }
  r.cores = lidas;
  return r;
}

std::vector<std::string> linhasFabricante(const TDadosFabricante& f, const TPrecosCusto& p) {
  return {f.nome,   f.cpfCnpj,   f.endereco,  f.numero,        f.bairro,
          f.cidade, f.estado,    f.cep,       f.telefone,      f.celular,
          f.email,  p.precoCA60, p.precoCA50, p.precoConcreto, p.quantidadePecas};
}

TLeituraFabricante interpretarFabricante(const std::vector<std::string>& linhas) {
  TLeituraFabricante r;
  TDadosFabricante& f = r.fabricante;
  TPrecosCusto& p = r.precos;
  std::string* campos[] = {&f.nome,      &f.cpfCnpj,       &f.endereco,       &f.numero,
                           &f.bairro,    &f.cidade,        &f.estado,         &f.cep,
                           &f.telefone,  &f.celular,       &f.email,          &p.precoCA60,
                           &p.precoCA50, &p.precoConcreto, &p.quantidadePecas};
  size_t i = 0;
  for (std::string* campo : campos) {
    *campo = i < linhas.size() ? linhas[i] : std::string();
    ++i;
  }
  return r;
}

TLeituraConfiguracao lerConfiguracao(const fs::path& pastaPrograma) {
  TLeituraConfiguracao r;
  TConfiguracao& c = r.configuracao;

  const fs::path fabricante = caminhoInstalacao(pastaPrograma, arquivoFabricante);
  const TLeituraLinhas lf = lerLinhasArquivo(fabricante, true);
  if (lf.ok) {
    TLeituraFabricante dados = interpretarFabricante(lf.linhas);
    c.fabricante = std::move(dados.fabricante);
    c.precos = std::move(dados.precos);
  } else {
    r.avisos.push_back(lf.erro + " Foram usados dados do fabricante vazios e os preços padrão.");
  }
  // The logo is optional: without it the dialog and the report show none.
  const TLeituraArquivo logo = lerArquivoInteiro(caminhoInstalacao(pastaPrograma, arquivoLogotipo));
  if (logo.ok) c.fabricante.logotipo = logo.conteudo;

  TLeituraSolos solos = carregarSolos(caminhoInstalacao(pastaPrograma, arquivoTerreno));
  c.solos = std::move(solos.catalogo);
  if (!solos.aviso.empty()) r.avisos.push_back(std::move(solos.aviso));

  const fs::path cores = caminhoInstalacao(pastaPrograma, arquivoCores);
  const TLeituraLinhas lc = lerLinhasArquivo(cores, true);
  if (lc.ok) {
    TLeituraCores lidas = interpretarCores(lc.linhas, nomeParaMensagem(cores));
    c.cores = lidas.cores;
    if (!lidas.aviso.empty()) r.avisos.push_back(std::move(lidas.aviso));
  } else {
    r.avisos.push_back(lc.erro + " Foram usadas as cores padrão.");
  }
  return r;
}

namespace {

// The folder of a file to write, created when missing.
fs::path destinoGravacao(const fs::path& pastaPrograma, const fs::path& relativo,
                         std::vector<std::string>& erros) {
  const fs::path destino = caminhoInstalacao(pastaPrograma, relativo);
  std::error_code ec;
  fs::create_directories(destino.parent_path(), ec);
  if (ec)
    erros.push_back("Não foi possível criar a pasta \"" + nomeParaMensagem(destino.parent_path()) +
                    "\".");
  return destino;
}

void anotar(std::vector<std::string>& erros, std::string erro) {
  if (!erro.empty()) erros.push_back(std::move(erro));
}

}  // namespace

std::vector<std::string> gravarConfiguracao(const fs::path& pastaPrograma, const TConfiguracao& c) {
  std::vector<std::string> erros;
  anotar(erros, gravarSolos(destinoGravacao(pastaPrograma, arquivoTerreno, erros), c.solos));
  anotar(erros, gravarLinhasArquivo(destinoGravacao(pastaPrograma, arquivoCores, erros),
                                    linhasCores(c.cores), true));
  if (!c.fabricante.logotipo.empty())
    anotar(erros, gravarArquivoSeguro(destinoGravacao(pastaPrograma, arquivoLogotipo, erros),
                                      c.fabricante.logotipo));
  anotar(erros, gravarLinhasArquivo(destinoGravacao(pastaPrograma, arquivoFabricante, erros),
                                    linhasFabricante(c.fabricante, c.precos), true));
  return erros;
}

std::vector<std::string> instalarPadrao(const fs::path& pastaPrograma) {
  std::vector<std::string> erros = gravarConfiguracao(pastaPrograma, TConfiguracao{});
  for (const fs::path& pasta : {pastaFiguras, pastaArquivos}) {
    std::error_code ec;
    fs::create_directories(caminhoInstalacao(pastaPrograma, pasta), ec);
    if (ec) erros.push_back("Não foi possível criar a pasta \"" + pasta.string() + "\".");
  }
  return erros;
}

}  // namespace galeria
