// What the property form makes of typed values and of its remainder list keys.
#include <gtest/gtest.h>

#include "editing/property_input.h"
#include "editing/remainder_patterns.h"

namespace {

TEST(PropertyInput, TrimsChecksAndConvertsWhatIsTyped) {
  using enum Property;
  struct Case {
    Property property;
    const char* typed;
    bool accepted;
    const char* result;  // the stored value, or the message
  } cases[] = {
      {Name, "  Cave \t", true, "Cave"},
      {Info, "  one\ntwo\r\nthree \n\n", true, "  one\r\ntwo\r\nthree"},
      {Dispenser, " 5 ", true, " 5 "},  // stored exactly as typed
      {Designer, "caf\xc3\xa9 \xe2\x82\xac", true, "caf\xe9 \x80"},  // é and € are Windows-1252
      {Name, "\xc5\x81\xc3\xb3" "d\xc5\xba", false,
       "Level files cannot hold these characters: \xc5\x81, \xc5\xba. Please replace them."},
      {Emeralds, " 12* ", true, "12*"},
      {Emeralds, "", true, ""},
      {Emeralds, "1 2", false, "Please enter a number or a *"},
      {Width, " 40 ", true, "40"},
      {Height, "+7", true, "7"},
      {Width, "126", true, "126"},
      {Width, "127", false, "Please enter a value between 1 and 126"},
      {Height, "0", false, "Please enter a value between 1 and 126"},
      {Width, "4x", false, "Please enter an integer."},
      {Height, "", false, "Please enter an integer."},
  };
  for (const Case& c : cases) {
    const PropertyInput input = interpretInput(c.property, c.typed);
    EXPECT_EQ(input.accepted, c.accepted) << c.typed;
    EXPECT_EQ(c.accepted ? input.value : input.message(), c.result) << c.typed;
  }
}

TEST(RemainderPatterns, InsertRemoveReplaceAndPaint) {
  using namespace remainder_patterns;
  Level::Remainders patterns;
  for (int i = 0; i < Level::kRemainderSlots; ++i) patterns[i] = std::string(9, static_cast<char>('A' + i));

  const Level::Remainders in = inserted(patterns, 2);
  EXPECT_EQ(in[2], "");
  EXPECT_EQ(in[3], patterns[2]);
  EXPECT_EQ(in[19], patterns[18]);  // the last one is pushed out

  const Level::Remainders out = removed(patterns, 0);
  EXPECT_EQ(out[0], patterns[1]);
  EXPECT_EQ(out[18], patterns[19]);
  EXPECT_EQ(out[19], "");

  EXPECT_EQ(inserted(patterns, 20), patterns);  // slots outside the list change nothing
  EXPECT_EQ(removed(patterns, -1), patterns);

  Level::Remainders sparse;
  sparse[0] = "* *";
  EXPECT_EQ(painted(sparse, 0, 8, EL_RUBY)[0], "*~*~~~~~(");
  EXPECT_EQ(painted(sparse, 1, 4, EL_EMERALD)[1], "~~~~*~~~~");
  EXPECT_EQ(painted(sparse, 0, 0, kNoElement)[0], "~~*~~~~~~");
  EXPECT_EQ(painted(sparse, 0, 1, EL_PLAYER1), sparse);  // players are no remainder
  EXPECT_EQ(painted(sparse, 0, 9, EL_RUBY), sparse);
}

}  // namespace
