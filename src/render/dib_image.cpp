#include "render/dib_image.h"

#include <algorithm>

QImage dibToBitmap(const Dib* dib) {
  if (!dib) return {};
  QImage image(dibWidth(*dib), dibHeight(*dib), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = 0xFF000000u | dibPixel(*dib, x, y);
  }
  return image;
}

namespace {

std::unique_ptr<Dib> indexedToDib(const QImage& image, int bits) {
  const QList<QRgb> table = image.colorTable();
  const uint32_t colours = std::clamp<uint32_t>(static_cast<uint32_t>(table.size()), 1, 1u << bits);
  std::unique_ptr<Dib> dib = Dib::create(image.width(), image.height(), bits, colours);
  if (!dib) return nullptr;
  for (uint32_t i = 0; i < colours && i < static_cast<uint32_t>(table.size()); ++i) setDibColor(*dib, i, table[i] & 0xFFFFFF);
  for (int y = 0; y < image.height(); ++y) {
    uint8_t* row = dibRow(*dib, y);
    for (int x = 0; x < image.width(); ++x) {
      const uint32_t index = std::min<uint32_t>(static_cast<uint32_t>(image.pixelIndex(x, y)), colours - 1);
      if (bits == 1)
        row[x / 8] |= static_cast<uint8_t>(index << (7 - x % 8));
      else
        row[x] = static_cast<uint8_t>(index);
    }
  }
  return dib;
}

}  // namespace

std::unique_ptr<Dib> bitmapToDib(const QImage& image) {
  if (image.isNull()) return nullptr;
  if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) return indexedToDib(image, 1);
  if (image.format() == QImage::Format_Indexed8) return indexedToDib(image, 8);
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::unique_ptr<Dib> dib = Dib::create(rgb.width(), rgb.height(), 24, 0);
  if (!dib) return nullptr;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uint8_t* row = dibRow(*dib, y);
    for (int x = 0; x < rgb.width(); ++x) {
      row[3 * x] = static_cast<uint8_t>(qBlue(line[x]));
      row[3 * x + 1] = static_cast<uint8_t>(qGreen(line[x]));
      row[3 * x + 2] = static_cast<uint8_t>(qRed(line[x]));
    }
  }
  return dib;
}
