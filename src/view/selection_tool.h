#pragma once

#include <optional>

#include "view/drag_tool.h"

// Marks a rectangle of cells for the clipboard, Delete and the block commands; it stays until
// the next press. The left button pressed inside the marking drags the block instead, and
// drops it where it is released: moved, or copied while Ctrl was held at the press.
class SelectionTool : public DragTool {
 public:
  explicit SelectionTool(ToolContext& context) : DragTool(context, ViewSettings::DrawMode::Selection) {}

  void press(CellPos cell, Qt::MouseButton button) override;
  void move(CellPos cell) override;
  void release(Qt::MouseButton button) override;
  void cancel() override;

 private:
  struct BlockDrag {
    CellRange from;
    CellPos grabbed;  // the cell pressed
    CellPos offset;   // how far the block has come
    bool copy = false;
  };
  void showBlockAt(const CellRange& cells);

  std::optional<BlockDrag> m_blockDrag;
};
