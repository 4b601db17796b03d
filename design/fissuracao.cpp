#include "design/fissuracao.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "project/numeros.h"

namespace galeria {

namespace {

enum TFadigaPosicao { semFadiga, fadigaQuina, fadigaCoroamento };

// What each check position sees: the mesh area of one location, the bars of
// up to two locations, the wire diameters of up to two mesh slots and the
// fatigue bars of the upper corner or of the crown. 0 stands for none.
struct TComposicaoPosicao {
  int tela;
  std::array<int, 2> barras;
  std::array<int, 2> fiosTela;
  TFadigaPosicao fadiga;
};

constexpr std::array<TComposicaoPosicao, nPosicoes + 1> composicaoPosicoes{{
    {0, {0, 0}, {0, 0}, semFadiga},            // unused
    {1, {1, 0}, {1, 0}, semFadiga},            // meioInferior, ext
    {2, {2, 0}, {2, 0}, semFadiga},            // meioInferior, int
    {3, {3, 1}, {1, 5}, semFadiga},            // misulaLajeInferior, ext
    {2, {2, 0}, {2, 0}, semFadiga},            // misulaLajeInferior, int
    {3, {3, 0}, {1, 5}, semFadiga},            // quinaInferior, ext
    {0, {4, 0}, {0, 0}, semFadiga},            // quinaInferior, int
    {3, {3, 5}, {1, 5}, semFadiga},            // misulaParedeInferior, ext
    {6, {6, 0}, {6, 0}, semFadiga},            // misulaParedeInferior, int
    {5, {5, 0}, {5, 0}, semFadiga},            // meioParede, ext
    {6, {6, 0}, {6, 0}, semFadiga},            // meioParede, int
    {7, {7, 5}, {5, 9}, fadigaQuina},          // misulaParedeSuperior, ext
    {6, {6, 0}, {6, 0}, semFadiga},            // misulaParedeSuperior, int
    {7, {7, 0}, {5, 9}, fadigaQuina},          // quinaSuperior, ext
    {0, {8, 0}, {0, 0}, semFadiga},            // quinaSuperior, int
    {7, {7, 9}, {5, 9}, fadigaQuina},          // misulaLajeSuperior, ext
    {10, {10, 0}, {10, 0}, fadigaCoroamento},  // misulaLajeSuperior, int
    {9, {9, 0}, {9, 0}, semFadiga},            // meioSuperior, ext
    {10, {10, 0}, {10, 0}, fadigaCoroamento},  // meioSuperior, int
}};

double resistenciaTracaoMedia(double fck) {
  return fck > 0.0 && std::isfinite(fck) ? 0.3 * std::pow(fck, 2.0 / 3.0) / 10.0 : 0.0;
}

double finitoOuZero(double v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

TArmaduraPosicao armaduraPosicao(const TArmaduraAdotada& armadura, int p) {
  TArmaduraPosicao r;
  if (p < 1 || p > nPosicoes) return r;
  const TComposicaoPosicao& comp = composicaoPosicoes[static_cast<size_t>(p)];
  auto maior = [&](double d) {
    if (d > r.diametroMaximo) r.diametroMaximo = d;
  };
  if (comp.tela != 0) r.area += armadura.areaTela[static_cast<size_t>(comp.tela)];
  for (int k : comp.barras) {
    if (k == 0) continue;
    r.area += armadura.asBarrasEscolhida[static_cast<size_t>(k)];
    maior(armadura.diametroBarraEscolhida[static_cast<size_t>(k)]);
  }
  for (int k : comp.fiosTela)
    if (k != 0) maior(armadura.diametroTela[static_cast<size_t>(k)]);
  if (comp.fadiga == fadigaQuina) {
    r.area += armadura.asFadigaQuina;
    maior(armadura.diametroFadigaQuina);
  } else if (comp.fadiga == fadigaCoroamento) {
    r.area += armadura.asFadigaCoroamento;
    maior(armadura.diametroFadigaCoroamento);
  }
  return r;
}

TFissuraFace calcularFissuraFace(double M, double N, double h, double dLinha, double As, double phi,
                                 double cobrimento, double fctm) {
  TFissuraFace f;
  if (!std::isfinite(M) || !std::isfinite(N)) {
    f.semResultado = true;
    return f;
  }
  // The bar and its concrete envelope depend only on φ and the cover; they
  // are kept also when the face carries no stress.
  const bool temDiametro = phi > 0.0 && std::isfinite(phi);
  if (temDiametro) {
    // A negative cover (only a damaged file holds one) counts as none.
    const double c = std::isfinite(cobrimento) ? std::max(cobrimento, 0.0) : 0.0;
    f.areaBarra = std::numbers::pi * phi * phi / 4.0;
    const double largura = std::min(15.0 * phi, 10.0);
    f.areaEnvolvimento = largura * (7.5 * phi + c);
    f.taxaEnvolvimento = f.areaBarra / f.areaEnvolvimento;
  }
  if (M == 0.0 && N == 0.0) return f;  // nothing acts: no stress, no crack

  const double braco = 0.9 * (h - dLinha);
  if (!(As > 0.0) || !(braco > 0.0) || !std::isfinite(As) || !std::isfinite(braco)) {
    f.semResultado = true;  // a loaded face without steel or lever arm
    return f;
  }
  double sigma = std::abs(M / (braco * As) + 0.35 * N / As);
  if (std::isnan(sigma)) {  // opposite infinities of two overflowing terms
    f.semResultado = true;
    return f;
  }
  if (sigma > tensaoAcoMaximaFissuracao) sigma = tensaoAcoMaximaFissuracao;
  f.tensaoAco = sigma;
  if (sigma == 0.0) return f;

  if (!temDiametro) {
    f.semResultado = true;  // stressed steel of unknown diameter
    return f;
  }
  const double base = 12.5 * eta1Fissuracao * moduloAcoFissuracao;
  const double w2 = phi * sigma / base * (4.0 / f.taxaEnvolvimento + 45.0);
  // Without tensile strength the first estimate is unbounded: the second governs.
  const double w1 = fctm > 0.0 ? phi * sigma * 3.0 * sigma / (base * fctm) : w2;
  f.abertura = 10.0 * (w1 < w2 ? w1 : w2);
  return f;
}

TFissuracao verificarFissuracao(const TProjeto& projeto, const TModeloEF& modelo,
                                const TSecoesProjeto& secoes, const TArmaduraAdotada& armadura) {
  TFissuracao f;
  const double fctm = resistenciaTracaoMedia(projeto.Criterio.fck);
  const double cobrimento = projeto.Armadura.cobrimento;

  for (int s = 1; s <= nSecoes; ++s) {
    const int no = secoes.noSecao[static_cast<size_t>(s)];
    const double h = secoes.espessura[static_cast<size_t>(s)];
    const double dLinha = secoes.dLinha[static_cast<size_t>(s)];
    for (int c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c) {
      const double M = valorCaso(modelo.momentoIni, no, c);
      const double N = valorCaso(modelo.normalIni, no, c);
      // The tensioned face: external with a positive moment, else internal.
      const int p = M > 0.0 ? 2 * s - 1 : 2 * s;
      const double Mp = std::abs(M);
      const TArmaduraPosicao arm = armaduraPosicao(armadura, p);
      const double phi = arm.diametroMaximo / 10.0;
      const TFissuraFace face =
          calcularFissuraFace(Mp, N, h, dLinha, arm.area, phi, cobrimento, fctm);

      const auto ci = static_cast<size_t>(c);
      const auto pi = static_cast<size_t>(p);
      f.momentoFissura[ci][pi] = arredondar4(finitoOuZero(Mp));
      f.normalFissura[ci][pi] = arredondar4(finitoOuZero(N));
      f.diametroFissura[ci][pi] = arredondar4(finitoOuZero(phi));
      f.tensaoAcoFissura[ci][pi] = arredondar4(face.tensaoAco);
      f.areaBarraFissura[ci][pi] = arredondar4(face.areaBarra);
      f.areaEnvolvimento[ci][pi] = arredondar4(face.areaEnvolvimento);
      f.taxaEnvolvimento[ci][pi] = arredondar4(face.taxaEnvolvimento);
      f.aberturaFissura[ci][pi] = arredondar4(face.abertura);
      f.semResultado[ci][pi] = face.semResultado;
    }
  }

  for (int c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c) {
    const auto& w = f.aberturaFissura[static_cast<size_t>(c)];
    f.aberturaQuinaSuperior = std::max({f.aberturaQuinaSuperior, w[13], w[14]});
    f.aberturaMeioSuperior = std::max({f.aberturaMeioSuperior, w[17], w[18]});
  }
  return f;
}

bool fissuracaoExcedida(const TFissuracao& fissuracao, int p, double w) {
  if (p < 1 || p > nPosicoes) return false;
  const auto pi = static_cast<size_t>(p);
  for (int c = casoFissVmaxHmin; c <= casoFissVmaxHmax; ++c) {
    const auto ci = static_cast<size_t>(c);
    if (fissuracao.semResultado[ci][pi] || fissuracao.aberturaFissura[ci][pi] > w) return true;
  }
  return false;
}

std::vector<int> posicoesGovernadas(int local) {
  switch (local) {
    case 1:
      return {1};
    case 2:
      return {2};
    case 3:
      return {3, 5, 7};
    case 4:
      return {4, 6, 8};
    case 5:
      return {9};
    case 6:
      return {10};
    case 7:
      return {11, 13, 15};
    case 8:
      return {12, 14, 16};
    case 9:
      return {17};
    case 10:
      return {18};
    default:
      return {};
  }
}

TFissuracao triarAlternativas(const TProjeto& projeto, const TModeloEF& modelo,
                              const TSecoesProjeto& secoes, TListasAlternativas& listas,
                              TArmaduraAdotada& armadura, TTriagemAlternativas& triagem) {
  constexpr std::array<int, nLocais> ordem{1, 2, 5, 6, 9, 10, 3, 4, 7, 8};
  const double w = projeto.Armadura.w;

  for (int k : ordem) {
    const auto ki = static_cast<size_t>(k);
    const auto& lista = listas.alternativasBarras[ki];
    const int n = static_cast<int>(std::min<size_t>(lista.size(), maxAlternativasTriadas));
    // Alternatives beyond the flag table are not screened and count as failing.
    auto& atende = triagem.alternativaAtende[ki];
    atende.assign(lista.size(), false);
    std::fill_n(atende.begin(), n, true);

    const std::vector<int> governadas = posicoesGovernadas(k);
    for (int i = 0; i < n; ++i) {
      listas.barraEscolhida[ki] = i;
      aplicarEscolhaBarras(listas, armadura);
      const TFissuracao f = verificarFissuracao(projeto, modelo, secoes, armadura);
      for (int p : governadas)
        if (fissuracaoExcedida(f, p, w)) atende[static_cast<size_t>(i)] = false;
    }

    int escolha = n > 0 ? 0 : -1;
    for (int i = 0; i < n; ++i) {
      if (atende[static_cast<size_t>(i)]) {
        escolha = i;
        break;
      }
    }
    listas.barraEscolhida[ki] = escolha;
  }

  aplicarEscolhaBarras(listas, armadura);
  return verificarFissuracao(projeto, modelo, secoes, armadura);
}

}  // namespace galeria
