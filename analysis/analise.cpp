#include "analysis/analise.h"

#include <cmath>

#include "analysis/estados_limites.h"
#include "analysis/malha.h"

namespace galeria {

void registrarPar(TProgresso& progresso, const std::string& linha) {
  progresso.registrar(linha);
  progresso.registrar("");
  progresso.repintar();
}

std::string problemaDaGeometria(const TGeometria& geometria) {
  const TGeometria g = geometriaEfetiva(geometria);
  const TValoresGeometricos v = valoresGeometricos(g);
  if (!(v.blCm > 0.0) || !(v.hlCm > 0.0))
    return "Largura ou altura livre da seção inválida para o cálculo";
  if (!(g.hc > 0.0) || !(g.hp > 0.0) || !(g.hb > 0.0))
    return "Espessura da seção inválida para o cálculo";
  if (!(g.mhc >= 0.0) || !(g.mvc >= 0.0) || !(g.mhb >= 0.0) || !(g.mvb >= 0.0) ||
      !(v.blCm > 2 * g.mhc) || !(v.blCm > 2 * g.mhb) || !(v.hlCm > g.mvc + g.mvb))
    return "Mísulas incompatíveis com a largura e a altura livres da seção";
  return {};
}

std::string problemaDaMalha(const TModeloEF& m) {
  if (m.nNos < 4 || m.nNos > limiteNos || m.noInfDir <= 1 || m.noSupDir <= m.noInfDir ||
      m.noSupEsq <= m.noSupDir || m.nNos < m.noSupEsq)
    return "Malha de elementos finitos inválida para estas dimensões";
  for (int k = 1; k <= m.nNos; ++k) {
    if (!std::isfinite(m.xNo[k]) || !std::isfinite(m.yNo[k]))
      return "Coordenadas dos nós inválidas";
    if (!(m.espessura[k] > 0.0) || !std::isfinite(m.espessura[k]))
      return "Espessura de elemento nula ou inválida";
  }
  return {};
}

bool executarAnalise(const TProjeto& p, TAnalise& a, TProgresso& progresso,
                     bool& calculoInterrompido) {
  TModeloEF& m = a.modelo;
  progresso.registrar("");
  progresso.registrar("***** INICIALIZANDO CÁLCULOS *****");
  progresso.registrar("");
  registrarPar(progresso, "Reservando Memória Para os Vetores e Matrizes");

  std::string problema = problemaDaGeometria(p.Geometria);
  if (problema.empty()) problema = problemaDaMalha(m);
  if (!problema.empty()) {
    // Dimensions no dialog accepts (a damaged file, a batch value) cannot
    // form a frame: say so instead of analysing garbage.
    progresso.registrar(problema);
    registrarPar(progresso, "Verifique a geometria e o comprimento dos elementos");
    calculoInterrompido = true;
    return false;
  }
  alocarModelo(m);
  iniciarModelo(m);

  registrarPar(progresso, "Colhendo Caracteristica dos Materiais");
  calcularPropriedades(p, m);

  registrarPar(progresso, "Calculando Área de Influencia de Cada Nó");
  calcularInfluencia(p, m);

  registrarPar(progresso, "Verifica o efeito de arqueamento");
  calcularArqueamento(p, m, a.cargas, progresso, calculoInterrompido);

  cargasPermanentes(p, m, a.cargas, progresso);
  cargasSobrecarga(p, m, a.cargas);
  if (!analisarEstadosLimites(p, m, progresso)) calculoInterrompido = true;

  registrarPar(progresso, "Analisando Içamento");
  if (!analisarIcamento(p, m, progresso)) calculoInterrompido = true;

  registrarPar(progresso, "Calculando Envoltória de Esforços");
  calcularEnvoltoria(m, a.envoltoria);
  a.secoes = calcularSecoesProjeto(p, m);
  return true;
}

}  // namespace galeria

namespace galeria {

void confirmarGeometria(TProjeto& p, TModeloEF& m) {
  igualarSecaoConstante(p.Geometria);
  gerarMalha(p, m);
  p.estado.geometriaConfirmada = true;
  redefinirResultados(p);
  const double hsCm = metrosParaCm(p.Instalacao.hs);
  const double B = valoresGeometricos(p.Geometria).larguraExterna;
  if (!(hsCm > B) || !(hsCm > 100.0)) p.Tipo.arqueamento = false;
}

}  // namespace galeria
