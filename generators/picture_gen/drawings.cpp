#include "drawings.h"

#include "level/elements.h"

Canvas drawElement(int element) {
  switch (element) {
    case EL_EARTH: return drawEarth();
    case EL_SAND: return drawSand(false);
    case EL_FULL_SAND: return drawSand(true);
    case EL_WALL: return drawBrickWall();
    case EL_GLASSWALL: return drawGlassWall();
    case EL_INVERTED_WALL: return drawBrickWall().inverted();
    case EL_STONEWALL: return drawStoneWall();
    case EL_ROUNDED_WALL: return drawRoundedWall();
    case EL_EMBEDDED_EMERALD: return drawEmbeddedEmerald();
    case EL_EMERALD: return drawEmerald();
    case EL_CERULINE: return drawCeruline();
    case EL_RUBY: return drawRuby();
    case EL_ROCK: return drawRock();
    case EL_BAG: return drawBag();
    case EL_BOMB: return drawBomb();
    case EL_EXIT: return drawExit();
    case EL_SWAMP: return drawSwamp();
    case EL_DROP: return drawDrop();
    case EL_TIMEBOMB: return drawTimeBomb();
    case EL_TICKING_TIMEBOMB: return drawTimeBomb().inverted();
    case EL_TIMEBOMB_BOX: return drawTimeBombBox();
    case EL_CONVERTER: return drawConverter();
    case EL_SAFE: return drawSafe();
    case EL_CUSHION: return drawCushion();
    case EL_DISPENSER: return drawDispenser();
    case EL_ACID: return drawAcid();
    case EL_BLUE_KEY: return drawKey(kBlue);
    case EL_RED_KEY: return drawKey(kRed);
    case EL_GREEN_KEY: return drawKey(kGreen);
    case EL_YELLOW_KEY: return drawKey(kYellow);
    case EL_BLUE_DOOR: return drawDoor(kBlue);
    case EL_RED_DOOR: return drawDoor(kRed);
    case EL_GREEN_DOOR: return drawDoor(kGreen);
    case EL_YELLOW_DOOR: return drawDoor(kYellow);
    case EL_LORRY_UP: return drawLorryRight().rotatedLeft();
    case EL_LORRY_DOWN: return drawLorryRight().rotatedLeft().flippedY();
    case EL_LORRY_LEFT: return drawLorryRight().mirroredX();
    case EL_LORRY_RIGHT: return drawLorryRight();
    case EL_BUG_UP: return drawBugRight().rotatedLeft();
    case EL_BUG_DOWN: return drawBugRight().rotatedLeft().flippedY();
    case EL_BUG_LEFT: return drawBugRight().mirroredX();
    case EL_BUG_RIGHT: return drawBugRight();
    case EL_YAMYAM_UP: return drawYamYamRight().rotatedLeft();
    case EL_YAMYAM_DOWN: return drawYamYamRight().rotatedLeft().flippedY();
    case EL_YAMYAM_LEFT: return drawYamYamRight().mirroredX();
    case EL_YAMYAM_RIGHT: return drawYamYamRight();
    case EL_ROBOT: return drawRobot();
    case EL_WHEEL: return drawWheel();
    case EL_PLAYER1: return drawPlayer(1);
    default: return drawPlayer(2);
  }
}
