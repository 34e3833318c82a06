#include "drawings.h"

#include "level/elements.h"

Canvas DrawElement(int element) {
  switch (element) {
    case EL_EARTH: return DrawEarth();
    case EL_SAND: return DrawSand(false);
    case EL_FULL_SAND: return DrawSand(true);
    case EL_WALL: return DrawBrickWall();
    case EL_GLASSWALL: return DrawGlassWall();
    case EL_INVERTED_WALL: return DrawBrickWall().Inverted();
    case EL_STONEWALL: return DrawStoneWall();
    case EL_ROUNDED_WALL: return DrawRoundedWall();
    case EL_EMBEDDED_EMERALD: return DrawEmbeddedEmerald();
    case EL_EMERALD: return DrawEmerald();
    case EL_CERULINE: return DrawCeruline();
    case EL_RUBY: return DrawRuby();
    case EL_ROCK: return DrawRock();
    case EL_BAG: return DrawBag();
    case EL_BOMB: return DrawBomb();
    case EL_EXIT: return DrawExit();
    case EL_SWAMP: return DrawSwamp();
    case EL_DROP: return DrawDrop();
    case EL_TIMEBOMB: return DrawTimeBomb();
    case EL_TICKING_TIMEBOMB: return DrawTimeBomb().Inverted();
    case EL_TIMEBOMB_BOX: return DrawTimeBombBox();
    case EL_CONVERTER: return DrawConverter();
    case EL_SAFE: return DrawSafe();
    case EL_CUSHION: return DrawCushion();
    case EL_DISPENSER: return DrawDispenser();
    case EL_ACID: return DrawAcid();
    case EL_BLUE_KEY: return DrawKey(kBlue);
    case EL_RED_KEY: return DrawKey(kRed);
    case EL_GREEN_KEY: return DrawKey(kGreen);
    case EL_YELLOW_KEY: return DrawKey(kYellow);
    case EL_BLUE_DOOR: return DrawDoor(kBlue);
    case EL_RED_DOOR: return DrawDoor(kRed);
    case EL_GREEN_DOOR: return DrawDoor(kGreen);
    case EL_YELLOW_DOOR: return DrawDoor(kYellow);
    case EL_LORRY_UP: return DrawLorryRight().RotatedLeft();
    case EL_LORRY_DOWN: return DrawLorryRight().RotatedLeft().FlippedY();
    case EL_LORRY_LEFT: return DrawLorryRight().MirroredX();
    case EL_LORRY_RIGHT: return DrawLorryRight();
    case EL_BUG_UP: return DrawBugRight().RotatedLeft();
    case EL_BUG_DOWN: return DrawBugRight().RotatedLeft().FlippedY();
    case EL_BUG_LEFT: return DrawBugRight().MirroredX();
    case EL_BUG_RIGHT: return DrawBugRight();
    case EL_YAMYAM_UP: return DrawYamYamRight().RotatedLeft();
    case EL_YAMYAM_DOWN: return DrawYamYamRight().RotatedLeft().FlippedY();
    case EL_YAMYAM_LEFT: return DrawYamYamRight().MirroredX();
    case EL_YAMYAM_RIGHT: return DrawYamYamRight();
    case EL_ROBOT: return DrawRobot();
    case EL_WHEEL: return DrawWheel();
    case EL_PLAYER1: return DrawPlayer(1);
    default: return DrawPlayer(2);
  }
}
