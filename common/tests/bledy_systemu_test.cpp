#include "common/core/bledy_systemu.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "common/core/pliki.h"

using common::OpisBleduPliku;

TEST(OpisBleduPliku, PolishWordsForTheUsualErrors) {
  const std::pair<int, std::string> przypadki[] = {
      {ENOENT, "nie ma takiego pliku lub katalogu"},
      {EACCES, "brak uprawnień"},
      {EPERM, "brak uprawnień"},
      {ENOSPC, "brak miejsca na dysku"},
      {EROFS, "system plików tylko do odczytu"},
      {EISDIR, "to jest katalog"},
      {ENOTDIR, "część ścieżki nie jest katalogiem"},
      {ENAMETOOLONG, "za długa nazwa pliku"},
      {EEXIST, "plik już istnieje"},
      {EMFILE, "za dużo otwartych plików"},
      {ENFILE, "za dużo otwartych plików"},
      {EIO, "błąd wejścia-wyjścia"},
      {EFBIG, "plik jest za duży"},
      {EBUSY, "plik jest zajęty"},
      {EINVAL, "nieprawidłowa nazwa pliku"},
      {EDOM, "błąd systemu nr " + std::to_string(EDOM)},
  };
  for (const auto& [numer, opis] : przypadki) EXPECT_EQ(OpisBleduPliku(numer), opis) << numer;
}

TEST(OpisBleduPliku, AFileThatCannotBeReadIsExplainedInPolish) {
  const auto brak = std::filesystem::temp_directory_path() / "opis_bledu_test_brak" / "zad.ZRM";
  std::string bajty, blad;
  EXPECT_FALSE(common::CzytajPlik(brak.string(), bajty, blad));
  EXPECT_EQ(blad, "Nie można odczytać pliku \"" + brak.string() + "\": nie ma takiego pliku lub katalogu.");
}
