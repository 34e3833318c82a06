#include "render/tile_images.h"

#include <QImage>
#include <QPainter>
#include <mutex>
#include <unordered_map>

#include "artwork/artwork_sets.h"
#include "render/draw_image.h"

namespace {

// A picture drawn at one cell size, kept so the view does not scale it again for every cell.
// The pixels are exactly what drawing it directly gives.
struct ScaledKey {
  const Dib* image;
  int width, height, flags, side;
  bool operator==(const ScaledKey&) const = default;
};

struct ScaledKeyHash {
  size_t operator()(const ScaledKey& k) const {
    return std::hash<const void*>()(k.image) ^ (static_cast<size_t>(k.side) << 20) ^
           (static_cast<size_t>(k.flags) << 12) ^ (static_cast<size_t>(k.width) << 6) ^ static_cast<size_t>(k.height);
  }
};

constexpr size_t kMaxScaled = 600;  // a dozen cell sizes of a whole set
constexpr int kMaxKeptSide = 1000;

// Thumbnails are drawn off the GUI thread too, so the cache is shared under a lock and handed
// out by (shared) copy.
QImage scaled(const TileImage& record, int side) {
  static std::mutex mutex;
  const std::lock_guard lock(mutex);
  static std::unordered_map<ScaledKey, QImage, ScaledKeyHash> cache;
  static unsigned generation = artworkGeneration();
  if (generation != artworkGeneration() || cache.size() >= kMaxScaled) {
    cache.clear();
    generation = artworkGeneration();
  }
  const ScaledKey key{record.image, record.width, record.height, record.flags, side};
  auto it = cache.find(key);
  if (it == cache.end()) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    drawImage(painter, QRect(0, 0, side, side), record);
    painter.end();
    it = cache.emplace(key, std::move(image)).first;
  }
  return it->second;
}

}  // namespace

QImage cachedTileImage(const ArtworkSet& set, int element, int side) {
  if (!isElement(element) || !set.images[element].image || side <= 0 || side > kMaxKeptSide) return {};
  return scaled(set.images[element], side);
}

void drawTileImage(QPainter& painter, const QRect& dest, const ArtworkSet& set, int element) {
  if (!isElement(element)) return;
  const TileImage& record = set.images[element];
  if (!record.image) return;
  // Square cells on an unscaled painter come from the cache; printing scales its painter.
  if (dest.width() == dest.height() && dest.width() <= kMaxKeptSide && painter.transform().isIdentity())
    painter.drawImage(dest.topLeft(), scaled(record, dest.width()));
  else
    drawImage(painter, dest, record);
}
