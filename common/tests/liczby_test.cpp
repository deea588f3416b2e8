#include "common/core/liczby.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <unistd.h>

#include "common/core/okno.h"

using namespace common;

TEST(CzyLiczba, PolishDecimalFormOnly) {
  struct Przypadek { const char* tekst; bool liczba; };
  const Przypadek przypadki[] = {
      {"0,0552", true}, {"2,0", true},   {"02", true},     {"-3", true},    {"+3", true},
      {"1,5E3", true},  {"1,5e-3", true}, {" 12 ", true},  {",5", true},    {"1,", true},
      {"", false},      {" ", false},     {",", false},    {"1.5", false},  {"1 000", false},
      {"abc", false},   {"1e", false},    {"--1", false},  {"1e400", false}, {"0x10", false},
      {"1,2,3", false}, {"1-", false},
  };
  for (const auto& p : przypadki) EXPECT_EQ(CzyLiczba(p.tekst), p.liczba) << "'" << p.tekst << "'";
}

TEST(NaLiczbe, ValuesAndRefusal) {
  EXPECT_DOUBLE_EQ(NaLiczbe("0,0552"), 0.0552);
  EXPECT_DOUBLE_EQ(NaLiczbe("1,5E3"), 1500.0);  // 1,5 * 10^3
  EXPECT_DOUBLE_EQ(NaLiczbe(" -2,5 "), -2.5);
  try {
    NaLiczbe("1.5");
    FAIL();
  } catch (const BladKonwersji& e) {
    EXPECT_STREQ(e.what(), "'1.5' is not a valid floating point value");
  }
}

TEST(NaCalkowita, PlainDecimalIntegersOnly) {
  struct Przypadek { const char* tekst; bool dobra; int wartosc; };
  const Przypadek przypadki[] = {
      {"2", true, 2},       {"02", true, 2},     {"-7", true, -7},       {" 5", true, 5},
      {"+4", true, 4},      {"2147483647", true, 2147483647},            {"-2147483648", true, -2147483647 - 1},
      {"2,0", false, 0},    {"2,5", false, 0},   {"", false, 0},         {"5 ", false, 0},
      {"-", false, 0},      {"2147483648", false, 0},                    {"99999999999999999999", false, 0},
      {"1E3", false, 0},
  };
  for (const auto& p : przypadki) {
    if (p.dobra) {
      EXPECT_EQ(NaCalkowita(p.tekst), p.wartosc) << p.tekst;
    } else {
      try {
        NaCalkowita(p.tekst);
        ADD_FAILURE() << "przyjęto '" << p.tekst << "'";
      } catch (const BladKonwersji& e) {
        EXPECT_EQ(std::string(e.what()), "'" + std::string(p.tekst) + "' is not a valid integer value");
      }
    }
  }
}

TEST(ZaokraglijDoParzystej, HalvesGoToTheEvenNeighbour) {
  const double we[] = {2.5, 3.5, 1.4, 1.6, 0.5, 1.5, -2.5, -3.5, 2.4999};
  const double wy[] = {2, 4, 1, 2, 0, 2, -2, -4, 2};
  for (size_t i = 0; i < std::size(we); ++i) EXPECT_EQ(ZaokraglijDoParzystej(we[i]), wy[i]) << we[i];
}

