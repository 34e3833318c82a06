#pragma once

#include "editing/edit_command.h"
#include "level/level.h"

// The yam-yam remainder patterns before and after one change.
class RemainderEdit : public EditCommand {
 public:
  RemainderEdit(std::string name, const Level::Remainders& before, const Level::Remainders& after)
      : EditCommand(std::move(name)), m_before(before), m_after(after) {}

  void undo(Level& level) const override { level.setRemainders(m_before); }
  void redo(Level& level) const override { level.setRemainders(m_after); }
  LevelChange change() const override { return LevelChange::ofRemainders(); }

 private:
  Level::Remainders m_before;
  Level::Remainders m_after;
};
