#include "level/warning_text.h"

#include "level/level_checks.h"
#include "level/message.h"

std::string warningLine(const LevelWarning& warning) {
  if (warning.cell)
    return fillIn(kCellWarningLine, {std::to_string(warning.cell->x), std::to_string(warning.cell->y), warning.text});
  if (warning.property) return fillIn(kPropertyWarningLine, {propertyName(*warning.property), warning.text});
  return warning.text;
}
