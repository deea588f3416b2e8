#include "common/core/powloka.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Zamkniecie, AsksTheExitQuestion) {
  RecordingDialogService d;
  d.odpowiedzi = {false, true};
  EXPECT_FALSE(PotwierdzZamkniecie(d));
  EXPECT_TRUE(PotwierdzZamkniecie(d));
  EXPECT_EQ(d.wpisy[0].tytul, "Koniec");
  EXPECT_EQ(d.wpisy[0].tekst, "Czy na pewno chcesz zakończyć działanie programu ???");
  EXPECT_EQ(d.wpisy[0].ikona, Ikona::Pytanie);
}
