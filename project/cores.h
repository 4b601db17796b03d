#pragma once
// The colour table of the drawings: fifteen colours in the windowing toolkit's
// encoding (blue·65536 + green·256 + red; negative values name system colours).
#include <array>
#include <cstdint>
#include <string>

namespace galeria {

using TCor = std::int32_t;

constexpr TCor corRGB(int r, int g, int b) {
  return static_cast<TCor>((b & 0xFF) * 65536 + (g & 0xFF) * 256 + (r & 0xFF));
}
constexpr int vermelhoDe(TCor c) { return c & 0xFF; }
constexpr int verdeDe(TCor c) { return (c >> 8) & 0xFF; }
constexpr int azulDe(TCor c) { return (c >> 16) & 0xFF; }

// Defaults are those of the colour dialog's "Default" button.
struct TCores {
  TCor corFundo = corRGB(254, 254, 254);
  TCor corSecao = corRGB(255, 0, 0);
  TCor corCotas = corRGB(0, 128, 128);
  TCor corElementos = corRGB(0, 0, 128);
  TCor corApoio = corRGB(0, 255, 0);
  TCor corCarga = corRGB(255, 0, 255);
  TCor corTexto = corRGB(1, 1, 1);
  TCor corSombra = corRGB(192, 192, 192);
  TCor corSolo = corRGB(128, 128, 0);
  TCor corAgua = corRGB(0, 255, 255);
  TCor corVmaxHmin = corRGB(255, 128, 64);
  TCor corVminHmax = corRGB(204, 204, 0);
  TCor corVmaxHmax = corRGB(0, 0, 255);
  TCor corHmenor = corRGB(128, 0, 0);
  TCor corEnvoltoria = corRGB(0, 128, 192);

  static constexpr int nCores = 15;
  // Slot i (0-based) in the order of the colour file and of the dialog buttons.
  TCor& operator[](int i) { return this->*membros[static_cast<size_t>(i)]; }
  TCor operator[](int i) const { return this->*membros[static_cast<size_t>(i)]; }

  bool operator==(const TCores&) const = default;

 private:
  static constexpr std::array<TCor TCores::*, nCores> membros = {
      &TCores::corFundo,    &TCores::corSecao,  &TCores::corCotas,     &TCores::corElementos,
      &TCores::corApoio,    &TCores::corCarga,  &TCores::corTexto,     &TCores::corSombra,
      &TCores::corSolo,     &TCores::corAgua,   &TCores::corVmaxHmin,  &TCores::corVminHmax,
      &TCores::corVmaxHmax, &TCores::corHmenor, &TCores::corEnvoltoria};
};

// Captions of the colour dialog's buttons, in slot order.
inline const std::array<std::string, TCores::nCores>& legendasCores() {
  static const std::array<std::string, TCores::nCores> legendas = {"Fundo da Tela",
                                                                   "Seção Transversal",
                                                                   "Cotas da Seção",
                                                                   "Elementos Finitos",
                                                                   "Apoio Elástico",
                                                                   "Carga na Galeria",
                                                                   "Texto",
                                                                   "Sombra da Seção",
                                                                   "Solo",
                                                                   "Agua",
                                                                   "Vmax e Hmin",
                                                                   "Vmin e Hmax",
                                                                   "Vmax e Hmax",
                                                                   "Hmenor (Hmax e Vmin)",
                                                                   "Envoltória de esfórços"};
  return legendas;
}

}  // namespace galeria
