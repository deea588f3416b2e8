// MATPOWER cases in and out, checked against a Newton–Raphson load flow of
// their own written here from MATPOWER's equations (per unit on each bus's
// baseKV, tap at the "from" end), independent of the program's model.
#include "kreator/core/matpower.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>

#include "common/core/dialogi.h"
#include "common/core/limity.h"
#include "kreator/core/kreator.h"
#include "kreator/core/wsadowy.h"
#include "tools/zadanie/z_matpower.h"

using namespace zadanie;
using kreator::PrzypadekMatpower;
using C = std::complex<double>;
namespace fs = std::filesystem;

namespace {

// ---- the independent load flow ----

struct Rozwiazanie {
  bool zbiezny = false;
  std::vector<C> V;  // per unit, bus k at k - 1
};

// Dense polar Newton–Raphson: P at PV and PQ buses, Q at PQ buses; PV and
// slack buses hold Vg of their first generator. Starts at the case's Vm
// (Vg where held) and zero angles.
Rozwiazanie Newton(const PrzypadekMatpower& c) {
  const size_t n = c.szyny.size();
  std::map<int, size_t> nr;
  for (size_t i = 0; i < n; ++i) nr[c.szyny[i].numer] = i;
  std::vector<std::vector<C>> Y(n, std::vector<C>(n));
  for (const auto& g : c.galezie) {
    const size_t f = nr[g.od], t = nr[g.do_];
    const C ys = 1.0 / C(g.r, g.x), sh(0, g.b / 2);
    const double tau = g.ratio == 0 ? 1 : g.ratio;
    Y[f][f] += (ys + sh) / (tau * tau);
    Y[t][t] += ys + sh;
    Y[f][t] -= ys / tau;
    Y[t][f] -= ys / tau;
  }
  std::vector<C> S(n);
  std::vector<double> modul(n);
  std::vector<bool> trzyma(n, false);
  std::vector<double> Vm(n);
  for (size_t i = 0; i < n; ++i) {
    const auto& s = c.szyny[i];
    Y[i][i] += C(s.Gs, s.Bs) / c.baseMVA;
    S[i] -= C(s.Pd, s.Qd) / c.baseMVA;
    Vm[i] = s.Vm;
  }
  for (const auto& g : c.generatory) {
    const size_t i = nr[g.szyna];
    S[i] += C(g.Pg, g.Qg) / c.baseMVA;
    if (!trzyma[i]) Vm[i] = g.Vg;
    trzyma[i] = c.szyny[i].typ != 1;
  }
  std::vector<size_t> th, vm;  // unknown angles, unknown magnitudes
  for (size_t i = 0; i < n; ++i) {
    if (c.szyny[i].typ != 3) th.push_back(i);
    if (c.szyny[i].typ == 1) vm.push_back(i);
  }
  Rozwiazanie r;
  r.V.resize(n);
  for (size_t i = 0; i < n; ++i) r.V[i] = Vm[i];
  const size_t m = th.size() + vm.size();
  for (int it = 0; it < 30; ++it) {
    std::vector<C> I(n);
    for (size_t i = 0; i < n; ++i)
      for (size_t k = 0; k < n; ++k) I[i] += Y[i][k] * r.V[k];
    std::vector<double> F;
    for (size_t i : th) F.push_back((r.V[i] * std::conj(I[i]) - S[i]).real());
    for (size_t i : vm) F.push_back((r.V[i] * std::conj(I[i]) - S[i]).imag());
    double najwiekszy = 0;
    for (double f : F) najwiekszy = std::max(najwiekszy, std::abs(f));
    if (najwiekszy < 1e-12) {
      r.zbiezny = true;
      return r;
    }
    // dS_i/dθ_k = j V_i conj(δ_ik I_i − Y_ik V_k); dS_i/d|V_k| = V_i conj(Y_ik V_k/|V_k|) + δ_ik conj(I_i) V_i/|V_i|.
    const auto dTh = [&](size_t i, size_t k) {
      return C(0, 1) * r.V[i] * std::conj((i == k ? I[i] : 0.0) - Y[i][k] * r.V[k]);
    };
    const auto dVm = [&](size_t i, size_t k) {
      return r.V[i] * std::conj(Y[i][k] * r.V[k] / std::abs(r.V[k])) +
             (i == k ? std::conj(I[i]) * r.V[i] / std::abs(r.V[i]) : 0.0);
    };
    std::vector<std::vector<double>> J(m, std::vector<double>(m + 1));
    for (size_t a = 0; a < m; ++a) {
      const bool p = a < th.size();
      const size_t i = p ? th[a] : vm[a - th.size()];
      for (size_t b = 0; b < m; ++b) {
        const C d = b < th.size() ? dTh(i, th[b]) : dVm(i, vm[b - th.size()]);
        J[a][b] = p ? d.real() : d.imag();
      }
      J[a][m] = -F[a];
    }
    for (size_t k = 0; k < m; ++k) {  // Gaussian elimination, partial pivoting
      size_t w = k;
      for (size_t a = k + 1; a < m; ++a)
        if (std::abs(J[a][k]) > std::abs(J[w][k])) w = a;
      std::swap(J[k], J[w]);
      for (size_t a = k + 1; a < m; ++a) {
        const double f = J[a][k] / J[k][k];
        for (size_t b = k; b <= m; ++b) J[a][b] -= f * J[k][b];
      }
    }
    std::vector<double> x(m);
    for (size_t k = m; k-- > 0;) {
      double s = J[k][m];
      for (size_t b = k + 1; b < m; ++b) s -= J[k][b] * x[b];
      x[k] = s / J[k][k];
    }
    for (size_t a = 0; a < m; ++a) {
      const size_t i = a < th.size() ? th[a] : vm[a - th.size()];
      const double kat = std::arg(r.V[i]) + (a < th.size() ? x[a] : 0),
                   mod = std::abs(r.V[i]) + (a < th.size() ? 0 : x[a]);
      r.V[i] = std::polar(mod, kat);
    }
  }
  return r;
}

// ---- the cases ----

// Two voltage levels, 220 and 110 kV, joined by transformer 2–4 (tap 1,025,
// inductive charging); a capacitor bank (Bs) at bus 4, a load at generator
// bus 3, charging on the lines. Written with the syntax a case file may
// use: commas, a row ended by the line end alone, .5, 2e-3, Inf, fields to
// skip (gencost, bus names holding "%" and "]").
const char* kPiecSzyn = R"(function mpc = piec_szyn
%PIEC_SZYN  dwa poziomy napięć
mpc.version = '2';
mpc.baseMVA = 100;
%	bus_i	type	Pd	Qd	Gs	Bs	area	Vm	Va	baseKV	zone	Vmax	Vmin
mpc.bus = [
	1	3	0	0	0	0	1	1.05	0	220	1	1.1	0.9;
	2	1	40	15	0	0	1	1	0	220	1	1.1	0.9;
	3, 2, 10, 5, 0, 0, 1, 1.02, 0, 220, 1, 1.1, 0.9
	4	1	30	12	0	10	1	1	0	110	1	1.1	0.9;  % capacitor bank
	5	1	20	8	0	0	1	1	0	110	1	1.1	0.9;
];
mpc.gen = [
	1	0	0	Inf	-Inf	1.05	100	1	300	0;
	3	60	0	Inf	-Inf	1.02	100	1	100	0;
];
mpc.branch = [
	1	2	0.01	0.05	0.04	0	0	0	0	0	1	-360	360;
	1	3	0.012	0.06	0.03	0	0	0	0	0	1	-360	360;
	2	3	0.015	0.07	0.02	0	0	0	0	0	1	-360	360;
	2	4	2e-3	0.08	-0.04	0	0	0	1.025	0	1	-360	360;
	4	5	.03	0.09	0.01	0	0	0	0	0	1	-360	360;
];
mpc.gencost = [
	2	0	0	3	0.01	20	0;
	2	0	0	3	0.01	20	0;
];
mpc.bus_name = {
	'S1 % 220 kV';
	'S2 ]';
	'S3';
	'S4';
	'S5';
};
)";

