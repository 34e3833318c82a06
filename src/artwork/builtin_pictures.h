#pragma once

#include <cstdint>
#include <span>

// The program's own picture of an element as the bytes of a .bmp file (256 colours, most
// 32 x 32), drawn by picture_gen at build time; empty when the element has none.
std::span<const uint8_t> builtinPictureFile(int element);
