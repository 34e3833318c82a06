#include "artwork/dib_reader.h"

#include <bit>
#include <climits>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <optional>
#include <vector>

#include "artwork/bmp_layout.h"

namespace {

constexpr size_t kFileHeaderSize = 14;

bool isKnownHeaderSize(uint32_t size) {
  // 40 Windows, 52 and 56 with masks, 108 and 124 with colour spaces. The 12-byte core header
  // is refused on purpose: pictures made with it are too old to matter.
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool isKnownDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

bool compressionFits(uint32_t compression, int bits) {
  switch (compression) {
    case kBiRgb: return true;
    case kBiRle8: return bits == 8;
    case kBiRle4: return bits == 4;
    case kBiBitfields: return bits == 16 || bits == 32;
    default: return false;
  }
}

// Each mask must be one unbroken run of bits inside the pixel, and the three must not overlap.
bool masksAreSound(const uint32_t (&masks)[3], int bits) {
  const uint64_t limit = bits == 32 ? 0xFFFFFFFFull : (1ull << bits) - 1;
  uint32_t seen = 0;
  for (uint32_t mask : masks) {
    if (mask == 0 || mask > limit || (mask & seen) != 0) return false;
    const uint32_t shifted = mask >> std::countr_zero(mask);
    if ((shifted & (shifted + 1)) != 0) return false;
    seen |= mask;
  }
  return true;
}

std::optional<BmpLayout> readLayout(std::span<const uint8_t> file) {
  const uint64_t size = file.size();
  if (size < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const uint8_t* p = file.data();
  // The file-size field is not trusted either way: every part is checked against the real bytes.
  const uint32_t bitsOffset = readU32(p + 10);

  const uint8_t* info = p + kFileHeaderSize;
  const uint32_t headerSize = readU32(info);
  if (!isKnownHeaderSize(headerSize) || kFileHeaderSize + headerSize > size) return std::nullopt;

  BmpLayout layout;
  layout.width = static_cast<int32_t>(readU32(info + 4));
  const int32_t height = static_cast<int32_t>(readU32(info + 8));
  layout.bitCount = readU16(info + 14);
  layout.compression = readU32(info + 16);
  const uint32_t imageSize = readU32(info + 20);
  const uint32_t colorsUsed = readU32(info + 32);
  if (layout.width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  if (!isKnownDepth(layout.bitCount) || !compressionFits(layout.compression, layout.bitCount)) return std::nullopt;
  layout.topDown = height < 0;
  layout.height = layout.topDown ? -height : height;
  if (layout.topDown && layout.compression != kBiRgb && layout.compression != kBiBitfields) return std::nullopt;

  uint64_t tableOffset = kFileHeaderSize + headerSize;
  if (layout.compression == kBiBitfields) {
    const uint8_t* maskAt = info + 40;
    if (headerSize == 40) {  // the masks follow the short header
      if (tableOffset + 12 > size) return std::nullopt;
      maskAt = p + tableOffset;
      tableOffset += 12;
    }
    for (int i = 0; i < 3; ++i) layout.masks[i] = readU32(maskAt + 4 * i);
  } else if (layout.bitCount == 16) {
    layout.masks[0] = 0x7C00, layout.masks[1] = 0x03E0, layout.masks[2] = 0x001F;
  } else if (layout.bitCount == 32) {
    layout.masks[0] = 0xFF0000, layout.masks[1] = 0xFF00, layout.masks[2] = 0xFF;
  }
  if (layout.bitCount >= 16 && layout.bitCount != 24 && !masksAreSound(layout.masks, layout.bitCount))
    return std::nullopt;

  // Direct-colour files may carry an optimisation palette; it is skipped, never used.
  uint64_t tableEntries = colorsUsed;
  if (layout.bitCount <= 8) {
    const uint32_t most = 1u << layout.bitCount;
    if (colorsUsed > most) return std::nullopt;
    layout.colorCount = colorsUsed == 0 ? most : colorsUsed;
    tableEntries = layout.colorCount;
  }
  const uint64_t tableEnd = tableOffset + tableEntries * 4;
  if (tableEnd > size) return std::nullopt;
  layout.palette = file.subspan(tableOffset, layout.colorCount * 4);

  const uint64_t start = bitsOffset != 0 ? bitsOffset : tableEnd;
  if (start < kFileHeaderSize + headerSize || start > size) return std::nullopt;
  uint64_t available = size - start;
  if (imageSize != 0) {
    if (imageSize > available) return std::nullopt;
    if (layout.compression == kBiRle4 || layout.compression == kBiRle8) available = imageSize;
  }
  layout.bits = file.subspan(start, available);
  return layout;
}

}  // namespace

std::unique_ptr<Dib> readDib(std::span<const uint8_t> file) {
  const std::optional<BmpLayout> layout = readLayout(file);
  if (!layout) return nullptr;
  const bool runLength = layout->compression == kBiRle4 || layout->compression == kBiRle8;
  const uint64_t stored = rowSizeFor(static_cast<uint64_t>(layout->width), layout->bitCount) *
                          static_cast<uint64_t>(layout->height);
  // Runs need not fill the picture (an end-of-picture marker alone leaves it blank), so only
  // plain rows are checked here; Dib::Create bounds the size of every picture.
  if (!runLength && stored > layout->bits.size()) return nullptr;

  const int storedBits = layout->bitCount > 8 ? 24 : layout->bitCount;
  std::unique_ptr<Dib> dib =
      Dib::create(layout->width, layout->height, storedBits, layout->bitCount > 8 ? 0 : layout->colorCount);
  if (!dib) return nullptr;
  for (uint32_t i = 0; i < layout->colorCount; ++i) {
    const uint8_t* entry = layout->palette.data() + 4 * i;
    setDibColor(*dib, i, static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 | entry[0]);
  }
  bool ok = false;
  if (runLength)
    ok = decodeRunLength(*layout, *dib);
  else if (layout->bitCount == 16 || layout->bitCount == 32)
    ok = decodeDirectColor(*layout, *dib);
  else
    ok = decodePlainRows(*layout, *dib);
  return ok ? std::move(dib) : nullptr;
}

std::unique_ptr<Dib> readDibFile(std::istream& in) {
  in.seekg(0, std::ios::end);
  const std::streamoff length = in.tellg();
  if (length < 0 || static_cast<uint64_t>(length) > kMaxDibFileSize) return nullptr;
  in.seekg(0, std::ios::beg);
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) return nullptr;
  return readDib(bytes);
}

std::unique_ptr<Dib> loadDibFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return nullptr;  // a folder opens, but reads nothing sane
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  return readDibFile(in);
}
