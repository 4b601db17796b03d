#pragma once
// The record of one culvert project: every input of the dialogs, grouped as the
// project file stores them, with the start values of the program.
#include <array>
#include <string>

#include "project/decimal.h"

namespace galeria {

struct TObra {
  std::string especificacao, endereco, numero, bairro, cidade, estado, cep;
};

struct TCliente {
  std::string nome, endereco, numero, bairro, cidade, estado, cep, telefone, celular, email;
};

// Cross-section. Lengths bl, hl in m; haunch legs and thicknesses in cm.
struct TGeometria {
  bool secaoConstante = true;
  int comprimento = 0;  // list index 0..3: 1,00 / 1,50 / 2,00 / 2,50 m
  int finalidade = 1;   // 1 "Águas Pluviais", 2 "Galeria Técnica"
  TDecimal bl{3.20}, hl{2.20};
  TDecimal mhc{15.0}, mvc{15.0}, mhb{15.0}, mvb{15.0};
  TDecimal hc{15.0}, hp{15.0}, hb{15.0};
};

// Length of one precast piece (m) for the list index of `comprimento`.
double comprimentoPeca(int indice);

struct TInstalacao {
  int solo = 0;
  double gamaS = 18.0;  // kN/m³, copied from the soil catalogue
  double fi = 30.0;     // degrees, copied from the soil catalogue
  // Coefficients of the selected soil, held with the four decimals shown.
  double ka = 0.3333, ko = 0.5, mi = 0.5774;
  TDecimal hs{0.30}, hpav{0.20}, fcj{20.0}, coefImpacto{1.20}, dica{30.0};
};

struct TTipo {
  bool arqueamento = false;
  int tipoInstalacao = 1;  // 1 "Vala", 2 "Aterro com projeção positiva"
  TDecimal bv{0.0, ""};
  int classeRecalque = 1;  // 1..4
  TDecimal rr{0.0, ""};
};

struct TSobrecarga {
  int tipoSobrecarga = 1;  // 1 road vehicle, 2 uniform, 3 partial, 4 none
  int classe = 30;         // 30 or 45
  TDecimal q{5.0};         // kN/m²
  TDecimal Q{5.0};         // kN
  TDecimal a{0.50}, b{0.50};
  double gamaAgua = 10.0;  // kN/m³, not editable
};

struct TArmadura {
  TDecimal w{0.18};
  TDecimal redRigidez{0.50};
  TDecimal rfs{180.0}, rfq{110.0};
  TDecimal coefC{1.30}, coefA{1.15};
  TDecimal cobrimento{3.0};
  TDecimal varAbaixo{5.0};
  TDecimal varAcima{1000.0, "1000"};
  TDecimal espMin{5.0}, espMax{35.0};
};

struct TCriterio {
  TDecimal fck{30.0};
  TDecimal pesoConcreto{25.0};
  TDecimal pesoAco{78.0};
  bool EcAutomatico = true;
  TDecimal Ec{26071.59};
  int apoio = 1;  // 1 "Baixa", 2 "Média", 3 "Alta", 4 "Definido pelo usuário"
  TDecimal kr{15.0};
  int compElemento = 20;  // cm, 5..30
  TDecimal elsPesoProprio{1.0};
  TDecimal elsSolo{1.0};
  TDecimal psi1Fissuracao{0.50}, psi1Fadiga{0.80};
  TDecimal eluPesoProprio{1.30}, eluSolo{1.35}, eluCargaMovel{1.50}, eluAgua{1.20};
};

// The user's final reinforcement choice: list indexes, 0-based, -1 for none.
struct TResultados {
  // Mesh slots in file order: locations 9, 5, 1, 10, 6, 2.
  std::array<int, 6> telaEscolhida{0, 0, 0, 0, 0, 0};
  // Index k-1 holds the bar alternative of location k (1..10).
  std::array<int, 10> barraEscolhida{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  // 0 crown ("Meio Superior"), 1 upper corner ("Quina Superior").
  std::array<int, 2> fadigaEscolhida{-1, -1};
};

// Flags of the running program that steer the dialogs; never in a file.
struct TEstadoExecucao {
  bool geometriaConfirmada = false;
  bool arqueamentoDecidido = false;
  double hsDecisao = 0.0;
  bool tipoAlterado = false;
  bool resultadosValidos = false;
  bool calculoInterrompido = false;
};

struct TProjeto {
  TObra Obra;
  TCliente Cliente;
  TGeometria Geometria;
  TInstalacao Instalacao;
  TTipo Tipo;
  TSobrecarga Sobrecarga;
  TArmadura Armadura;
  TCriterio Criterio;
  TResultados Resultados;
  TEstadoExecucao estado;
};

struct TCoeficientesSolo {
  double ka = 0, ko = 0, mi = 0;  // rounded to four decimals, as shown
};

// ka = tan²(45° − φ/2), ko = 1 − sin φ, mi = tan φ, φ in degrees.
TCoeficientesSolo coeficientesSolo(double fiGraus);

// Ec = 0,85·5600·√fck in MPa.
double moduloAutomatico(double fck);

// kr fixed by the support classes 1..3 (15, 25, 55 MPa/m); 0 for class 4.
double krDaClasse(int apoio);
// rr fixed by the settlement classes 1..3 (1,00, 0,50, 0,30).
double rrDaClasse(int classeRecalque);

// A length typed in metres, in centimetres: rounded to four decimals so that
// 1,10 m compares as exactly 110 cm (the product alone gives 110,00000000000001).
double metrosParaCm(double metros);

struct TValoresGeometricos {
  double blCm = 0, hlCm = 0;
  double larguraExterna = 0;  // B = blCm + 2·hp
  double alturaExterna = 0;   // H = hb + hlCm + hc
  double somaMisulasVerticais = 0;
};

TValoresGeometricos valoresGeometricos(const TGeometria& g);

// A constant section holds all haunch legs equal to mhc and all thicknesses
// equal to hc, as confirming the geometry dialog leaves them.
void igualarSecaoConstante(TGeometria& g);

// A copy with the constant-section rule applied: what the calculation reads.
TGeometria geometriaEfetiva(TGeometria g);

// The record as the program holds it at start.
TProjeto projetoInicial();

// The "Novo" command: applies the new-project values, empties the site and
// client texts, selects the given standard soil and clears the run flags.
// The surcharge intensities, bar spacing limits, steel unit weight and the
// reinforcement choice are kept.
void novoProjeto(TProjeto& p, double gamaSoloPadrao, double fiSoloPadrao);

// Makes a soil the project's soil and recomputes ka, ko, mi.
void aplicarSolo(TInstalacao& inst, int indice, double gamaS, double fi);

// Withdraws the results of the last calculation.
void redefinirResultados(TProjeto& p);

}  // namespace galeria
