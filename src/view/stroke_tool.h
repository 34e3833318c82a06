#pragma once

#include "view/mouse_tool.h"

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
