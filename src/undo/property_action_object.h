#pragma once

#include <string>
#include <utility>

#include "undo/action_object.h"

constexpr int32_t VALUE_STRING = 0;
constexpr int32_t VALUE_INTEGER = 1;

// One level property changed. String properties use the string pair, integer properties
// (width, height, the sound switches) the integer pair; the other pair stays empty.
class CPropertyActionObject : public CActionObject {
 public:
  CPropertyActionObject() : CActionObject(ACTION_PROPERTY) {}
  // In both constructors the new value comes before the old one.
  CPropertyActionObject(int32_t property, std::string newValue, std::string oldValue)
      : CActionObject(ACTION_PROPERTY),
        m_nProperty(property),
        m_nValueKind(VALUE_STRING),
        m_strOld(std::move(oldValue)),
        m_strNew(std::move(newValue)) {}
  CPropertyActionObject(int32_t property, int32_t newValue, int32_t oldValue)
      : CActionObject(ACTION_PROPERTY),
        m_nProperty(property),
        m_nValueKind(VALUE_INTEGER),
        m_nOld(oldValue),
        m_nNew(newValue) {}

  int32_t m_nProperty = 0;
  int32_t m_nValueKind = VALUE_STRING;
  std::string m_strOld;
  std::string m_strNew;
  int32_t m_nOld = 0;
  int32_t m_nNew = 0;
};
