#pragma once

#include "canvas.h"

// The program's own picture of each element; every element has one.
Canvas drawElement(int element);

// The drawings, by the kind of thing they show.
Canvas drawEarth();
Canvas drawSand(bool full);
Canvas drawBrickWall();
Canvas drawGlassWall();
Canvas drawStoneWall();
Canvas drawRoundedWall();
Canvas drawEmbeddedEmerald();

Canvas drawEmerald();
Canvas drawCeruline();
Canvas drawRuby();
Canvas drawRock();
Canvas drawBag();
Canvas drawBomb();
Canvas drawTimeBomb();
Canvas drawTimeBombBox();
Canvas drawSafe();
Canvas drawCushion();
Canvas drawKey(Rgb colour);
Canvas drawDoor(Rgb colour);

Canvas drawExit();       // 60 x 60
Canvas drawConverter();  // 60 x 60
Canvas drawWheel();      // 60 x 60
Canvas drawDispenser();
Canvas drawSwamp();
Canvas drawDrop();
Canvas drawAcid();
Canvas drawRobot();

// Moving things are drawn heading right; the others are turned from it.
Canvas drawLorryRight();
Canvas drawBugRight();
Canvas drawYamYamRight();
Canvas drawPlayer(int number);

// The door and key colours.
constexpr Rgb kBlue{40, 90, 235}, kRed{225, 35, 35}, kGreen{30, 185, 60}, kYellow{245, 215, 30};
constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
