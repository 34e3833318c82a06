#pragma once

// The program's icon at the sizes a window shows it, as premultiplied ARGB pixels, row by row
// (written at build time from the icon's PNG pictures).
struct ProgramIconPicture {
  int side;
  const unsigned* pixels;
};
extern const ProgramIconPicture kProgramIconPictures[];
extern const int kProgramIconPictureCount;
