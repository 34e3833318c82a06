#pragma once

#include "view/drag_tool.h"

// Marks a rectangle of cells for the clipboard and Delete; it stays until the next press.
class SelectionTool : public DragTool {
 public:
  explicit SelectionTool(ToolContext& context) : DragTool(context, ViewSettings::DrawMode::Selection) {}
  void release(Qt::MouseButton) override { takeMarking(); }
};
