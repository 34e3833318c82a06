// Gems (each its own colour and cut), rocks, bags, bombs, keys and doors.
#include <cmath>
#include <numbers>

#include "drawings.h"

Canvas drawEmerald() {
  // Octagonal step cut: nested octagons, lighter towards the table.
  Canvas c(32, 32);
  const Rgb shades[] = {{0, 95, 35}, {20, 160, 65}, {60, 210, 100}, {150, 250, 170}};
  for (int ring = 0; ring < 4; ++ring) {
    const double i = 2 + ring * 3.2, o = i + 7 - ring * 0.8;
    c.polygon({{i + o - i, i}, {32 - o, i}, {32 - i, o}, {32 - i, 32 - o}, {32 - o, 32 - i}, {o, 32 - i}, {i, 32 - o}, {i, o}},
              shades[ring]);
  }
  c.line({9, 11}, {12, 8}, 1.5, kWhite);
  return c;
}

Canvas drawCeruline() {
  // Rhombus cut with four facets in two shades of sky blue.
  Canvas c(32, 32);
  const Pt top{16, 1}, right{30, 16}, bottom{16, 31}, left{2, 16}, mid{16, 16};
  c.polygon({top, right, mid}, {70, 170, 245});
  c.polygon({right, bottom, mid}, {20, 90, 200});
  c.polygon({bottom, left, mid}, {35, 120, 225});
  c.polygon({left, top, mid}, {140, 215, 255});
  c.polygon({{16, 9}, {23, 16}, {16, 23}, {9, 16}}, {185, 235, 255});
  c.line({11, 8}, {14, 5}, 1.5, kWhite);
  return c;
}

Canvas drawRuby() {
  // Round brilliant: a red disc with star facets round an octagonal table.
  Canvas c(32, 32);
  c.disc(16, 16, 14.5, {140, 0, 25});
  for (int k = 0; k < 8; ++k) {
    const double a = k * std::numbers::pi / 4, b = a + std::numbers::pi / 8;
    c.polygon({{16 + 14 * std::cos(a), 16 + 14 * std::sin(a)},
               {16 + 14 * std::cos(b + std::numbers::pi / 8), 16 + 14 * std::sin(b + std::numbers::pi / 8)},
               {16 + 7 * std::cos(b), 16 + 7 * std::sin(b)}},
              {215, 25, 50});
  }
  c.disc(16, 16, 7, {250, 95, 115});
  c.line({11, 12}, {14, 9}, 1.5, kWhite);
  return c;
}

Canvas drawRock() {
  Canvas c(32, 32);
  c.ball(16, 17, 14.5, 13.5, {150, 144, 136});
  c.line({9, 22}, {14, 19}, 1.0, {80, 76, 70});
  c.line({14, 19}, {17, 24}, 1.0, {80, 76, 70});
  c.outline(kBlack, {60, 56, 52});
  return c;
}

Canvas drawBag() {
  Canvas c(32, 32);
  const Rgb cloth{196, 156, 96};
  c.ball(16, 21, 13, 10, cloth);
  c.polygon({{11, 5}, {21, 5}, {19, 12}, {13, 12}}, shade(cloth, 9));
  c.rect(11, 10, 21, 13, {120, 60, 25});  // the cord
  c.disc(16, 21, 5, {250, 205, 40});  // a gold coin on the front
  c.ring(16, 21, 5, 1, {170, 120, 20});
  c.outline(kBlack, {90, 60, 30});
  return c;
}

Canvas drawBomb() {
  Canvas c(32, 32);
  c.ball(15, 19, 12, 12, {70, 70, 84});
  c.rect(19, 6, 24, 10, {110, 110, 120});
  c.line({22, 7}, {27, 3}, 1.5, {210, 190, 130});  // fuse
  c.polygon({{28, 0}, {29.5, 2}, {32, 2.5}, {29.5, 3.5}, {28, 6}, {27, 3.5}, {24.5, 2.5}, {27, 2}}, {255, 200, 0});
  return c;
}

