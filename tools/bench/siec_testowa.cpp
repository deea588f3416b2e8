// Writes a large exercise file for the benchmark: a 110 kV network of N
// nodes laid out as a grid, 25 nodes to a row, every node joined to its
// right neighbour and, spread evenly, to the node below; or a national grid.
//   siec_testowa kreator N PLIK.ZRM [LINIE]    load flow: the slack at node 1, a generator
//                                             node every 50 nodes, a small load at every other
//   siec_testowa zwarcia N PLIK.ZRZ [GALEZIE]  short circuit: a system every 100 nodes, a
//                                             generator every 40; the fault at node N
//   siec_testowa krajowa N PLIK.ZRM [ZIARNO]   load flow on the national grid of
//                                             siec_krajowa.h (as siec_matpower writes it)
// LINIE / GALEZIE: about how many lines to draw (default 1,2·N and 1,5·N).
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/core/liczby.h"
#include "common/core/limity.h"
#include "kreator/core/plik_zrm.h"
#include "tools/bench/siec_krajowa.h"
#include "zwarcia/core/plik_zrz.h"

namespace {

constexpr int kWRzedzie = 25;

// The rows first (i to i + 1), then `ile` minus those downward links (i to
// i + 25), spread evenly so that every row is joined to the next.
std::vector<std::pair<int, int>> Linie(int n, int ile) {
  std::vector<std::pair<int, int>> l;
  for (int i = 1; i < n; ++i)
    if (i % kWRzedzie != 0) l.push_back({i, i + 1});
  const int kandydaci = std::max(0, n - kWRzedzie);
  const int wDol = std::clamp(ile - static_cast<int>(l.size()), std::min(kandydaci, (n - 1) / kWRzedzie * 2), kandydaci);
  for (int k = 1; k <= kandydaci; ++k)
    if (static_cast<long>(k) * wDol / kandydaci != static_cast<long>(k - 1) * wDol / kandydaci) l.push_back({k, k + kWRzedzie});
  // More than the grid holds: diagonals.
  for (int k = 1; k + kWRzedzie + 1 <= n && static_cast<int>(l.size()) < ile; ++k) l.push_back({k, k + kWRzedzie + 1});
  return l;
}

// One column of a table: the values, each ended by ";".
std::string Kolumna(const std::vector<std::string>& w) {
  std::string s;
  for (const auto& x : w) s += x + ";";
  return s;
}

std::string Kreator(int n, int ile) {
  const auto linie = Linie(n, ile);
  std::vector<std::string> s, e, kv, r, x, b, l, t;
  for (auto [od, do_] : linie) {
    s.push_back(std::to_string(od));
    e.push_back(std::to_string(do_));
    kv.push_back("110"), r.push_back("0,12"), x.push_back("0,4"), b.push_back("2,8"), l.push_back("10"), t.push_back("1");
  }
  std::vector<std::string> gw, gu, gp, ow, op, oq;
  for (int k = 1; k <= n; ++k) {
    if (k == 1 || k % 50 == 0) {
      gw.push_back(std::to_string(k));
      gu.push_back(k == 1 ? "115" : "112");
      gp.push_back(k == 1 ? "0" : "40");
    } else {
      ow.push_back(std::to_string(k));
      op.push_back("1");
      oq.push_back("0,3");
    }
  }
  std::vector<std::string> w = {std::to_string(n), std::to_string(linie.size()), "0"};
  for (const auto* k : {&s, &e, &kv, &r, &x, &b, &l, &t}) w.push_back(Kolumna(*k));
  for (int i = 0; i < 9; ++i) w.push_back("");
  w.push_back(std::to_string(gw.size()));
  for (const auto* k : {&gw, &gu, &gp}) w.push_back(Kolumna(*k));
  w.push_back(std::to_string(ow.size()));
  for (const auto* k : {&ow, &op, &oq}) w.push_back(Kolumna(*k));
  return kreator::ZbudujZrm(w);
}

// The national grid in Kreator's tables: the same nodes, lines and
// transformers (Ug the tap times the upper level, so Ug/Ud is MATPOWER's
// ratio; no magnetising branch), every generator a generator node (the
// slack's row too: the slack is one), every other node a load node, also
// with no load, so that no node is left without a type. Kreator has no
// phase shift: a phase-shifting transformer is a plain one here. The
// slack node and its voltage, which the wizard asks for, go to `bilansujacy`.
std::string Krajowa(int n, std::uint64_t ziarno, std::string& bilansujacy) {
  const bench::SiecKrajowa siec = bench::ZbudujSiecKrajowa(n, ziarno);
  bilansujacy = "węzeł bilansujący " + std::to_string(siec.bilansujacy) + ", " +
                common::LiczbaNaTekst(siec.generatory.front().Vg * 400) + " kV";
  auto liczba = [](double x) { return common::LiczbaNaTekst(x); };
  auto kV = [&](int szyna) { return siec.szyny[size_t(szyna - 1)].kV; };
  std::vector<std::string> s, e, kv, r, x, b, l, t;
  for (const auto& li : siec.linie) {
    s.push_back(std::to_string(li.od)), e.push_back(std::to_string(li.do_)), kv.push_back(liczba(kV(li.od)));
    r.push_back(liczba(li.R)), x.push_back(liczba(li.X)), b.push_back(liczba(li.B)), l.push_back(liczba(li.dlugosc));
    t.push_back(std::to_string(li.tory));
  }
  std::vector<std::string> tg, td, ug, ud, sn, pcu, pfe, uz, i0;
  for (const auto& tr : siec.trafa) {
    tg.push_back(std::to_string(tr.gorny)), td.push_back(std::to_string(tr.dolny));
    ug.push_back(liczba(tr.przekladnia * kV(tr.gorny))), ud.push_back(liczba(kV(tr.dolny)));
    sn.push_back(liczba(tr.Sn)), pcu.push_back(liczba(tr.PCu)), pfe.push_back("0"), uz.push_back(liczba(tr.uz));
    i0.push_back("0");
  }
  std::vector<std::string> gw, gu, gp, ow, op, oq;
  std::vector<bool> generator(size_t(n) + 1, false);
  for (const auto& g : siec.generatory) {
    generator[size_t(g.szyna)] = true;
    gw.push_back(std::to_string(g.szyna)), gu.push_back(liczba(g.Vg * kV(g.szyna))), gp.push_back(liczba(g.Pg));
  }
  for (int k = 1; k <= n; ++k)
    if (!generator[size_t(k)]) {
      ow.push_back(std::to_string(k));
      op.push_back(liczba(siec.szyny[size_t(k - 1)].Pd)), oq.push_back(liczba(siec.szyny[size_t(k - 1)].Qd));
    }
  std::vector<std::string> w = {std::to_string(n), std::to_string(s.size()), std::to_string(tg.size())};
  for (const auto* k : {&s, &e, &kv, &r, &x, &b, &l, &t, &tg, &td, &ug, &ud, &sn, &pcu, &pfe, &uz, &i0})
    w.push_back(Kolumna(*k));
  w.push_back(std::to_string(gw.size()));
  for (const auto* k : {&gw, &gu, &gp}) w.push_back(Kolumna(*k));
  w.push_back(std::to_string(ow.size()));
  for (const auto* k : {&ow, &op, &oq}) w.push_back(Kolumna(*k));
  return kreator::ZbudujZrm(w);
}

std::string Zwarcia(int n, int ile) {
  std::vector<std::string> sw, sp, gw, gs, gx, gn;
  for (int k = 1; k <= n; ++k) {
    if (k % 100 == 1) sw.push_back(std::to_string(k)), sp.push_back("5000");
    else if (k % 40 == 0 || (k == n && gw.empty())) gw.push_back(std::to_string(k)), gs.push_back("100"), gx.push_back("20"), gn.push_back("1");
  }
  const int zrodla = static_cast<int>(sw.size() + gw.size());
  auto linie = Linie(n, ile - zrodla);
  // The wizard asks for at least one transformer: the first link of the grid becomes one.
  linie.erase(linie.begin());
  std::vector<std::string> s, e, kv, r, x, l, t;
  for (auto [od, do_] : linie) {
    s.push_back(std::to_string(od));
    e.push_back(std::to_string(do_));
    kv.push_back("110"), r.push_back("0,12"), x.push_back("0,4"), l.push_back("10"), t.push_back("1");
  }
  std::vector<std::string> w = {std::to_string(n), std::to_string(sw.size()), Kolumna(sw), Kolumna(sp),
                                std::to_string(gw.size())};
  for (const auto* k : {&gw, &gs, &gx, &gn}) w.push_back(Kolumna(*k));
  w.insert(w.end(), {"1", "1;", "2;", "160;", "500;", "10;", "1;"});
  w.push_back(std::to_string(linie.size()));
  for (const auto* k : {&s, &e, &kv, &r, &x, &l, &t}) w.push_back(Kolumna(*k));
  return zwarcia::ZbudujZrz(w);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string uzycie =
      "Użycie: siec_testowa kreator|zwarcia|krajowa N PLIK [LINIE|GALEZIE|ZIARNO]; "
      "N od 2 (zwarcia: od 3, krajowa: od " +
      std::to_string(bench::kNajmniejSzyn) + ") do " + std::to_string(common::kMaksLiczbaWezlow) + "\n";
  if (argc < 4) {
    std::cerr << uzycie;
    return 2;
  }
  const std::string program = argv[1];
  int n = 0, ile = 0;
  try {
    n = std::stoi(argv[2]);
    ile = argc > 4 ? std::stoi(argv[4]) : (program == "zwarcia" ? n * 3 / 2 : program == "kreator" ? n * 6 / 5 : 1);
  } catch (const std::exception&) { n = 0; }
  // A network needs two nodes for a line, three for a transformer and a line;
  // the national grid its three levels.
  const int najmniej = program == "kreator" ? 2 : program == "zwarcia" ? 3 : bench::kNajmniejSzyn;
  if ((program != "kreator" && program != "zwarcia" && program != "krajowa") || n < najmniej ||
      n > common::kMaksLiczbaWezlow || ile < 0) {
    std::cerr << uzycie;
    return 2;
  }
  std::string bilansujacy;
  std::ofstream plik(argv[3], std::ios::binary);
  plik << (program == "kreator"   ? Kreator(n, ile)
           : program == "zwarcia" ? Zwarcia(n, ile)
                                  : Krajowa(n, static_cast<std::uint64_t>(ile), bilansujacy));
  plik.close();
  if (!plik) {
    std::cerr << "Nie udało się zapisać pliku " << argv[3] << "\n";
    return 1;
  }
  if (!bilansujacy.empty()) std::cout << argv[3] << ": " << bilansujacy << "\n";
  return 0;
}
