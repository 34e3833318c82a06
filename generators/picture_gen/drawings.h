#pragma once

#include "canvas.h"

// The program's own picture of each element; every element has one.
Canvas DrawElement(int element);

// The drawings, by the kind of thing they show.
Canvas DrawEarth();
Canvas DrawSand(bool full);
Canvas DrawBrickWall();
Canvas DrawGlassWall();
Canvas DrawStoneWall();
Canvas DrawRoundedWall();
Canvas DrawEmbeddedEmerald();

Canvas DrawEmerald();
Canvas DrawCeruline();
Canvas DrawRuby();
Canvas DrawRock();
Canvas DrawBag();
Canvas DrawBomb();
Canvas DrawTimeBomb();
Canvas DrawTimeBombBox();
Canvas DrawSafe();
Canvas DrawCushion();
Canvas DrawKey(Rgb colour);
Canvas DrawDoor(Rgb colour);

Canvas DrawExit();       // 60 x 60
Canvas DrawConverter();  // 60 x 60
Canvas DrawWheel();      // 60 x 60
Canvas DrawDispenser();
Canvas DrawSwamp();
Canvas DrawDrop();
Canvas DrawAcid();
Canvas DrawRobot();

// Moving things are drawn heading right; the others are turned from it.
Canvas DrawLorryRight();
Canvas DrawBugRight();
Canvas DrawYamYamRight();
Canvas DrawPlayer(int number);

// The door and key colours.
constexpr Rgb kBlue{40, 90, 235}, kRed{225, 35, 35}, kGreen{30, 185, 60}, kYellow{245, 215, 30};
constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
