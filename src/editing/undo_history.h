#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>

#include "editing/undo_step.h"

// The steps of one level, bounded in number, and which state was last saved, so that undo and
// redo can tell when the level is back at its saved state. A step pushed off the oldest end,
// or a new step after undoing past the saved state, loses that state for good (until the next
// save).
class UndoHistory {
 public:
  static constexpr int kDefaultLimit = 1000;

  explicit UndoHistory(int limit = kDefaultLimit) : m_limit(limit < 1 ? 1 : limit) {}

  // Takes a step that has already been done; the steps that could be redone go.
  void push(std::unique_ptr<UndoStep> step);
  // Move one step back or forward and return it for the caller to apply; nullptr when there
  // is none.
  const UndoStep* undo();
  const UndoStep* redo();

  bool canUndo() const { return m_done > 0; }
  bool canRedo() const { return m_done < m_steps.size(); }
  const UndoStep* nextUndo() const { return canUndo() ? m_steps[m_done - 1].get() : nullptr; }
  const UndoStep* nextRedo() const { return canRedo() ? m_steps[m_done].get() : nullptr; }
  int undoCount() const { return static_cast<int>(m_done); }
  int redoCount() const { return static_cast<int>(m_steps.size() - m_done); }

  void markSaved() { m_saved = m_done; }
  // True exactly at the saved state.
  bool isClean() const { return m_saved == m_done; }

  int limit() const { return m_limit; }
  void setLimit(int limit);
  // Forgets every step; the present state counts as saved when `saved`.
  void clear(bool saved);

 private:
  void dropOldest();

  std::deque<std::unique_ptr<UndoStep>> m_steps;  // oldest first
  size_t m_done = 0;                                 // steps in effect, from the front
  std::optional<size_t> m_saved = 0;                 // m_done at the last save; none once lost
  int m_limit;
};
