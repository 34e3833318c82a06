#include "view/shape_tool.h"

#include "editing/draw_shape.h"

void ShapeTool::release(Qt::MouseButton button) {
  const std::optional<ViewMarking> marking = takeMarking();
  if (!marking) return;
  m_context.showMarking(std::nullopt);
  const Shape shape = m_mode == LevelViewState::DrawMode::Rectangle         ? Shape::Rectangle
                      : m_mode == LevelViewState::DrawMode::FilledRectangle ? Shape::FilledRectangle
                                                                          : Shape::Line;
  drawShape(m_context.document, shape, marking->anchor, marking->end, elementFor(button));
}
