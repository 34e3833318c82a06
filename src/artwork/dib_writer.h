#pragma once

#include <string>

#include "artwork/dib.h"

// Result codes of saveDibFile.
constexpr int kDibSaveOk = 0;
constexpr int kDibSaveLockFailed = 3;   // kept for the code's meaning; a Dib never fails to lock
constexpr int kDibSaveWriteFailed = 4;  // the file could not be created or written
constexpr int kDibSaveNoPicture = 20;

// The whole .bmp file of a picture: the 14-byte file header, then the block.
std::string dibFileBytes(const Dib& dib);

// Writes the picture as a .bmp file, replacing any file there. The new file is written beside
// the old one and renamed over it, so a failed save leaves the old file as it was.
int saveDibFile(const Dib* dib, const std::string& path);
