#pragma once

#include <span>
#include <string>

// The properties of a level, in the order tools and undo records know them by.
enum class Property : int {
  Name, Width, Height, TotalTurns, Artwork, Sounds, Music, Emeralds, Swamp, Pushing, Designer,
  FirstToFinish, NextLevel, Info, Difficulty, MusicPrefix, YamYamSoundOff, Dispenser, MaxDestroy,
  WheelTime, RobotSpeed, LaserSoundOff
};
constexpr int kPropertyCount = 22;

// Width, height and the two sound switches are numbers; every other property is text, held
// exactly as the file or the user gave it.
bool isNumberProperty(Property property);

struct PropertyInfo {
  Property property;
  const char* label;     // the property form's label; nullptr where no field edits it
  char fileKey;          // 'm' for width and height
  const char* jsonName;  // the name tools print it under
};

// Every property, in order.
std::span<const PropertyInfo> propertyTable();
const PropertyInfo& propertyInfo(Property property);

// The property as a sentence or an undo step names it: its label without the form's trailing
// blank or colon ("Level information"), or the tools' name where no field edits it.
std::string propertyName(Property property);
