#pragma once

#include "editing/set_cells.h"
#include "editing/step_names.h"
#include "view/stroke_tool.h"
#include "view/tool_cursors.h"

// The left button draws the current element into every cell it passes, the right one empties them.
class FreeDrawTool : public StrokeTool {
 public:
  using StrokeTool::StrokeTool;
  QCursor cursor() const override { return toolCursor(LevelViewState::DrawMode::Free); }

 protected:
  const char* stepName(Qt::MouseButton button) const override {
    return button == Qt::LeftButton ? step_names::kDraw : step_names::kErase;
  }
  void apply(CellPos cell, int element) override { setCell(m_context.document, cell, element); }
};
