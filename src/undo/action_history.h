#pragma once

#include <deque>
#include <memory>

#include "undo/action_object.h"

// The undo and redo stacks of one document, bounded in depth, and the record of which state
// was last saved, so that undo and redo can tell when the level is back at its saved state.
class CActionHistory {
 public:
  using ActionList = std::deque<std::unique_ptr<CActionObject>>;  // oldest at the front

  explicit CActionHistory(int maxActions);
  virtual ~CActionHistory();
  CActionHistory(const CActionHistory&) = delete;
  CActionHistory& operator=(const CActionHistory&) = delete;

  bool CanUndo() const { return !m_undoList.empty(); }
  bool CanRedo() const { return !m_redoList.empty(); }

  // Both move one action between the stacks and return it (the history keeps owning it);
  // nullptr when there is nothing to move.
  CActionObject* Undo();
  CActionObject* Redo();

  // Takes the action on top of the undo stack. Recorded edits pass bClearRedo = true.
  void AddAction(std::unique_ptr<CActionObject> action, bool bClearRedo);

  void MarkSaved();
  bool IsClean() const { return m_bClean; }
  void UpdateClean();
  // From now until the next save no undo or redo leads back to the saved state.
  void LoseSavePoint();

  void SetMaxActions(int n);
  int GetMaxActions() const { return m_nMaxActions; }
  int UndoCount() const { return static_cast<int>(m_undoList.size()); }
  int RedoCount() const { return static_cast<int>(m_redoList.size()); }

  void DeleteActions(ActionList& list);
  void DeleteAll();

 private:
  // Removes and destroys the oldest action of the list, giving up the saved state if it
  // depended on that action.
  void DropOldest(ActionList& list);

  ActionList m_undoList;
  ActionList m_redoList;
  const CActionObject* m_pSavedAction = nullptr;  // identity only, never dereferenced
  bool m_bClean = true;
  bool m_bSavedWhenEmpty = true;
  int m_nMaxActions = 0;
};
