#include "tools/zadanie/rysunki.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "common/core/liczby.h"

namespace zadanie {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QFont Czcionka(int piksele, bool gruba = false, bool pochyla = false) {
  QFont f("DejaVu Sans");
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(piksele);
  f.setBold(gruba);
  f.setItalic(pochyla);
  return f;
}

QPointF P(Punkt p) { return QPointF(p.x, p.y); }

double Dlugosc(QPointF v) { return std::hypot(v.x(), v.y()); }

QPointF Jednostkowy(QPointF v) {
  const double d = Dlugosc(v);
  return d > 0 ? v / d : QPointF(1, 0);
}

// ---- the scheme ----

constexpr double kMarginesSzyny = 8;  // branches join a bar this far from its ends

struct Szyna {
  QPointF a, b;  // ends: left to right, or top to bottom
  bool pion;
};

Szyna SzynaWezla(const OpisWezla& w) {
  const QPointF c = P(w.srodek);
  const double h = w.dlugosc / 2.0;
  return w.pion ? Szyna{c - QPointF(0, h), c + QPointF(0, h), true}
                : Szyna{c - QPointF(h, 0), c + QPointF(h, 0), false};
}

// The point of the bar nearest to `ku` along the bar, kept off its ends.
QPointF Przylacz(const Szyna& s, QPointF ku) {
  if (s.pion) return {s.a.x(), std::clamp(ku.y(), s.a.y() + kMarginesSzyny, s.b.y() - kMarginesSzyny)};
  return {std::clamp(ku.x(), s.a.x() + kMarginesSzyny, s.b.x() - kMarginesSzyny), s.a.y()};
}

// The drawn path of a branch from bar to bar: through its bend points, or
// straight; two parallel bars that overlap are joined square to both.
std::vector<QPointF> Sciezka(const Szyna& s, const Szyna& e, const OpisGalezi* g) {
  if (g && !g->przez.empty()) {
    std::vector<QPointF> d{Przylacz(s, P(g->przez.front()))};
    for (Punkt p : g->przez) d.push_back(P(p));
    d.push_back(Przylacz(e, P(g->przez.back())));
    return d;
  }
  if (s.pion == e.pion) {
    const auto os = [&](QPointF p) { return s.pion ? p.y() : p.x(); };
    const double od = std::max(os(s.a), os(e.a)) + kMarginesSzyny, doo = std::min(os(s.b), os(e.b)) - kMarginesSzyny;
    if (od <= doo) {
      const double m = (od + doo) / 2;
      return s.pion ? std::vector<QPointF>{{s.a.x(), m}, {e.a.x(), m}}
                    : std::vector<QPointF>{{m, s.a.y()}, {m, e.a.y()}};
    }
  }
  const QPointF cs = (s.a + s.b) / 2, ce = (e.a + e.b) / 2;
  return {Przylacz(s, ce), Przylacz(e, cs)};
}

// The point halfway along the path and the direction of the path there.
std::pair<QPointF, QPointF> Polowa(const std::vector<QPointF>& d) {
  double calosc = 0;
  for (size_t i = 1; i < d.size(); ++i) calosc += Dlugosc(d[i] - d[i - 1]);
  double reszta = calosc / 2;
  for (size_t i = 1; i < d.size(); ++i) {
    const double odcinek = Dlugosc(d[i] - d[i - 1]);
    if (reszta <= odcinek && odcinek > 0)
      return {d[i - 1] + (d[i] - d[i - 1]) * (reszta / odcinek), Jednostkowy(d[i] - d[i - 1])};
    reszta -= odcinek;
  }
  return {d.front(), QPointF(1, 0)};
}

// Writes `tekst` centred on `c`.
void Wysrodkuj(QPainter& m, QPointF c, const QString& tekst) {
  const QFontMetricsF fm(m.font());
  const QSizeF r = fm.size(0, tekst);
  m.drawText(QRectF(c.x() - r.width() / 2, c.y() - r.height() / 2, r.width(), r.height()), Qt::AlignCenter, tekst);
}

// Beside the path at `srodek`, clear of `odstep` pixels of symbol: above a
// level path, right of an upright one.
QPointF ObokSciezki(QPainter& m, QPointF srodek, QPointF kierunek, double odstep, const QString& tekst,
                    const std::optional<Punkt>& przesuniecie) {
  QPointF n(-kierunek.y(), kierunek.x());
  if (std::abs(n.y()) > std::abs(n.x()) ? n.y() > 0 : n.x() < 0) n = -n;
  const QSizeF r = QFontMetricsF(m.font()).size(0, tekst);
  const double d = odstep + 5 + std::abs(n.x()) * r.width() / 2 + std::abs(n.y()) * r.height() / 2;
  return srodek + n * d + (przesuniecie ? P(*przesuniecie) : QPointF());
}

QPointF Kierunek(Strona s) {
  switch (s) {
    case Strona::Gora:
      return {0, -1};
    case Strona::Dol:
      return {0, 1};
    case Strona::Lewo:
      return {-1, 0};
    case Strona::Prawo:
      return {1, 0};
  }
  return {0, -1};
}

// Where a generator or load symbol leaves the bar: across the bar from
// its centre (shifted along it), or off the bar's end when the side lies
// along the bar.
QPointF PoczatekSymbolu(const OpisWezla& w, const Szyna& s, QPointF kierunek) {
  const QPointF wzdluz = s.pion ? QPointF(0, 1) : QPointF(1, 0);
  const double iloczyn = kierunek.x() * wzdluz.x() + kierunek.y() * wzdluz.y();
  if (iloczyn > 0.5) return s.b;
  if (iloczyn < -0.5) return s.a;
  return P(w.srodek) + wzdluz * w.przesuniecieSymbolu;
}

void Generator(QPainter& m, QPointF start, QPointF k, bool bilansujacy) {
  constexpr double kKrotka = 20, kPromien = 17;
  const QPointF c = start + k * (kKrotka + kPromien);
  m.drawLine(start, start + k * kKrotka);
  m.setBrush(Qt::white);
  m.drawEllipse(c, kPromien, kPromien);
  m.setFont(Czcionka(17, true));
  Wysrodkuj(m, c, "G");
  if (!bilansujacy) return;
  // The slack node: a second ring and the word beside it.
  m.setBrush(Qt::NoBrush);
  m.drawEllipse(c, kPromien + 4, kPromien + 4);
  m.setFont(Czcionka(13, false, true));
  const QString t = "bilansujący";
  const QSizeF r = QFontMetricsF(m.font()).size(0, t);
  // Right of a symbol hanging up or down, below one hanging sideways.
  const QPointF obok =
      std::abs(k.y()) > 0.5 ? QPointF(kPromien + 10 + r.width() / 2, 0) : QPointF(0, kPromien + 10 + r.height() / 2);
  Wysrodkuj(m, c + obok, t);
}

void Odbior(QPainter& m, QPointF start, QPointF k) {
  constexpr double kDlugosc = 42, kGrot = 13, kSzerokosc = 6;
  const QPointF koniec = start + k * kDlugosc, n(-k.y(), k.x());
  m.drawLine(start, koniec - k * 4);
  m.setBrush(Qt::black);
  m.drawPolygon(QPolygonF({koniec, koniec - k * kGrot + n * kSzerokosc, koniec - k * kGrot - n * kSzerokosc}));
}

void Transformator(QPainter& m, QPointF c, QPointF k) {
  constexpr double kPromien = 14, kRozsuniecie = 9;
  m.setBrush(Qt::white);
  for (double s : {-1.0, 1.0}) m.drawEllipse(c + k * (s * kRozsuniecie), kPromien, kPromien);
  m.setBrush(Qt::NoBrush);
  for (double s : {-1.0, 1.0}) m.drawEllipse(c + k * (s * kRozsuniecie), kPromien, kPromien);
}

int Wezel(const common::TextGrid& g, int kolumna, int wiersz) {
  try {
    return common::NaCalkowita(g.cell(kolumna, wiersz));
  } catch (const common::BladKonwersji&) {
    return 0;
  }
}

// ---- the data table ----

struct Tabela {
  QString tytul;
  std::vector<QString> naglowki;
  std::vector<int> szerokosci;
  std::vector<std::vector<QString>> wiersze;
  int szerokosc() const {
    int s = 0;
    for (int x : szerokosci) s += x;
    return s;
  }
};

constexpr int kWysokoscWiersza = 21, kWysokoscNaglowka = 38, kWysokoscTytulu = 26, kMargines = 20;

// A table without rows is only its title, "Transformatory: brak".
int Wysokosc(const Tabela& t) {
  return t.wiersze.empty() ? kWysokoscTytulu
                           : kWysokoscTytulu + kWysokoscNaglowka + kWysokoscWiersza * int(t.wiersze.size());
}

void RysujTabele(QPainter& m, int x, int y, const Tabela& t) {
  m.setFont(Czcionka(16, true));
  m.drawText(QRect(x, y, t.szerokosc(), kWysokoscTytulu - 4), Qt::AlignLeft | Qt::AlignVCenter,
             t.wiersze.empty() ? t.tytul + ": brak" : t.tytul);
  if (t.wiersze.empty()) return;
  y += kWysokoscTytulu;
  const int wiersze = int(t.wiersze.size());
  const int dol = y + kWysokoscNaglowka + kWysokoscWiersza * wiersze;
  m.fillRect(QRect(x, y, t.szerokosc(), kWysokoscNaglowka), QColor(235, 235, 235));
  m.setFont(Czcionka(13, true));
  int kx = x;
  for (size_t k = 0; k < t.naglowki.size(); ++k) {
    m.drawText(QRect(kx + 2, y, t.szerokosci[k] - 4, kWysokoscNaglowka), Qt::AlignCenter, t.naglowki[k]);
    kx += t.szerokosci[k];
  }
  m.setFont(Czcionka(14));
  for (size_t r = 0; r < t.wiersze.size(); ++r) {
    kx = x;
    for (size_t k = 0; k < t.wiersze[r].size(); ++k) {
      m.drawText(
          QRect(kx + 4, y + kWysokoscNaglowka + int(r) * kWysokoscWiersza, t.szerokosci[k] - 8, kWysokoscWiersza),
          Qt::AlignCenter, t.wiersze[r][k]);
      kx += t.szerokosci[k];
    }
  }
  // The grid over the cells.
  m.setPen(QPen(Qt::black, 1));
  m.setBrush(Qt::NoBrush);
  m.drawRect(QRect(x, y, t.szerokosc(), dol - y));
  for (int r = 0; r <= wiersze; ++r)
    m.drawLine(x, y + kWysokoscNaglowka + r * kWysokoscWiersza, x + t.szerokosc(),
               y + kWysokoscNaglowka + r * kWysokoscWiersza);
  kx = x;
  for (int s : t.szerokosci) {
    kx += s;
    m.drawLine(kx, y, kx, dol);
  }
}

Tabela Wypelnij(QString tytul, std::vector<QString> naglowki, std::vector<int> szerokosci, const common::TextGrid& g,
                int n, const QString& przedrostek) {
  Tabela t{std::move(tytul), std::move(naglowki), std::move(szerokosci), {}};
  for (int r = 1; r <= n; ++r) {
    std::vector<QString> w{przedrostek + QString::number(r)};
    for (size_t k = 1; k < t.naglowki.size() && int(k) < g.colCount(); ++k) w.push_back(Q(g.cell(int(k), r)));
    t.wiersze.push_back(std::move(w));
  }
  return t;
}

}  // namespace

