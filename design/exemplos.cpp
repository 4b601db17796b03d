#include "design/exemplos.h"

#include <utility>

#include "analysis/analise.h"
#include "design/calculo.h"
#include "project/arquivo_projeto.h"
#include "project/disco.h"

namespace galeria {

namespace {

// The start record with soil 0 of the installation's catalogue, as the
// program holds it once the configuration has been read.
TProjeto projetoDeInicio(const TCatalogoSolos& solos) {
  TProjeto p = projetoInicial();
  selecionarSolo(solos, 0, p.Instalacao);
  return p;
}

TProjeto tipico(const TCatalogoSolos& solos) {
  TProjeto p = projetoDeInicio(solos);
  TGeometria& g = p.Geometria;
  g.secaoConstante = true;
  g.bl = 3.20;
  g.hl = 2.20;
  g.mhc = 15.0;
  g.hc = 15.0;
  p.Instalacao.hs = 0.30;
  p.Instalacao.hpav = 0.20;
  p.Sobrecarga.tipoSobrecarga = 1;
  p.Sobrecarga.classe = 30;
  return p;
}

// Variable section under 3,50 m of fill in a 3,20 m wide trench.
TProjeto valaSecaoVariavel(const TCatalogoSolos& solos) {
  TProjeto p = projetoDeInicio(solos);
  p.Obra.especificacao = "Exemplo: seção variável em vala, com arqueamento";
  TGeometria& g = p.Geometria;
  g.secaoConstante = false;
  g.comprimento = 1;  // 1,50 m
  g.bl = 2.50;
  g.hl = 2.00;
  g.mhc = 20.0;
  g.mvc = 20.0;
  g.mhb = 25.0;
  g.mvb = 25.0;
  g.hc = 18.0;
  g.hp = 16.0;
  g.hb = 20.0;
  p.Instalacao.hs = 3.50;
  p.Instalacao.hpav = 0.20;
  p.Tipo.arqueamento = true;
  p.Tipo.tipoInstalacao = 1;
  p.Tipo.bv = 3.20;
  p.Sobrecarga.tipoSobrecarga = 1;
  p.Sobrecarga.classe = 45;
  return p;
}

// Service gallery under 1,00 m of fill with a uniform surcharge of 20 kN/m².
TProjeto sobrecargaDistribuida(const TCatalogoSolos& solos) {
  TProjeto p = projetoDeInicio(solos);
  p.Obra.especificacao = "Exemplo: galeria técnica com sobrecarga distribuída";
  TGeometria& g = p.Geometria;
  g.secaoConstante = true;
  g.comprimento = 2;  // 2,00 m
  g.finalidade = 2;
  g.bl = 2.00;
  g.hl = 2.00;
  g.mhc = 15.0;
  g.hc = 15.0;
  p.Instalacao.hs = 1.00;
  p.Instalacao.hpav = 0.10;
  p.Sobrecarga.tipoSobrecarga = 2;
  p.Sobrecarga.q = 20.0;
  return p;
}

}  // namespace

std::vector<TProjetoExemplo> projetosExemplo(const TCatalogoSolos& solos) {
  std::vector<TProjetoExemplo> exemplos = {
      {"galeria1.gal", tipico(solos)},
      {"secao_variavel_vala.gal", valaSecaoVariavel(solos)},
      {"sobrecarga_distribuida.gal", sobrecargaDistribuida(solos)},
  };
  // As the confirmed geometry dialog leaves them: equal legs and thicknesses
  // of a constant section. The fills are high enough to keep their arching.
  for (TProjetoExemplo& e : exemplos) {
    igualarSecaoConstante(e.projeto.Geometria);
    e.projeto.estado.geometriaConfirmada = true;
  }
  return exemplos;
}

std::vector<std::string> gravarExemplos(const std::filesystem::path& pastaPrograma,
                                        const TCatalogoSolos& solos) {
  std::vector<std::string> erros;
  const std::filesystem::path pasta = caminhoInstalacao(pastaPrograma, pastaArquivos);
  for (TProjetoExemplo& e : projetosExemplo(solos)) {
    TSessao s;
    s.projeto = std::move(e.projeto);
    confirmarGeometria(s.projeto, s.analise.modelo);
    TRegistroMemoria registro;
    executarCalculo(s, registro);
    if (s.projeto.estado.calculoInterrompido) {
      erros.push_back("O exemplo \"" + e.arquivo +
                      "\" não foi calculado com sucesso e não foi gravado.");
      continue;
    }
    std::string erro = salvarProjeto(pasta / e.arquivo, s.projeto);
    if (!erro.empty()) erros.push_back(std::move(erro));
  }
  return erros;
}

}  // namespace galeria
