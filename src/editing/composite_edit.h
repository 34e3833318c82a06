#pragma once

#include <memory>
#include <vector>

#include "editing/undo_step.h"

// Several kinds of change made by one gesture, taken back together.
class CompositeEdit : public UndoStep {
 public:
  explicit CompositeEdit(std::vector<std::unique_ptr<UndoStep>> parts)
      : UndoStep(parts.empty() ? std::string() : parts.front()->name()), m_parts(std::move(parts)) {}

  void undo(Level& level) const override {
    for (auto it = m_parts.rbegin(); it != m_parts.rend(); ++it) (*it)->undo(level);
  }
  void redo(Level& level) const override {
    for (const auto& part : m_parts) part->redo(level);
  }
  LevelChange change() const override { return {}; }  // everything

 private:
  std::vector<std::unique_ptr<UndoStep>> m_parts;
};
