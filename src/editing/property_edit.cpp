#include "editing/property_edit.h"

#include <string>

#include "level/level.h"

namespace {

// The step's name is the field's label without its trimmings ("Level information:").
std::string StepName(Property property) {
  const char* label = propertyInfo(property).label;
  std::string name = label ? label : propertyInfo(property).jsonName;
  while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
  return name;
}

}  // namespace

PropertyEdit::PropertyEdit(Property property, std::string before, std::string after)
    : EditCommand(StepName(property)), m_property(property), m_before(std::move(before)), m_after(std::move(after)) {}

void PropertyEdit::apply(Level& level, const std::string& value) const {
  if (isNumberProperty(m_property))
    level.setNumber(m_property, std::stoi(value));
  else
    level.setText(m_property, value);
}
