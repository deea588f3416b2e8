#include "common/core/zapis.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace common;
namespace fs = std::filesystem;

namespace {
std::string Czytaj(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}
}  // namespace

TEST(Zapis, TextInWindows1250WithCrLf) {
  const fs::path folder = fs::temp_directory_path() / "zapis_test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path plik = folder / "wynik.txt";
  ASSERT_EQ(ZapiszTekstCp1250(plik.string(), {"Moc bierna", "", "węzeł"}), 0);
  // ę = 0xEA, ł = 0xB3 in Windows-1250; every line, the last too, ends with CR LF.
  EXPECT_EQ(Czytaj(plik), "Moc bierna\r\n\r\nw\xEAze\xB3\r\n");

  // A folder that does not exist: the error number, and the earlier file is untouched.
  EXPECT_EQ(ZapiszTekstCp1250((folder / "brak" / "x.txt").string(), {"a"}), ENOENT);
  // A target that is a folder cannot be replaced: an error, nothing lost.
  fs::create_directories(folder / "katalog.txt");
  EXPECT_NE(ZapiszTekstCp1250((folder / "katalog.txt").string(), {"a"}), 0);
  EXPECT_TRUE(fs::is_directory(folder / "katalog.txt"));
  EXPECT_FALSE(fs::exists(folder / "katalog.txt.~zapis"));

  // A byte-for-byte copy replaces the target.
  std::ofstream(folder / "schemat.URM", std::ios::binary) << std::string("BM\0\x01\xFF", 5);
  ASSERT_EQ(KopiujPlik((folder / "schemat.URM").string(), plik.string()), 0);
  EXPECT_EQ(Czytaj(plik), std::string("BM\0\x01\xFF", 5));
  EXPECT_EQ(KopiujPlik((folder / "brak.URM").string(), plik.string()), ENOENT);
  fs::remove_all(folder);
}

TEST(Zapis, ExtensionInCapitals) {
  struct Wpis { const char* sciezka; const char* rozszerzenie; };
  for (Wpis w : {Wpis{"/a/Wynik.txt", ".TXT"}, Wpis{"wynik.TxT", ".TXT"}, Wpis{"/a.b/wynik", ""},
                 Wpis{"x.doc", ".DOC"}, Wpis{"/a/b.c/d.bmp", ".BMP"}})
    EXPECT_EQ(RozszerzenieDuze(w.sciezka), w.rozszerzenie) << w.sciezka;
}
