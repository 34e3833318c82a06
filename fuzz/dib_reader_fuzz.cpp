// The BMP reader on arbitrary bytes: it never reads out of bounds, crashes or leaks, and what
// it accepts is a sound stored picture that writes and reads back to the same block.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "artwork/dib_reader.h"
#include "artwork/dib_writer.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

volatile uint32_t g_pixelSum;  // keeps the pixel reads from being optimised away

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::unique_ptr<Dib> dib = readDib(std::span<const uint8_t>(data, size));
  if (!dib) return 0;
  const int bits = dibBitCount(*dib);
  check(bits == 1 || bits == 4 || bits == 8 || bits == 24);
  check(dibWidth(*dib) > 0 && dibHeight(*dib) > 0);
  check(dib->block().size() == Dib::kHeaderSize + dibColorTableSize(*dib) + dibImageSize(*dib));
  uint32_t sum = 0;
  for (int32_t y = 0; y < dibHeight(*dib); y += 7)
    for (int32_t x = 0; x < dibWidth(*dib); x += 5) sum += dibPixel(*dib, x, y);

  const std::string file = dibFileBytes(*dib);
  const std::unique_ptr<Dib> again =
      readDib(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(file.data()), file.size()));
  check(again && std::equal(again->block().begin(), again->block().end(), dib->block().begin(), dib->block().end()));
  g_pixelSum = sum;
  return 0;
}
