#include "common/core/powloka.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace common;

TEST(Pomoc, OpensTheHelpFileOrSaysWhyNot) {
  const auto folder = std::filesystem::temp_directory_path() / "pomoc_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);

  RecordingDialogService d;
  OtworzPomoc(d, folder.string());  // no file yet
  ASSERT_EQ(d.wpisy.size(), 1u);
  EXPECT_EQ(d.wpisy[0].tekst, "Nie znaleziono pliku pomocy \"Help.chm\" w folderze programu:\n" + folder.string());
  EXPECT_TRUE(d.otwartePliki.empty());

  std::ofstream(folder / "Help.chm") << "x";
  d.wpisy.clear();
  OtworzPomoc(d, folder.string());
  ASSERT_EQ(d.otwartePliki.size(), 1u);
  EXPECT_EQ(d.otwartePliki[0], (folder / "Help.chm").string());
  EXPECT_TRUE(d.wpisy.empty());

  d.pulpitOtwiera = false;  // a desktop with nothing for .chm files
  OtworzPomoc(d, folder.string());
  ASSERT_EQ(d.wpisy.size(), 1u);
  EXPECT_EQ(d.wpisy[0].tytul, "UWAGA !!!");
  std::filesystem::remove_all(folder);
}

TEST(Zamkniecie, AsksTheExitQuestion) {
  RecordingDialogService d;
  d.odpowiedzi = {false, true};
  EXPECT_FALSE(PotwierdzZamkniecie(d));
  EXPECT_TRUE(PotwierdzZamkniecie(d));
  EXPECT_EQ(d.wpisy[0].tytul, "Koniec");
  EXPECT_EQ(d.wpisy[0].tekst, "Czy na pewno chcesz zakończyć działanie programu ???");
  EXPECT_EQ(d.wpisy[0].ikona, Ikona::Pytanie);
}
