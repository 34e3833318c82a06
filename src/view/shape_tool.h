#pragma once

#include "view/drag_tool.h"

// Rectangle, filled rectangle and line: the marking follows the mouse, and releasing a button
// draws the shape with that button's element (nothing for the right one) as one step.
class ShapeTool : public DragTool {
 public:
  using DragTool::DragTool;
  void release(Qt::MouseButton button) override;
};
