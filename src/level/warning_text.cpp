#include "level/warning_text.h"

#include "level/level_checks.h"
#include "level/text_util.h"

std::string warningLine(const LevelWarning& warning) {
  if (warning.cell)
    return "cell " + std::to_string(warning.cell->x) + ", " + std::to_string(warning.cell->y) + ": " + warning.text;
  if (warning.property) {
    const PropertyInfo& info = propertyInfo(*warning.property);
    // Labels end in a blank or a colon on the form; neither belongs in a sentence.
    std::string label = info.label ? info.label : info.jsonName;
    while (!label.empty() && (IsBlank(label.back()) || label.back() == ':')) label.pop_back();
    return "property " + label + ": " + warning.text;
  }
  return warning.text;
}
