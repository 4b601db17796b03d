#include "project/campos.h"

#include <algorithm>
#include <variant>

namespace galeria {

namespace {

using TAlvo = std::variant<TDecimal*, int*, bool*, std::string*>;

struct TCampo {
  std::string nome;
  TAlvo alvo;
  // The values a choice can take (its radio buttons or list entries); empty
  // for a field that is not a choice.
  std::vector<int> opcoes = {};
};

std::vector<TCampo> campos(TProjeto& p) {
  TObra& o = p.Obra;
  TCliente& c = p.Cliente;
  TGeometria& g = p.Geometria;
  TInstalacao& i = p.Instalacao;
  TTipo& t = p.Tipo;
  TSobrecarga& s = p.Sobrecarga;
  TArmadura& a = p.Armadura;
  TCriterio& k = p.Criterio;
  return {
      {"Obra.especificacao", &o.especificacao},
      {"Obra.endereco", &o.endereco},
      {"Obra.numero", &o.numero},
      {"Obra.bairro", &o.bairro},
      {"Obra.cidade", &o.cidade},
      {"Obra.estado", &o.estado},
      {"Obra.cep", &o.cep},
      {"Cliente.nome", &c.nome},
      {"Cliente.endereco", &c.endereco},
      {"Cliente.numero", &c.numero},
      {"Cliente.bairro", &c.bairro},
      {"Cliente.cidade", &c.cidade},
      {"Cliente.estado", &c.estado},
      {"Cliente.cep", &c.cep},
      {"Cliente.telefone", &c.telefone},
      {"Cliente.celular", &c.celular},
      {"Cliente.email", &c.email},
      {"Geometria.secaoConstante", &g.secaoConstante},
      {"Geometria.comprimento", &g.comprimento, {0, 1, 2, 3}},
      {"Geometria.finalidade", &g.finalidade, {1, 2}},
      {"Geometria.bl", &g.bl},
      {"Geometria.hl", &g.hl},
      {"Geometria.mhc", &g.mhc},
      {"Geometria.mvc", &g.mvc},
      {"Geometria.mhb", &g.mhb},
      {"Geometria.mvb", &g.mvb},
      {"Geometria.hc", &g.hc},
      {"Geometria.hp", &g.hp},
      {"Geometria.hb", &g.hb},
      {"Instalacao.solo", &i.solo},
      {"Instalacao.hs", &i.hs},
      {"Instalacao.hpav", &i.hpav},
      {"Instalacao.fcj", &i.fcj},
      {"Instalacao.coefImpacto", &i.coefImpacto},
      {"Instalacao.dica", &i.dica},
      {"Tipo.arqueamento", &t.arqueamento},
      {"Tipo.tipoInstalacao", &t.tipoInstalacao, {1, 2}},
      {"Tipo.bv", &t.bv},
      {"Tipo.classeRecalque", &t.classeRecalque, {1, 2, 3, 4}},
      {"Tipo.rr", &t.rr},
      {"Sobrecarga.tipoSobrecarga", &s.tipoSobrecarga, {1, 2, 3, 4}},
      {"Sobrecarga.classe", &s.classe, {30, 45}},
      {"Sobrecarga.q", &s.q},
      {"Sobrecarga.Q", &s.Q},
      {"Sobrecarga.a", &s.a},
      {"Sobrecarga.b", &s.b},
      {"Armadura.w", &a.w},
      {"Armadura.redRigidez", &a.redRigidez},
      {"Armadura.rfs", &a.rfs},
      {"Armadura.rfq", &a.rfq},
      {"Armadura.coefC", &a.coefC},
      {"Armadura.coefA", &a.coefA},
      {"Armadura.cobrimento", &a.cobrimento},
      {"Armadura.varAbaixo", &a.varAbaixo},
      {"Armadura.varAcima", &a.varAcima},
      {"Armadura.espMin", &a.espMin},
      {"Armadura.espMax", &a.espMax},
      {"Criterio.fck", &k.fck},
      {"Criterio.pesoConcreto", &k.pesoConcreto},
      {"Criterio.pesoAco", &k.pesoAco},
      {"Criterio.EcAutomatico", &k.EcAutomatico},
      {"Criterio.Ec", &k.Ec},
      {"Criterio.apoio", &k.apoio, {1, 2, 3, 4}},
      {"Criterio.kr", &k.kr},
      {"Criterio.compElemento", &k.compElemento},
      {"Criterio.elsPesoProprio", &k.elsPesoProprio},
      {"Criterio.psi1Fissuracao", &k.psi1Fissuracao},
      {"Criterio.psi1Fadiga", &k.psi1Fadiga},
      {"Criterio.eluPesoProprio", &k.eluPesoProprio},
      {"Criterio.eluSolo", &k.eluSolo},
      {"Criterio.eluCargaMovel", &k.eluCargaMovel},
      {"Criterio.eluAgua", &k.eluAgua},
  };
}

}  // namespace

std::vector<std::string> nomesDosCampos() {
  TProjeto p;
  std::vector<std::string> nomes;
  for (const TCampo& c : campos(p)) nomes.push_back(c.nome);
  return nomes;
}

std::string definirCampo(TProjeto& p, const std::string& nome, const std::string& valor) {
  for (const TCampo& c : campos(p)) {
    if (c.nome != nome) continue;
    if (auto* d = std::get_if<TDecimal*>(&c.alvo)) {
      const auto v = lerNumero(valor);
      if (!v) return "Valor \"" + valor + "\" não é um número para o campo " + nome + ".";
      **d = *v;  // rewritten in the two-decimal form, as a confirmed dialog does
    } else if (auto* i = std::get_if<int*>(&c.alvo)) {
      const auto v = lerInteiro(valor);
      if (!v || *v < -2147483647LL || *v > 2147483647LL)
        return "Valor \"" + valor + "\" não é um número inteiro para o campo " + nome + ".";
      if (!c.opcoes.empty() && std::find(c.opcoes.begin(), c.opcoes.end(), *v) == c.opcoes.end()) {
        std::string lista;
        for (int o : c.opcoes) lista += (lista.empty() ? "" : ", ") + std::to_string(o);
        return "Valor \"" + valor + "\" não é uma das opções do campo " + nome + " (" + lista +
               ").";
      }
      **i = static_cast<int>(*v);
    } else if (auto* b = std::get_if<bool*>(&c.alvo)) {
      const auto v = lerInteiro(valor);
      if (!v || (*v != 0 && *v != 1))
        return "Valor \"" + valor + "\" inválido para o campo " + nome + " (use 1 ou 0).";
      **b = *v == 1;
    } else {
      *std::get<std::string*>(c.alvo) = valor;
    }
    return {};
  }
  return "Campo desconhecido: " + nome + ".";
}

void aplicarRegrasDosDialogos(TProjeto& p) {
  igualarSecaoConstante(p.Geometria);
  if (p.Criterio.apoio >= 1 && p.Criterio.apoio <= 3) p.Criterio.kr = krDaClasse(p.Criterio.apoio);
  if (p.Tipo.classeRecalque >= 1 && p.Tipo.classeRecalque <= 3)
    p.Tipo.rr = rrDaClasse(p.Tipo.classeRecalque);
  p.Criterio.elsSolo = p.Criterio.elsPesoProprio;
}

}  // namespace galeria
