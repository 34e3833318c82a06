#include "artwork/dib.h"

namespace {

// Offsets inside the 40-byte information header.
constexpr size_t kWidth = 4, kHeight = 8, kPlanes = 12, kBitCount = 14, kSizeImage = 20, kClrUsed = 32;

bool IsStoredDepth(int bitCount) { return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24; }

}  // namespace

std::unique_ptr<Dib> Dib::Create(int32_t width, int32_t height, int bitCount, uint32_t colorCount) {
  if (width <= 0 || height <= 0 || !IsStoredDepth(bitCount)) return nullptr;
  if (bitCount == 24 ? colorCount != 0 : colorCount > (1u << bitCount)) return nullptr;
  const uint64_t imageSize = RowSizeFor(static_cast<uint64_t>(width), bitCount) * static_cast<uint64_t>(height);
  if (imageSize > kMaxDibPixelBytes) return nullptr;
  std::unique_ptr<Dib> dib(new Dib(kHeaderSize + colorCount * 4 + imageSize));
  uint8_t* header = dib->m_block.data();
  WriteU32(header, kHeaderSize);
  WriteU32(header + kWidth, static_cast<uint32_t>(width));
  WriteU32(header + kHeight, static_cast<uint32_t>(height));
  WriteU16(header + kPlanes, 1);
  WriteU16(header + kBitCount, static_cast<uint16_t>(bitCount));
  WriteU32(header + kSizeImage, static_cast<uint32_t>(imageSize));
  WriteU32(header + kClrUsed, colorCount);
  return dib;
}

int32_t DibWidth(const Dib& dib) { return static_cast<int32_t>(ReadU32(dib.Block().data() + kWidth)); }
int32_t DibHeight(const Dib& dib) { return static_cast<int32_t>(ReadU32(dib.Block().data() + kHeight)); }
int DibBitCount(const Dib& dib) { return ReadU16(dib.Block().data() + kBitCount); }
uint32_t DibColorCount(const Dib& dib) { return ReadU32(dib.Block().data() + kClrUsed); }
size_t DibColorTableSize(const Dib& dib) { return DibColorCount(dib) * 4; }
size_t DibRowSize(const Dib& dib) { return RowSizeFor(static_cast<uint32_t>(DibWidth(dib)), DibBitCount(dib)); }
size_t DibImageSize(const Dib& dib) { return DibRowSize(dib) * static_cast<uint32_t>(DibHeight(dib)); }

const uint8_t* DibBits(const Dib& dib) { return dib.Block().data() + Dib::kHeaderSize + DibColorTableSize(dib); }
uint8_t* DibBits(Dib& dib) { return dib.MutableBlock().data() + Dib::kHeaderSize + DibColorTableSize(dib); }

const uint8_t* DibRow(const Dib& dib, int32_t rowFromTop) {
  return DibBits(dib) + DibRowSize(dib) * static_cast<size_t>(DibHeight(dib) - 1 - rowFromTop);
}
uint8_t* DibRow(Dib& dib, int32_t rowFromTop) {
  return DibBits(dib) + DibRowSize(dib) * static_cast<size_t>(DibHeight(dib) - 1 - rowFromTop);
}

uint32_t DibColor(const Dib& dib, uint32_t index) {
  if (index >= DibColorCount(dib)) return 0;  // no such entry: black, as an empty table entry
  const uint8_t* entry = dib.Block().data() + Dib::kHeaderSize + index * 4;  // blue, green, red, 0
  return static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 | entry[0];
}

void SetDibColor(Dib& dib, uint32_t index, uint32_t rgb) {
  if (index >= DibColorCount(dib)) return;
  uint8_t* entry = dib.MutableBlock().data() + Dib::kHeaderSize + index * 4;
  entry[0] = static_cast<uint8_t>(rgb);
  entry[1] = static_cast<uint8_t>(rgb >> 8);
  entry[2] = static_cast<uint8_t>(rgb >> 16);
  entry[3] = 0;
}

uint32_t DibPixel(const Dib& dib, int32_t x, int32_t yFromTop) {
  if (x < 0 || yFromTop < 0 || x >= DibWidth(dib) || yFromTop >= DibHeight(dib)) return 0;
  const uint8_t* row = DibRow(dib, yFromTop);
  switch (DibBitCount(dib)) {
    case 1: return DibColor(dib, (row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return DibColor(dib, (row[x / 2] >> (x % 2 ? 0 : 4)) & 15);
    case 8: return DibColor(dib, row[x]);
    default: {
      const uint8_t* p = row + 3 * static_cast<size_t>(x);  // blue, green, red
      return static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
    }
  }
}