// IEEE 14-bus test case as published (bus, generator and branch data,
// with the published solution in Vm, Va); baseKV is not given.
const char* kIeee14 = R"(function mpc = case14
mpc.version = '2';
mpc.baseMVA = 100;
mpc.bus = [
	1	3	0	0	0	0	1	1.06	0	0	1	1.06	0.94;
	2	2	21.7	12.7	0	0	1	1.045	-4.98	0	1	1.06	0.94;
	3	2	94.2	19	0	0	1	1.01	-12.72	0	1	1.06	0.94;
	4	1	47.8	-3.9	0	0	1	1.019	-10.33	0	1	1.06	0.94;
	5	1	7.6	1.6	0	0	1	1.02	-8.78	0	1	1.06	0.94;
	6	2	11.2	7.5	0	0	1	1.07	-14.22	0	1	1.06	0.94;
	7	1	0	0	0	0	1	1.062	-13.37	0	1	1.06	0.94;
	8	2	0	0	0	0	1	1.09	-13.36	0	1	1.06	0.94;
	9	1	29.5	16.6	0	19	1	1.056	-14.94	0	1	1.06	0.94;
	10	1	9	5.8	0	0	1	1.051	-15.1	0	1	1.06	0.94;
	11	1	3.5	1.8	0	0	1	1.057	-14.79	0	1	1.06	0.94;
	12	1	6.1	1.6	0	0	1	1.055	-15.07	0	1	1.06	0.94;
	13	1	13.5	5.8	0	0	1	1.05	-15.16	0	1	1.06	0.94;
	14	1	14.9	5	0	0	1	1.036	-16.04	0	1	1.06	0.94;
];
mpc.gen = [
	1	232.4	-16.9	10	0	1.06	100	1	332.4	0;
	2	40	42.4	50	-40	1.045	100	1	140	0;
	3	0	23.4	40	0	1.01	100	1	100	0;
	6	0	12.2	24	-6	1.07	100	1	100	0;
	8	0	17.4	24	-6	1.09	100	1	100	0;
];
mpc.branch = [
	1	2	0.01938	0.05917	0.0528	0	0	0	0	0	1;
	1	5	0.05403	0.22304	0.0492	0	0	0	0	0	1;
	2	3	0.04699	0.19797	0.0438	0	0	0	0	0	1;
	2	4	0.05811	0.17632	0.034	0	0	0	0	0	1;
	2	5	0.05695	0.17388	0.0346	0	0	0	0	0	1;
	3	4	0.06701	0.17103	0.0128	0	0	0	0	0	1;
	4	5	0.01335	0.04211	0	0	0	0	0	0	1;
	4	7	0	0.20912	0	0	0	0	0.978	0	1;
	4	9	0	0.55618	0	0	0	0	0.969	0	1;
	5	6	0	0.25202	0	0	0	0	0.932	0	1;
	6	11	0.09498	0.1989	0	0	0	0	0	0	1;
	6	12	0.12291	0.25581	0	0	0	0	0	0	1;
	6	13	0.06615	0.13027	0	0	0	0	0	0	1;
	7	8	0	0.17615	0	0	0	0	0	0	1;
	7	9	0	0.11001	0	0	0	0	0	0	1;
	9	10	0.03181	0.0845	0	0	0	0	0	0	1;
	9	14	0.12711	0.27038	0	0	0	0	0	0	1;
	10	11	0.08205	0.19207	0	0	0	0	0	0	1;
	12	13	0.22092	0.19988	0	0	0	0	0	0	1;
	13	14	0.17093	0.34802	0	0	0	0	0	0	1;
];
)";

