#include "level/elements.h"

#include "level/translatable.h"

namespace {

constexpr std::array<ElementInfo, kElementCount> kElements = {{
    {0, '.', TRANSLATABLE("Element", "Earth"), true, "earth.bmp", 0},
    {1, 's', TRANSLATABLE("Element", "Sand"), false, "sand.bmp", 0},
    {2, 'S', TRANSLATABLE("Element", "Full sand"), false, "sandfull.bmp", 0},
    {3, '#', TRANSLATABLE("Element", "Wall"), true, "wall.bmp", 0},
    {4, ':', TRANSLATABLE("Element", "Glasswall"), true, "glaswall.bmp", 0},
    {5, 'i', TRANSLATABLE("Element", "Inverted wall"), false, nullptr, 0},
    {6, '+', TRANSLATABLE("Element", "Stonewall"), true, "stonewll.bmp", 0},
    {7, '|', TRANSLATABLE("Element", "Wall with rounded top"), true, "rndwall.bmp", 0},
    {8, '&', TRANSLATABLE("Element", "Embedded Emerald"), true, "wallemer.bmp", 1},
    {9, '*', TRANSLATABLE("Element", "Emerald"), true, "emerald.bmp", 1},
    {10, '$', TRANSLATABLE("Element", "Ceruline"), true, "ceruline.bmp", 3},
    {11, '(', TRANSLATABLE("Element", "Ruby"), true, "ruby.bmp", 5},
    {12, '0', TRANSLATABLE("Element", "Rock"), true, "stone.bmp", 0},
    {13, '@', TRANSLATABLE("Element", "Bag"), true, "bag.bmp", 1},
    {14, 'Q', TRANSLATABLE("Element", "Bomb"), true, "bomb.bmp", 0},
    {15, 'E', TRANSLATABLE("Element", "Exit"), true, "doorclos.bmp", 0},
    {16, '%', TRANSLATABLE("Element", "Swamp"), true, "swamp.bmp", 0},
    {17, '/', TRANSLATABLE("Element", "Drop"), true, "drop.bmp", 0},
    {18, '!', TRANSLATABLE("Element", "TimeBomb"), true, "timebomb.bmp", 0},
    {19, '?', TRANSLATABLE("Element", "Ticking Timebomb"), true, nullptr, 0},
    {20, '"', TRANSLATABLE("Element", "Box of 10 Timebombs"), true, "bomb10.bmp", 0},
    {21, 'c', TRANSLATABLE("Element", "Converter"), true, "convert.bmp", 0},
    {22, '[', TRANSLATABLE("Element", "Safe"), true, "box.bmp", 1},
    {23, '_', TRANSLATABLE("Element", "Cushion"), true, "cushion.bmp", 0},
    {24, 'd', TRANSLATABLE("Element", "Dispenser"), true, "dispen2.bmp", 0},
    {25, 'a', TRANSLATABLE("Element", "Acid"), true, "acid.bmp", 0},
    {26, 'b', TRANSLATABLE("Element", "Blue Key"), true, "keyblue.bmp", 0},
    {27, 'r', TRANSLATABLE("Element", "Red Key"), true, "keyred.bmp", 0},
    {28, 'g', TRANSLATABLE("Element", "Green Key"), true, "keygreen.bmp", 0},
    {29, 'y', TRANSLATABLE("Element", "Yellow Key"), true, "keyellow.bmp", 0},
    {30, 'B', TRANSLATABLE("Element", "Blue Door"), true, "doorblue.bmp", 0},
    {31, 'R', TRANSLATABLE("Element", "Red Door"), true, "doorred.bmp", 0},
    {32, 'G', TRANSLATABLE("Element", "Green Door"), true, "doorgree.bmp", 0},
    {33, 'Y', TRANSLATABLE("Element", "Yellow Door"), true, "doorylow.bmp", 0},
    {34, '6', TRANSLATABLE("Element", "Lorry moving upwards"), true, "lorryup.bmp", 0},
    {35, '8', TRANSLATABLE("Element", "Lorry moving downwards"), true, "lorrydwn.bmp", 0},
    {36, '5', TRANSLATABLE("Element", "Lorry moving left"), true, "lorrylft.bmp", 0},
    {37, '7', TRANSLATABLE("Element", "Lorry moving right"), true, "lorryrgt.bmp", 0},
    {38, 'u', TRANSLATABLE("Element", "Bug moving upwards"), false, "bugup.bmp", 0},
    {39, 'j', TRANSLATABLE("Element", "Bug moving downwards"), false, "bugdwn.bmp", 0},
    {40, 'h', TRANSLATABLE("Element", "Bug moving left"), false, "buglft.bmp", 0},
    {41, 'k', TRANSLATABLE("Element", "Bug moving right"), false, "bugrgt.bmp", 0},
    {42, '^', TRANSLATABLE("Element", "Yam-Yam beast moving upwards"), true, "yamyamup.bmp", 0},
    {43, 'V', TRANSLATABLE("Element", "Yam-Yam beast moving downwards"), true, "yamyamdn.bmp", 0},
    {44, '<', TRANSLATABLE("Element", "Yam-Yam beast moving left"), true, "yamyamlt.bmp", 0},
    {45, '>', TRANSLATABLE("Element", "Yam-Yam beast moving right"), true, "yamyamrt.bmp", 0},
    {46, 'o', TRANSLATABLE("Element", "Robot"), false, "robot.bmp", 0},
    {47, 'w', TRANSLATABLE("Element", "Wheel"), false, "wheel.bmp", 0},
    {48, '1', TRANSLATABLE("Element", "Player 1"), true, "1man.bmp", 0},
    {49, '2', TRANSLATABLE("Element", "Player 2"), true, "2man.bmp", 0},
}};

// Reverse lookup built once from the table, so the table stays the only source.
struct CharMap {
  std::array<int8_t, 256> element{};
  constexpr CharMap() {
    element.fill(kNoElement);
    for (const ElementInfo& e : kElements) element[static_cast<unsigned char>(e.character)] = static_cast<int8_t>(e.index);
  }
};
constexpr CharMap kCharMap;

}  // namespace

const std::array<ElementInfo, kElementCount>& elementTable() { return kElements; }

const ElementInfo* findElement(int element) { return isElement(element) ? &kElements[element] : nullptr; }

int32_t elementFromChar(char c) {
  // Bytes of 0x80 and above are negative as signed chars and name no element.
  if (static_cast<signed char>(c) < 0) return kNoElement;
  return kCharMap.element[static_cast<unsigned char>(c)];
}

char charFromElement(int32_t element) { return isElement(element) ? kElements[element].character : kNoElementChar; }

int32_t emeraldValue(int32_t element) { return isElement(element) ? kElements[element].emeraldValue : 0; }
