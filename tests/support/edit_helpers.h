#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "level/brannoc_doc.h"
#include "level/properties.h"

// Helpers for tests that edit a level.

inline int ElementAt(const CBrannocDoc& doc, int x, int y) {
  const CTile* tile = doc.GetTile(x, y);
  return tile ? tile->m_nElement : NO_ELEMENT;
}

// What a successful save does to the document's history and modified flag.
inline void SimulateSave(CBrannocDoc& doc) {
  doc.SetModifiedFlag(false);
  doc.MarkSaved();
}

// A user's click: the current element (left button) or emptying (right button), recorded.
inline CTile* LeftClick(CBrannocDoc& doc, int x, int y) { return doc.SetCell(x, y, CURRENT_ELEMENT, true, DRAW_CURRENT, true, false); }
inline bool RightClick(CBrannocDoc& doc, int x, int y) { return doc.EraseCell(x, y, true, DRAW_CURRENT, true, false); }

// Tiles must sit in their own slot and the emerald total must match them.
inline ::testing::AssertionResult StoreIsConsistent(const CBrannocDoc& doc) {
  for (int x = 0; x < MAX_LEVEL_SIZE; ++x)
    for (int y = 0; y < MAX_LEVEL_SIZE; ++y)
      if (const CTile* tile = doc.GetTile(x, y)) {
        if (tile->m_nColumn != x || tile->m_nRow != y)
          return ::testing::AssertionFailure() << "tile of slot " << x << "," << y << " names another cell";
        if (tile->m_cCharacter != CharFromElement(tile->m_nElement) || !IsElement(tile->m_nElement))
          return ::testing::AssertionFailure() << "tile at " << x << "," << y << " has no proper element";
      }
  if (doc.m_nEmeraldTotal != doc.CountEmeralds())
    return ::testing::AssertionFailure() << "emerald total " << doc.m_nEmeraldTotal << ", counted " << doc.CountEmeralds();
  return ::testing::AssertionSuccess();
}

// Everything undo and redo must bring back: the cells of a corner of the store (beyond it the
// tile count shows any stray tile), the emerald total and every property.
struct Snapshot {
  std::vector<int> elements;  // the slots of the corner, column by column
  std::vector<char> characters;
  int tileCount = 0;
  int emeraldTotal = 0;
  std::vector<std::string> strings;
  std::vector<int> integers;
  bool operator==(const Snapshot&) const = default;
};

inline Snapshot Take(const CBrannocDoc& doc, int area) {
  Snapshot s;
  for (int x = 0; x < area; ++x)
    for (int y = 0; y < area; ++y) {
      const CTile* tile = doc.GetTile(x, y);
      s.elements.push_back(tile ? tile->m_nElement : NO_ELEMENT);
      s.characters.push_back(tile ? tile->m_cCharacter : ' ');
    }
  s.tileCount = doc.CountTiles();
  s.emeraldTotal = doc.m_nEmeraldTotal;
  for (int id = 0; id < PROPERTY_COUNT; ++id) {
    if (const std::string* text = StringField(doc, id))
      s.strings.push_back(*text);
    else
      s.integers.push_back(IntValue(doc, id));
  }
  return s;
}
