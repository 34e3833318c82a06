#pragma once

#include <string>

#include "artwork/dib.h"

// Result codes of SaveDibFile.
constexpr int DIB_SAVE_OK = 0;
constexpr int DIB_SAVE_LOCK_FAILED = 3;   // kept for the code's meaning; a Dib never fails to lock
constexpr int DIB_SAVE_WRITE_FAILED = 4;  // the file could not be created or written
constexpr int DIB_SAVE_NO_PICTURE = 20;

// The whole .bmp file of a picture: the 14-byte file header, then the block.
std::string DibFileBytes(const Dib& dib);

// Writes the picture as a .bmp file, replacing any file there. The new file is written beside
// the old one and renamed over it, so a failed save leaves the old file as it was.
int SaveDibFile(const Dib* dib, const std::string& path);
