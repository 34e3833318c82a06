#pragma once

#include "editing/flood_fill.h"
#include "editing/step_names.h"
#include "view/stroke_tool.h"
#include "view/tool_cursors.h"

// Fills the region of each cell the mouse passes: with the current element, or with nothing
// for the right button. A click is one "Fill" step, and so is a drag over several regions.
class FillTool : public StrokeTool {
 public:
  using StrokeTool::StrokeTool;
  QCursor cursor() const override { return toolCursor(LevelViewState::DrawMode::Fill); }

 protected:
  const char* stepName(Qt::MouseButton) const override { return step_names::kFill; }
  void apply(CellPos cell, int element) override { floodFill(m_context.document, cell, element); }
};