// The exercise computed as the batch mode does: the exercise file loaded,
// the description's four values typed, "Oblicz".
kreator::WynikRozplywu Oblicz(const ImportMatpower& im) {
  const std::string zrm = ZrmImportu(im);
  const OpisUkladu opis = OpisImportu(im);
  std::ostringstream komunikaty;
  common::ConsoleDialogService dialogi(komunikaty);
  kreator::Przypadek p;
  kreator::Kreator k(p, dialogi);
  k.WczytajPlikZrm(zrm);
  for (const std::string& w :
       {std::to_string(opis.bilansujacy->wezel), std::to_string(opis.bilansujacy->napiecieKv), *opis.epsilon, *opis.r})
    k.DalejBBClick(w);
  k.DalejBBClick("");
  if (!k.wyniki()) ADD_FAILURE() << komunikaty.str();
  return k.wyniki().value_or(kreator::WynikRozplywu{});
}

// The line of the text (from 1) where `fragment` first stands.
int WierszZ(const std::string& tekst, const std::string& fragment) {
  const size_t p = tekst.find(fragment);
  return p == std::string::npos ? 0 : int(std::count(tekst.begin(), tekst.begin() + long(p), '\n')) + 1;
}

std::string Zamien(std::string s, const std::string& z, const std::string& na) {
  const size_t p = s.find(z);
  EXPECT_NE(p, std::string::npos) << z;
  return p == std::string::npos ? s : s.replace(p, z.size(), na);
}

}  // namespace

