#pragma once

#include "editing/undo_step.h"
#include "level/level.h"

// The yam-yam remainder patterns before and after one change.
class RemainderEdit : public UndoStep {
 public:
  RemainderEdit(std::string name, const Level::Remainders& before, const Level::Remainders& after)
      : UndoStep(std::move(name)), m_before(before), m_after(after) {}

  void undo(Level& level) const override { level.setRemainders(m_before); }
  void redo(Level& level) const override { level.setRemainders(m_after); }
  LevelChange change() const override { return LevelChange::ofRemainders(); }

 private:
  Level::Remainders m_before;
  Level::Remainders m_after;
};
