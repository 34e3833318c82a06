#include "level/property.h"

#include <array>

namespace {

using enum Property;

constexpr std::array<PropertyInfo, kPropertyCount> kProperties = {{
    {Name, "Level name", 'n', "name"},
    {Width, "Width", 'm', "width"},
    {Height, "Height", 'm', "height"},
    {TotalTurns, "Total turns", 'T', "totalTurns"},
    {Artwork, "Artwork", 'A', "artwork"},
    {Sounds, "Sounds", 'S', "sounds"},
    {Music, "Music", 'M', "music"},
    {Emeralds, "Emeralds to collect ", 'e', "emeralds"},
    {Swamp, "Swamp spreading", 's', "swamp"},
    {Pushing, "Pushing probability", 'p', "pushing"},
    {Designer, "Designer", 'a', "designer"},
    {FirstToFinish, "First to finish", 'f', "firstToFinish"},
    {NextLevel, "Next level", 'N', "nextLevel"},
    {Info, "Level information:", 'i', "info"},
    {Difficulty, "Difficulty", 'D', "difficulty"},
    {MusicPrefix, nullptr, 'M', "musicPrefix"},
    {YamYamSoundOff, "Turn off yam-yam sound", 'Y', "yamYamSoundOff"},
    {Dispenser, "Dispenser", 'd', "dispenser"},
    {MaxDestroy, "Maximum to destroy", 'E', "maxDestroy"},
    {WheelTime, "Wheel time", 'w', "wheelTime"},
    {RobotSpeed, "Robot speed", 'o', "robotSpeed"},
    {LaserSoundOff, "Turn off laser sound", 'L', "laserSoundOff"},
}};

}  // namespace

bool isNumberProperty(Property property) {
  return property == Width || property == Height || property == YamYamSoundOff || property == LaserSoundOff;
}

std::span<const PropertyInfo> propertyTable() { return kProperties; }

const PropertyInfo& propertyInfo(Property property) { return kProperties[static_cast<int>(property)]; }
