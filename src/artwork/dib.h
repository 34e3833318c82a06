#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// A packed device-independent bitmap: the 40-byte information header, the colour table and the
// pixel rows (bottom row first, each padded to 4 bytes), exactly as they follow the file header
// in a .bmp file. Every picture in memory has this one form, whatever the file it came from.
class Dib {
 public:
  static constexpr uint32_t kHeaderSize = 40;

  // A zero-filled picture of 1, 4, 8 or 24 bits; colorCount entries of colour table (none for
  // 24 bits). nullptr for a size that is not positive or too big for any picture we draw.
  static std::unique_ptr<Dib> create(int32_t width, int32_t height, int bitCount, uint32_t colorCount);

  std::span<const uint8_t> block() const { return m_block; }
  std::span<uint8_t> mutableBlock() { return m_block; }

 private:
  explicit Dib(size_t size) : m_block(size, 0) {}
  std::vector<uint8_t> m_block;
};

// The largest picture kept in memory (pixel bytes); far above any tile or printed page.
constexpr uint64_t kMaxDibPixelBytes = 256ull << 20;

int32_t dibWidth(const Dib& dib);
int32_t dibHeight(const Dib& dib);
int dibBitCount(const Dib& dib);
uint32_t dibColorCount(const Dib& dib);
size_t dibColorTableSize(const Dib& dib);
// Bytes in one padded pixel row.
size_t dibRowSize(const Dib& dib);
size_t dibImageSize(const Dib& dib);
const uint8_t* dibBits(const Dib& dib);
uint8_t* dibBits(Dib& dib);

// Colour table entries and pixels as 0xRRGGBB. Pixel rows are counted from the top.
uint32_t dibColor(const Dib& dib, uint32_t index);
void setDibColor(Dib& dib, uint32_t index, uint32_t rgb);
uint32_t dibPixel(const Dib& dib, int32_t x, int32_t yFromTop);

// Row rowFromTop's first byte.
const uint8_t* dibRow(const Dib& dib, int32_t rowFromTop);
uint8_t* dibRow(Dib& dib, int32_t rowFromTop);

// Rows of any depth and width as the BMP format pads them.
constexpr uint64_t rowSizeFor(uint64_t width, int bitCount) { return ((width * bitCount + 31) / 32) * 4; }

// Little-endian fields of a header or file.
inline uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t readU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
inline void writeU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void writeU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
