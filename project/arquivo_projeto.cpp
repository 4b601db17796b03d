#include "project/arquivo_projeto.h"

#include <climits>
#include <optional>
#include <utility>

#include "project/disco.h"
#include "project/numeros.h"

namespace galeria {

namespace {

// A line break inside a text would split it into two lines of the file.
std::string umaLinha(std::string texto) {
  for (char& c : texto)
    if (c == '\r' || c == '\n') c = ' ';
  return texto;
}

void fecharSecao(std::vector<std::string>& l) {
  l.push_back(separadorSecao);
  l.emplace_back();
}

// Bar locations in file order: 9, 7, 5, 3, 1, then 10, 8, 6, 4, 2.
constexpr std::array<int, 10> ordemBarras = {9, 7, 5, 3, 1, 10, 8, 6, 4, 2};

}  // namespace

std::vector<std::string> linhasProjeto(const TProjeto& p) {
  std::vector<std::string> l;
  auto texto = [&l](const std::string& t) { l.push_back(umaLinha(t)); };
  auto inteiro = [&l](long long v) { l.push_back(std::to_string(v)); };
  auto decimal = [&l](const TDecimal& d) { l.push_back(umaLinha(d.texto)); };

  const TObra& o = p.Obra;
  l.emplace_back("OBRA");
  for (const std::string* t :
       {&o.especificacao, &o.endereco, &o.numero, &o.bairro, &o.cidade, &o.estado, &o.cep})
    texto(*t);
  fecharSecao(l);

  const TCliente& c = p.Cliente;
  l.emplace_back("CLIENTE");
  for (const std::string* t : {&c.nome, &c.endereco, &c.numero, &c.bairro, &c.cidade, &c.estado,
                               &c.cep, &c.telefone, &c.celular, &c.email})
    texto(*t);
  fecharSecao(l);

  const TGeometria& g = p.Geometria;
  l.emplace_back("GEOMETRIA");
  inteiro(g.secaoConstante ? 1 : 2);
  inteiro(g.comprimento);
  inteiro(g.finalidade);
  for (const TDecimal* d : {&g.bl, &g.hl, &g.mhc, &g.mvc, &g.mhb, &g.mvb, &g.hc, &g.hp, &g.hb})
    decimal(*d);
  fecharSecao(l);

  const TInstalacao& i = p.Instalacao;
  l.emplace_back("INSTALACAO");
  inteiro(i.solo);
  for (const TDecimal* d : {&i.hs, &i.hpav, &i.fcj, &i.coefImpacto, &i.dica}) decimal(*d);
  fecharSecao(l);

  const TTipo& t = p.Tipo;
  l.emplace_back("TIPO");
  inteiro(t.arqueamento ? 1 : 2);
  if (t.arqueamento) {
    inteiro(t.tipoInstalacao);
    if (t.tipoInstalacao == 1) {
      decimal(t.bv);
    } else {
      inteiro(t.classeRecalque);
      decimal(t.rr);
    }
  }
  fecharSecao(l);

  const TSobrecarga& s = p.Sobrecarga;
  l.emplace_back("SOBRECARGA");
  inteiro(s.tipoSobrecarga);
  switch (s.tipoSobrecarga) {
    case 1:
      inteiro(s.classe);
      break;
    case 2:
      decimal(s.q);
      break;
    case 3:
      decimal(s.Q), decimal(s.a), decimal(s.b);
      break;
    default:
      break;
  }
  fecharSecao(l);

  const TArmadura& a = p.Armadura;
  l.emplace_back("ARMADURA");
  for (const TDecimal* d : {&a.w, &a.redRigidez, &a.rfs, &a.rfq, &a.coefC, &a.coefA, &a.cobrimento,
                            &a.varAbaixo, &a.varAcima})
    decimal(*d);
  fecharSecao(l);

  const TCriterio& k = p.Criterio;
  l.emplace_back("CRITERIO");
  decimal(k.fck);
  decimal(k.pesoConcreto);
  inteiro(k.EcAutomatico ? 1 : 0);
  decimal(k.Ec);
  inteiro(k.apoio);
  if (k.apoio == 4) decimal(k.kr);
  inteiro(k.compElemento);
  for (const TDecimal* d : {&k.elsPesoProprio, &k.psi1Fissuracao, &k.psi1Fadiga, &k.eluPesoProprio,
                            &k.eluSolo, &k.eluCargaMovel, &k.eluAgua})
    decimal(*d);
  fecharSecao(l);

  const TResultados& r = p.Resultados;
  l.emplace_back("RESULTADOS");
  for (int tela : r.telaEscolhida) inteiro(tela);
  for (int local : ordemBarras) inteiro(r.barraEscolhida[static_cast<size_t>(local - 1)]);
  for (int fadiga : r.fadigaEscolhida) inteiro(fadiga);
  fecharSecao(l);
  return l;
}

std::string salvarProjeto(const std::filesystem::path& caminho, const TProjeto& p) {
  return gravarLinhasArquivo(caminho, linhasProjeto(p), false);
}

// ---------------------------------------------------------------- reading

namespace {

const std::string sufixoRecusa = " O projeto atual não foi alterado.";

// A line quoted in a message: control characters shown as '?', at most 30
// characters (whole UTF-8 sequences).
std::string citar(const std::string& linha) {
  std::string saida;
  int caracteres = 0;
  for (size_t i = 0; i < linha.size(); ++i) {
    const auto b = static_cast<unsigned char>(linha[i]);
    if ((b & 0xC0) != 0x80) {
      if (caracteres == 30) {
        saida += "...";
        break;
      }
      ++caracteres;
    }
    saida.push_back(b < 0x20 || b == 0x7F ? '?' : linha[i]);
  }
  return "\"" + saida + "\"";
}

// Reads the lines by position. The first failure is kept and every later read
// gives nothing.
class TLeitor {
 public:
  TLeitor(const std::vector<std::string>& linhas, std::string arquivo)
      : linhas_(linhas), arquivo_(std::move(arquivo)) {}

