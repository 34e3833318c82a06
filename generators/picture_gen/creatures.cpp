// Lorries, bugs and yam-yam beasts seen from above, heading right, and the two players.
#include "drawings.h"

Canvas drawLorryRight() {
  Canvas c(32, 32);
  const Rgb tyre{30, 30, 30};
  for (const int x : {5, 20}) {
    c.rect(x, 3, x + 7, 7, tyre);
    c.rect(x, 25, x + 7, 29, tyre);
  }
  c.rect(2, 6, 21, 26, {120, 95, 70});  // load bed with rocks
  c.frame(2, 6, 21, 26, {70, 55, 40});
  for (const Pt p : {Pt{7, 11}, Pt{14, 12}, Pt{9, 19}, Pt{16, 20}}) c.ball(p.x, p.y, 3.2, 3, {150, 144, 136});
  c.rect(22, 7, 30, 25, {235, 140, 25});  // cab in front
  c.rect(26, 9, 29, 23, {150, 215, 245});  // windscreen
  c.rect(30, 7, 32, 11, {255, 250, 150});  // headlights
  c.rect(30, 21, 32, 25, {255, 250, 150});
  return c;
}

Canvas drawBugRight() {
  Canvas c(32, 32);
  const Rgb leg{40, 20, 60};
  for (const int x : {9, 14, 19}) {
    c.line({double(x), 16}, {x - 3.0, 4}, 1.3, leg);
    c.line({double(x), 16}, {x - 3.0, 28}, 1.3, leg);
  }
  c.ball(12, 16, 10, 8, {120, 60, 200});
  for (const int x : {7, 11, 15}) c.rect(x, 10, x + 1, 23, {70, 30, 130});  // stripes on the back
  c.ball(24, 16, 5, 5, {70, 40, 120});
  c.line({27, 13}, {31, 6}, 1.2, leg);  // feelers point the way
  c.line({27, 19}, {31, 26}, 1.2, leg);
  c.disc(26, 13.5, 1.5, {255, 60, 60});
  c.disc(26, 18.5, 1.5, {255, 60, 60});
  return c;
}

Canvas drawYamYamRight() {
  // A round beast with wide open jaws towards its heading.
  Canvas c(32, 32);
  const Rgb hide{210, 60, 150};
  c.ball(15, 16, 14, 14, hide);
  c.polygon({{14, 16}, {32, 3}, {32, 29}}, kBlack);
  c.polygon({{14, 16}, {32, 6}, {32, 26}}, {120, 0, 30});
  for (int k = 0; k < 3; ++k) {  // teeth on both jaws
    const double x = 20 + k * 4;
    c.polygon({{x, 12.5 - k * 2.8}, {x + 3, 11 - k * 2.8}, {x + 2.5, 15 - k * 2.8}}, kWhite);
    c.polygon({{x, 19.5 + k * 2.8}, {x + 3, 21 + k * 2.8}, {x + 2.5, 17 + k * 2.8}}, kWhite);
  }
  c.disc(13, 8, 3, {255, 235, 0});
  c.disc(14, 8, 1.3, kBlack);
  c.disc(13, 24, 3, {255, 235, 0});
  c.disc(14, 24, 1.3, kBlack);
  return c;
}

Canvas drawPlayer(int number) {
  // A miner with a lamp helmet; player 1 in blue with a yellow helmet, player 2 in red with a
  // white one, and the number on the chest.
  const bool first = number == 1;
  const Rgb shirt = first ? Rgb{40, 90, 230} : Rgb{215, 35, 35};
  const Rgb trousers = first ? Rgb{30, 40, 100} : Rgb{30, 110, 40};
  const Rgb helmet = first ? Rgb{250, 210, 30} : Rgb{245, 245, 245};
  Canvas c(32, 32);
  c.disc(16, 9, 5.5, {240, 190, 150});
  c.ellipse(16, 5.5, 7, 4, helmet);
  c.rect(9, 5, 23, 7, helmet);
  c.disc(16, 3.5, 1.8, {255, 255, 170});
  c.rect(13, 9, 15, 11, kBlack);  // eyes
  c.rect(18, 9, 20, 11, kBlack);
  c.rect(9, 15, 23, 24, shirt);
  c.rect(5, 15, 9, 22, shirt);
  c.rect(23, 15, 27, 22, shirt);
  c.rect(5, 22, 9, 24, {240, 190, 150});
  c.rect(23, 22, 27, 24, {240, 190, 150});
  c.rect(10, 24, 15, 30, trousers);
  c.rect(17, 24, 22, 30, trousers);
  c.rect(9, 30, 15, 32, {60, 40, 20});
  c.rect(17, 30, 23, 32, {60, 40, 20});
  c.text(15, 17, first ? "1" : "2", kWhite);
  return c;
}
