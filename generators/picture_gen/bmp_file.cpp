#include "bmp_file.h"

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

namespace {

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::string EncodeBmp8(const Canvas& canvas) {
  std::map<std::tuple<int, int, int>, int> index;
  std::vector<Rgb> palette;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb c = canvas.Get(x, y);
      if (index.emplace(std::tuple{c.r, c.g, c.b}, static_cast<int>(palette.size())).second) palette.push_back(c);
    }
  if (palette.size() > 256) return {};
  const uint32_t rowSize = (static_cast<uint32_t>(canvas.Width()) + 3) / 4 * 4;
  const uint32_t imageSize = rowSize * static_cast<uint32_t>(canvas.Height());
  const uint32_t bitsOffset = 14 + 40 + 256 * 4;
  std::string out = "BM";
  Put32(out, bitsOffset + imageSize);
  Put32(out, 0);
  Put32(out, bitsOffset);
  for (uint32_t v : {40u, static_cast<uint32_t>(canvas.Width()), static_cast<uint32_t>(canvas.Height())}) Put32(out, v);
  Put16(out, 1);
  Put16(out, 8);
  for (uint32_t v : {0u, imageSize, 2835u, 2835u, 256u, 0u}) Put32(out, v);
  for (size_t i = 0; i < 256; ++i) {
    const Rgb c = i < palette.size() ? palette[i] : Rgb{};
    out += static_cast<char>(c.b);
    out += static_cast<char>(c.g);
    out += static_cast<char>(c.r);
    out += '\0';
  }
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb c = canvas.Get(x, y);
      out += static_cast<char>(index[{c.r, c.g, c.b}]);
    }
    out.append(rowSize - static_cast<uint32_t>(canvas.Width()), '\0');
  }
  return out;
}
