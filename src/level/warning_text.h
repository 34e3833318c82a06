#pragma once

#include <string>

struct LevelWarning;

// A warning as one line, led by what it is about: "cell 4, 7: a blue key but no blue door",
// "property Emeralds to collect: ...", or the bare text. Cells count columns and rows from 0.
// Level texts quoted in it keep the file's bytes (Windows-1252).
std::string warningLine(const LevelWarning& warning);
