// Earth, sand and the walls: told apart by texture.
#include "drawings.h"

namespace {

constexpr Rgb kMortar{85, 80, 78};

void bricks(Canvas& c, Rgb brick, Rgb mortar) {
  c.rect(0, 0, c.width(), c.height(), mortar);
  for (int row = 0; row < 4; ++row) {
    const int y0 = row * 8, offset = row % 2 ? 8 : 0;
    for (int x0 = -16 + offset; x0 < 32; x0 += 16) {
      c.rect(x0 + 1, y0 + 1, x0 + 16, y0 + 7, brick);
      c.rect(x0 + 1, y0 + 1, x0 + 16, y0 + 2, shade(brick, 13));  // lit top edge
      c.rect(x0 + 1, y0 + 6, x0 + 16, y0 + 7, shade(brick, 7));   // shaded bottom edge
    }
  }
}

}  // namespace

Canvas drawEarth() {
  Canvas c(32, 32, {140, 92, 48});
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int s = speckle(x, y, 1);
      if (s < 14) c.set(x, y, {105, 66, 32});
      else if (s > 90) c.set(x, y, {178, 126, 72});
    }
  return c;
}

Canvas drawSand(bool full) {
  const Rgb base = full ? Rgb{200, 150, 70} : Rgb{226, 198, 130};
  Canvas c(32, 32, base);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int s = speckle(x, y, 2);
      if (s < 10) c.set(x, y, shade(base, 8));
      else if (s > 93) c.set(x, y, shade(base, 11));
    }
  // Ripples on loose sand; full sand is packed in heavy cross-hatched layers.
  if (!full) {
    for (int band = 0; band < 4; ++band)
      for (int x = 0; x < 32; ++x) c.set(x, band * 8 + 3 + ((x / 4) % 2), shade(base, 8));
  } else {
    for (int k = -32; k < 32; k += 6) {
      c.line({double(k), 0}, {double(k + 32), 32}, 1.2, shade(base, 7));
      c.line({double(k + 32), 0}, {double(k), 32}, 1.2, shade(base, 7));
    }
    c.frame(0, 0, 32, 32, shade(base, 6));
  }
  return c;
}

Canvas drawBrickWall() {
  Canvas c(32, 32);
  bricks(c, {175, 62, 40}, kMortar);
  return c;
}

Canvas drawGlassWall() {
  Canvas c(32, 32, {60, 110, 135});
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col) {
      const int x0 = col * 16, y0 = row * 16;
      c.rect(x0 + 1, y0 + 1, x0 + 15, y0 + 15, {150, 210, 235});
      c.line({x0 + 3.0, y0 + 10.0}, {x0 + 10.0, y0 + 3.0}, 1.5, kWhite);  // glint
      c.line({x0 + 7.0, y0 + 13.0}, {x0 + 13.0, y0 + 7.0}, 1.0, {205, 240, 250});
    }
  return c;
}

Canvas drawStoneWall() {
  Canvas c(32, 32, {40, 40, 46});
  struct Stone {
    double x, y, rx, ry;
    int shade;
  };
  constexpr Stone stones[] = {{6, 5, 6, 5, 11}, {19, 4, 7, 4.5, 9},  {29, 6, 4.5, 5.5, 10}, {4, 16, 4.5, 5.5, 9},
                              {14, 15, 6, 5, 10}, {26, 17, 6, 5.5, 11}, {7, 27, 7, 5, 10},      {21, 27, 7.5, 5, 9},
                              {31, 29, 3, 4, 11}};
  for (const Stone& s : stones) c.ball(s.x, s.y, s.rx, s.ry, shade({150, 150, 158}, s.shade));
  return c;
}

Canvas drawRoundedWall() {
  Canvas c = drawBrickWall();
  // Corners outside a half circle over the top are cut away.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) {
      const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
      if (dx * dx + dy * dy > 16.0 * 16.0) c.set(x, y, kBlack);
    }
  return c;
}

Canvas drawEmbeddedEmerald() {
  Canvas c = drawBrickWall();
  c.rect(8, 7, 24, 25, kMortar);
  const Canvas gem = drawEmerald();
  // The gem at two thirds of its size, set into the bricks.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 14; ++x) {
      const Rgb p = gem.get(2 + x * 2, 2 + y * 28 / 16);
      if (!(p == kBlack)) c.set(9 + x, 8 + y, p);
    }
  return c;
}
