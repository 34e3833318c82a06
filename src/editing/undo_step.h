#pragma once

#include <string>

#include "editing/level_change.h"

class Level;

// One undoable step: it knows the values before and after, never pointers into the level, so it
// stays valid whatever happens to the level later.
class UndoStep {
 public:
  explicit UndoStep(std::string name) : m_name(std::move(name)) {}
  virtual ~UndoStep() = default;
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

  // What the Edit menu calls the step: "Rectangle", "Paste", "Width".
  const std::string& name() const { return m_name; }
  virtual void undo(Level& level) const = 0;
  virtual void redo(Level& level) const = 0;
  // What undo and redo touch.
  virtual LevelChange change() const = 0;

 private:
  std::string m_name;
};
