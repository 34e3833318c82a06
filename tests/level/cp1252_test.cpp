#include "level/cp1252.h"

#include <gtest/gtest.h>

// Every byte survives the trip through Unicode; known characters convert; those the code page
// lacks become '?' and are named once, in order.
TEST(Cp1252, EveryByteSurvivesTheTripAndMissingCharactersAreNamedOnceInOrder) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
  EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(utf8ToCp1252("\xE2\x80\x9C" "q" "\xE2\x80\x9D"), "\x93q\x94");
  EXPECT_EQ(utf8ToCp1252("\xE2\x98\x83"), "?") << "a snowman has no place in the code page";
  EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");
  EXPECT_EQ(utf8ToCp1252("\xC3"), "?") << "a cut-off sequence";
  EXPECT_EQ(utf8ToCp1252("\xC3(x"), "?(x");
  using Names = std::vector<std::string>;
  EXPECT_EQ(cp1252Missing("\xC5\x81\xC3\xB3" "d\xC5\xBA \xC5\x81"), (Names{"\xC5\x81", "\xC5\xBA"})) << "Lodz";
  EXPECT_EQ(cp1252Missing("\xF0\x9F\x98\x80?"), Names{"\xF0\x9F\x98\x80"}) << "'?' itself can be written";
  EXPECT_EQ(cp1252Missing("a\xC3"), Names{"\xEF\xBF\xBD"}) << "a cut-off sequence";
}