QImage RysujSchemat(const OpisUkladu& o, const kreator::Przypadek& p) {
  QImage obraz(o.szerokosc, o.wysokosc, QImage::Format_RGB32);
  obraz.fill(Qt::white);
  QPainter m(&obraz);
  m.setRenderHint(QPainter::Antialiasing);
  m.setRenderHint(QPainter::TextAntialiasing);
  const QPen cienka(Qt::black, 2), szyna(Qt::black, 7, Qt::SolidLine, Qt::FlatCap);

  m.setFont(Czcionka(20, true));
  m.drawText(QRect(0, 8, o.szerokosc, 32), Qt::AlignCenter, Q(o.tytul));

  std::map<int, Szyna> szyny;
  for (const auto& [nr, w] : o.wezly) szyny[nr] = SzynaWezla(w);
  const auto szynaWezla = [&](int nr) { return szyny.count(nr) ? &szyny.at(nr) : nullptr; };

  // Branches first, so that symbols and bars lie on top of them.
  struct Galaz {
    std::vector<QPointF> d;
    QString etykieta;
    const OpisGalezi* opis;
    bool trafo;
  };
  std::vector<Galaz> galezie;
  for (bool trafo : {false, true}) {
    const common::TextGrid& g = trafo ? p.TrafoSG : p.LinieSG;
    const auto& opisy = trafo ? o.trafa : o.linie;
    for (int i = 1; i <= (trafo ? p.LiczbaTransformatorow : p.LiczbaLinii); ++i) {
      const Szyna *s = szynaWezla(Wezel(g, 1, i)), *e = szynaWezla(Wezel(g, 2, i));
      if (!s || !e) continue;
      const OpisGalezi* opis = opisy.count(i) ? &opisy.at(i) : nullptr;
      galezie.push_back({Sciezka(*s, *e, opis), QString(trafo ? "T" : "L") + QString::number(i), opis, trafo});
    }
  }
  m.setPen(cienka);
  m.setBrush(Qt::NoBrush);
  for (const Galaz& g : galezie) m.drawPolyline(g.d.data(), int(g.d.size()));
  for (const Galaz& g : galezie) {
    const auto [srodek, kierunek] = Polowa(g.d);
    if (g.trafo) {
      m.setPen(cienka);
      Transformator(m, srodek, kierunek);
    }
    m.setFont(Czcionka(15, true));
    Wysrodkuj(m, ObokSciezki(m, srodek, kierunek, g.trafo ? 15 : 2, g.etykieta, g.opis ? g.opis->opis : std::nullopt),
              g.etykieta);
  }

  // Generator and load symbols, then the bars and their numbers.
  const auto symbole = [&](const common::TextGrid& g, int n, bool generator) {
    for (int r = 1; r <= n; ++r) {
      const int nr = Wezel(g, 1, r);
      if (!o.wezly.count(nr)) continue;
      const OpisWezla& w = o.wezly.at(nr);
      const Strona domyslna =
          generator ? (w.pion ? Strona::Lewo : Strona::Gora) : (w.pion ? Strona::Prawo : Strona::Dol);
      const QPointF k = Kierunek(w.symbol.value_or(domyslna));
      const QPointF start = PoczatekSymbolu(w, szyny.at(nr), k);
      m.setPen(cienka);
      if (generator)
        Generator(m, start, k, o.bilansujacy && o.bilansujacy->wezel == nr);
      else
        Odbior(m, start, k);
    }
  };
  symbole(p.WElSG, p.LiczbaWezlowElektrownianych, true);
  symbole(p.WObcSG, p.LiczbaWezlowObciazeniowych, false);

  m.setFont(Czcionka(17, true));
  for (const auto& [nr, w] : o.wezly) {
    const Szyna& s = szyny.at(nr);
    m.setPen(szyna);
    m.drawLine(s.a, s.b);
    m.setPen(cienka);
    const QString t = QString::number(nr);
    const QSizeF r = QFontMetricsF(m.font()).size(0, t);
    // Above the top of an upright bar; above the left end of a level one,
    // clear of the branches that usually join a bar at its ends' height.
    const QPointF domyslne =
        s.pion ? s.a - QPointF(0, 6 + r.height() / 2) : s.a + QPointF(r.width() / 2, -5 - r.height() / 2);
    Wysrodkuj(m, w.opis ? P(w.srodek) + P(*w.opis) : domyslne, t);
  }

  m.setFont(Czcionka(15));
  for (const Napis& n : o.napisy) {
    const QSizeF r = QFontMetricsF(m.font()).size(0, Q(n.tekst));
    Wysrodkuj(m, P(n.miejsce) + QPointF(r.width() / 2, 0), Q(n.tekst));
  }

  m.setFont(Czcionka(12));
  m.drawText(QRect(10, o.wysokosc - 24, o.szerokosc - 20, 20), Qt::AlignLeft | Qt::AlignVCenter,
             "G – węzeł elektrowniany (podwójny okrąg: bilansujący),  strzałka – odbiór w węźle obciążeniowym");
  return obraz;
}

