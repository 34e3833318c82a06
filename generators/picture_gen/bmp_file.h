#pragma once

#include <string>

#include "canvas.h"

// The canvas as a 256-colour .bmp file: a 40-byte header, 256 palette entries (the colours in
// order of first use from the top-left, the rest black) and bottom-up rows. Fails (returns an
// empty string) when the canvas uses more than 256 colours.
std::string encodeBmp8(const Canvas& canvas);
