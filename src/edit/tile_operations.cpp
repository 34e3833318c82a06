#include "level/brannoc_doc.h"
#include "level/update_hints.h"
#include "undo/fill_action_object.h"

CTile* CBrannocDoc::SetCell(int x, int y, int element, bool bRecord, int mode, bool bNotify, bool bNotifyIfSame) {
  if (!InLevel(x, y)) return nullptr;
  if (element == CURRENT_ELEMENT) element = m_nCurrentElement;
  if (mode == DRAW_CURRENT) mode = m_nDrawMode;
  // Emptying is EraseCell's job; anything else that names no element would leave a cell
  // that no file, view or clipboard can show.
  if (!IsElement(element)) return nullptr;

  CTile* tile = m_grid[x][y].get();
  if (tile && tile->m_nElement == element) {
    if (bNotifyIfSame) UpdateAllViews(nullptr, HINT_CELL_CHANGED, static_cast<const CTile*>(tile));
    return nullptr;
  }
  if (mode == DRAW_FILL) {
    RunFill(x, y, tile ? tile->m_nElement : NO_ELEMENT, element, bRecord, bNotify);
    return nullptr;
  }
  const int old = ChangeTile(x, y, element);
  tile = m_grid[x][y].get();
  if (bNotify) UpdateAllViews(nullptr, HINT_CELL_CHANGED, static_cast<const CTile*>(tile));
  FinishChange(bRecord ? std::make_unique<CTileActionObject>(x, y, element, old) : nullptr);
  return tile;
}

bool CBrannocDoc::EraseCell(int x, int y, bool bRecord, int mode, bool bNotify, bool bNotifyIfEmpty) {
  if (!InLevel(x, y)) return false;
  if (!m_grid[x][y]) {
    if (bNotifyIfEmpty) {
      // Only the position matters to the receivers.
      const CTile blank(x, y, NO_ELEMENT);
      UpdateAllViews(nullptr, HINT_CELL_CHANGED, &blank);
    }
    return false;
  }
  if (mode == DRAW_CURRENT) mode = m_nDrawMode;
  if (mode == DRAW_FILL) {
    RunFill(x, y, m_grid[x][y]->m_nElement, NO_ELEMENT, bRecord, bNotify);
    return false;
  }
  // The tile lives until the views have been told, then goes.
  const std::unique_ptr<CTile> tile = TakeTile(x, y);
  if (bNotify) UpdateAllViews(nullptr, HINT_CELL_ERASED, static_cast<const CTile*>(tile.get()));
  FinishChange(bRecord ? std::make_unique<CTileActionObject>(x, y, NO_ELEMENT, tile->m_nElement) : nullptr);
  return true;
}

void CBrannocDoc::RunFill(int x, int y, int oldElement, int newElement, bool bRecord, bool bNotify) {
  std::unique_ptr<CFillActionObject> fill = bRecord ? std::make_unique<CFillActionObject>() : nullptr;
  FloodFill(x, y, oldElement, newElement, fill.get());
  FinishChange(std::move(fill));
  if (bNotify) UpdateAllViews(nullptr, HINT_REFRESH);
}
