#include "app/document/doc_commands.h"

#include "app/commands/command_ids.h"
#include "edit/draw_modes.h"
#include "level/brannoc_doc.h"

namespace {

// Drawing-mode command to mode value.
int DrawModeOf(int id) {
  switch (id) {
    case cmd::DRAW_MODE_FREE: return DRAW_FREE;
    case cmd::DRAW_MODE_FILL: return DRAW_FILL;
    case cmd::DRAW_MODE_SELECTION: return DRAW_SELECTION;
    case cmd::DRAW_MODE_RECTANGLE: return DRAW_RECTANGLE;
    case cmd::DRAW_MODE_FILLED_RECTANGLE: return DRAW_FILLED_RECTANGLE;
    case cmd::DRAW_MODE_LINE: return DRAW_LINE;
    default: return 0;
  }
}

int CellSizeOf(int id) {
  switch (id) {
    case cmd::GRID_15: return 15;
    case cmd::GRID_30: return 30;
    case cmd::GRID_60: return 60;
    default: return 0;
  }
}

}  // namespace

bool CDocCommands::OnCommand(int id) {
  if (const int element = ElementFromCommand(id); element != NO_ELEMENT) {
    m_doc.m_nCurrentElement = element;
    return true;
  }
  if (const int mode = DrawModeOf(id)) {
    m_doc.m_nDrawMode = mode;
    return true;
  }
  if (const int size = CellSizeOf(id)) {
    m_doc.SetCellSize(size);
    return true;
  }
  if (id == cmd::VIEW_GRID) {
    m_doc.ToggleGridLines();
    return true;
  }
  return false;
}

bool CDocCommands::OnUpdateCommand(int id, CommandState& state) {
  state.enabled = true;
  if (const int element = ElementFromCommand(id); element != NO_ELEMENT) {
    state.checked = m_doc.m_nCurrentElement == element;
    return true;
  }
  if (const int mode = DrawModeOf(id)) {
    state.checked = m_doc.m_nDrawMode == mode;
    return true;
  }
  if (const int size = CellSizeOf(id)) {
    state.checked = m_doc.m_nCellWidth == size;
    return true;
  }
  if (id == cmd::VIEW_GRID) {
    state.checked = m_doc.m_bGridVisible;
    return true;
  }
  return false;
}
