#pragma once

#include <optional>

#include "view/mouse_tool.h"

// A tool that drags a marking from the cell pressed to the cell under the mouse, kept inside
// the level. A drag that begins outside the level marks nothing.
class DragTool : public MouseTool {
 public:
  DragTool(ToolContext& context, LevelViewState::DrawMode mode) : MouseTool(context), m_mode(mode) {}

  void press(CellPos cell, Qt::MouseButton button) override;
  void move(CellPos cell) override;
  void cancel() override;
  QCursor cursor() const override;
  bool scrollsAtEdges() const override { return true; }

 protected:
  // Ends the drag; the marking it made, if any.
  std::optional<ViewMarking> takeMarking();

  LevelViewState::DrawMode m_mode;

 private:
  std::optional<ViewMarking> m_marking;
};
