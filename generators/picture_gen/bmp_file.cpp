#include "bmp_file.h"

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

namespace {

void put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::string encodeBmp8(const Canvas& canvas) {
  std::map<std::tuple<int, int, int>, int> index;
  std::vector<Rgb> palette;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgb c = canvas.get(x, y);
      if (index.emplace(std::tuple{c.r, c.g, c.b}, static_cast<int>(palette.size())).second) palette.push_back(c);
    }
  if (palette.size() > 256) return {};
  const uint32_t rowSize = (static_cast<uint32_t>(canvas.width()) + 3) / 4 * 4;
  const uint32_t imageSize = rowSize * static_cast<uint32_t>(canvas.height());
  const uint32_t bitsOffset = 14 + 40 + 256 * 4;
  std::string out = "BM";
  put32(out, bitsOffset + imageSize);
  put32(out, 0);
  put32(out, bitsOffset);
  for (uint32_t v : {40u, static_cast<uint32_t>(canvas.width()), static_cast<uint32_t>(canvas.height())}) put32(out, v);
  put16(out, 1);
  put16(out, 8);
  for (uint32_t v : {0u, imageSize, 2835u, 2835u, 256u, 0u}) put32(out, v);
  for (size_t i = 0; i < 256; ++i) {
    const Rgb c = i < palette.size() ? palette[i] : Rgb{};
    out += static_cast<char>(c.b);
    out += static_cast<char>(c.g);
    out += static_cast<char>(c.r);
    out += '\0';
  }
  for (int y = canvas.height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgb c = canvas.get(x, y);
      out += static_cast<char>(index[{c.r, c.g, c.b}]);
    }
    out.append(rowSize - static_cast<uint32_t>(canvas.width()), '\0');
  }
  return out;
}
