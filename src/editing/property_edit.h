#pragma once

#include "editing/undo_step.h"
#include "level/property.h"

// One property changed; numbers are kept as their decimal text.
class PropertyEdit : public UndoStep {
 public:
  PropertyEdit(Property property, std::string before, std::string after);

  void undo(Level& level) const override { apply(level, m_before); }
  void redo(Level& level) const override { apply(level, m_after); }
  LevelChange change() const override { return LevelChange::ofProperty(m_property); }

 private:
  void apply(Level& level, const std::string& value) const;

  Property m_property;
  std::string m_before;
  std::string m_after;
};
