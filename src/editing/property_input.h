#pragma once

#include <string>
#include <string_view>

#include "level/message.h"
#include "level/property.h"

// What becomes of a value typed into the property form before it is stored: trimmed as its
// field wants, checked, and turned into the level's 8-bit text.
struct PropertyInput {
  bool accepted = false;
  std::string value;    // accepted: the level text to store (a number property: its digits)
  Message refusal{};    // refused: what the user is told; values in UTF-8

  std::string message() const { return refusal.english(); }
};

// `typed` is UTF-8, as the form holds it. Width and height take a whole number from 1 to
// 126; the emeralds to collect digits and '*' only; every text must be one a level file can
// hold (Windows-1252).
PropertyInput interpretInput(Property property, std::string_view typed);