  bool falhou() const { return !erro_.empty(); }
  const std::string& erro() const { return erro_; }
  size_t posicao() const { return pos_; }  // 0-based index of the next line
  const std::string& arquivo() const { return arquivo_; }

  // Header, separator and empty lines: skipped by count, never compared.
  void pular(size_t n) { pos_ += n; }

  std::optional<std::string> texto(const char* campo) {
    if (falhou()) return std::nullopt;
    if (pos_ >= linhas_.size()) {
      falhar(linhas_.empty() ? "O arquivo \"" + arquivo_ + "\" está vazio."
                             : "O arquivo \"" + arquivo_ + "\" está incompleto: termina na linha " +
                                   std::to_string(linhas_.size()) + " e falta a linha " +
                                   std::to_string(pos_ + 1) + " (" + campo + ").");
      return std::nullopt;
    }
    return linhas_[pos_++];
  }

  std::optional<int> inteiro(const char* campo) {
    std::optional<int> valor;
    textoInteiro(campo, valor);
    return valor;
  }

  // A yes/no line written as a whole number: on only when the line is exactly
  // `marcado` ("01" or " 1" is a whole number, but not "1").
  std::optional<bool> escolha(const char* campo, const char* marcado) {
    std::optional<int> valor;
    const auto t = textoInteiro(campo, valor);
    if (!t) return std::nullopt;
    return *t == marcado;
  }

  // A whole number that must be one of the options minimo..maximo.
  std::optional<int> opcao(const char* campo, int minimo, int maximo) {
    const auto v = inteiro(campo);
    if (v && (*v < minimo || *v > maximo)) {
      falhar(local(campo) + "o valor " + std::to_string(*v) + " não é uma das opções (" +
             std::to_string(minimo) + " a " + std::to_string(maximo) + ").");
      return std::nullopt;
    }
    return v;
  }

  void decimal(const char* campo, TDecimal& destino) {
    const auto t = texto(campo);
    if (!t) return;
    if (!lerNumero(*t)) {
      falhar(local(campo) + citar(*t) + " não é um número.");
      return;
    }
    destino.definirTexto(*t);
  }

  // The file line just read, for messages.
  std::string local(const char* campo) const {
    return "O arquivo \"" + arquivo_ + "\", linha " + std::to_string(pos_) + " (" + campo + "): ";
  }

 private:
  // Reads a line that must hold a whole number: its text, with the number in
  // `valor`; nothing (and the reader stops) when it holds none.
  std::optional<std::string> textoInteiro(const char* campo, std::optional<int>& valor) {
    auto t = texto(campo);
    if (!t) return std::nullopt;
    const auto v = lerInteiro(*t);
    if (!v || *v < INT_MIN || *v > INT_MAX) {
      falhar(local(campo) + citar(*t) + " não é um número inteiro.");
      return std::nullopt;
    }
    valor = static_cast<int>(*v);
    return t;
  }

