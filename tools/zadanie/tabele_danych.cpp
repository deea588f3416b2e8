#include "tools/zadanie/tabele_danych.h"

#include "common/core/liczby.h"

namespace zadanie {

namespace {

TabelaDanych Wypelnij(std::string tytul, std::vector<std::string> naglowki, std::vector<int> szerokosci,
                      const common::TextGrid& g, int n, const std::string& przedrostek) {
  TabelaDanych t{std::move(tytul), std::move(naglowki), std::move(szerokosci), {}};
  for (int r = 1; r <= n; ++r) {
    std::vector<std::string> w{przedrostek + std::to_string(r)};
    for (size_t k = 1; k < t.naglowki.size() && int(k) < g.colCount(); ++k) w.push_back(g.cell(int(k), r));
    t.wiersze.push_back(std::move(w));
  }
  return t;
}

int Wezel(const common::TextGrid& g, int wiersz) {
  try {
    return common::NaCalkowita(g.cell(1, wiersz));
  } catch (const common::BladKonwersji&) {
    return 0;
  }
}

}  // namespace

DaneElementow DaneRozplywu(const OpisUkladu& o, const kreator::Przypadek& p) {
  TabelaDanych linie = Wypelnij("Linie",
                                {"Nr", "Początek\nw węźle", "Koniec\nw węźle", "Napięcie\n[kV]", "R'\n[Ω/km]",
                                 "X'\n[Ω/km]", "B'\n[µS/km]", "l\n[km]", "Liczba\ntorów"},
                                {46, 82, 82, 80, 84, 84, 84, 72, 72}, p.LinieSG, p.LiczbaLinii, "L");
  TabelaDanych trafa = Wypelnij("Transformatory",
                                {"Nr", "Węzeł\ngórny", "Węzeł\ndolny", "Ug\n[kV]", "Ud\n[kV]", "Sn\n[MVA]",
                                 "ΔPCu\n[kW]", "ΔPFe\n[kW]", "uz\n[%]", "i0\n[%]"},
                                {46, 72, 72, 72, 72, 76, 80, 80, 66, 66}, p.TrafoSG, p.LiczbaTransformatorow, "T");
  TabelaDanych el = Wypelnij("Węzły elektrowniane", {"Nr", "Węzeł", "U\n[kV]", "P\n[MW]", "Uwagi"},
                             {78, 64, 76, 76, 110}, p.WElSG, p.LiczbaWezlowElektrownianych, "W. el. ");
  for (int r = 1; r <= p.LiczbaWezlowElektrownianych; ++r)
    el.wiersze[size_t(r - 1)].push_back(o.bilansujacy && Wezel(p.WElSG, r) == o.bilansujacy->wezel ? "bilansujący"
                                                                                                   : "");
  TabelaDanych obc = Wypelnij("Węzły obciążeniowe", {"Nr", "Węzeł", "P\n[MW]", "Q\n[Mvar]"}, {84, 64, 80, 80}, p.WObcSG,
                              p.LiczbaWezlowObciazeniowych, "W. obc. ");

  // Nodes listed nowhere take P = 0 and Q = 0; the student should see which.
  std::string bezTypu;
  for (int k = 1; k <= p.LiczbaWezlow; ++k) {
    bool jest = false;
    for (const auto& [g, n] :
         {std::pair{&p.WElSG, p.LiczbaWezlowElektrownianych}, {&p.WObcSG, p.LiczbaWezlowObciazeniowych}})
      for (int r = 1; r <= n; ++r) jest |= Wezel(*g, r) == k;
    if (!jest) bezTypu += (bezTypu.empty() ? "" : ", ") + std::to_string(k);
  }
  DaneElementow d;
  d.rzedy = {{std::move(linie)}, {std::move(trafa)}, {std::move(el), std::move(obc)}};
  d.uwaga = bezTypu.empty() ? "Wszystkie węzły mają podany typ."
                            : "Węzły bez typu (traktowane jako obciążeniowe, P = 0, Q = 0): " + bezTypu;
  return d;
}

DaneElementow DaneZwarcia(const OpisUkladu& o, const zwarcia::Przypadek& p) {
  TabelaDanych systemy =
      Wypelnij("Systemy", {"Nr", "Węzeł", "Sz\n[MVA]"}, {46, 64, 90}, p.SystemySG, p.LiczbaWezlowSystemow, "S");
  TabelaDanych generatory = Wypelnij("Generatory", {"Nr", "Węzeł", "Sn\n[MVA]", "X″d\n[%]", "Liczba\ngeneratorów"},
                                     {46, 64, 80, 70, 110}, p.GeneratorySG, p.LiczbaWezlowGeneratorow, "G");
  TabelaDanych trafa =
      Wypelnij("Transformatory",
               {"Nr", "Węzeł\ngórny", "Węzeł\ndolny", "Sn\n[MVA]", "ΔPCu\n[kW]", "uz\n[%]", "Liczba\ntransformatorów"},
               {46, 72, 72, 80, 80, 66, 136}, p.TrafoSG, p.LiczbaTransformatorow, "T");
  TabelaDanych linie = Wypelnij("Linie",
                                {"Nr", "Początek\nw węźle", "Koniec\nw węźle", "Un\n[kV]", "R'\n[Ω/km]", "X'\n[Ω/km]",
                                 "l\n[km]", "Liczba\ntorów"},
                                {46, 82, 82, 72, 84, 84, 72, 72}, p.LinieSG, p.LiczbaLinii, "L");
  DaneElementow d;
  d.rzedy = {{std::move(systemy), std::move(generatory)}, {std::move(trafa)}, {std::move(linie)}};
  if (o.zwarcie)
    d.uwaga = "Zwarcie trójfazowe w węźle " + std::to_string(o.zwarcie->wezel) + ", napięcie znamionowe sieci " +
              std::to_string(o.zwarcie->napiecieKv) + " kV, czas trwania " + o.zwarcie->czas + " s.";
  return d;
}

}  // namespace zadanie
