#include "undo/action_history.h"

#include <algorithm>

CActionHistory::CActionHistory(int maxActions) {
  SetMaxActions(maxActions);
  MarkSaved();
}

CActionHistory::~CActionHistory() { DeleteAll(); }

CActionObject* CActionHistory::Undo() {
  if (m_undoList.empty()) return nullptr;
  m_redoList.push_back(std::move(m_undoList.back()));
  m_undoList.pop_back();
  UpdateClean();
  return m_redoList.back().get();
}

CActionObject* CActionHistory::Redo() {
  if (m_redoList.empty()) return nullptr;
  std::unique_ptr<CActionObject> action = std::move(m_redoList.back());
  m_redoList.pop_back();
  CActionObject* moved = action.get();
  AddAction(std::move(action), false);
  UpdateClean();
  return moved;
}

void CActionHistory::AddAction(std::unique_ptr<CActionObject> action, bool bClearRedo) {
  if (!action) return;
  if (m_nMaxActions == 0) {
    // Nothing can be kept, so the change is lost to undo and so is the way back to the save.
    LoseSavePoint();
    return;
  }
  while (static_cast<int>(m_undoList.size()) >= m_nMaxActions) DropOldest(m_undoList);
  m_undoList.push_back(std::move(action));
  if (bClearRedo) DeleteActions(m_redoList);
  m_bClean = false;
}

void CActionHistory::MarkSaved() {
  if (!m_undoList.empty()) {
    m_pSavedAction = m_undoList.back().get();
    m_bSavedWhenEmpty = false;
  } else {
    m_pSavedAction = nullptr;
    m_bSavedWhenEmpty = true;
  }
  m_bClean = true;
}

void CActionHistory::UpdateClean() {
  m_bClean = m_undoList.empty() ? m_bSavedWhenEmpty : m_undoList.back().get() == m_pSavedAction;
}

void CActionHistory::LoseSavePoint() {
  m_bSavedWhenEmpty = false;
  m_bClean = false;
  m_pSavedAction = nullptr;
}

void CActionHistory::SetMaxActions(int n) {
  m_nMaxActions = std::max(n, 0);
  while (static_cast<int>(m_undoList.size() + m_redoList.size()) > m_nMaxActions)
    DropOldest(m_undoList.empty() ? m_redoList : m_undoList);
}

void CActionHistory::DeleteActions(ActionList& list) {
  while (!list.empty()) DropOldest(list);
}

void CActionHistory::DeleteAll() {
  DeleteActions(m_undoList);
  DeleteActions(m_redoList);
}

void CActionHistory::DropOldest(ActionList& list) {
  std::unique_ptr<CActionObject> oldest = std::move(list.front());
  list.pop_front();
  // Without its oldest action the undo stack can no longer be emptied back to a save made
  // with it empty; and a destroyed action must never stay named as the saved one, or a new
  // action at the same address would pass for it.
  bool emptySaveLost = &list == &m_undoList && m_pSavedAction == nullptr && m_bSavedWhenEmpty;
  if (oldest.get() == m_pSavedAction || emptySaveLost) LoseSavePoint();
}
