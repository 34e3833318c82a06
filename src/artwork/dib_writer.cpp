#include "artwork/dib_writer.h"

#include "level/level_file.h"

std::string dibFileBytes(const Dib& dib) {
  const std::span<const uint8_t> block = dib.block();
  uint8_t header[14] = {'B', 'M'};
  writeU32(header + 2, static_cast<uint32_t>(14 + block.size()));
  writeU32(header + 10, static_cast<uint32_t>(14 + Dib::kHeaderSize + dibColorTableSize(dib)));
  std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(block.data()), block.size());
  return bytes;
}

int saveDibFile(const Dib* dib, const std::string& path) {
  if (!dib) return kDibSaveNoPicture;
  return writeFileAtomically(path, dibFileBytes(*dib)).ok ? kDibSaveOk : kDibSaveWriteFailed;
}
