#pragma once

#include "editing/level_document.h"
#include "view/stroke_tool.h"
#include "view/tool_cursors.h"

// The left button draws the current element into every cell it passes, the right one empties them.
class FreeDrawTool : public StrokeTool {
 public:
  using StrokeTool::StrokeTool;
  QCursor cursor() const override { return toolCursor(ViewSettings::DrawMode::Free); }

 protected:
  const char* stepName(Qt::MouseButton button) const override {
    return button == Qt::LeftButton ? QT_TRANSLATE_NOOP("Step", "Draw") : QT_TRANSLATE_NOOP("Step", "Erase");
  }
  void apply(CellPos cell, int element) override { m_context.document.setCell(cell.x, cell.y, element); }
};
