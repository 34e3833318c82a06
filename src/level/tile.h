#pragma once

#include <cstdint>

#include "level/elements.h"

// One non-empty cell. Its slot in the document's cell store owns it.
class CTile {
 public:
  CTile(int32_t column, int32_t row, int32_t element)
      : m_nColumn(column), m_nRow(row), m_nElement(element), m_cCharacter(CharFromElement(element)) {}
  CTile(int32_t column, int32_t row, char character)
      : m_nColumn(column), m_nRow(row), m_nElement(ElementFromChar(character)), m_cCharacter(character) {}

  int32_t m_nColumn;
  int32_t m_nRow;
  int32_t m_nElement;
  char m_cCharacter;
};
