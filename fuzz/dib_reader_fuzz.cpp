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

void Check(bool condition) {
  if (!condition) std::abort();
}

volatile uint32_t g_pixelSum;  // keeps the pixel reads from being optimised away

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::unique_ptr<Dib> dib = ReadDib(std::span<const uint8_t>(data, size));
  if (!dib) return 0;
  const int bits = DibBitCount(*dib);
  Check(bits == 1 || bits == 4 || bits == 8 || bits == 24);
  Check(DibWidth(*dib) > 0 && DibHeight(*dib) > 0);
  Check(dib->Block().size() == Dib::kHeaderSize + DibColorTableSize(*dib) + DibImageSize(*dib));
  uint32_t sum = 0;
  for (int32_t y = 0; y < DibHeight(*dib); y += 7)
    for (int32_t x = 0; x < DibWidth(*dib); x += 5) sum += DibPixel(*dib, x, y);

  const std::string file = DibFileBytes(*dib);
  const std::unique_ptr<Dib> again =
      ReadDib(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(file.data()), file.size()));
  Check(again && std::equal(again->Block().begin(), again->Block().end(), dib->Block().begin(), dib->Block().end()));
  g_pixelSum = sum;
  return 0;
}
