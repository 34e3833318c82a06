#pragma once

// Hand-made .bmp files for the reader tests: every header field can be set on its own.
#include <cstdint>
#include <vector>

#include "artwork/dib.h"

struct BmpSpec {
  uint32_t headerSize = 40;
  int32_t width = 4;
  int32_t height = 2;
  uint16_t bitCount = 8;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;      // 0xRRGGBB entries written as the colour table
  std::vector<uint32_t> masks;        // written after a 40-byte header, or inside a longer one
  std::vector<uint8_t> bits;          // pixel data exactly as stored in the file
  bool zeroOffset = false;            // leave the pixel offset 0 (data follows the table)
};

inline std::vector<uint8_t> makeBmp(const BmpSpec& s) {
  std::vector<uint8_t> header(s.headerSize, 0);  // 40 bytes or more
  writeU32(&header[0], s.headerSize);
  writeU32(&header[4], static_cast<uint32_t>(s.width));
  writeU32(&header[8], static_cast<uint32_t>(s.height));
  writeU16(&header[12], 1);  // planes
  writeU16(&header[14], s.bitCount);
  writeU32(&header[16], s.compression);
  writeU32(&header[20], s.imageSize);
  writeU32(&header[32], s.colorsUsed);
  std::vector<uint8_t> extra;
  for (size_t i = 0; i < s.masks.size(); ++i) {
    if (s.headerSize <= 40) extra.resize(4 * (i + 1));
    writeU32(s.headerSize > 40 ? &header[40 + 4 * i] : &extra[4 * i], s.masks[i]);
  }
  for (uint32_t rgb : s.palette) extra.insert(extra.end(), {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 0});
  const uint32_t offset = static_cast<uint32_t>(14 + header.size() + extra.size());
  std::vector<uint8_t> file(14, 0);
  file[0] = 'B', file[1] = 'M';
  writeU32(&file[2], static_cast<uint32_t>(offset + s.bits.size()));
  writeU32(&file[10], s.zeroOffset ? 0 : offset);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), extra.begin(), extra.end());
  file.insert(file.end(), s.bits.begin(), s.bits.end());
  return file;
}

// Pixels of a picture, top row first, as 0xRRGGBB.
inline std::vector<uint32_t> dibPixels(const Dib& dib) {
  std::vector<uint32_t> pixels;
  for (int32_t y = 0; y < dibHeight(dib); ++y)
    for (int32_t x = 0; x < dibWidth(dib); ++x) pixels.push_back(dibPixel(dib, x, y));
  return pixels;
}
