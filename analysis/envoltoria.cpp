#include "analysis/envoltoria.h"

#include "project/numeros.h"

namespace galeria {

namespace {

// Largest and smallest of 0 and the values offered, strict comparisons.
struct TExtremos {
  double max = 0.0, min = 0.0;
  void considerar(double v) {
    if (v > max) max = v;
    if (v < min) min = v;
  }
};

// Axial or shear envelope of the elements of sides 1 to 3, then per side.
void envoltoriaElementos(const TModeloEF& m, const Mreal& ini, const Mreal& fim, Vreal& vMax,
                         Vreal& vMin, std::array<double, 4>& ladoMax,
                         std::array<double, 4>& ladoMin) {
  vMax = criarVreal(m.nNos);
  vMin = criarVreal(m.nNos);
  const int primeiro[4] = {0, 1, m.noInfDir, m.noSupDir};
  const int ultimo[4] = {0, m.noInfDir - 1, m.noSupDir - 1, m.noSupEsq - 1};
  for (int lado = 1; lado <= 3; ++lado) {
    TExtremos doLado;
    for (int e = primeiro[lado]; e <= ultimo[lado]; ++e) {
      TExtremos x;
      for (int c = casoEluVmaxHmin; c <= casoEluVmaxHmax; ++c) {
        x.considerar(ini[e][c]);
        x.considerar(fim[e][c]);
      }
      vMax[e] = arredondar4(x.max);
      vMin[e] = arredondar4(x.min);
      doLado.considerar(vMax[e]);
      doLado.considerar(vMin[e]);
    }
    ladoMax[lado] = doLado.max;
    ladoMin[lado] = doLado.min;
  }
}

}  // namespace

void calcularEnvoltoria(const TModeloEF& m, TEnvoltoria& env) {
  const int n = m.nNos;
  env.momentoEnvMax = criarVreal(n + 1);
  env.momentoEnvMin = criarVreal(n + 1);
  for (int no = 1; no <= n; ++no) {
    TExtremos x;
    for (int c = casoEluVmaxHmin; c <= casoEluVmaxHmax; ++c) x.considerar(m.momentoIni[no][c]);
    env.momentoEnvMax[no] = arredondar4(x.max);
    env.momentoEnvMin[no] = arredondar4(x.min);
  }
  if (n >= 1) {
    env.momentoEnvMax[n + 1] = env.momentoEnvMax[1];
    env.momentoEnvMin[n + 1] = env.momentoEnvMin[1];
  }

  const int primeiro[5] = {0, 1, m.noInfDir, m.noSupDir, m.noSupEsq};
  const int ultimo[5] = {0, m.noInfDir, m.noSupDir, m.noSupEsq, m.noFecho};
  for (int lado = 1; lado <= 4; ++lado) {
    TExtremos x;
    for (int no = primeiro[lado]; no <= ultimo[lado] && no <= n + 1; ++no) {
      x.considerar(env.momentoEnvMax[no]);
      x.considerar(env.momentoEnvMin[no]);
    }
    env.momentoEnvMaxLado[lado] = x.max;
    env.momentoEnvMinLado[lado] = x.min;
  }

  envoltoriaElementos(m, m.normalIni, m.normalFim, env.normalEnvMax, env.normalEnvMin,
                      env.normalEnvMaxLado, env.normalEnvMinLado);
  envoltoriaElementos(m, m.cortanteIni, m.cortanteFim, env.cortanteEnvMax, env.cortanteEnvMin,
                      env.cortanteEnvMaxLado, env.cortanteEnvMinLado);
}

TSecoesProjeto calcularSecoesProjeto(const TProjeto& p, const TModeloEF& m) {
  const TGeometria g = geometriaEfetiva(p.Geometria);
  const bool topo = m.tipoMisula == 2 || m.tipoMisula == 4;
  const bool fundo = m.tipoMisula == 3 || m.tipoMisula == 4;

  // Segments run: bottom slab [haunch] middle [haunch], right wall [bottom
  // haunch] middle [top haunch], top slab [haunch] middle [haunch], left wall.
  const int nInferior = fundo ? 3 : 1;
  const int nParede = 1 + (fundo ? 1 : 0) + (topo ? 1 : 0);
  auto elementos = [&](int trecho) {
    return trecho >= 1 && trecho < static_cast<int>(m.elementosPorTrecho.size())
               ? m.elementosPorTrecho[trecho]
               : 0;
  };

  TSecoesProjeto s;
  s.noSecao[meioInferior] = 1 + (m.noInfDir - 1) / 2;
  s.noSecao[misulaLajeInferior] = fundo ? m.noInfDir - elementos(nInferior) : m.noInfDir;
  s.noSecao[quinaInferior] = m.noInfDir;
  s.noSecao[misulaParedeInferior] = fundo ? m.noInfDir + elementos(nInferior + 1) : m.noInfDir;
  s.noSecao[meioParede] = m.noInfDir + (m.noSupDir - m.noInfDir) / 2;
  s.noSecao[misulaParedeSuperior] = topo ? m.noSupDir - elementos(nInferior + nParede) : m.noSupDir;
  s.noSecao[quinaSuperior] = m.noSupDir;
  s.noSecao[misulaLajeSuperior] =
      topo ? m.noSupDir + elementos(nInferior + nParede + 1) : m.noSupDir;
  s.noSecao[meioSuperior] = m.noSupDir + (m.noSupEsq - m.noSupDir) / 2;

  const double cobrimento = p.Armadura.cobrimento;
  const double dMeio = cobrimento + 0.5, dQuina = 2 * cobrimento + 1;
  const double h[10] = {0,    g.hb, g.hb, espessuraQuina(g.hp, g.mhb, g.hb, g.mvb),
                        g.hp, g.hp, g.hp, espessuraQuina(g.hp, g.mhc, g.hc, g.mvc),
                        g.hc, g.hc};
  for (int sec = 1; sec <= nSecoes; ++sec) {
    s.espessura[sec] = h[sec];
    s.dLinha[sec] = (sec == quinaInferior || sec == quinaSuperior) ? dQuina : dMeio;
  }
  return s;
}

}  // namespace galeria
