#include "editing/undo_history.h"

void UndoHistory::push(std::unique_ptr<UndoStep> step) {
  if (!step) return;
  if (m_saved && *m_saved > m_done) m_saved.reset();  // the saved state was among the redo steps
  m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
  m_steps.push_back(std::move(step));
  ++m_done;
  while (m_steps.size() > static_cast<size_t>(m_limit)) dropOldest();
}

const UndoStep* UndoHistory::undo() {
  if (!canUndo()) return nullptr;
  return m_steps[--m_done].get();
}

const UndoStep* UndoHistory::redo() {
  if (!canRedo()) return nullptr;
  return m_steps[m_done++].get();
}

void UndoHistory::setLimit(int limit) {
  m_limit = limit < 1 ? 1 : limit;
  while (m_steps.size() > static_cast<size_t>(m_limit)) {
    if (m_done > 0) {
      dropOldest();
    } else {
      m_steps.pop_back();
      if (m_saved && *m_saved > m_steps.size()) m_saved.reset();
    }
  }
}

void UndoHistory::clear(bool saved) {
  m_steps.clear();
  m_done = 0;
  m_saved = saved ? std::optional<size_t>(0) : std::nullopt;
}

void UndoHistory::dropOldest() {
  m_steps.pop_front();
  --m_done;
  // The state before the dropped step can no longer be reached.
  if (m_saved) {
    if (*m_saved == 0)
      m_saved.reset();
    else
      --*m_saved;
  }
}
