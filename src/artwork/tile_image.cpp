#include "artwork/tile_image.h"

void ownImage(TileImage& record, std::unique_ptr<Dib> picture) {
  record.owned = std::move(picture);
  record.image = record.owned.get();
}

void borrowImage(TileImage& record, const TileImage& from, uint8_t flags) {
  record.owned.reset();
  record.image = from.image;
  record.flags = static_cast<uint8_t>(record.flags | flags | kImageBorrowed);
}
