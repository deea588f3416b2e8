// The line and transformer catalogues: typical data that the windows
// TKatalogLini and TKatalogTrafo insert into a chosen row of LinieSG or
// TrafoSG. The node numbers (columns 1 and 2) are always typed by the user;
// a catalogue fills the electrical columns only.
#pragma once

#include <string>
#include <vector>

#include "common/core/dialogi.h"
#include "kreator/core/przypadek.h"

namespace kreator {

inline constexpr const char* kZlyNumerLinii = "Wybrano nieprawidłowy numer linii !!!";
inline constexpr const char* kZlyNumerTrafo = "Wybrano nieprawidłowy numer transformatora !!!";

// One item of a catalogue combo. The empty items only separate the groups
// of the line catalogue and are no entries.
struct PozycjaKatalogu {
  std::string nazwa;
  std::string napiecie;               // class voltage of a line entry ("110"...); empty for a transformer
  std::vector<std::string> wartosci;  // the value boxes in window order
};

// The 96 items of KatalogLiniCB and the 7 of KatalogTrafoCB, in order.
const std::vector<PozycjaKatalogu>& PozycjeLinii();
const std::vector<PozycjaKatalogu>& PozycjeTrafo();

// The state of one catalogue window: the text of the entry combo, the value
// boxes, the row combo and, for lines, the catalogue voltage. Both windows
// work alike; they differ in the grid, the boxes and the row letter.
class Katalog {
 public:
  // `tabela` is Tabela::Linie or Tabela::Trafo.
  Katalog(Tabela tabela, Przypadek& przypadek, common::DialogService& dialogi);

  // KatalogBB: the row combo gets the labels of `liczba` rows and the label
  // of row `wiersz`; the entry and the boxes are emptied. The catalogue
  // voltage stays.
  void otworz(int liczba, int wiersz);

  // The entry combo's text changed (chosen or typed): the boxes are emptied
  // and, for an entry, filled with its values.
  void zmienPozycje(const std::string& tekst);
  // A value box (index in window order) or the row combo typed into.
  void ustawPole(int indeks, const std::string& tekst);
  void ustawNumer(const std::string& tekst);

  // "Wstaw" is enabled when every required box and the row combo hold text.
  bool wstawAktywny() const;
  // Writes the boxes into the chosen row, clears the entry and moves the
  // row choice one down. A bad row label is refused with its message.
  // True when a row was written; nothing happens while "Wstaw" is disabled.
  bool Wstaw();

  const std::string& pozycja() const { return pozycja_; }
  const std::vector<std::string>& pola() const { return pola_; }
  const std::string& numer() const { return numer_; }
  const std::vector<std::string>& numery() const { return numery_; }
  const std::string& napiecie() const { return napiecie_; }
  const std::vector<PozycjaKatalogu>& pozycje() const;

 private:
  Tabela tabela_;
  Przypadek& p_;
  common::DialogService& dialogi_;
  std::string pozycja_, numer_, napiecie_;
  std::vector<std::string> pola_, numery_;
};

}  // namespace kreator