TEST(LiczbaNaTekst, ShortestGeneralFormWithDecimalComma) {
  struct Przypadek { double x; const char* tekst; };
  const Przypadek przypadki[] = {
      {0.5, "0,5"},
      {12, "12"},
      {0, "0"},
      {100, "100"},
      {-2.75, "-2,75"},
      {0.001, "0,001"},
      {0.0001, "0,0001"},              // the smallest value still written in fixed form
      {0.00001, "1E-5"},
      {1.5e-7, "1,5E-7"},
      {123456789012345.0, "123456789012345"},  // 15 integer digits: still fixed
      {1e15, "1E15"},
      {1.5e20, "1,5E20"},
      {0.1 + 0.2, "0,3"},              // 0,30000000000000004 has 17 digits; 15 give 0,3
      {1.0 / 3.0, "0,333333333333333"},
      {2.0 / 3.0, "0,666666666666667"},  // 15th digit rounded up from ...6666
      {-1e-6, "-1E-6"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(LiczbaNaTekst(p.x), p.tekst) << p.x;
}

TEST(WedlugWzorca, FixedPatterns) {
  struct Przypadek { const char* wzorzec; double x; const char* tekst; };
  const Przypadek przypadki[] = {
      {"0.0000", 0.0552, "0,0552"},
      {"0.0000", 1.23456, "1,2346"},     // 1,2345|6 rounds up
      {"0.00", 0.125, "0,13"},           // an exact half goes away from zero
      {"0.00", -0.125, "-0,13"},
      {"0.0000", -0.00001, "0,0000"},    // rounds to zero: no minus sign
      {" 0.000", 2.0, " 2,000"},         // leading blank copied
      {"0.0", 9.96, "10,0"},             // carry into a new integer digit
      {"0", 2.5, "3"},
      {"0.0000", 0, "0,0000"},
      {"  0", 1, "  1"},
      {" -0", 1, " -1"},                 // the minus is a literal of the pattern
      {"0.000 kA", 8.85163, "8,852 kA"},
      {"0.000", 4.5375, "4,538"},        // 4,5375 lies just below the half in binary; by hand it rounds up
      {"0.00", 2.675, "2,68"},
      {"0.000", 1.0005, "1,001"},
      {"0.0", 99999.96, "100000,0"},
      {"0.0000", 1e-7, "0,0000"},
      {"0.00", 1.5e16, "15000000000000000,00"},
      {"0.000 kA", std::numeric_limits<double>::infinity(), "INF kA"},  // as the general form writes them
      {"0.000", -std::numeric_limits<double>::infinity(), "-INF"},
      {"0.0000", std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(WedlugWzorca(p.wzorzec, p.x), p.tekst) << p.wzorzec << " " << p.x;
}

TEST(Formatuj, PrintfFormsWithDecimalComma) {
  EXPECT_EQ(Formatuj("%4d", {7LL}), "   7");
  EXPECT_EQ(Formatuj("%4.3f ", {3.14159}), "3,142 ");    // 3,141|59 rounds up; wider than 4
  EXPECT_EQ(Formatuj("%8.3f", {-12.5}), " -12,500");
  EXPECT_EQ(Formatuj("%4.3f ", {0.0005}), "0,001 ");     // binary 0.0005 lies just above the half
  EXPECT_EQ(Formatuj("%s = %d%%", {std::string("U"), 3LL}), "U = 3%");
  EXPECT_EQ(Formatuj("%f", {2.0}), "2,00");
  EXPECT_EQ(Formatuj("%-5d|", {42LL}), "42   |");
  EXPECT_EQ(Formatuj("%05.1f", {-2.25}), "-02,3");       // -2,25 half away from zero -> -2,3
  EXPECT_THROW(Formatuj("%d %d", {1LL}), std::invalid_argument);
  EXPECT_EQ(Formatuj("%8.3f|", {-std::numeric_limits<double>::infinity()}), "    -INF|");
  EXPECT_EQ(Formatuj("%.3E", {1.23456e-5}), "1,235E-05");  // 1,234|56 rounds up; capital E, two-digit exponent
  EXPECT_EQ(Formatuj("%.3E|%e", {std::numeric_limits<double>::infinity(), 0.5}), "INF|5,000000e-01");
}

TEST(Formatuj, WidthAndPrecisionBeyondAnyColumnAreRefused) {
  EXPECT_EQ(Formatuj("%1000d|%.1000f", {1LL, 0.5}).size(), 1000u + 1u + 1002u);
  EXPECT_THROW(Formatuj("%1001d", {1LL}), std::invalid_argument);
  EXPECT_THROW(Formatuj("%99999999999999999999d", {1LL}), std::invalid_argument);
  EXPECT_THROW(Formatuj("%.99999999999f", {1.0}), std::invalid_argument);
}

TEST(Formatuj, WholeFormOfADouble) {
  // Cut to the whole part, also beyond the range of long long.
  EXPECT_EQ(Formatuj("%d|%d|%d", {-2.7, 1e300, 0.5}), "-2|1" + std::string(300, '0') + "|0");
}

namespace {

// Sets LC_NUMERIC to a locale whose decimal separator is not a point: one
// made for the test in `folder` (Arabic separator U+066B, two bytes in
// UTF-8, and U+066C between thousands), else an installed comma locale.
// False when the machine has neither localedef nor such a locale.
bool UstawObceLC_NUMERIC(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "zrodlo") << "LC_NUMERIC\ndecimal_point \"<U066B>\"\nthousands_sep \"<U066C>\"\n"
                                      "grouping 3\nEND LC_NUMERIC\n";
  // -c: the other categories are left undefined, which localedef only warns about.
  const std::string polecenie = "localedef -c -i '" + (folder / "zrodlo").string() + "' -f UTF-8 '" +
                                (folder / "xx_XX.UTF-8").string() + "' >/dev/null 2>&1";
  if (std::system(polecenie.c_str()) != -1 && std::filesystem::exists(folder / "xx_XX.UTF-8" / "LC_NUMERIC")) {
    setenv("LOCPATH", folder.c_str(), 1);
    if (std::setlocale(LC_NUMERIC, "xx_XX.UTF-8")) return true;
    unsetenv("LOCPATH");
  }
  for (const char* nazwa : {"ps_AF.UTF-8", "pl_PL.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_NUMERIC, nazwa)) return true;
  return false;
}

}  // namespace

TEST(Liczby, NoLocaleChangesTheForms) {
  const auto folder = std::filesystem::temp_directory_path() / ("liczby_lokale_" + std::to_string(getpid()));
  const bool ustawiona = UstawObceLC_NUMERIC(folder);
  if (ustawiona) {
    EXPECT_STRNE(std::localeconv()->decimal_point, ".");
    struct {
      std::string tekst;
      const char* oczekiwany;
    } const przypadki[] = {
        {LiczbaNaTekst(1234.5), "1234,5"},
        {LiczbaNaTekst(1.5e20), "1,5E20"},
        {WedlugWzorca("0.000", 4.5375), "4,538"},
        {Formatuj("%8.3f|%.3e|%g", {-12.5, 1234.5, 0.5}), " -12,500|1,234e+03|0,5"},
        {LiczbaNaTekst(NaLiczbe("2,75")), "2,75"},
    };
    for (const auto& p : przypadki) EXPECT_EQ(p.tekst, p.oczekiwany);
  }
  std::setlocale(LC_NUMERIC, "C");
  unsetenv("LOCPATH");
  std::filesystem::remove_all(folder);
  if (!ustawiona) GTEST_SKIP() << "no locale with another decimal separator (localedef missing)";
}

TEST(Wysrodkuj, HalfTheFreeSpaceRounded) {
  // (1024 - 600) / 2 = 212; (768 - 245) / 2 = 261,5 -> 262 (even neighbour)
  auto p = Wysrodkuj(1024, 768, 600, 245);
  EXPECT_EQ(p.lewo, 212);
  EXPECT_EQ(p.gora, 262);
  // (1024 - 650) / 2 = 187; (800 - 245) / 2 = 277,5 -> 278
  p = Wysrodkuj(1024, 800, 650, 245);
  EXPECT_EQ(p.lewo, 187);
  EXPECT_EQ(p.gora, 278);
  // (1366 - 900) / 2 = 233; (767 - 245) / 2 = 261
  p = Wysrodkuj(1366, 767, 900, 245);
  EXPECT_EQ(p.lewo, 233);
  EXPECT_EQ(p.gora, 261);
}
