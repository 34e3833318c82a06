#pragma once

#include "editing/flood_fill.h"
#include "editing/set_cells.h"
#include "editing/step_names.h"
#include "view/mouse_tool.h"
#include "view/tool_cursors.h"

// A tool that edits as the mouse goes: every cell the mouse passes with a button down gets
// the button's element, also the cells a fast mouse skips between two of its positions; the
// stroke from press to release is one step.
class StrokeTool : public MouseTool {
 public:
  using MouseTool::MouseTool;

  void press(CellPos cell, Qt::MouseButton button) override;
  void move(CellPos cell) override;
  void release(Qt::MouseButton button) override;
  void cancel() override;

 protected:
  virtual const char* stepName(Qt::MouseButton button) const = 0;
  virtual void apply(CellPos cell, int element) = 0;

 private:
  CellPos m_last;  // where the mouse was
};

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
