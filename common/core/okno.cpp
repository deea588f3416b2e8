#include "common/core/okno.h"

#include <algorithm>

#include "common/core/liczby.h"

namespace common {

namespace {
constexpr int kOdstep = 4;  // between two windows side by side
}

Prostokat Wysrodkuj(int szerokoscEkranu, int wysokoscEkranu, int szerokosc, int wysokosc) {
  auto polowa = [](int wolne) { return static_cast<int>(ZaokraglijDoParzystej(wolne / 2.0)); };
  return {polowa(szerokoscEkranu - szerokosc), polowa(wysokoscEkranu - wysokosc), szerokosc, wysokosc};
}

Prostokat ZRamka(const Prostokat& w, const Ramka& r) {
  return {w.lewo - r.lewo, w.gora - r.gora, w.szerokosc + r.lewo + r.prawo, w.wysokosc + r.gora + r.dol};
}

Prostokat ZmiescWObszarze(const Prostokat& chciane, const Ramka& r, const Prostokat& o) {
  Prostokat w = chciane;
  w.szerokosc = std::max(1, std::min(w.szerokosc, o.szerokosc - r.lewo - r.prawo));
  w.wysokosc = std::max(1, std::min(w.wysokosc, o.wysokosc - r.gora - r.dol));
  // The frame's far edge inside the area first, then its near edge, so
  // that the title bar wins when nothing else can.
  w.lewo = std::min(w.lewo, o.lewo + o.szerokosc - r.prawo - w.szerokosc);
  w.lewo = std::max(w.lewo, o.lewo + r.lewo);
  w.gora = std::min(w.gora, o.gora + o.wysokosc - r.dol - w.wysokosc);
  w.gora = std::max(w.gora, o.gora + r.gora);
  return w;
}

bool Nachodza(const Prostokat& a, const Prostokat& b) {
  return a.lewo < b.lewo + b.szerokosc && b.lewo < a.lewo + a.szerokosc && a.gora < b.gora + b.wysokosc &&
         b.gora < a.gora + a.wysokosc;
}

std::optional<Prostokat> ObokOkna(const Prostokat& z, Strona strona, int szerokosc, int wysokosc, int minWysokosc,
                                  const Ramka& r, const Prostokat& o) {
  const int szerRamki = szerokosc + r.lewo + r.prawo;
  const int prawyBrzegObszaru = o.lewo + o.szerokosc, dolnyBrzegObszaru = o.gora + o.wysokosc;
  int lewo = 0, gora = 0, wolnaWysokosc = 0;  // of the frame
  switch (strona) {
    case Strona::Prawa:
    case Strona::Lewa:
      lewo = strona == Strona::Prawa ? z.lewo + z.szerokosc + kOdstep : z.lewo - kOdstep - szerRamki;
      if (lewo < o.lewo || lewo + szerRamki > prawyBrzegObszaru) return std::nullopt;
      gora = std::max(o.gora, z.gora);
      wolnaWysokosc = dolnyBrzegObszaru - o.gora;
      break;
    case Strona::Dol:
    case Strona::Gora: {
      if (szerRamki > o.szerokosc) return std::nullopt;
      lewo = std::clamp(z.lewo, o.lewo, prawyBrzegObszaru - szerRamki);
      const int od = strona == Strona::Dol ? z.gora + z.wysokosc + kOdstep : o.gora;
      const int doBrzegu = strona == Strona::Dol ? dolnyBrzegObszaru : z.gora - kOdstep;
      gora = od;
      wolnaWysokosc = doBrzegu - od;
      break;
    }
  }
  const int wys = std::min(wysokosc, wolnaWysokosc - r.gora - r.dol);
  if (wys < std::min(wysokosc, minWysokosc) || wys < 1) return std::nullopt;
  // Beside the window the frame keeps its top unless that would cross the bottom of the area.
  if (strona == Strona::Prawa || strona == Strona::Lewa)
    gora = std::min(gora, dolnyBrzegObszaru - (wys + r.gora + r.dol));
  if (strona == Strona::Gora) gora = z.gora - kOdstep - (wys + r.gora + r.dol);
  return Prostokat{lewo + r.lewo, gora + r.gora, szerokosc, wys};
}

}  // namespace common
