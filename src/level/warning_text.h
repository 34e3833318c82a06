#pragma once

#include <string>

#include "level/translatable.h"

struct LevelWarning;

// How a warning line leads with what it is about: the cell (columns and rows counted from 0)
// or the property, then the warning's text. The editor shows them translated.
inline constexpr const char* kCellWarningLine = TRANSLATABLE("Message", "cell %1, %2: %3");
inline constexpr const char* kPropertyWarningLine = TRANSLATABLE("Message", "property %1: %2");

// A warning as one line, led by what it is about: "cell 4, 7: a blue key but no blue door",
// "property Emeralds to collect: ...", or the bare text. Level texts quoted in it keep the
// file's bytes (Windows-1252).
std::string warningLine(const LevelWarning& warning);