QImage RysujDane(const OpisUkladu& o, const kreator::Przypadek& p) {
  const Tabela linie = Wypelnij("Linie",
                                {"Nr", "Początek\nw węźle", "Koniec\nw węźle", "Napięcie\n[kV]", "R'\n[Ω/km]",
                                 "X'\n[Ω/km]", "B'\n[µS/km]", "l\n[km]", "Liczba\ntorów"},
                                {46, 82, 82, 80, 84, 84, 84, 72, 72}, p.LinieSG, p.LiczbaLinii, "L");
  const Tabela trafa = Wypelnij("Transformatory",
                                {"Nr", "Węzeł\ngórny", "Węzeł\ndolny", "Ug\n[kV]", "Ud\n[kV]", "Sn\n[MVA]",
                                 "ΔPCu\n[kW]", "ΔPFe\n[kW]", "uz\n[%]", "i0\n[%]"},
                                {46, 72, 72, 72, 72, 76, 80, 80, 66, 66}, p.TrafoSG, p.LiczbaTransformatorow, "T");
  Tabela el = Wypelnij("Węzły elektrowniane", {"Nr", "Węzeł", "U\n[kV]", "P\n[MW]", "Uwagi"}, {78, 64, 76, 76, 110},
                       p.WElSG, p.LiczbaWezlowElektrownianych, "W. el. ");
  for (int r = 1; r <= p.LiczbaWezlowElektrownianych; ++r)
    el.wiersze[size_t(r - 1)].push_back(o.bilansujacy && Wezel(p.WElSG, 1, r) == o.bilansujacy->wezel ? "bilansujący"
                                                                                                      : "");
  const Tabela obc = Wypelnij("Węzły obciążeniowe", {"Nr", "Węzeł", "P\n[MW]", "Q\n[Mvar]"}, {84, 64, 80, 80}, p.WObcSG,
                              p.LiczbaWezlowObciazeniowych, "W. obc. ");

  // Nodes listed nowhere take P = 0 and Q = 0; the student should see which.
  QString bezTypu;
  for (int k = 1; k <= p.LiczbaWezlow; ++k) {
    bool jest = false;
    for (const auto& [g, n] :
         {std::pair{&p.WElSG, p.LiczbaWezlowElektrownianych}, {&p.WObcSG, p.LiczbaWezlowObciazeniowych}})
      for (int r = 1; r <= n; ++r) jest |= Wezel(*g, 1, r) == k;
    if (!jest) bezTypu += (bezTypu.isEmpty() ? "" : ", ") + QString::number(k);
  }

  const int odstep = 30;
  const int szerokosc = std::min(kMaksSzerokosc, 2 * kMargines + std::max({linie.szerokosc(), trafa.szerokosc(),
                                                                           el.szerokosc() + odstep + obc.szerokosc()}));
  const int gora = 44, odstepPionowy = 10, stopka = 28;
  const int wysokosc = gora + Wysokosc(linie) + odstepPionowy + Wysokosc(trafa) + odstepPionowy +
                       std::max(Wysokosc(el), Wysokosc(obc)) + stopka + 10;
  QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
  obraz.fill(Qt::white);
  QPainter m(&obraz);
  m.setRenderHint(QPainter::TextAntialiasing);
  m.setFont(Czcionka(19, true));
  m.drawText(QRect(0, 8, szerokosc, 30), Qt::AlignCenter, "Dane elementów: " + Q(o.tytul));
  int y = gora;
  RysujTabele(m, kMargines, y, linie);
  y += Wysokosc(linie) + odstepPionowy;
  RysujTabele(m, kMargines, y, trafa);
  y += Wysokosc(trafa) + odstepPionowy;
  RysujTabele(m, kMargines, y, el);
  RysujTabele(m, kMargines + el.szerokosc() + odstep, y, obc);
  y += std::max(Wysokosc(el), Wysokosc(obc)) + 8;
  m.setFont(Czcionka(14));
  const QString uwaga = bezTypu.isEmpty() ? QString("Wszystkie węzły mają podany typ.")
                                          : "Węzły bez typu (traktowane jako obciążeniowe, P = 0, Q = 0): " + bezTypu;
  m.drawText(QRect(kMargines, y, szerokosc - 2 * kMargines, 22), Qt::AlignLeft | Qt::AlignVCenter, uwaga);
  return obraz;
}

bool ZapiszBmp(const QImage& obraz, const std::string& sciezka) {
  // RGB32 without alpha is written by Qt as a 24-bit bitmap.
  return obraz.convertToFormat(QImage::Format_RGB32).save(Q(sciezka), "BMP");
}

}  // namespace zadanie
