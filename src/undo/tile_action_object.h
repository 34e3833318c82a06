#pragma once

#include "undo/action_object.h"

// One cell changed from one element to another; NO_ELEMENT on either side is an empty cell.
class CTileActionObject : public CActionObject {
 public:
  CTileActionObject() : CActionObject(ACTION_TILE) {}
  // The new element comes before the old one.
  CTileActionObject(int32_t x, int32_t y, int32_t newElement, int32_t oldElement)
      : CActionObject(ACTION_TILE), m_x(x), m_y(y), m_nNewElement(newElement), m_nOldElement(oldElement) {}

  int32_t m_x = 0;
  int32_t m_y = 0;
  int32_t m_nNewElement = 0;
  int32_t m_nOldElement = 0;
};
