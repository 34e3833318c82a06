#pragma once

#include <cstdint>

// Where each element's picture comes from: its file in an artwork folder, and the partner
// element whose picture (drawn with the partner flags) stands in when the file is missing.
struct ElementImageInfo {
  const char* fileName;  // "" for elements that are always drawn from their partner
  int partner;           // NO_ELEMENT: none
  uint8_t partnerFlags;  // IMAGE_FLIP_VERTICAL, IMAGE_MIRROR_HORIZONTAL, IMAGE_INVERT
};

// The row of an element index 0..49.
ElementImageInfo ElementImage(int element);
