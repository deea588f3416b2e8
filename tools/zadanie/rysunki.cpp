#include "tools/zadanie/rysunki.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <map>

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

// Where a symbol leaves the bar: across the bar from its centre (shifted
// along it), or off the bar's end when the side lies along the bar.
QPointF PoczatekSymbolu(const OpisWezla& w, const Szyna& s, QPointF kierunek, int przesuniecie) {
  const QPointF wzdluz = s.pion ? QPointF(0, 1) : QPointF(1, 0);
  const double iloczyn = kierunek.x() * wzdluz.x() + kierunek.y() * wzdluz.y();
  if (iloczyn > 0.5) return s.b;
  if (iloczyn < -0.5) return s.a;
  return P(w.srodek) + wzdluz * przesuniecie;
}

constexpr double kKrotka = 20, kPromien = 17;  // stem and half size of a source symbol

// A text beside a source symbol centred on c: right of a symbol hanging up
// or down, below one hanging sideways.
void ObokSymbolu(QPainter& m, QPointF c, QPointF k, const QString& t) {
  const QSizeF r = QFontMetricsF(m.font()).size(0, t);
  const QPointF obok =
      std::abs(k.y()) > 0.5 ? QPointF(kPromien + 10 + r.width() / 2, 0) : QPointF(0, kPromien + 10 + r.height() / 2);
  Wysrodkuj(m, c + obok, t);
}

void Generator(QPainter& m, QPointF start, QPointF k, bool bilansujacy, const QString& etykieta) {
  const QPointF c = start + k * (kKrotka + kPromien);
  m.drawLine(start, start + k * kKrotka);
  m.setBrush(Qt::white);
  m.drawEllipse(c, kPromien, kPromien);
  m.setFont(Czcionka(17, true));
  Wysrodkuj(m, c, "G");
  if (!etykieta.isEmpty()) {
    m.setFont(Czcionka(15, true));
    ObokSymbolu(m, c, k, etykieta);
  }
  if (!bilansujacy) return;
  // The slack node: a second ring and the word beside it.
  m.setBrush(Qt::NoBrush);
  m.drawEllipse(c, kPromien + 4, kPromien + 4);
  m.setFont(Czcionka(13, false, true));
  ObokSymbolu(m, c, k, "bilansujący");
}

// An external system: a square box with "S" on a stem, like a generator.
void System(QPainter& m, QPointF start, QPointF k, const QString& etykieta) {
  const QPointF c = start + k * (kKrotka + kPromien);
  m.drawLine(start, start + k * kKrotka);
  m.setBrush(Qt::white);
  m.drawRect(QRectF(c.x() - kPromien, c.y() - kPromien, 2 * kPromien, 2 * kPromien));
  m.setFont(Czcionka(17, true));
  Wysrodkuj(m, c, "S");
  m.setFont(Czcionka(15, true));
  ObokSymbolu(m, c, k, etykieta);
}