// A network of lines alone (one level, no transformer table at all), a
// generator bus 3 holding 1,02 pu, a load at bus 2 and charging everywhere.
const char* kTrzySzyny = R"(function mpc = trzy_szyny
mpc.version = '2';
mpc.baseMVA = 100;
mpc.bus = [
	1	3	0	0	0	0	1	1	0	110	1	1.1	0.9;
	2	1	30	10	0	0	1	1	0	110	1	1.1	0.9;
	3	2	0	0	0	0	1	1	0	110	1	1.1	0.9;
];
mpc.gen = [
	1	0	0	0	0	1	100	1	0	0;
	3	15	0	0	0	1.02	100	1	0	0;
];
mpc.branch = [
	1	2	0.02	0.08	0.02	0	0	0	0	0	1;
	2	3	0.03	0.1	0.01	0	0	0	0	0	1;
	1	3	0.025	0.09	0.015	0	0	0	0	0	1;
];
)";

// The import is exact where the derivation says so (lines, the tap
// transformer with its inductive charging, the load netted into generator
// bus 3) and the shunt is exact at the case's Vm: with Vm set to the
// solution, Kreator's voltages are the independent solution of the
// original case, within what Gauss–Seidel's epsilon 0,0001 leaves
// (the sweep's last change is below 1e-4 pu, so 1e-3 pu is a safe bound).
// The slack voltages are whole kV, nothing is rounded: 1,05 × 220 = 231
// and 1 × 110 = 110.
TEST(Matpower, ImportedExerciseSolvesToTheCasesOwnSolution) {
  const struct {
    const char* tekst;
    int slackKv;
    size_t ostrzezenia;  // the shunt of the five-bus case
  } przypadki[] = {{kPiecSzyn, 231, 1}, {kTrzySzyny, 110, 0}};
  for (const auto& p : przypadki) {
    PrzypadekMatpower c = kreator::CzytajMatpower(p.tekst);
    const Rozwiazanie wzor = Newton(c);
    ASSERT_TRUE(wzor.zbiezny) << c.nazwa;
    for (size_t i = 0; i < c.szyny.size(); ++i) c.szyny[i].Vm = std::abs(wzor.V[i]);
    const ImportMatpower im = ZMatpower(c, c.nazwa);
    const kreator::WynikRozplywu w = Oblicz(im);
    ASSERT_TRUE(w.zbiezny) << c.nazwa;
    double najwieksza = 0;
    for (int k = 1; k <= int(c.szyny.size()); ++k) {
      const double kv = c.szyny[size_t(k - 1)].baseKV;
      const C u = w.U(k) * w.baza.NapiecieBazowe / kv;  // per unit of the bus's own baseKV
      najwieksza = std::max(najwieksza, std::abs(u - wzor.V[size_t(k - 1)]));
    }
    EXPECT_LT(najwieksza, 1e-3) << c.nazwa;
    std::cout << "[ " << c.nazwa << " ] największa różnica napięć: " << najwieksza << " j.w.\n";
    EXPECT_EQ(OpisImportu(im).bilansujacy->napiecieKv, p.slackKv) << c.nazwa;
    EXPECT_EQ(im.ostrzezenia.size(), p.ostrzezenia) << ::testing::PrintToString(im.ostrzezenia);
  }
  // The five-bus case's unusual syntax read as written.
  const PrzypadekMatpower c = kreator::CzytajMatpower(kPiecSzyn);
  EXPECT_EQ(c.szyny[2].typ, 2);
  EXPECT_EQ(c.szyny[2].Pd, 10);
  EXPECT_EQ(c.galezie[3].r, 0.002);
  EXPECT_EQ(c.galezie[4].r, 0.03);
  EXPECT_TRUE(std::isinf(c.generatory[0].Qmax));
}

