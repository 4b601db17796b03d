#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>

#include "project/numeros.h"

namespace galeria {
namespace {

struct CasoFormato {
  double valor;
  const char* dois;
  const char* quatro;
};

TEST(Numeros, FormataComVirgulaSemBrancos) {
  const CasoFormato casos[] = {
      {2.2, "2,20", "2,2000"},       {26071.59, "26071,59", "26071,5900"},
      {1.0 / 3.0, "0,33", "0,3333"}, {0.0, "0,00", "0,0000"},
      {-1.005, "-1,00", "-1,0050"},  {1000.0, "1000,00", "1000,0000"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(formatar2(c.valor), c.dois) << c.valor;
    EXPECT_EQ(formatar4(c.valor), c.quatro) << c.valor;
  }
}

TEST(Numeros, LeVirgulaOuPontoERecusaLixo) {
  EXPECT_DOUBLE_EQ(*lerNumero("2,20"), 2.2);
  EXPECT_DOUBLE_EQ(*lerNumero(" 15,0 "), 15.0);
  EXPECT_DOUBLE_EQ(*lerNumero("4.5"), 4.5);
  EXPECT_DOUBLE_EQ(*lerNumero("-3"), -3.0);
  for (const char* ruim : {"", "abc", "1,2,3", "1.2,3", "inf", "nan", "2,2x", ","})
    EXPECT_FALSE(lerNumero(ruim).has_value()) << ruim;
  EXPECT_EQ(*lerInteiro("-1"), -1);
  EXPECT_FALSE(lerInteiro("1,5").has_value());
  EXPECT_FALSE(lerInteiro("").has_value());
}

// Any finite number formatted with two or four decimals reads back, the
// largest ones included (a confirmed dialog or the project file holds them so).
TEST(Numeros, TodoNumeroFormatadoLeDeVolta) {
  for (double v : {0.0, -0.0, 1e-300, 4.9e-324, 123.456, 1e15, 1e300, 1e308,
                   std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
    const auto dois = lerNumero(formatar2(v));
    const auto quatro = lerNumero(formatar4(v));
    ASSERT_TRUE(dois.has_value()) << v;
    ASSERT_TRUE(quatro.has_value()) << v;
    EXPECT_EQ(formatar2(*dois), formatar2(v)) << v;
    EXPECT_EQ(formatar4(*quatro), formatar4(v)) << v;
  }
  EXPECT_FALSE(lerNumero("1" + std::string(400, '0')).has_value()) << "beyond the largest number";
}

TEST(Numeros, ArredondaComoFormatarELerDeVolta) {
  EXPECT_DOUBLE_EQ(arredondar4(0.333333), 0.3333);
  EXPECT_DOUBLE_EQ(arredondar2(307.7777), 307.78);
}

TEST(Numeros, NaoDependeDoLocaleDoProcesso) {
  // A locale whose decimal separator is a comma must not change the texts.
  const char* antes = std::setlocale(LC_ALL, nullptr);
  std::string salvo = antes ? antes : "C";
  bool trocou = std::setlocale(LC_ALL, "pt_BR.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8");
  EXPECT_EQ(formatar2(1234.5), "1234,50");
  EXPECT_DOUBLE_EQ(*lerNumero("1234,5"), 1234.5);
  EXPECT_DOUBLE_EQ(*lerNumero("1234.5"), 1234.5);
  std::setlocale(LC_ALL, salvo.c_str());
  (void)trocou;  // the machine may have no such locale; the C++ one below always works
}

struct VirgulaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(Numeros, NaoDependeDoLocaleGlobalCpp) {
  const std::locale antes =
      std::locale::global(std::locale(std::locale::classic(), new VirgulaDecimal));
  EXPECT_EQ(formatar4(0.5), "0,5000");
  EXPECT_DOUBLE_EQ(*lerNumero("0.25"), 0.25);
  std::locale::global(antes);
}

}  // namespace
}  // namespace galeria
