#pragma once

#include <array>
#include <cstdint>

// The 50 game elements. An element is known by its index (0..49) in memory and by one
// printable character in files, clipboard data and remainder patterns.

constexpr int kElementCount = 50;
constexpr int kNoElement = -1;
constexpr char kNoElementChar = '~';

// Element indices under the names the rest of the program uses.
enum ElementIndex : int {
  EL_EARTH = 0, EL_SAND, EL_FULL_SAND, EL_WALL, EL_GLASSWALL, EL_INVERTED_WALL, EL_STONEWALL,
  EL_ROUNDED_WALL, EL_EMBEDDED_EMERALD, EL_EMERALD, EL_CERULINE, EL_RUBY, EL_ROCK, EL_BAG,
  EL_BOMB, EL_EXIT, EL_SWAMP, EL_DROP, EL_TIMEBOMB, EL_TICKING_TIMEBOMB, EL_TIMEBOMB_BOX,
  EL_CONVERTER, EL_SAFE, EL_CUSHION, EL_DISPENSER, EL_ACID, EL_BLUE_KEY, EL_RED_KEY,
  EL_GREEN_KEY, EL_YELLOW_KEY, EL_BLUE_DOOR, EL_RED_DOOR, EL_GREEN_DOOR, EL_YELLOW_DOOR,
  EL_LORRY_UP, EL_LORRY_DOWN, EL_LORRY_LEFT, EL_LORRY_RIGHT, EL_BUG_UP, EL_BUG_DOWN,
  EL_BUG_LEFT, EL_BUG_RIGHT, EL_YAMYAM_UP, EL_YAMYAM_DOWN, EL_YAMYAM_LEFT, EL_YAMYAM_RIGHT,
  EL_ROBOT, EL_WHEEL, EL_PLAYER1, EL_PLAYER2
};

struct ElementInfo {
  int index;
  char character;
  const char* name;          // what the user calls it
  bool hasCommandString;     // false: the palette button shows no prompt and no tooltip
  const char* imageFile;     // picture in an artwork folder; nullptr: drawn from another one
  int emeraldValue;
};

// The whole table, in index order; it is the only source of the mapping.
const std::array<ElementInfo, kElementCount>& elementTable();

// Table row of an index, or nullptr when the index names no element.
const ElementInfo* findElement(int element);


// The element whose character c is; kNoElement for '~', space and every other byte.
int32_t elementFromChar(char c);

// The character of an element; '~' for kNoElement and anything that is not an element.
char charFromElement(int32_t element);

// Emeralds one tile of the element counts for; 0 for no element.
int32_t emeraldValue(int32_t element);

inline bool isElement(int element) { return element >= 0 && element < kElementCount; }
inline bool isPlayer(int element) { return element == EL_PLAYER1 || element == EL_PLAYER2; }
