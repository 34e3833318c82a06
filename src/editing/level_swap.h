#pragma once

#include <string>
#include <utility>

#include "editing/undo_step.h"
#include "level/level.h"

// A whole level put in the place of another (the file reloaded after another program changed
// it): undo brings back the level as it was, unsaved changes and all.
class LevelSwap : public UndoStep {
 public:
  LevelSwap(std::string name, Level before, Level after)
      : UndoStep(std::move(name)), m_before(std::move(before)), m_after(std::move(after)) {}

  void undo(Level& level) const override { level = m_before; }
  void redo(Level& level) const override { level = m_after; }
  LevelChange change() const override { return {}; }

 private:
  Level m_before;
  Level m_after;
};
