#include "level/brannoc_doc.h"
#include "undo/action_object.h"

void CBrannocDoc::FinishChange(std::unique_ptr<CActionObject> action) {
  if (action) {
    AddAction(std::move(action), true);
    SetModifiedFlag(true);
  } else {
    // Undo and redo land here: the level is unmodified exactly at the saved state.
    SetModifiedFlag(!IsClean());
  }
}

void CBrannocDoc::FinishUnrecordedChange() {
  LoseSavePoint();
  SetModifiedFlag(true);
}

bool CBrannocDoc::InLevel(int x, int y) const {
  // The store bounds guard against a width or height set beyond them through the properties.
  return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight && x < MAX_LEVEL_SIZE && y < MAX_LEVEL_SIZE;
}
