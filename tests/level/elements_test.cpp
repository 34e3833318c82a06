#include "level/elements.h"

#include <gtest/gtest.h>

#include <set>

TEST(ElementTable, CharactersAreAClosedInvertibleSet) {
  std::set<char> seen;
  for (int i = 0; i < ELEMENT_COUNT; ++i) {
    const char c = CharFromElement(i);
    EXPECT_TRUE(seen.insert(c).second) << "character used twice: " << c;
    EXPECT_NE(c, ' ');
    EXPECT_NE(c, '~');
    EXPECT_GT(c, ' ') << "element characters are printable";
    EXPECT_LT(c, 127);
    EXPECT_EQ(ElementFromChar(c), i);
    EXPECT_EQ(ElementTable()[i].index, i) << "the table is in index order";
  }
  // Every other byte names no element.
  int named = 0;
  for (int b = 0; b < 256; ++b) {
    const int element = ElementFromChar(static_cast<char>(b));
    if (element == NO_ELEMENT) continue;
    ++named;
    EXPECT_EQ(CharFromElement(element), static_cast<char>(b));
  }
  EXPECT_EQ(named, ELEMENT_COUNT);
}

TEST(ElementTable, LookupsOfTheSpecialCharacters) {
  for (char c : {'~', ' ', '-', 'z', '\0', '\n'}) EXPECT_EQ(ElementFromChar(c), NO_ELEMENT) << int(c);
  EXPECT_EQ(ElementFromChar(static_cast<char>(0xA9)), NO_ELEMENT);
  EXPECT_EQ(CharFromElement(-1), '~');
  EXPECT_EQ(CharFromElement(50), '~');
  EXPECT_EQ(CharFromElement(-7), '~');
  EXPECT_EQ(ElementFromChar('|'), EL_ROUNDED_WALL);
  EXPECT_EQ(ElementFromChar('"'), EL_TIMEBOMB_BOX);
  EXPECT_EQ(ElementFromChar('g'), EL_GREEN_KEY);
  EXPECT_EQ(ElementFromChar('G'), EL_GREEN_DOOR);
  EXPECT_EQ(ElementFromChar('s'), EL_SAND);
  EXPECT_EQ(ElementFromChar('S'), EL_FULL_SAND);
  EXPECT_EQ(ElementFromChar('1'), EL_PLAYER1);
}

TEST(ElementTable, EmeraldValues) {
  int total = 0;
  for (int i = 0; i < ELEMENT_COUNT; ++i) total += EmeraldValue(i);
  EXPECT_EQ(total, 12) << "four elements worth 1, one worth 3, one worth 5";
  EXPECT_EQ(EmeraldValue(EL_EMERALD), 1);
  EXPECT_EQ(EmeraldValue(EL_EMBEDDED_EMERALD), 1);
  EXPECT_EQ(EmeraldValue(EL_BAG), 1);
  EXPECT_EQ(EmeraldValue(EL_SAFE), 1);
  EXPECT_EQ(EmeraldValue(EL_CERULINE), 3);
  EXPECT_EQ(EmeraldValue(EL_RUBY), 5);
  EXPECT_EQ(EmeraldValue(NO_ELEMENT), 0);
  EXPECT_EQ(EmeraldValue(50), 0);
}

TEST(ElementTable, CommandsToolbarsAndPictures) {
  std::set<int> commands;
  int withoutString = 0;
  for (const ElementInfo& e : ElementTable()) {
    EXPECT_TRUE(commands.insert(e.commandId).second);
    EXPECT_EQ(ElementFromCommand(e.commandId), e.index);
    withoutString += e.hasCommandString ? 0 : 1;
  }
  EXPECT_EQ(withoutString, 9);
  EXPECT_EQ(ElementFromCommand(12345), NO_ELEMENT);
  EXPECT_EQ(FindElement(EL_INVERTED_WALL)->imageFile, nullptr);
  EXPECT_EQ(FindElement(EL_TICKING_TIMEBOMB)->imageFile, nullptr);
  EXPECT_STREQ(FindElement(EL_EXIT)->imageFile, "doorclos.bmp");
  EXPECT_EQ(FindElement(EL_EXIT)->toolbar, ElementToolbar::DoorsAndKeys);
  EXPECT_EQ(FindElement(EL_SWAMP)->toolbar, ElementToolbar::MovingElements);
  EXPECT_EQ(static_cast<int>(ElementToolbar::MovingElements), 135);
  EXPECT_EQ(FindElement(50), nullptr);
}
