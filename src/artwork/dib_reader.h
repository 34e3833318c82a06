#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>

#include "artwork/dib.h"

// Files bigger than this are not pictures we read.
constexpr uint64_t kMaxDibFileSize = 64ull << 20;

// Reads the bytes of a whole .bmp file. Accepts the 40-, 52-, 56-, 108- and 124-byte headers,
// 1, 4, 8, 16, 24 and 32 bits, top-down rows, RLE4, RLE8 and bit-field masks, and returns
// them in the one stored form (bottom-up, uncompressed, 1, 4, 8 or 24 bits). nullptr for the
// 12-byte core header and for anything broken, short or absurd; nothing is allocated from a
// size before it has been checked against the bytes there are (run-length pictures: against
// the largest picture kept). Harmless oddities are read: a pixel index beyond the colour
// table (drawn black), a planes field other than 1, a file-size field larger than the file,
// runs that stop early or run past the end of their row (clipped to the row).
std::unique_ptr<Dib> readDib(std::span<const uint8_t> file);

// The same from an open stream, read to its end.
std::unique_ptr<Dib> readDibFile(std::istream& in);

// Opens, reads and closes the file; nullptr when it is missing, unreadable or refused.
std::unique_ptr<Dib> loadDibFile(const std::string& path);
