// The closed rectangular frame of constant section against its closed form:
// under uniform pressure q on both slabs (or p on both walls) every corner
// carries M = q·L³ / (12·(L + H)), the walls (slabs) that same moment all
// along, and the loaded members q·L²/8 − M at mid-span.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/solver.h"
#include "comum/modelo_teste.h"
#include "comum/projetos_teste.h"

namespace galeria {
namespace {

struct TPorticoFechado {
  TProjeto p;
  TModeloEF m;
  double L = 0, H = 0;  // centre-line span and height
};

TPorticoFechado porticoSemMisula() {
  TPorticoFechado f;
  f.p = teste::projetoTipico();
  f.p.Geometria.mhc = 0.0;
  igualarSecaoConstante(f.p.Geometria);
  f.p.Criterio.compElemento = 5;
  f.m = teste::modeloCalculado(f.p);
  f.L = f.m.xNo[f.m.noInfDir] - f.m.xNo[1];
  f.H = f.m.yNo[f.m.noSupDir] - f.m.yNo[f.m.noInfDir];
  return f;
}

// Uniform load per cm of centre line on the elements first..ultimo, lumped
// half to each end node, in direction (dx, dy).
void cargaDistribuida(TModeloEF& m, int primeiro, int ultimo, double q, double dx, double dy) {
  for (int e = primeiro; e <= ultimo; ++e) {
    const double metade = q * m.compElem[e] / 2;
    for (int no : {e, m.noFinal(e)}) {
      m.cargaNodal[3 * no - 2][1] += metade * dx;
      m.cargaNodal[3 * no - 1][1] += metade * dy;
    }
  }
}

// Self-equilibrated loads: three restraints that take no force.
void resolverIsostatico(TModeloEF& m) {
  TSolverPortico s;
  s.preparar(m);
  s.zerarRigidez();
  s.montarRigidez(m);
  s.somarRigidezDiagonal(1, 1e8);
  s.somarRigidezDiagonal(2, 1e8);
  s.somarRigidezDiagonal(3 * m.noInfDir - 1, 1e8);
  for (int i = 1; i <= m.nGraus(); ++i) s.vetorCargas[i] = m.cargaNodal[i][1];
  ASSERT_TRUE(s.resolverSistema());
  s.esforcosElementos(m);
  guardarEsforcos(s, m, 1);
  somarEsforcosNodais(m, 1);
}

TEST(PorticoFechado, LajesComPressaoUniforme) {
  TPorticoFechado f = porticoSemMisula();
  TModeloEF& m = f.m;
  const double q = 0.5;                                       // kN/cm
  cargaDistribuida(m, m.noSupDir, m.noSupEsq - 1, q, 0, -1);  // top slab pressed down
  cargaDistribuida(m, 1, m.noInfDir - 1, q, 0, 1);            // bottom slab pressed up
  resolverIsostatico(m);

  const double quina = q * f.L * f.L * f.L / (12 * (f.L + f.H));
  const double tol = 0.001 * quina;  // loads lumped at the nodes
  for (int no : {1, m.noInfDir, m.noSupDir, m.noSupEsq})
    EXPECT_NEAR(m.momentoIni[no][1], quina, tol) << no;  // tension outside
  for (int no = m.noInfDir; no <= m.noSupDir; ++no) EXPECT_NEAR(m.momentoIni[no][1], quina, tol);
  // Along both slabs the parabola of a simple span less the corner moment;
  // at mid-span q·L²/8 − M with the inner face in tension.
  auto parabola = [&](int no) {
    const double x = m.xNo[no] - m.xNo[1];
    return -(q * x * (f.L - x) / 2 - quina);
  };
  for (int no = m.noSupDir; no <= m.noSupEsq; ++no)
    EXPECT_NEAR(m.momentoIni[no][1], parabola(no), tol) << no;
  for (int no = 1; no <= m.noInfDir; ++no) EXPECT_NEAR(m.momentoIni[no][1], parabola(no), tol);
  const int meioSuperior = m.noSupDir + (m.noSupEsq - m.noSupDir) / 2;
  // The walls carry half of each slab's load in compression, the slabs no axial force.
  EXPECT_NEAR(m.normalIni[m.noInfDir + 3][1], -q * f.L / 2, 1e-6 * q * f.L);
  EXPECT_NEAR(m.normalIni[meioSuperior][1], 0.0, 1e-6 * q * f.L);
  // The three restraints take nothing from a load in equilibrium.
  for (int grau : {1, 2, 3 * m.noInfDir - 1}) EXPECT_NEAR(m.reacao[grau][1], 0.0, 1e-6);
}

TEST(PorticoFechado, ParedesComPressaoUniforme) {
  TPorticoFechado f = porticoSemMisula();
  TModeloEF& m = f.m;
  const double p = 0.3;                                       // kN/cm
  cargaDistribuida(m, m.noInfDir, m.noSupDir - 1, p, -1, 0);  // right wall pushed left
  cargaDistribuida(m, m.noSupEsq, m.nNos, p, 1, 0);           // left wall pushed right
  resolverIsostatico(m);

  const double quina = p * f.H * f.H * f.H / (12 * (f.L + f.H));
  const double tol = 0.001 * quina;  // loads lumped at the nodes
  for (int no : {1, m.noInfDir, m.noSupDir, m.noSupEsq})
    EXPECT_NEAR(m.momentoIni[no][1], quina, tol) << no;
  for (int no = m.noSupDir; no <= m.noSupEsq; ++no) EXPECT_NEAR(m.momentoIni[no][1], quina, tol);
  auto parabola = [&](int no) {
    const double y = m.yNo[no] - m.yNo[m.noInfDir];
    return -(p * y * (f.H - y) / 2 - quina);
  };
  for (int no = m.noInfDir; no <= m.noSupDir; ++no)
    EXPECT_NEAR(m.momentoIni[no][1], parabola(no), tol) << no;
  for (int no = m.noSupEsq; no <= m.nNos; ++no) EXPECT_NEAR(m.momentoIni[no][1], parabola(no), tol);
  EXPECT_NEAR(m.normalIni[m.noSupDir + 3][1], -p * f.H / 2, 1e-6 * p * f.H);
}

}  // namespace
}  // namespace galeria
