#pragma once

#include <cstdint>

// Where each element's picture comes from: its file in an artwork folder, and the partner
// element whose picture (drawn with the partner flags) stands in when the file is missing.
struct ElementImageInfo {
  const char* fileName;  // "" for elements that are always drawn from their partner
  int partner;           // kNoElement: none
  uint8_t partnerFlags;  // kImageFlipVertical, kImageMirrorHorizontal, kImageInvert
};

// The row of an element index 0..49.
ElementImageInfo elementImage(int element);
