#include "artwork/dib_writer.h"

#include "level/level_file.h"

std::string DibFileBytes(const Dib& dib) {
  const std::span<const uint8_t> block = dib.Block();
  uint8_t header[14] = {'B', 'M'};
  WriteU32(header + 2, static_cast<uint32_t>(14 + block.size()));
  WriteU32(header + 10, static_cast<uint32_t>(14 + Dib::kHeaderSize + DibColorTableSize(dib)));
  std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(block.data()), block.size());
  return bytes;
}

int SaveDibFile(const Dib* dib, const std::string& path) {
  if (!dib) return DIB_SAVE_NO_PICTURE;
  return WriteFileAtomically(path, DibFileBytes(*dib)).ok ? DIB_SAVE_OK : DIB_SAVE_WRITE_FAILED;
}
