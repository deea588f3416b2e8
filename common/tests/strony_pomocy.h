// Checks of a program's help pages, read as text from the source tree:
// every link leads to a page and a section that exist, and every number
// marked <span data-w="KEY">TEXT</span> is what the program computes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/core/liczby.h"

namespace common::testy {

inline std::string CzytajStrone(const std::string& katalog, const std::string& strona) {
  std::ifstream f(katalog + "/" + strona, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

inline std::vector<std::vector<std::string>> Dopasowania(const std::string& tekst, const std::string& wzor) {
  std::vector<std::vector<std::string>> wynik;
  const std::regex r(wzor);
  for (auto it = std::sregex_iterator(tekst.begin(), tekst.end(), r); it != std::sregex_iterator(); ++it) {
    std::vector<std::string> grupy;
    for (size_t i = 1; i < it->size(); ++i) grupy.push_back((*it)[i].str());
    wynik.push_back(grupy);
  }
  return wynik;
}

// The sections of a page: <a name="x"> and id="x".
inline std::set<std::string> Kotwice(const std::string& html) {
  std::set<std::string> k;
  for (const auto& g : Dopasowania(html, R"(<a\s+name="([^"]+)\")")) k.insert(g[0]);
  for (const auto& g : Dopasowania(html, R"(\sid="([^"]+)\")")) k.insert(g[0]);
  return k;
}

// Every page exists and is not empty; every link of every page leads to one
// of the pages and, when it names one, to a section of it.
inline void SprawdzOdnosniki(const std::string& katalog, const std::vector<std::string>& strony) {
  std::map<std::string, std::set<std::string>> kotwice;
  for (const std::string& s : strony) {
    const std::string html = CzytajStrone(katalog, s);
    EXPECT_GT(html.size(), 200u) << s;
    kotwice[s] = Kotwice(html);
  }
  for (const std::string& s : strony)
    for (const auto& g : Dopasowania(CzytajStrone(katalog, s), R"(href="([^"]*)\")")) {
      const std::string& cel = g[0];
      const size_t krzyzyk = cel.find('#');
      const std::string plik = krzyzyk == std::string::npos ? cel : cel.substr(0, krzyzyk);
      const std::string strona = plik.empty() ? s : plik;
      ASSERT_TRUE(kotwice.count(strona)) << s << ": " << cel;
      if (krzyzyk != std::string::npos) {
        EXPECT_TRUE(kotwice[strona].count(cel.substr(krzyzyk + 1))) << s << ": " << cel;
      }
    }
}

// "uzycie.html#strona-4" exists among the pages.
inline bool SekcjaIstnieje(const std::string& katalog, const std::string& adres) {
  const size_t krzyzyk = adres.find('#');
  const std::string html = CzytajStrone(katalog, adres.substr(0, krzyzyk));
  if (html.empty()) return false;
  return krzyzyk == std::string::npos || Kotwice(html).count(adres.substr(krzyzyk + 1)) > 0;
}

// Every marked number, written with as many decimals as the page shows,
// equals the value the program computes for its key; and every key of
// `wartosci` is written somewhere.
inline void SprawdzLiczby(const std::string& katalog, const std::vector<std::string>& strony,
                          const std::map<std::string, double>& wartosci) {
  std::set<std::string> uzyte;
  for (const std::string& s : strony)
    for (const auto& g : Dopasowania(CzytajStrone(katalog, s), R"w(<span data-w="([^"]+)">([^<]+)</span>)w")) {
      const std::string& klucz = g[0];
      std::string tekst = g[1];
      const auto it = wartosci.find(klucz);
      ASSERT_NE(it, wartosci.end()) << s << ": nieznany klucz " << klucz;
      uzyte.insert(klucz);
      for (const std::string minus : {"−", "–"})
        if (tekst.rfind(minus, 0) == 0) tekst = "-" + tekst.substr(minus.size());
      const size_t przecinek = tekst.find(',');
      const size_t miejsca = przecinek == std::string::npos ? 0 : tekst.size() - przecinek - 1;
      const std::string wzorzec = miejsca == 0 ? "0" : "0." + std::string(miejsca, '0');
      EXPECT_EQ(tekst, WedlugWzorca(wzorzec, it->second)) << s << ": " << klucz;
    }
  for (const auto& [klucz, wartosc] : wartosci) EXPECT_TRUE(uzyte.count(klucz)) << "nie opisano " << klucz;
}

}  // namespace common::testy
