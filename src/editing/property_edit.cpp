#include "editing/property_edit.h"

#include <string>

#include "level/level.h"

// The step is named as a sentence names the property: "Undo Level information".
PropertyEdit::PropertyEdit(Property property, std::string before, std::string after)
    : UndoStep(propertyName(property)), m_property(property), m_before(std::move(before)), m_after(std::move(after)) {}

void PropertyEdit::apply(Level& level, const std::string& value) const {
  if (isNumberProperty(m_property))
    level.setNumber(m_property, std::stoi(value));
  else
    level.setText(m_property, value);
}
