// The '*' at the end of a level's title while it has unsaved changes.
#include "level/brannoc_doc.h"

void CBrannocDoc::SetModifiedFlag(bool modified) {
  const bool was = IsModified();
  CDocument::SetModifiedFlag(modified);
  if (was != modified) UpdateTitleMark(modified);
  HistoryChanged();  // every recorded change, undo and redo passes here
}

void CBrannocDoc::UpdateTitleMark(bool modified) {
  if (m_bSaving) return;
  std::string title = GetTitle();
  const bool marked = !title.empty() && title.back() == '*';
  if (modified && !marked)
    title += '*';
  else if (!modified && marked)
    title.pop_back();
  SetTitle(title);
}

std::string CBrannocDoc::UnmarkedTitle() const {
  std::string title = GetTitle();
  if (IsModified() && !title.empty() && title.back() == '*') title.pop_back();
  return title;
}
