// Uncompressed rows: palette pixels and 24 bits copied, 16 and 32 bits turned into 24.
#include <bit>
#include <cstring>

#include "artwork/bmp_layout.h"

namespace {

// Row y of the file, counted from the top of the picture.
const uint8_t* fileRow(const BmpLayout& layout, int32_t y, size_t rowSize) {
  const int32_t stored = layout.topDown ? y : layout.height - 1 - y;
  return layout.bits.data() + rowSize * static_cast<size_t>(stored);
}

struct Channel {
  uint32_t mask;
  int shift;
  int width;
};

Channel makeChannel(uint32_t mask) {
  return {mask, std::countr_zero(mask), std::popcount(mask)};
}

// A channel of any width to 8 bits the way the common readers do it: narrow channels are
// shifted up (5 bits 0..31 become 0..248), wide ones keep their top 8 bits.
uint8_t scale(uint32_t pixel, const Channel& c) {
  const uint32_t value = (pixel & c.mask) >> c.shift;
  return static_cast<uint8_t>(c.width <= 8 ? value << (8 - c.width) : value >> (c.width - 8));
}

}  // namespace

bool decodePlainRows(const BmpLayout& layout, Dib& dib) {
  const size_t rowSize = dibRowSize(dib);
  for (int32_t y = 0; y < layout.height; ++y) {
    // Indices beyond the colour table are kept: they draw black, as a missing entry does.
    std::memcpy(dibRow(dib, y), fileRow(layout, y, rowSize), rowSize);
  }
  return true;
}

bool decodeDirectColor(const BmpLayout& layout, Dib& dib) {
  const Channel channels[3] = {makeChannel(layout.masks[0]), makeChannel(layout.masks[1]), makeChannel(layout.masks[2])};
  const size_t rowSize = rowSizeFor(static_cast<uint64_t>(layout.width), layout.bitCount);
  const size_t bytesPerPixel = layout.bitCount / 8;
  for (int32_t y = 0; y < layout.height; ++y) {
    const uint8_t* source = fileRow(layout, y, rowSize);
    uint8_t* target = dibRow(dib, y);
    for (int32_t x = 0; x < layout.width; ++x, source += bytesPerPixel, target += 3) {
      const uint32_t pixel = bytesPerPixel == 2 ? readU16(source) : readU32(source);
      target[0] = scale(pixel, channels[2]);
      target[1] = scale(pixel, channels[1]);
      target[2] = scale(pixel, channels[0]);
    }
  }
  return true;
}
