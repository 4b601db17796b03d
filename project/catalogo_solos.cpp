#include "project/catalogo_solos.h"

#include "project/disco.h"
#include "project/numeros.h"

namespace galeria {

TCatalogoSolos catalogoSolosPadrao() {
  // Unit weights and friction angles of compacted fills in common use.
  return {{
      {"Solo Padrão", "18,00", "30,00"},
      {"Areia fofa", "17,00", "28,00"},
      {"Areia compacta", "19,00", "35,00"},
      {"Silte arenoso", "18,00", "27,00"},
      {"Argila compacta", "19,00", "25,00"},
      {"Pedregulho", "20,00", "38,00"},
  }};
}

double pesoSolo(const TCatalogoSolos& c, int i) {
  return c.indiceValido(i) ? lerNumero(c.solos[static_cast<size_t>(i)].peso).value_or(0.0) : 0.0;
}

double anguloSolo(const TCatalogoSolos& c, int i) {
  return c.indiceValido(i) ? lerNumero(c.solos[static_cast<size_t>(i)].angulo).value_or(0.0) : 0.0;
}

std::vector<std::string> linhasSolos(const TCatalogoSolos& c) {
  std::vector<std::string> linhas;
  linhas.reserve(1 + 3 * c.solos.size());
  linhas.push_back(std::to_string(c.solos.size()));
  for (const TSolo& s : c.solos) linhas.push_back(s.nome);
  for (const TSolo& s : c.solos) linhas.push_back(s.peso);
  for (const TSolo& s : c.solos) linhas.push_back(s.angulo);
  return linhas;
}

namespace {

TLeituraSolos padraoCom(std::string aviso) {
  return {catalogoSolosPadrao(), std::move(aviso) + " Foi usado o catálogo de solos padrão."};
}

std::string linhaOuVazia(const std::vector<std::string>& linhas, size_t i) {
  return i < linhas.size() ? linhas[i] : std::string();
}

}  // namespace

TLeituraSolos interpretarSolos(const std::vector<std::string>& linhas,
                               const std::string& nomeArquivo) {
  const std::string arquivo = "O arquivo \"" + nomeArquivo + "\"";
  const std::string primeira = linhaOuVazia(linhas, 0);
  const auto n = lerInteiro(primeira);
  if (!n || *n < 1) return padraoCom(arquivo + " não começa pelo número de solos (linha 1).");
  // A count beyond the lines present cannot describe whole soils: the weights
  // would be missing. Checked before anything is allocated.
  if (*n > static_cast<long long>(linhas.size()))
    return padraoCom(arquivo + " anuncia " + std::to_string(*n) + " solos e tem só " +
                     std::to_string(linhas.size()) + " linhas.");
  const auto total = static_cast<size_t>(*n);
  TLeituraSolos r;
  r.catalogo.solos.resize(total);
  for (size_t i = 0; i < total; ++i) {
    TSolo& s = r.catalogo.solos[i];
    s.nome = linhaOuVazia(linhas, 1 + i);
    s.peso = linhaOuVazia(linhas, 1 + total + i);
    s.angulo = linhaOuVazia(linhas, 1 + 2 * total + i);
    if (!lerNumero(s.peso))
      return padraoCom(arquivo + ", linha " + std::to_string(2 + total + i) +
                       ": o peso específico do solo " + std::to_string(i) + " não é um número.");
    if (!lerNumero(s.angulo))
      return padraoCom(arquivo + ", linha " + std::to_string(2 + 2 * total + i) +
                       ": o ângulo de atrito do solo " + std::to_string(i) + " não é um número.");
  }
  return r;
}

TLeituraSolos carregarSolos(const std::filesystem::path& arquivo) {
  const TLeituraLinhas l = lerLinhasArquivo(arquivo, true);
  if (!l.ok) return padraoCom(l.erro);
  return interpretarSolos(l.linhas, nomeParaMensagem(arquivo));
}

std::string gravarSolos(const std::filesystem::path& arquivo, const TCatalogoSolos& c) {
  return gravarLinhasArquivo(arquivo, linhasSolos(c), true);
}

TSoloSelecionado selecionarSolo(const TCatalogoSolos& c, int indice, TInstalacao& inst) {
  if (!c.indiceValido(indice)) indice = 0;
  TSoloSelecionado s;
  s.indice = indice;
  if (c.indiceValido(indice)) {
    s.peso = c.solos[static_cast<size_t>(indice)].peso;
    s.angulo = c.solos[static_cast<size_t>(indice)].angulo;
  }
  aplicarSolo(inst, indice, pesoSolo(c, indice), anguloSolo(c, indice));
  s.ka = formatar4(inst.ka);
  s.ko = formatar4(inst.ko);
  s.mi = formatar4(inst.mi);
  return s;
}

TResultadoSolo adicionarSolo(TCatalogoSolos& c, const std::string& nome, const std::string& peso,
                             const std::string& angulo, TInstalacao& inst) {
  TResultadoSolo r;
  auto recusar = [&r](std::string mensagem, TCampoSolo campo) {
    r.mensagem = std::move(mensagem);
    r.campo = campo;
    return r;
  };
  if (nome.empty()) return recusar("Entre com o Nome do Solo.", TCampoSolo::nome);
  if (peso.empty()) return recusar("Entre com o Peso Específico.", TCampoSolo::peso);
  if (angulo.empty()) return recusar("Entre com o Ângulo de Atrito.", TCampoSolo::angulo);
  const auto p = lerNumero(peso);
  if (!p) return recusar("O Peso Específico deve ser um número.", TCampoSolo::peso);
  const auto a = lerNumero(angulo);
  if (!a) return recusar("O Ângulo de Atrito deve ser um número, em graus.", TCampoSolo::angulo);

  c.solos.push_back({nome, formatar2(*p), formatar2(*a)});
  r.aceito = true;
  r.selecionado = selecionarSolo(c, c.tamanho() - 1, inst);
  return r;
}

std::string perguntaRemoverSolo(const TCatalogoSolos& c, int indice) {
  const std::string nome = c.indiceValido(indice) ? c.solos[static_cast<size_t>(indice)].nome : "";
  return "Deseja remover o solo \"" + nome + "\"?";
}

TResultadoSolo removerSolo(TCatalogoSolos& c, int indice, TInstalacao& inst) {
  TResultadoSolo r;
  if (indice == 0) {
    r.mensagem = "Não é permitido excluir o Solo Padrão.";
    return r;
  }
  if (!c.indiceValido(indice)) {
    r.mensagem = "Nenhum solo selecionado.";
    return r;
  }
  c.solos.erase(c.solos.begin() + indice);
  r.aceito = true;
  r.selecionado = selecionarSolo(c, indice - 1, inst);
  return r;
}

}  // namespace galeria
