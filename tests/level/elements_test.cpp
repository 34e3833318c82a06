#include "level/elements.h"

#include <gtest/gtest.h>

#include <set>

TEST(ElementTable, CharactersAreAClosedInvertibleSet) {
  std::set<char> seen;
  for (int i = 0; i < ELEMENT_COUNT; ++i) {
    const char c = CharFromElement(i);
    EXPECT_TRUE(seen.insert(c).second) << "character used twice: " << c;
    EXPECT_GT(c, ' ') << "element characters are printable";
    EXPECT_LT(c, 127);
    EXPECT_NE(c, '~');
    EXPECT_EQ(ElementFromChar(c), i);
  }
  // Every other byte names no element.
  int named = 0;
  for (int b = 0; b < 256; ++b) named += ElementFromChar(static_cast<char>(b)) != NO_ELEMENT;
  EXPECT_EQ(named, ELEMENT_COUNT);
  for (int element : {NO_ELEMENT, ELEMENT_COUNT, -7}) {
    EXPECT_EQ(CharFromElement(element), '~');
    EXPECT_EQ(EmeraldValue(element), 0);
  }
}
