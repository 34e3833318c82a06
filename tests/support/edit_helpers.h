#pragma once

#include <gtest/gtest.h>

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
