#include "level/elements.h"

namespace {

using enum ElementToolbar;

constexpr std::array<ElementInfo, ELEMENT_COUNT> kElements = {{
    {0, '.', "Earth", true, 32799, BasicElements, "earth.bmp", 0},
    {1, 's', "Sand", false, 32865, BasicElements, "sand.bmp", 0},
    {2, 'S', "Full sand", false, 32866, BasicElements, "sandfull.bmp", 0},
    {3, '#', "Wall", true, 32796, BasicElements, "wall.bmp", 0},
    {4, ':', "Glasswall", true, 32857, BasicElements, "glaswall.bmp", 0},
    {5, 'i', "Inverted wall", false, 32864, BasicElements, nullptr, 0},
    {6, '+', "Stonewall", true, 32797, BasicElements, "stonewll.bmp", 0},
    {7, '|', "Wall with rounded top", true, 32798, BasicElements, "rndwall.bmp", 0},
    {8, '&', "Embedded Emerald", true, 32793, BasicElements, "wallemer.bmp", 1},
    {9, '*', "Emerald", true, 32791, BasicElements, "emerald.bmp", 1},
    {10, '$', "Ceruline", true, 32829, BasicElements, "ceruline.bmp", 3},
    {11, '(', "Ruby", true, 32852, BasicElements, "ruby.bmp", 5},
    {12, '0', "Rock", true, 32795, BasicElements, "stone.bmp", 0},
    {13, '@', "Bag", true, 32794, BasicElements, "bag.bmp", 1},
    {14, 'Q', "Bomb", true, 32815, BasicElements, "bomb.bmp", 0},
    {15, 'E', "Exit", true, 32801, DoorsAndKeys, "doorclos.bmp", 0},
    {16, '%', "Swamp", true, 32811, MovingElements, "swamp.bmp", 0},
    {17, '/', "Drop", true, 32841, MovingElements, "drop.bmp", 0},
    {18, '!', "TimeBomb", true, 32813, BasicElements, "timebomb.bmp", 0},
    {19, '?', "Ticking Timebomb", true, 32842, BasicElements, nullptr, 0},
    {20, '"', "Box of 10 Timebombs", true, 32814, BasicElements, "bomb10.bmp", 0},
    {21, 'c', "Converter", true, 32812, BasicElements, "convert.bmp", 0},
    {22, '[', "Safe", true, 32800, BasicElements, "box.bmp", 1},
    {23, '_', "Cushion", true, 32843, BasicElements, "cushion.bmp", 0},
    {24, 'd', "Dispenser", true, 32831, BasicElements, "dispen2.bmp", 0},
    {25, 'a', "Acid", true, 32835, BasicElements, "acid.bmp", 0},
    {26, 'b', "Blue Key", true, 32806, DoorsAndKeys, "keyblue.bmp", 0},
    {27, 'r', "Red Key", true, 32807, DoorsAndKeys, "keyred.bmp", 0},
    {28, 'g', "Green Key", true, 32808, DoorsAndKeys, "keygreen.bmp", 0},
    {29, 'y', "Yellow Key", true, 32810, DoorsAndKeys, "keyellow.bmp", 0},
    {30, 'B', "Blue Door", true, 32802, DoorsAndKeys, "doorblue.bmp", 0},
    {31, 'R', "Red Door", true, 32803, DoorsAndKeys, "doorred.bmp", 0},
    {32, 'G', "Green Door", true, 32804, DoorsAndKeys, "doorgree.bmp", 0},
    {33, 'Y', "Yellow Door", true, 32805, DoorsAndKeys, "doorylow.bmp", 0},
    {34, '6', "Lorry moving upwards", true, 32826, MovingElements, "lorryup.bmp", 0},
    {35, '8', "Lorry moving downwards", true, 32827, MovingElements, "lorrydwn.bmp", 0},
    {36, '5', "Lorry moving left", true, 32828, MovingElements, "lorrylft.bmp", 0},
    {37, '7', "Lorry moving right", true, 32825, MovingElements, "lorryrgt.bmp", 0},
    {38, 'u', "Bug moving upwards", false, 32858, MovingElements, "bugup.bmp", 0},
    {39, 'j', "Bug moving downwards", false, 32859, MovingElements, "bugdwn.bmp", 0},
    {40, 'h', "Bug moving left", false, 32860, MovingElements, "buglft.bmp", 0},
    {41, 'k', "Bug moving right", false, 32861, MovingElements, "bugrgt.bmp", 0},
    {42, '^', "Yam-Yam beast moving upwards", true, 32821, MovingElements, "yamyamup.bmp", 0},
    {43, 'V', "Yam-Yam beast moving downwards", true, 32819, MovingElements, "yamyamdn.bmp", 0},
    {44, '<', "Yam-Yam beast moving left", true, 32823, MovingElements, "yamyamlt.bmp", 0},
    {45, '>', "Yam-Yam beast moving right", true, 32824, MovingElements, "yamyamrt.bmp", 0},
    {46, 'o', "Robot", false, 32863, MovingElements, "robot.bmp", 0},
    {47, 'w', "Wheel", false, 32862, MovingElements, "wheel.bmp", 0},
    {48, '1', "Player 1", true, 32789, BasicElements, "1man.bmp", 0},
    {49, '2', "Player 2", true, 32790, BasicElements, "2man.bmp", 0},
}};

// Reverse lookup built once from the table, so the table stays the only source.
struct CharMap {
  std::array<int8_t, 256> element{};
  constexpr CharMap() {
    element.fill(NO_ELEMENT);
    for (const ElementInfo& e : kElements) element[static_cast<unsigned char>(e.character)] = static_cast<int8_t>(e.index);
  }
};
constexpr CharMap kCharMap;

}  // namespace

const std::array<ElementInfo, ELEMENT_COUNT>& ElementTable() { return kElements; }

const ElementInfo* FindElement(int element) { return IsElement(element) ? &kElements[element] : nullptr; }

int ElementFromCommand(int commandId) {
  for (const ElementInfo& e : kElements)
    if (e.commandId == commandId) return e.index;
  return NO_ELEMENT;
}

int32_t ElementFromChar(char c) {
  // Bytes of 0x80 and above are negative as signed chars and name no element.
  if (static_cast<signed char>(c) < 0) return NO_ELEMENT;
  return kCharMap.element[static_cast<unsigned char>(c)];
}

char CharFromElement(int32_t element) { return IsElement(element) ? kElements[element].character : NO_ELEMENT_CHAR; }

int32_t EmeraldValue(int32_t element) { return IsElement(element) ? kElements[element].emeraldValue : 0; }
