#include "level/elements.h"

#include <gtest/gtest.h>

#include <set>

TEST(ElementTable, CharactersAreAClosedInvertibleSet) {
  std::set<char> seen;
  for (int i = 0; i < kElementCount; ++i) {
    const char c = charFromElement(i);
    EXPECT_TRUE(seen.insert(c).second) << "character used twice: " << c;
    EXPECT_GT(c, ' ') << "element characters are printable";
    EXPECT_LT(c, 127);
    EXPECT_NE(c, '~');
    EXPECT_EQ(elementFromChar(c), i);
  }
  // Every other byte names no element.
  int named = 0;
  for (int b = 0; b < 256; ++b) named += elementFromChar(static_cast<char>(b)) != kNoElement;
  EXPECT_EQ(named, kElementCount);
  for (int element : {kNoElement, kElementCount, -7}) {
    EXPECT_EQ(charFromElement(element), '~');
    EXPECT_EQ(emeraldValue(element), 0);
  }
}
