#include "artwork/dib.h"

namespace {

// Offsets inside the 40-byte information header.
constexpr size_t kWidth = 4, kHeight = 8, kPlanes = 12, kBitCount = 14, kSizeImage = 20, kClrUsed = 32;

bool isStoredDepth(int bitCount) { return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24; }

}  // namespace

std::unique_ptr<Dib> Dib::create(int32_t width, int32_t height, int bitCount, uint32_t colorCount) {
  if (width <= 0 || height <= 0 || !isStoredDepth(bitCount)) return nullptr;
  if (bitCount == 24 ? colorCount != 0 : colorCount > (1u << bitCount)) return nullptr;
  const uint64_t imageSize = rowSizeFor(static_cast<uint64_t>(width), bitCount) * static_cast<uint64_t>(height);
  if (imageSize > kMaxDibPixelBytes) return nullptr;
  std::unique_ptr<Dib> dib(new Dib(kHeaderSize + colorCount * 4 + imageSize));
  uint8_t* header = dib->m_block.data();
  writeU32(header, kHeaderSize);
  writeU32(header + kWidth, static_cast<uint32_t>(width));
  writeU32(header + kHeight, static_cast<uint32_t>(height));
  writeU16(header + kPlanes, 1);
  writeU16(header + kBitCount, static_cast<uint16_t>(bitCount));
  writeU32(header + kSizeImage, static_cast<uint32_t>(imageSize));
  writeU32(header + kClrUsed, colorCount);
  return dib;
}

int32_t dibWidth(const Dib& dib) { return static_cast<int32_t>(readU32(dib.block().data() + kWidth)); }
int32_t dibHeight(const Dib& dib) { return static_cast<int32_t>(readU32(dib.block().data() + kHeight)); }
int dibBitCount(const Dib& dib) { return readU16(dib.block().data() + kBitCount); }
uint32_t dibColorCount(const Dib& dib) { return readU32(dib.block().data() + kClrUsed); }
size_t dibColorTableSize(const Dib& dib) { return dibColorCount(dib) * 4; }
size_t dibRowSize(const Dib& dib) { return rowSizeFor(static_cast<uint32_t>(dibWidth(dib)), dibBitCount(dib)); }
size_t dibImageSize(const Dib& dib) { return dibRowSize(dib) * static_cast<uint32_t>(dibHeight(dib)); }

const uint8_t* dibBits(const Dib& dib) { return dib.block().data() + Dib::kHeaderSize + dibColorTableSize(dib); }
uint8_t* dibBits(Dib& dib) { return dib.mutableBlock().data() + Dib::kHeaderSize + dibColorTableSize(dib); }

const uint8_t* dibRow(const Dib& dib, int32_t rowFromTop) {
  return dibBits(dib) + dibRowSize(dib) * static_cast<size_t>(dibHeight(dib) - 1 - rowFromTop);
}
uint8_t* dibRow(Dib& dib, int32_t rowFromTop) {
  return dibBits(dib) + dibRowSize(dib) * static_cast<size_t>(dibHeight(dib) - 1 - rowFromTop);
}

uint32_t dibColor(const Dib& dib, uint32_t index) {
  if (index >= dibColorCount(dib)) return 0;  // no such entry: black, as an empty table entry
  const uint8_t* entry = dib.block().data() + Dib::kHeaderSize + index * 4;  // blue, green, red, 0
  return static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 | entry[0];
}

void setDibColor(Dib& dib, uint32_t index, uint32_t rgb) {
  if (index >= dibColorCount(dib)) return;
  uint8_t* entry = dib.mutableBlock().data() + Dib::kHeaderSize + index * 4;
  entry[0] = static_cast<uint8_t>(rgb);
  entry[1] = static_cast<uint8_t>(rgb >> 8);
  entry[2] = static_cast<uint8_t>(rgb >> 16);
  entry[3] = 0;
}

uint32_t dibPixel(const Dib& dib, int32_t x, int32_t yFromTop) {
  if (x < 0 || yFromTop < 0 || x >= dibWidth(dib) || yFromTop >= dibHeight(dib)) return 0;
  const uint8_t* row = dibRow(dib, yFromTop);
  switch (dibBitCount(dib)) {
    case 1: return dibColor(dib, (row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return dibColor(dib, (row[x / 2] >> (x % 2 ? 0 : 4)) & 15);
    case 8: return dibColor(dib, row[x]);
    default: {
      const uint8_t* p = row + 3 * static_cast<size_t>(x);  // blue, green, red
      return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
    }
  }
}