// The fault: a red lightning arrow striking the bar from side k, "k" at its tail.
void Piorun(QPainter& m, QPointF start, QPointF k) {
  const QPointF n(-k.y(), k.x());
  const QPointF ogon = start + k * 80 + n * 12, a = start + k * 38 - n * 11, b = start + k * 47 + n * 11,
                grot = start + k * 5;
  const QColor czerwony(200, 0, 0);
  const QPointF u = Jednostkowy(grot - b), v(-u.y(), u.x());
  m.setPen(QPen(czerwony, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  m.setBrush(Qt::NoBrush);
  const QPointF linia[] = {ogon, a, b, grot - u * 8};
  m.drawPolyline(linia, 4);
  m.setPen(QPen(czerwony, 1));
  m.setBrush(czerwony);
  m.drawPolygon(QPolygonF({grot, grot - u * 16 + v * 7, grot - u * 16 - v * 7}));
  m.setPen(czerwony);
  m.setFont(Czcionka(22, true, true));
  Wysrodkuj(m, ogon + n * 16, "k");
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

Tabela NaTabele(const TabelaDanych& d) {
  Tabela t{Q(d.tytul), {}, d.szerokosci, {}};
  for (const auto& n : d.naglowki) t.naglowki.push_back(Q(n));
  for (const auto& w : d.wiersze) {
    t.wiersze.emplace_back();
    for (const auto& k : w) t.wiersze.back().push_back(Q(k));
  }
  return t;
}

}  // namespace

QImage RysujSchemat(const OpisUkladu& o, const Siec& siec) {
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
    const auto& polaczenia = trafo ? siec.trafa : siec.linie;
    const auto& opisy = trafo ? o.trafa : o.linie;
    for (size_t k = 0; k < polaczenia.size(); ++k) {
      const int i = int(k) + 1;
      const Szyna *s = szynaWezla(polaczenia[k].poczatek), *e = szynaWezla(polaczenia[k].koniec);
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

  // Source and load symbols, then the bars and their numbers. Sources hang
  // above or left of a bar, loads below or right, unless the node says
  // otherwise; a second symbol on the same side of one bar moves along it.
  std::map<std::pair<int, int>, int> naStronie;  // (node, side) -> symbols drawn there
  for (const Zasilanie& z : siec.symbole) {
    if (!o.wezly.count(z.wezel)) continue;
    const OpisWezla& w = o.wezly.at(z.wezel);
    const bool odbior = z.symbol == Symbol::Odbior;
    const Strona domyslna = odbior ? (w.pion ? Strona::Prawo : Strona::Dol) : (w.pion ? Strona::Lewo : Strona::Gora);
    const Strona strona = w.symbol.value_or(domyslna);
    const int kolejny = naStronie[{z.wezel, int(strona)}]++;
    const int przesuniecie =
        w.przesuniecieSymbolu + (kolejny == 0 ? 0 : (kolejny % 2 ? 1 : -1) * 50 * ((kolejny + 1) / 2));
    const QPointF k = Kierunek(strona);
    const QPointF start = PoczatekSymbolu(w, szyny.at(z.wezel), k, przesuniecie);
    m.setPen(cienka);
    if (z.symbol == Symbol::Generator)
      Generator(m, start, k, o.bilansujacy && o.bilansujacy->wezel == z.wezel, Q(z.etykieta));
    else if (z.symbol == Symbol::System)
      System(m, start, k, Q(z.etykieta));
    else
      Odbior(m, start, k);
  }

  if (o.zwarcie && o.wezly.count(o.zwarcie->wezel)) {
    const OpisWezla& w = o.wezly.at(o.zwarcie->wezel);
    const QPointF k = Kierunek(o.zwarcie->strona.value_or(w.pion ? Strona::Prawo : Strona::Dol));
    Piorun(m, PoczatekSymbolu(w, szyny.at(o.zwarcie->wezel), k, o.zwarcie->przesuniecie), k);
  }

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
             o.rodzaj == Rodzaj::Zwarcie
                 ? "S – system zewnętrzny,  G – generator,  T – transformator,  L – linia,  k – miejsce zwarcia "
                   "trójfazowego"
                 : "G – węzeł elektrowniany (podwójny okrąg: bilansujący),  strzałka – odbiór w węźle obciążeniowym");
  return obraz;
}

QImage RysujDane(const std::string& tytul, const DaneElementow& dane) {
  std::vector<std::vector<Tabela>> rzedy;
  for (const auto& rzad : dane.rzedy) {
    rzedy.emplace_back();
    for (const auto& t : rzad) rzedy.back().push_back(NaTabele(t));
  }
  const int odstep = 30, gora = 44, odstepPionowy = 10, stopka = 28;
  int najszerszy = 0, wysokosc = gora + stopka + 10;
  for (size_t r = 0; r < rzedy.size(); ++r) {
    int szerokosc = 0, najwyzsza = 0;
    for (size_t i = 0; i < rzedy[r].size(); ++i) {
      szerokosc += (i ? odstep : 0) + rzedy[r][i].szerokosc();
      najwyzsza = std::max(najwyzsza, Wysokosc(rzedy[r][i]));
    }
    najszerszy = std::max(najszerszy, szerokosc);
    wysokosc += najwyzsza + (r + 1 < rzedy.size() ? odstepPionowy : 0);
  }
  // Wide enough for the title and the remark too, when the tables are narrow.
  const QString naglowek = "Dane elementów: " + Q(tytul);
  najszerszy = std::max({najszerszy, int(std::ceil(QFontMetricsF(Czcionka(19, true)).horizontalAdvance(naglowek))),
                         int(std::ceil(QFontMetricsF(Czcionka(14)).horizontalAdvance(Q(dane.uwaga))))});
  const int szerokosc = std::min(kMaksSzerokosc, 2 * kMargines + najszerszy);
  QImage obraz(szerokosc, wysokosc, QImage::Format_RGB32);
  obraz.fill(Qt::white);
  QPainter m(&obraz);
  m.setRenderHint(QPainter::TextAntialiasing);
  m.setFont(Czcionka(19, true));
  m.drawText(QRect(0, 8, szerokosc, 30), Qt::AlignCenter, naglowek);
  int y = gora;
  for (size_t r = 0; r < rzedy.size(); ++r) {
    int x = kMargines, najwyzsza = 0;
    for (const Tabela& t : rzedy[r]) {
      RysujTabele(m, x, y, t);
      x += t.szerokosc() + odstep;
      najwyzsza = std::max(najwyzsza, Wysokosc(t));
    }
    y += najwyzsza + (r + 1 < rzedy.size() ? odstepPionowy : 8);
  }
  m.setFont(Czcionka(14));
  m.drawText(QRect(kMargines, y, szerokosc - 2 * kMargines, 22), Qt::AlignLeft | Qt::AlignVCenter, Q(dane.uwaga));
  return obraz;
}

bool ZapiszBmp(const QImage& obraz, const std::string& sciezka) {
  // RGB32 without alpha is written by Qt as a 24-bit bitmap.
  return obraz.convertToFormat(QImage::Format_RGB32).save(Q(sciezka), "BMP");
}

}  // namespace zadanie
