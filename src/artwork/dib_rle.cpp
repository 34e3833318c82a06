// RLE8 and RLE4 pixel data, decoded into plain bottom-up rows. Pixels that the runs skip (by
// a delta, the end of a line or the end of the picture) keep colour index 0; the part of a run
// past the end of its row is dropped.
#include "artwork/bmp_layout.h"

namespace {

class RunDecoder {
 public:
  RunDecoder(const BmpLayout& layout, Dib& dib) : m_layout(layout), m_dib(dib), m_four(layout.bitCount == 4) {}

  bool decode() {
    const std::span<const uint8_t> data = m_layout.bits;
    size_t pos = 0;
    while (pos + 2 <= data.size()) {
      const uint8_t count = data[pos], value = data[pos + 1];
      pos += 2;
      if (count > 0) {
        if (!inPicture()) return false;
        for (int i = 0; i < count; ++i) put(m_four ? (i % 2 ? value & 15 : value >> 4) : value);
        continue;
      }
      switch (value) {
        case 0:  // end of line
          m_x = 0;
          if (++m_y > m_layout.height) return false;
          break;
        case 1:  // end of picture
          return true;
        case 2: {  // move right and up
          if (pos + 2 > data.size()) return false;
          m_x += data[pos];
          m_y += data[pos + 1];
          pos += 2;
          if (m_x > m_layout.width || m_y >= m_layout.height) return false;
          break;
        }
        default: {  // 'value' pixels given one by one, padded to a 16-bit boundary
          const size_t bytes = m_four ? (value + 1u) / 2 : value;
          if (pos + bytes > data.size() || !inPicture()) return false;
          for (int i = 0; i < value; ++i) {
            const uint8_t byte = data[pos + (m_four ? i / 2 : i)];
            put(m_four ? (i % 2 ? byte & 15 : byte >> 4) : byte);
          }
          pos += (bytes + 1) & ~size_t{1};
          break;
        }
      }
    }
    // Data that ends without its end marker is only whole when every row was closed.
    return m_y == m_layout.height;
  }

 private:
  bool inPicture() const { return m_y < m_layout.height; }

  // Indices beyond the colour table are kept: they draw black, as a missing entry does.
  void put(uint32_t index) {
    if (m_x >= m_layout.width) return;
    uint8_t* row = dibRow(m_dib, m_layout.height - 1 - m_y);  // the file's rows run bottom-up
    if (m_four)
      row[m_x / 2] |= static_cast<uint8_t>(m_x % 2 ? index : index << 4);
    else
      row[m_x] = static_cast<uint8_t>(index);
    ++m_x;
  }

  const BmpLayout& m_layout;
  Dib& m_dib;
  const bool m_four;
  int32_t m_x = 0;
  int32_t m_y = 0;
};

}  // namespace

bool decodeRunLength(const BmpLayout& layout, Dib& dib) { return RunDecoder(layout, dib).decode(); }
