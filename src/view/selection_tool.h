#pragma once

#include <optional>

#include "view/drag_tool.h"

// Marks a rectangle of cells for the clipboard, Delete and the block commands. A click, inside
// the marking or not, marks the one cell clicked. The left button pressed inside the marking
// and dragged farther than a click lifts the block (a copy while Ctrl was held at the press)
// and moves it; it floats until it is put down.
class SelectionTool : public DragTool {
 public:
  explicit SelectionTool(ToolContext& context) : DragTool(context, LevelViewState::DrawMode::Selection) {}

  void press(CellPos cell, Qt::MouseButton button) override;
  void move(CellPos cell) override;
  void release(Qt::MouseButton button) override;
  void cancel() override;

 private:
  struct BlockDrag {
    CellPos grabbed;      // the cell pressed
    CellPos startCorner;  // where the block's top-left was at the press
  };
  std::optional<BlockDrag> m_blockDrag;
};
