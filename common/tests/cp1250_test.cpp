#include "common/core/cp1250.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Cp1250, PolishLettersBothWays) {
  // Windows-1250 code points of the Polish letters and the micro sign.
  const std::string utf8 = "Łódź żą ęść ń µ";
  const std::string cp = "\xA3\xF3\x64\x9F \xBF\xB9 \xEA\x9C\xE6 \xF1 \xB5";
  EXPECT_EQ(Utf8DoCp1250(utf8), cp);
  EXPECT_EQ(Cp1250DoUtf8(cp), utf8);
}

TEST(Cp1250, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8DoCp1250("a日b"), "a?b");      // not in the code page
  EXPECT_EQ(Utf8DoCp1250("a\xFF" "b"), "a?b");  // broken UTF-8
  EXPECT_EQ(Cp1250DoUtf8("x\x98y"), "x?y");     // 0x98 is undefined in Windows-1250
}
