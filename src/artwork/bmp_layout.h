#pragma once

#include <cstdint>
#include <span>

#include "artwork/dib.h"

// What the headers of a .bmp file say, once every field has been checked against the file.
struct BmpLayout {
  int32_t width = 0;
  int32_t height = 0;  // always positive; topDown tells the row order
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = 0;
  uint32_t colorCount = 0;  // colour table entries (1, 4 and 8 bits only)
  uint32_t masks[3] = {};   // red, green, blue of 16- and 32-bit pixels
  std::span<const uint8_t> palette;
  std::span<const uint8_t> bits;  // the pixel data as far as the file holds it
};

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

// Each fills the stored rows of dib (already sized by the layout); false for corrupt data.
bool decodePlainRows(const BmpLayout& layout, Dib& dib);
bool decodeRunLength(const BmpLayout& layout, Dib& dib);
bool decodeDirectColor(const BmpLayout& layout, Dib& dib);