// The published IEEE 14-bus solution (Vm to 3 decimals, Va to 2). Without
// baseKV the whole case takes 400 kV: 1,06 × 110 = 116,6 and
// 1,06 × 220 = 233,2 are not whole, 1,06 × 400 = 424 kV is.
TEST(Matpower, Ieee14ReproducesItsPublishedSolution) {
  const WynikImportu i = ImportujMatpower(kIeee14, "case14");
  ASSERT_TRUE(i.dobry) << ::testing::PrintToString(i.wiersze);
  EXPECT_EQ(OpisImportu(i.import).bilansujacy->napiecieKv, 424);
  const kreator::WynikRozplywu w = Oblicz(i.import);
  ASSERT_TRUE(w.zbiezny);
  const PrzypadekMatpower c = kreator::CzytajMatpower(kIeee14);
  double dV = 0, dKat = 0;
  for (int k = 1; k <= 14; ++k) {
    dV = std::max(dV, std::abs(w.UkV(k) / 400 - c.szyny[size_t(k - 1)].Vm));
    dKat = std::max(dKat, std::abs(w.KatRad(k) * 180 / std::numbers::pi - c.szyny[size_t(k - 1)].Va));
  }
  EXPECT_LT(dV, 0.002);
  EXPECT_LT(dKat, 0.05);
  std::cout << "[ IEEE 14 ] największa różnica: " << dV << " j.w., " << dKat << "°\n";
}

