// The results window of the short-circuit program without its pixels: the
// six boxes of the fault currents and their rules, the report it previews
// and saves, the remembered file names and whether the report was saved.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/core/dialogi.h"
#include "zwarcia/core/przypadek.h"
#include "zwarcia/core/zwarcie.h"

namespace zwarcia {

class OknoWyniku {
 public:
  explicit OknoWyniku(common::DialogService& dialogi) : dialogi_(dialogi) {}

  // "Otrzymane wyniki": the report of the last run, the heading, X/R and
  // the duration for the charts, the initial current; the factors and the
  // currents they give are emptied. The window is shown afresh: unsaved.
  void Wypelnij(const Przypadek& p, const WynikZwarcia& w, const std::optional<std::string>& pierwszaLiniaZadania);

  // The user typed or picked a factor.
  void ZmienWspUdaru(const std::string& tekst);
  void ZmienWspM(const std::string& tekst);

  // Preview and save are possible once all six boxes hold text.
  bool zapisMozliwy() const;
  // The report followed by exactly one set of the three current lines.
  std::vector<std::string> RaportZPradami() const;

  // "Zapisz wyniki": a ".TXT" name, the report with the current lines in
  // Windows-1250 with CR LF. True when written.
  bool ZapiszWyniki();
  // "Zapisz schemat": the exercise's ".URZ" copied under a ".BMP" name.
  bool ZapiszSchemat(const std::string& argument);
  // "Zamknij" or Escape: true when the window may close.
  bool MoznaZamknac();

  // The boxes, as text in the Polish form.
  std::string PrPoczE, WspUdaruE, PrZwUdarE, PrWylSymE, WspME, PrZwCieplnyE;
  bool wspMAktywne = false;  // WspME and the thermal-factor chart button
  std::string tytul, Label1, RdoX, CzasL;
  std::vector<std::string> raport;
  std::string PlikWynikow, PlikSchematu;
  bool WynikiZapisane = false;

 private:
  common::DialogService& dialogi_;
};

}  // namespace zwarcia
