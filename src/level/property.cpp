#include "level/property.h"

#include <array>

#include "level/text_util.h"
#include "level/translatable.h"

namespace {

using enum Property;

constexpr std::array<PropertyInfo, kPropertyCount> kProperties = {{
    {Name, TRANSLATABLE("Property", "Level name"), 'n', "name"},
    {Width, TRANSLATABLE("Property", "Width"), 'm', "width"},
    {Height, TRANSLATABLE("Property", "Height"), 'm', "height"},
    {TotalTurns, TRANSLATABLE("Property", "Total turns"), 'T', "totalTurns"},
    {Artwork, TRANSLATABLE("Property", "Artwork"), 'A', "artwork"},
    {Sounds, TRANSLATABLE("Property", "Sounds"), 'S', "sounds"},
    {Music, TRANSLATABLE("Property", "Music"), 'M', "music"},
    {Emeralds, TRANSLATABLE("Property", "Emeralds to collect "), 'e', "emeralds"},
    {Swamp, TRANSLATABLE("Property", "Swamp spreading"), 's', "swamp"},
    {Pushing, TRANSLATABLE("Property", "Pushing probability"), 'p', "pushing"},
    {Designer, TRANSLATABLE("Property", "Designer"), 'a', "designer"},
    {FirstToFinish, TRANSLATABLE("Property", "First to finish"), 'f', "firstToFinish"},
    {NextLevel, TRANSLATABLE("Property", "Next level"), 'N', "nextLevel"},
    {Info, TRANSLATABLE("Property", "Level information:"), 'i', "info"},
    {Difficulty, TRANSLATABLE("Property", "Difficulty"), 'D', "difficulty"},
    {MusicPrefix, nullptr, 'M', "musicPrefix"},
    {YamYamSoundOff, TRANSLATABLE("Property", "Turn off yam-yam sound"), 'Y', "yamYamSoundOff"},
    {Dispenser, TRANSLATABLE("Property", "Dispenser"), 'd', "dispenser"},
    {MaxDestroy, TRANSLATABLE("Property", "Maximum to destroy"), 'E', "maxDestroy"},
    {WheelTime, TRANSLATABLE("Property", "Wheel time"), 'w', "wheelTime"},
    {RobotSpeed, TRANSLATABLE("Property", "Robot speed"), 'o', "robotSpeed"},
    {LaserSoundOff, TRANSLATABLE("Property", "Turn off laser sound"), 'L', "laserSoundOff"},
}};

}  // namespace

bool isNumberProperty(Property property) {
  return property == Width || property == Height || property == YamYamSoundOff || property == LaserSoundOff;
}

std::span<const PropertyInfo> propertyTable() { return kProperties; }

const PropertyInfo& propertyInfo(Property property) { return kProperties[static_cast<int>(property)]; }

std::string propertyName(Property property) {
  const PropertyInfo& info = propertyInfo(property);
  std::string name = info.label ? info.label : info.jsonName;
  while (!name.empty() && (isBlank(name.back()) || name.back() == ':')) name.pop_back();
  return name;
}
