#pragma once

#include <string>

// What the program does with its artwork at start and at exit: load every set from the
// program's folder and let level documents choose the current set by name; then undo both.
void StartArtwork(const std::string& programFolder);
void StopArtwork();