  void falhar(std::string mensagem) {
    if (erro_.empty()) erro_ = std::move(mensagem) + sufixoRecusa;
  }

  const std::vector<std::string>& linhas_;
  std::string arquivo_;
  size_t pos_ = 0;
  std::string erro_;
};

// The geometry as a confirmation of the geometry dialog derives it: a
// constant section takes every haunch leg of m and every thickness of h, and
// the nine values are rewritten in the two-decimal form. The numbers stay as
// read, as a confirmed dialog keeps them; nothing is checked.
void derivarGeometria(TGeometria& g) {
  igualarSecaoConstante(g);
  for (TDecimal* d : {&g.bl, &g.hl, &g.mhc, &g.mvc, &g.mhb, &g.mvb, &g.hc, &g.hp, &g.hb})
    *d = d->valor;
}

void lerTextos(TLeitor& l, std::initializer_list<std::pair<std::string*, const char*>> campos) {
  for (const auto& [destino, campo] : campos)
    if (auto t = l.texto(campo)) *destino = *t;
}

}  // namespace

TLeituraProjeto interpretarProjeto(const std::vector<std::string>& linhas,
                                   const std::string& arquivo, const TCatalogoSolos& solos,
                                   const TProjeto& atual) {
  TLeituraProjeto r;
  TProjeto p = atual;
  TLeitor l(linhas, arquivo);

  l.pular(1);  // OBRA
  TObra& o = p.Obra;
  lerTextos(l, {{&o.especificacao, "Especificação dos Serviços"},
                {&o.endereco, "Endereço da obra"},
                {&o.numero, "Número da obra"},
                {&o.bairro, "Bairro da obra"},
                {&o.cidade, "Cidade da obra"},
                {&o.estado, "Estado da obra"},
                {&o.cep, "CEP da obra"}});
  l.pular(3);  // separator, empty line, CLIENTE
  TCliente& c = p.Cliente;
  lerTextos(l, {{&c.nome, "Nome do Cliente"},
                {&c.endereco, "Endereço do cliente"},
                {&c.numero, "Número do cliente"},
                {&c.bairro, "Bairro do cliente"},
                {&c.cidade, "Cidade do cliente"},
                {&c.estado, "Estado do cliente"},
                {&c.cep, "CEP do cliente"},
                {&c.telefone, "Telefone"},
                {&c.celular, "Celular"},
                {&c.email, "E-mail"}});
  l.pular(3);  // separator, empty line, GEOMETRIA

  TGeometria& g = p.Geometria;
  if (auto v = l.escolha("Seção constante", "1")) g.secaoConstante = *v;
  if (auto v = l.opcao("Comprimento longitudinal", 0, 3)) g.comprimento = *v;
  if (auto v = l.escolha("Finalidade", "1")) g.finalidade = *v ? 1 : 2;
  l.decimal("Largura Livre", g.bl);
  l.decimal("Altura Livre", g.hl);
  l.decimal("Mísula Horizontal na Cobertura", g.mhc);
  l.decimal("Mísula Vertical na Cobertura", g.mvc);
  l.decimal("Mísula Horizontal no Fundo", g.mhb);
  l.decimal("Mísula Vertical no Fundo", g.mvb);
  l.decimal("Espessura da Laje de Cobertura", g.hc);
  l.decimal("Espessura da Parede Lateral", g.hp);
  l.decimal("Espessura da Laje de Fundo", g.hb);
  l.pular(3);  // separator, empty line, INSTALACAO

  TInstalacao& inst = p.Instalacao;
  const auto solo = l.inteiro("Solo");
  const size_t linhaSolo = l.posicao();
  l.decimal("Altura de Terra", inst.hs);
  l.decimal("Espessura do Pavimento", inst.hpav);
  l.decimal("Resistencia do concreto", inst.fcj);
  l.decimal("Coeficiente de impacto", inst.coefImpacto);
  l.decimal("Distância de içamento", inst.dica);
  l.pular(3);  // separator, empty line, TIPO

  TTipo& t = p.Tipo;
  if (auto arq = l.opcao("Efeito de Arqueamento", 1, 2)) {
    t.arqueamento = *arq == 1;
    if (t.arqueamento) {
      if (auto tipo = l.opcao("Tipo de instalação", 1, 2)) {
        t.tipoInstalacao = *tipo;
        if (*tipo == 1) {
          l.decimal("Largura da vala", t.bv);
        } else if (auto classe = l.opcao("Razão de Recalque", 1, 4)) {
          // The class puts its fixed ratio in place; the stored one replaces it.
          t.classeRecalque = *classe;
          t.rr = rrDaClasse(*classe);
          l.decimal("Razão de Recalque (valor)", t.rr);
        }
      }
    }
  }
  l.pular(3);  // separator, empty line, SOBRECARGA

  TSobrecarga& s = p.Sobrecarga;
  if (auto tipo = l.opcao("Tipo de sobrecarga", 1, 4)) {
    s.tipoSobrecarga = *tipo;
    if (*tipo == 1) {
      if (auto classe30 = l.escolha("Classe do veículo", "30")) s.classe = *classe30 ? 30 : 45;
    } else if (*tipo == 2) {
      l.decimal("Força Uniformemente Distribuida", s.q);
    } else if (*tipo == 3) {
      l.decimal("Força Parcialmente Distribuida", s.Q);
      l.decimal("Comprimento carregado a", s.a);
      l.decimal("Largura carregada b", s.b);
    }
  }
  l.pular(3);  // separator, empty line, ARMADURA

  TArmadura& a = p.Armadura;
  l.decimal("Abertura máxima", a.w);
  l.decimal("Redução de rigidez", a.redRigidez);
  l.decimal("Resist. da arm. no coroamento", a.rfs);
  l.decimal("Resist. da arm. na quina superior", a.rfq);
  l.decimal("Coeficiente do concreto", a.coefC);
  l.decimal("Coeficiente do aço", a.coefA);
  l.decimal("Cobrimento das armaduras", a.cobrimento);
  l.decimal("Variação abaixo", a.varAbaixo);
  l.decimal("Variação acima", a.varAcima);
  l.pular(3);  // separator, empty line, CRITERIO

  TCriterio& k = p.Criterio;
  l.decimal("fck", k.fck);
  l.decimal("Peso específico do concreto", k.pesoConcreto);
  if (auto v = l.escolha("Calculo automatico", "1")) k.EcAutomatico = *v;
  l.decimal("Modulo de Deformação Longitudinal", k.Ec);
  if (auto apoio = l.opcao("Apoio", 1, 4)) {
    // The class puts its fixed modulus in place; class 4 reads its own.
    k.apoio = *apoio;
    if (*apoio == 4)
      l.decimal("kr", k.kr);
    else
      k.kr = krDaClasse(*apoio);
  }
  if (auto v = l.inteiro("Comprimento Máximo de Cada Elemento Finito")) k.compElemento = *v;
  l.decimal("Peso próprio (ELS)", k.elsPesoProprio);
  l.decimal("Psi1 fissuração", k.psi1Fissuracao);
  l.decimal("Psi1 fadiga", k.psi1Fadiga);
  l.decimal("Peso próprio (ELU)", k.eluPesoProprio);
  l.decimal("Solo (ELU)", k.eluSolo);
  l.decimal("Carga móvel (ELU)", k.eluCargaMovel);
  l.decimal("Água (ELU)", k.eluAgua);
  k.elsSolo = k.elsPesoProprio;

  if (l.falhou()) {
    r.erro = l.erro();
    return r;
  }
  derivarGeometria(g);

  // The soil follows the stored index; one the catalogue no longer has falls
  // back to the standard soil.
  if (solos.indiceValido(*solo)) {
    selecionarSolo(solos, *solo, inst);
  } else {
    selecionarSolo(solos, 0, inst);
    const std::string padrao = solos.indiceValido(0) ? solos.solos[0].nome : "Solo Padrão";
    r.avisos.push_back("O arquivo \"" + arquivo + "\", linha " + std::to_string(linhaSolo) +
                       ": o solo " + std::to_string(*solo) +
                       " não existe no catálogo de solos; foi usado o solo \"" + padrao + "\".");
  }

  l.pular(3);  // separator, empty line, RESULTADOS
  r.escolhas.arquivo = arquivo;
  r.escolhas.primeiraLinha = static_cast<int>(l.posicao()) + 1;
  for (size_t i = l.posicao(); i < linhas.size() && r.escolhas.linhas.size() < 18; ++i)
    r.escolhas.linhas.push_back(linhas[i]);

  p.estado.geometriaConfirmada = true;
  p.estado.resultadosValidos = false;
  p.estado.calculoInterrompido = false;
  r.projeto = std::move(p);
  r.ok = true;
  return r;
}

TLeituraProjeto lerProjeto(const std::filesystem::path& caminho, const TCatalogoSolos& solos,
                           const TProjeto& atual) {
  const TLeituraLinhas l = lerLinhasArquivo(caminho, false);
  if (!l.ok) {
    TLeituraProjeto r;
    r.erro = l.erro + sufixoRecusa;
    return r;
  }
  return interpretarProjeto(l.linhas, nomeParaMensagem(caminho), solos, atual);
}

// ------------------------------------------------------- the stored choice

TAplicacaoEscolhas aplicarResultados(TProjeto& p, const TEscolhasGravadas& e,
                                     bool calculoInterrompido, int nTelas,
                                     const TRefazerComTelas& refazerComTelas) {
  TAplicacaoEscolhas r;
  if (calculoInterrompido) {
    r.avisos.push_back(
        "O cálculo foi interrompido: a escolha de telas e barras gravada no arquivo não foi "
        "aplicada.");
    return r;
  }
  const std::string arquivo = "O arquivo \"" + e.arquivo + "\"";
  const std::string mantida = " Foi mantida a escolha de telas e barras proposta pelo cálculo.";

  // Every line is checked before anything is applied: a damaged section
  // leaves the design's own choice whole.
  std::array<int, 18> indices{};
  for (size_t i = 0; i < indices.size(); ++i) {
    const int linha = e.primeiraLinha + static_cast<int>(i);
    if (i >= e.linhas.size()) {
      r.avisos.push_back(arquivo + " termina antes da escolha de telas e barras (falta a linha " +
                         std::to_string(linha) + ")." + mantida);
      return r;
    }
    const auto v = lerInteiro(e.linhas[i]);
    if (!v || *v < INT_MIN || *v > INT_MAX) {
      r.avisos.push_back(arquivo + ", linha " + std::to_string(linha) +
                         ": a escolha de telas e barras não é um número inteiro." + mantida);
      return r;
    }
    indices[i] = static_cast<int>(*v);
  }

  // Applies one index to its list of `tamanho` entries; -1 means nothing was
  // selected when the file was saved and keeps the proposal.
  auto aplicar = [&](int indice, int tamanho, size_t posicao, int& destino, const char* lista) {
    if (indice == -1) return;
    if (indice < 0 || indice >= tamanho) {
      r.avisos.push_back(arquivo + ", linha " +
                         std::to_string(e.primeiraLinha + static_cast<int>(posicao)) + ": " +
                         lista + " de índice " + std::to_string(indice) +
                         " não existe; foi mantida a escolha proposta pelo cálculo.");
      return;
    }
    destino = indice;
  };

  r.aplicada = true;
  for (size_t i = 0; i < 6; ++i)
    aplicar(indices[i], nTelas, i, p.Resultados.telaEscolhida[i], "a tela");

  TTamanhosListas tamanhos;
  if (refazerComTelas) tamanhos = refazerComTelas(p);

  for (size_t i = 0; i < 10; ++i) {
    const auto k = static_cast<size_t>(ordemBarras[i] - 1);
    aplicar(indices[6 + i], tamanhos.nBarras[k], 6 + i, p.Resultados.barraEscolhida[k], "a barra");
  }
  for (size_t i = 0; i < 2; ++i)
    aplicar(indices[16 + i], tamanhos.nFadiga[i], 16 + i, p.Resultados.fadigaEscolhida[i],
            "a barra de fadiga");
  return r;
}

TAberturaProjeto abrirProjeto(const std::filesystem::path& caminho, const TCatalogoSolos& solos,
                              TProjeto& projeto, const TCalculoAbertura& calculo) {
  TAberturaProjeto r;
  TLeituraProjeto leitura = lerProjeto(caminho, solos, projeto);
  if (!leitura.ok) {
    r.mensagens.push_back(std::move(leitura.erro));
    return r;
  }
  projeto = std::move(leitura.projeto);
  r.aberto = true;
  r.mensagens = std::move(leitura.avisos);
  const bool interrompido = calculo.calcular ? calculo.calcular(projeto) : true;
  TAplicacaoEscolhas escolhas = aplicarResultados(projeto, leitura.escolhas, interrompido,
                                                  calculo.nTelas, calculo.refazerComTelas);
  for (std::string& aviso : escolhas.avisos) r.mensagens.push_back(std::move(aviso));
  return r;
}

}  // namespace galeria