Canvas drawTimeBomb() {
  // Three sticks of dynamite with a clock strapped on.
  Canvas c(32, 32);
  for (int k = 0; k < 3; ++k) {
    const int x0 = 4 + k * 8;
    c.rect(x0, 6, x0 + 8, 30, {200, 30, 30});
    c.rect(x0, 6, x0 + 2, 30, {240, 90, 80});
    c.rect(x0 + 7, 6, x0 + 8, 30, {120, 15, 15});
    c.line({x0 + 4.0, 6}, {x0 + 4.0, 2}, 1.2, {220, 210, 170});
  }
  c.rect(4, 15, 28, 18, {60, 60, 60});
  c.disc(16, 17, 7, {240, 240, 230});
  c.ring(16, 17, 7, 1.2, {40, 40, 40});
  c.line({16, 17}, {16, 12}, 1.2, kBlack);
  c.line({16, 17}, {19.5, 17}, 1.2, kBlack);
  return c;
}

Canvas drawTimeBombBox() {
  Canvas c(32, 32, {165, 115, 60});
  for (int y = 0; y < 32; y += 8) c.rect(0, y, 32, y + 1, {110, 70, 35});
  c.frame(0, 0, 32, 32, {95, 60, 30});
  c.frame(1, 1, 31, 31, {95, 60, 30});
  c.rect(5, 9, 27, 24, {235, 225, 200});
  c.text(8, 11, "10", {200, 30, 30}, 2);
  c.rect(9, 26, 23, 29, {200, 30, 30});  // a stick peeking out
  return c;
}

Canvas drawSafe() {
  Canvas c(32, 32, {95, 102, 115});
  c.frame(0, 0, 32, 32, {50, 54, 62});
  c.frame(3, 3, 29, 29, {140, 148, 160});
  c.rect(4, 4, 28, 28, {110, 118, 132});
  c.disc(16, 16, 7, {180, 185, 195});
  c.ring(16, 16, 7, 1.5, {50, 54, 62});
  for (int k = 0; k < 8; ++k) {
    const double a = k * std::numbers::pi / 4;
    c.set(static_cast<int>(16 + 5 * std::cos(a)), static_cast<int>(16 + 5 * std::sin(a)), {50, 54, 62});
  }
  c.line({16, 16}, {19, 13}, 1.5, {200, 40, 40});
  c.rect(25, 11, 27, 21, {200, 190, 100});  // handle
  return c;
}

Canvas drawCushion() {
  Canvas c(32, 32);
  const Rgb cloth{225, 110, 175};
  c.polygon({{2, 6}, {16, 9}, {30, 6}, {27, 16}, {30, 27}, {16, 24}, {2, 27}, {5, 16}}, cloth);
  c.ball(16, 16, 11, 7.5, cloth);
  c.disc(16, 16, 1.8, {150, 50, 110});
  for (const Pt p : {Pt{2, 6}, Pt{30, 6}, Pt{2, 27}, Pt{30, 27}}) c.disc(p.x, p.y, 2, {150, 50, 110});
  return c;
}

Canvas drawKey(Rgb colour) {
  Canvas c(32, 32);
  const Rgb dark = shade(colour, 6);
  c.disc(9, 16, 7.5, colour);
  c.disc(9, 16, 3, kBlack);
  c.rect(15, 14, 30, 19, colour);
  c.rect(22, 19, 25, 24, colour);
  c.rect(27, 19, 30, 26, colour);
  c.line({6, 12}, {10, 10}, 1.2, shade(colour, 14));
  c.outline(kBlack, dark);
  return c;
}

Canvas drawDoor(Rgb colour) {
  Canvas c(32, 32, colour);
  const Rgb dark = shade(colour, 6), light = mix(colour, kWhite, 40);
  c.frame(0, 0, 32, 32, dark);
  c.frame(1, 1, 31, 31, dark);
  for (const int y0 : {4, 18}) {  // two raised panels
    c.rect(5, y0, 27, y0 + 10, light);
    c.rect(6, y0 + 1, 27, y0 + 10, colour);
  }
  c.disc(16, 15, 3.2, kBlack);  // keyhole
  c.polygon({{14.5, 16}, {17.5, 16}, {18.5, 22}, {13.5, 22}}, kBlack);
  return c;
}
