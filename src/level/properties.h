#pragma once

#include <span>
#include <string>

#include "level/brannoc_doc.h"

// Property ids of the level, as the editing operations and their undo records know them.
enum PropertyId : int {
  PROP_NAME = 0, PROP_WIDTH = 1, PROP_HEIGHT = 2, PROP_TOTAL_TURNS = 3, PROP_ARTWORK = 4,
  PROP_SOUNDS = 5, PROP_MUSIC = 6, PROP_EMERALDS = 7, PROP_SWAMP = 8, PROP_PUSHING = 9,
  PROP_DESIGNER = 10, PROP_FIRST_TO_FINISH = 11, PROP_NEXT_LEVEL = 12, PROP_INFO = 13,
  PROP_DIFFICULTY = 14, PROP_MUSIC_PREFIX = 15, PROP_YAMYAM_SOUND_OFF = 16, PROP_DISPENSER = 17,
  PROP_MAX_DESTROY = 18, PROP_WHEEL_TIME = 19, PROP_ROBOT_SPEED = 20, PROP_LASER_SOUND_OFF = 21
};
constexpr int PROPERTY_COUNT = 22;

// The text field of a string property, or nullptr for an integer property or a bad id.
std::string* StringField(CBrannocDoc& doc, int id);
const std::string* StringField(const CBrannocDoc& doc, int id);

// The value of an integer property (width, height, the two sound switches); 0 for a bad id.
int IntValue(const CBrannocDoc& doc, int id);