// Export: a three-level exercise with magnetising losses (ZAD3: 400/220/110 kV,
// parallel transformers) written by the batch mode, read back and solved
// by the independent Newton, gives the voltages the batch computed.
TEST(Matpower, ExportedCaseSolvesToKreatorsVoltages) {
  const fs::path folder = fs::temp_directory_path() / ("kreator_matpower_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string m = (folder / "zad3.m").string();
  std::ostringstream out, err;
  ASSERT_EQ(kreator::UruchomWsadowo({"--batch", std::string(PRZYKLADY) + "/ZAD3.ZRM", "--slack", "1", "--slack-kv",
                                     "410", "--epsilon", "1e-9", "--r", "1,5", "--json", "--matpower", m},
                                    out, err),
            0)
      << err.str();
  std::ifstream plik(m, std::ios::binary);
  const std::string tekst((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>());
  fs::remove_all(folder);
  const PrzypadekMatpower c = kreator::CzytajMatpower(tekst);
  ASSERT_EQ(c.szyny.size(), 9u);
  PrzypadekMatpower start = c;  // the Newton starts away from the written solution
  for (auto& s : start.szyny) s.Va = 0;
  const Rozwiazanie r = Newton(start);
  ASSERT_TRUE(r.zbiezny);
  double najwieksza = 0;
  for (int k = 1; k <= 9; ++k) {
    const std::string json = out.str();
    const size_t p = json.find("\"u_kv\": ", json.find("{\"node\": " + std::to_string(k) + ","));
    const double kreatora = std::stod(json.substr(p + 8));
    najwieksza =
        std::max(najwieksza, std::abs(std::abs(r.V[size_t(k - 1)]) * c.szyny[size_t(k - 1)].baseKV - kreatora));
  }
  EXPECT_LT(najwieksza, 0.002);
  std::cout << "[ eksport ZAD3 ] największa różnica: " << najwieksza << " kV\n";
}

// What cannot be represented, and what is malformed, is refused with the
// line that holds it.
TEST(Matpower, RefusesWithTheLineAndTheReason) {
  const std::string t = kPiecSzyn;
  const std::string galaz24 = "2	4	2e-3	0.08	-0.04	0	0	0	1.025	0	1";
  const std::string szyna3 = "3, 2, 10, 5, 0, 0, 1, 1.02, 0, 220, 1, 1.1, 0.9";
  const std::string gen3 = "3	60	0	Inf	-Inf	1.02	100	1	100	0;";
  std::string duzy = "function mpc = duzy\nmpc.version = '2';\nmpc.baseMVA = 100;\nmpc.bus = [\n";
  for (int k = 1; k <= common::kMaksLiczbaWezlow + 1; ++k)
    duzy += std::to_string(k) + " 1 0 0 0 0 1 1 0 110 1 1.1 0.9;\n";
  duzy += "];\n";
  const struct {
    std::string tekst;
    int wiersz;  // 0: the message names no line
    std::string komunikat;
  } przypadki[] = {
      {Zamien(t, galaz24, "2	4	2e-3	0.08	-0.04	0	0	0	1.025	5	1"),
       WierszZ(t, galaz24), "gałąź 2–4 jest przesuwnikiem fazowym (angle = 5°)"},
      {Zamien(t, galaz24, "2	4	2e-3	0.08	-0.04	0	0	0	1.025	0	0"),
       WierszZ(t, galaz24), "gałąź 2–4 jest wyłączona (status 0)"},
      {Zamien(t, gen3, "3	60	0	Inf	-Inf	1.02	100	0	100	0;"), WierszZ(t, gen3),
       "generator przy szynie 3 jest wyłączony (status 0)"},
      {Zamien(t, szyna3, "3, 4, 10, 5, 0, 0, 1, 1.02, 0, 220, 1, 1.1, 0.9"), WierszZ(t, szyna3),
       "szyna 3 jest odłączona (typ 4)"},
      {Zamien(t, szyna3, "3, 3, 10, 5, 0, 0, 1, 1.02, 0, 220, 1, 1.1, 0.9"), WierszZ(t, szyna3),
       "druga szyna bilansująca (typ 3): szyna 3, a pierwsza to szyna 1"},
      {t + "mpc.dcline = [\n	1	5	1	10	10	0	0	1.01	1	10	"
           "-10	-10	10	-10	10	0	0;\n];\n",
       WierszZ(t, "};") + 1, "linia prądu stałego (mpc.dcline)"},
      {Zamien(t, szyna3, "3, 2, 10, 5, 0, 0, 1, 1.02, 0, 220, 1, 1.1"), WierszZ(t, szyna3),
       "wiersz macierzy mpc.bus ma 12 wartości, a poprzednie po 13"},
      {Zamien(t,
              "	1	3	0	0	0	0	1	1.05	0	220	1	1.1	0.9;",
              "	1	3	0	0	0	0	1	1.05	0	220	1	1.1;"),
       WierszZ(t, "	1	3	0	0	0"),
       "macierz mpc.bus ma kolumn: 12, a potrzeba co najmniej 13"},
      {Zamien(t, galaz24, "2	9	2e-3	0.08	-0.004	0	0	0	1.025	0	1"),
       WierszZ(t, galaz24), "gałąź 2–9 dochodzi do szyny 9, której nie ma w macierzy mpc.bus"},
      {Zamien(t, "1.02, 0, 220", "1.0x, 0, 220"), WierszZ(t, szyna3), "„1.0x” w macierzy mpc.bus nie jest liczbą"},
      {Zamien(t, "mpc.version = '2';", "mpc.version = '1';"), 3, "wersja formatu '1'"},
      {t.substr(0, t.find("mpc.branch")), 0, "brak macierzy mpc.branch"},
      {duzy, common::kMaksLiczbaWezlow + 5,
       "macierz mpc.bus ma więcej niż " + std::to_string(common::kMaksLiczbaWezlow) + " wierszy"},
  };
  for (const auto& p : przypadki) {
    const WynikImportu w = ImportujMatpower(p.tekst, "zly");
    EXPECT_FALSE(w.dobry) << p.komunikat;
    ASSERT_FALSE(w.wiersze.empty()) << p.komunikat;
    const std::string gdzie = p.wiersz ? "wiersz " + std::to_string(p.wiersz) + ": " : "";
    EXPECT_NE(w.wiersze[0].find(gdzie + p.komunikat), std::string::npos)
        << "oczekiwano: " << gdzie << p.komunikat << "\notrzymano: " << w.wiersze[0];
  }
}

// Every phase shifter is named, with its line, before anything is made;
// the option that drops the shifts is named too.
TEST(Matpower, RefusesPhaseShiftersNamingEveryOne) {
  const std::string t = kPiecSzyn;
  const std::string galaz24 = "2	4	2e-3	0.08	-0.04	0	0	0	1.025	0	1";
  const std::string galaz45 = "4	5	.03	0.09	0.01	0	0	0	0	0	1";
  const std::string tekst =
      Zamien(Zamien(t, galaz24, "2	4	2e-3	0.08	-0.04	0	0	0	1.025	5	1"),
             galaz45, "4	5	.03	0.09	0.01	0	0	0	0	-2.5	1");
  const WynikImportu w = ImportujMatpower(tekst, "dwa_przesuwniki");
  EXPECT_FALSE(w.dobry);
  const std::string l24 = std::to_string(WierszZ(t, galaz24)), l45 = std::to_string(WierszZ(t, galaz45));
  const std::vector<std::string> oczekiwane = {
      "przypadku nie można przedstawić w programie Kreator, wiersz " + l24 +
          ": gałąź 2–4 jest przesuwnikiem fazowym (angle = 5°); program nie ma transformatorów przesuwających "
          "fazę. Wszystkie przesuwniki fazowe przypadku (2):",
      "  wiersz " + l24 + ": gałąź 2–4, angle = 5°", "  wiersz " + l45 + ": gałąź 4–5, angle = -2,5°",
      "Opcja --bez-przesuniec pomija przesunięcia fazowe (gałąź zachowuje przekładnię i impedancję), każde z "
      "ostrzeżeniem i uwagą w treści zadania."};
  EXPECT_EQ(w.wiersze, oczekiwane);
}

// Four buses on 220 and 110 kV (the slack at 1,05 × 220 = 231 kV, whole, so
// nothing is rounded): line 3–4 shifts the phase by 3°, and buses
// 3 and 2 are joined by two transformers alike but for their taps (1,02 and
// 0,98), which the program takes in parallel only when alike. With
// --bez-przesuniec the shift is dropped, said once as a warning and in the
// statement, the second transformer reaches bus 2 through auxiliary node 5
// (half its impedance on each side), and the exercise solves to the
// independent Newton's solution of the case with the shift removed: the
// tap split is exact, so only Gauss–Seidel's epsilon of 1e-8 is left
// (the last sweep's change below 1e-8 pu; 1e-5 pu is a safe bound, while
// giving both transformers one tap would move bus 3 by some 6e-4 pu and
// keeping the 3° shift would turn bus 4 by 3°, 0,05 pu).
TEST(Matpower, DroppedShiftAndUnequalParallelTransformersSolveAsTheCaseWithoutTheShift) {
  const std::string tekst = R"(function mpc = cztery_szyny
mpc.version = '2';
mpc.baseMVA = 100;
mpc.bus = [
	1	3	0	0	0	0	1	1	0	220	1	1.1	0.9;
	2	1	50	20	0	0	1	1	0	220	1	1.1	0.9;
	3	1	40	15	0	0	1	1	0	110	1	1.1	0.9;
	4	2	10	4	0	0	1	1	0	110	1	1.1	0.9;
];
mpc.gen = [
	1	0	0	0	0	1.05	100	1	0	0;
	4	30	0	0	0	1.01	100	1	0	0;
];
mpc.branch = [
	1	2	0.01	0.06	0.04	0	0	0	0	0	1;
	3	2	0.002	0.08	0	0	0	0	1.02	0	1;
	3	2	0.002	0.08	0	0	0	0	0.98	0	1;
	3	4	0.02	0.08	0.01	0	0	0	0	3	1;
];
)";
  PrzypadekMatpower c = kreator::CzytajMatpower(tekst);
  ImportMatpower im = ZMatpower(c, c.nazwa, {.bezPrzesuniec = true});
  ASSERT_EQ(im.ostrzezenia.size(), 1u) << ::testing::PrintToString(im.ostrzezenia);
  const std::string przesuniecie =
      "Gałąź 3–4 (wiersz " + std::to_string(WierszZ(tekst, "3	4	0.02")) + ") przesuwa fazę o 3° (angle)";
  EXPECT_NE(im.ostrzezenia[0].find(przesuniecie), std::string::npos) << im.ostrzezenia[0];
  EXPECT_TRUE(std::any_of(im.zadanie.begin(), im.zadanie.end(), [&](const std::string& z) {
    return z.find(przesuniecie) != std::string::npos;
  })) << ::testing::PrintToString(im.zadanie);

  c.galezie[3].angle = 0;
  const Rozwiazanie wzor = Newton(c);
  ASSERT_TRUE(wzor.zbiezny);
  im.epsilon = "0,00000001";
  const kreator::WynikRozplywu w = Oblicz(im);
  ASSERT_TRUE(w.zbiezny);
  ASSERT_EQ(w.N(), 5);  // the four buses and the auxiliary node
  double najwieksza = 0;
  for (int k = 1; k <= 4; ++k) {
    const C u = w.U(k) * w.baza.NapiecieBazowe / c.szyny[size_t(k - 1)].baseKV;
    najwieksza = std::max(najwieksza, std::abs(u - wzor.V[size_t(k - 1)]));
  }
  EXPECT_LT(najwieksza, 1e-5);
  // The auxiliary node sits on bus 2's side of the second transformer's
  // ideal tap, midway along its series impedance: the mean of the two
  // buses' voltages seen from there, (v2 + v3/0,98)/2.
  const C u5 = w.U(5) * w.baza.NapiecieBazowe / 220.0;
  EXPECT_LT(std::abs(u5 - (wzor.V[1] + wzor.V[2] / 0.98) / 2.0), 1e-5);
}

// A chain of buses with 1 MW at each: at 100 buses Gauss–Seidel cannot
// balance it in 1000 sweeps and the case is refused, as a small exercise
// always was; at 101 the tool makes a Newton–Raphson exercise of it, its
// data and statement only, with no scheme or data picture.
TEST(Matpower, AboveAHundredNodesNewtonRaphsonAndNoPictures) {
  const auto lancuch = [](int n) {
    std::string t = "function mpc = lancuch\nmpc.version = '2';\nmpc.baseMVA = 100;\nmpc.bus = [\n";
    for (int k = 1; k <= n; ++k)
      t += std::to_string(k) + (k == 1 ? " 3 0 0" : " 1 1 0.3") + " 0 0 1 1 0 110 1 1.1 0.9;\n";
    t += "];\nmpc.gen = [\n1 0 0 0 0 1 100 1 0 0;\n];\nmpc.branch = [\n";
    for (int k = 1; k < n; ++k)
      t += std::to_string(k) + " " + std::to_string(k + 1) + " 0.001 0.003 0.001 0 0 0 0 0 1;\n";
    return t + "];\n";
  };
  const WynikImportu sto = ImportujMatpower(lancuch(100), "lancuch");
  EXPECT_FALSE(sto.dobry);
  ASSERT_FALSE(sto.wiersze.empty());
  EXPECT_NE(sto.wiersze.back().find("(metoda Gaussa-Seidla, epsilon 0,0001, r 1,6, 1,4, 1,2 i 1,8) nie powiodło się"),
            std::string::npos)
      << sto.wiersze.back();

  const fs::path folder = fs::temp_directory_path() / ("kreator_lancuch_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "lancuch.m") << lancuch(101);
  const auto uruchom = [&](const std::string& argumenty) {
    const std::string wyjscie = (folder / "wyjscie.txt").string();
    const int kod =
        std::system(("\"" + std::string(NARZEDZIE) + "\" " + argumenty + " > \"" + wyjscie + "\" 2>&1").c_str());
    std::ifstream plik(wyjscie);
    return std::pair{kod, std::string((std::istreambuf_iterator<char>(plik)), std::istreambuf_iterator<char>())};
  };
  const auto [kodImportu, importu] = uruchom("--z-matpower \"" + (folder / "lancuch.m").string() + "\"");
  ASSERT_EQ(kodImportu, 0) << importu;
  std::ifstream opis(folder / "lancuch.uklad");
  const std::string uklad((std::istreambuf_iterator<char>(opis)), std::istreambuf_iterator<char>());
  EXPECT_NE(uklad.find("\nmetoda newton\n"), std::string::npos);
  EXPECT_EQ(uklad.find("\nr "), std::string::npos);
  const auto [kodZadania, zadania] = uruchom("\"" + (folder / "lancuch.uklad").string() + "\"");
  EXPECT_EQ(kodZadania, 0) << zadania;
  EXPECT_NE(zadania.find("Próbne obliczenie zbieżne po"), std::string::npos) << zadania;
  EXPECT_NE(zadania.find("Liczba węzłów sieci (101) przekracza 100"), std::string::npos) << zadania;
  for (const char* rozszerzenie : {".ZRM", ".SRM"})
    EXPECT_TRUE(fs::exists(folder / ("LANCUCH" + std::string(rozszerzenie))));
  for (const char* rozszerzenie : {".URM", ".DRM"})
    EXPECT_FALSE(fs::exists(folder / ("LANCUCH" + std::string(rozszerzenie))));
  fs::remove_all(folder);
}
