// The level reader on arbitrary bytes: it never crashes or leaks, keeps the cell store sound,
// and whatever it accepts is written in a form that reads back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "level/brannoc_doc.h"
#include "level/level_format_error.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckStore(const CBrannocDoc& doc) {
  Check(doc.m_nWidth >= 1 && doc.m_nWidth <= MAX_LEVEL_SIZE);
  Check(doc.m_nHeight >= 1 && doc.m_nHeight <= MAX_LEVEL_SIZE);
  Check(doc.m_nEmeraldTotal == doc.CountEmeralds());
  Check(doc.m_remainders.size() == REMAINDER_SLOTS);
  for (int x = 0; x < MAX_LEVEL_SIZE; ++x)
    for (int y = 0; y < MAX_LEVEL_SIZE; ++y)
      if (const CTile* tile = doc.GetTile(x, y))
        Check(tile->m_nColumn == x && tile->m_nRow == y && IsElement(tile->m_nElement));
}

std::string Write(CBrannocDoc& doc) {
  std::ostringstream out(std::ios::binary);
  doc.WriteLevel(out);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  auto doc = std::make_unique<CBrannocDoc>();
  doc->DeleteContents();
  try {
    std::istringstream in(bytes, std::ios::binary);
    doc->ReadLevel(in, "fuzz.lev");
  } catch (const LevelFormatError&) {
    return 0;
  }
  CheckStore(*doc);
  const std::string first = Write(*doc);

  auto again = std::make_unique<CBrannocDoc>();
  again->DeleteContents();
  std::istringstream in(first, std::ios::binary);
  again->ReadLevel(in, "fuzz.lev");  // the writer's output must always be readable
  CheckStore(*again);
  Check(Write(*again) == first);
  return 0;
}
