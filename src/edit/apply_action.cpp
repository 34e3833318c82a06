#include "level/brannoc_doc.h"
#include "level/properties.h"
#include "level/update_hints.h"
#include "undo/fill_action_object.h"
#include "undo/property_action_object.h"

namespace {

// Puts one cell back to the side of the action that undo (old) or redo (new) restores.
void RestoreCell(CBrannocDoc& doc, const CTileActionObject& tile, bool bUndo, bool bNotify) {
  const int target = bUndo ? tile.m_nOldElement : tile.m_nNewElement;
  const int other = bUndo ? tile.m_nNewElement : tile.m_nOldElement;
  if (other != NO_ELEMENT && target == NO_ELEMENT)
    doc.EraseCell(tile.m_x, tile.m_y, false, DRAW_FREE, bNotify, false);
  else
    doc.SetCell(tile.m_x, tile.m_y, target, false, DRAW_FREE, bNotify, false);
}

}  // namespace

void CBrannocDoc::ApplyAction(const CActionObject* action, bool bUndo) {
  if (!action) return;
  switch (action->m_nKind) {
    case ACTION_TILE:
      if (const auto* tile = dynamic_cast<const CTileActionObject*>(action)) RestoreCell(*this, *tile, bUndo, true);
      break;
    case ACTION_FILL:
      if (const auto* fill = dynamic_cast<const CFillActionObject*>(action)) {
        // Head to tail for undo as for redo: each cell occurs once, so the order is free.
        for (const std::unique_ptr<CTileActionObject>& tile : fill->m_tiles) RestoreCell(*this, *tile, bUndo, false);
        UpdateAllViews(nullptr, HINT_REFRESH);
      }
      break;
    case ACTION_PROPERTY:
      if (const auto* change = dynamic_cast<const CPropertyActionObject*>(action)) {
        if (change->m_nValueKind == VALUE_STRING) {
          SetStringProperty(bUndo ? change->m_strOld : change->m_strNew, change->m_nProperty, false);
          if (change->m_nProperty == PROP_ARTWORK) UpdateAllViews(nullptr, HINT_ARTWORK);
        } else {
          SetIntProperty(bUndo ? change->m_nOld : change->m_nNew, change->m_nProperty, false);
          if (change->m_nProperty == PROP_WIDTH || change->m_nProperty == PROP_HEIGHT)
            UpdateAllViews(nullptr, HINT_GRID_SIZE);
        }
        UpdateAllViews(nullptr, HINT_PROPERTIES);
      }
      break;
    default:
      break;
  }
}

void CBrannocDoc::OnEditUndo() { ApplyAction(Undo(), true); }

void CBrannocDoc::OnEditRedo() { ApplyAction(Redo(), false); }
