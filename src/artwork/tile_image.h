#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "artwork/dib.h"
#include "level/elements.h"

constexpr uint8_t kImageFlipVertical = 1;      // draw upside down
constexpr uint8_t kImageMirrorHorizontal = 2;  // draw mirrored left to right
constexpr uint8_t kImageBorrowed = 4;           // the picture belongs to another record
constexpr uint8_t kImageInvert = 8;             // draw with inverted colours

// Pictures are drawn from their top-left 60 x 60 pixels at most.
constexpr int32_t kMaxImageSide = 60;

// The picture of one element in one set. A picture is owned by the one record that loaded it;
// every other record showing it only points to it and carries kImageBorrowed.
struct TileImage {
  const Dib* image = nullptr;
  std::unique_ptr<Dib> owned;
  int32_t width = 0;   // meaningful only while there is an image
  int32_t height = 0;
  uint8_t flags = 0;
};

struct ArtworkSet {
  std::string name;
  std::string folderPath;  // ends with '/'; empty for the built-in default set
  std::array<TileImage, kElementCount> images;
};

// Gives the record a picture of its own.
void ownImage(TileImage& record, std::unique_ptr<Dib> picture);

// Lets the record show another record's picture with extra drawing flags.
void borrowImage(TileImage& record, const TileImage& from, uint8_t flags);
