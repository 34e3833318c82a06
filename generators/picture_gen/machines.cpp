// The exit, the machines and the liquids.
#include <cmath>
#include <numbers>

#include "drawings.h"

Canvas drawExit() {
  // A stone arch with a closed iron door and a green EXIT sign.
  Canvas c(60, 60, {120, 120, 128});
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x)
      if (speckle(x, y, 7) < 12) c.set(x, y, {95, 95, 102});
  c.rect(10, 20, 50, 60, {35, 40, 60});
  c.disc(30, 21, 20, {35, 40, 60});
  c.rect(13, 22, 47, 60, {70, 78, 105});
  c.disc(30, 23, 17, {70, 78, 105});
  for (int x = 21; x < 47; x += 9) c.rect(x, 10, x + 1, 60, {45, 50, 75});
  c.rect(13, 34, 47, 36, {45, 50, 75});
  c.disc(40, 42, 2, {220, 200, 90});
  c.rect(14, 1, 46, 14, {20, 120, 40});
  c.frame(14, 1, 46, 14, {10, 70, 20});
  c.text(15, 3, "EXIT", kWhite, 2);
  return c;
}

Canvas drawConverter() {
  // A grey machine that turns a rock (left) into a gem (right).
  Canvas c(60, 60, {105, 108, 118});
  c.frame(0, 0, 60, 60, {55, 58, 66});
  c.frame(2, 2, 58, 58, {150, 154, 164});
  for (const int y : {6, 50}) {
    for (int x = 6; x < 54; x += 8) c.rect(x, y, x + 4, y + 4, {245, 200, 0});
  }
  c.ball(15, 30, 9, 8, {150, 144, 136});
  c.polygon({{26, 26}, {34, 26}, {34, 21}, {42, 30}, {34, 39}, {34, 34}, {26, 34}}, {245, 200, 0});
  c.polygon({{44, 21}, {53, 21}, {57, 26}, {57, 34}, {53, 39}, {44, 39}, {40, 34}, {40, 26}}, {20, 160, 65});
  c.polygon({{46, 25}, {51, 25}, {53, 28}, {53, 32}, {51, 35}, {46, 35}, {44, 32}, {44, 28}}, {120, 240, 150});
  return c;
}

Canvas drawWheel() {
  Canvas c(60, 60);
  const Rgb wood{170, 110, 50}, dark{100, 60, 25};
  c.disc(30, 30, 28, dark);
  c.disc(30, 30, 26, wood);
  c.disc(30, 30, 21, kBlack);
  for (int k = 0; k < 8; ++k) {
    const double a = k * std::numbers::pi / 4;
    c.line({30, 30}, {30 + 22 * std::cos(a), 30 + 22 * std::sin(a)}, 3.5, wood);
  }
  c.disc(30, 30, 6, {200, 200, 205});
  c.disc(30, 30, 2.5, {80, 80, 85});
  for (int k = 0; k < 16; ++k) {
    const double a = k * std::numbers::pi / 8;
    c.disc(30 + 26.5 * std::cos(a), 30 + 26.5 * std::sin(a), 1.3, {200, 200, 205});  // rivets on the rim
  }
  return c;
}

Canvas drawDispenser() {
  // A hopper on a grey block that lets a rock drop out below.
  Canvas c(32, 32);
  c.polygon({{2, 2}, {30, 2}, {21, 13}, {11, 13}}, {245, 200, 0});
  c.polygon({{5, 3}, {27, 3}, {25, 5}, {7, 5}}, {70, 70, 70});
  c.rect(6, 13, 26, 22, {105, 108, 118});
  c.frame(6, 13, 26, 22, {55, 58, 66});
  c.rect(12, 22, 20, 24, {55, 58, 66});
  c.ball(16, 28, 4, 4, {150, 144, 136});
  return c;
}

Canvas drawSwamp() {
  Canvas c(32, 32, {55, 85, 35});
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (speckle(x / 3, y / 3, 5) < 30) c.set(x, y, {80, 115, 45});
  for (const Pt p : {Pt{8, 9}, Pt{22, 6}, Pt{25, 21}, Pt{10, 25}, Pt{16, 16}})
    c.ring(p.x, p.y, 3, 1, {170, 195, 100});
  return c;
}

Canvas drawDrop() {
  Canvas c(32, 32);
  const Rgb slime{120, 200, 50};
  c.polygon({{16, 2}, {24, 17}, {8, 17}}, slime);
  c.ball(16, 20, 8.5, 9, slime);
  c.line({12, 16}, {13, 22}, 1.5, {220, 250, 180});
  return c;
}

Canvas drawAcid() {
  // A stone basin full of glowing acid.
  Canvas c(32, 32);
  const Rgb stone{130, 130, 138};
  c.rect(0, 6, 32, 32, stone);
  c.rect(3, 9, 29, 29, {150, 235, 20});
  for (int x = 3; x < 29; ++x) c.set(x, 9 + (x / 3) % 2, {200, 255, 90});  // ripples
  for (const Pt p : {Pt{9, 18}, Pt{20, 14}, Pt{23, 23}, Pt{13, 25}}) c.ring(p.x, p.y, 2.5, 1, {220, 255, 140});
  c.frame(0, 6, 32, 32, shade(stone, 6));
  return c;
}

Canvas drawRobot() {
  Canvas c(32, 32);
  const Rgb metal{165, 170, 180};
  c.line({16, 7}, {16, 2}, 1.5, {90, 90, 100});
  c.disc(16, 2, 2, {255, 60, 60});
  c.rect(5, 7, 27, 27, metal);
  c.frame(5, 7, 27, 27, {70, 72, 80});
  c.rect(2, 13, 5, 21, {110, 112, 120});
  c.rect(27, 13, 30, 21, {110, 112, 120});
  c.rect(9, 11, 14, 16, {255, 40, 40});
  c.rect(18, 11, 23, 16, {255, 40, 40});
  for (int x = 9; x < 23; x += 3) c.rect(x, 20, x + 2, 24, {60, 62, 70});  // grille
  c.rect(8, 27, 13, 31, {90, 90, 100});
  c.rect(19, 27, 24, 31, {90, 90, 100});
  return c;
}
