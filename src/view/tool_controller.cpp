#include "view/tool_controller.h"

#include <QApplication>

#include "view/selection_tool.h"
#include "view/shape_tool.h"
#include "view/stroke_tools.h"

namespace {

std::unique_ptr<MouseTool> makeTool(LevelViewState::DrawMode mode, ToolContext& context) {
  switch (mode) {
    case LevelViewState::DrawMode::Free: return std::make_unique<FreeDrawTool>(context);
    case LevelViewState::DrawMode::Fill: return std::make_unique<FillTool>(context);
    case LevelViewState::DrawMode::Selection: return std::make_unique<SelectionTool>(context);
    default: return std::make_unique<ShapeTool>(context, mode);
  }
}

}  // namespace

ToolController::ToolController(ToolContext& context, View view)
    : m_context(context), m_view(std::move(view)), m_tool(makeTool(context.viewState.drawMode(), context)) {
  m_edgeScroll.setInterval(30);
  connect(&m_edgeScroll, &QTimer::timeout, this, &ToolController::scrollTowardsMouse);
}

ToolController::~ToolController() = default;

void ToolController::setMode(LevelViewState::DrawMode mode) {
  cancel();
  m_tool = makeTool(mode, m_context);
}

bool ToolController::press(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                           std::optional<CellRange> selection) {
  if ((button != Qt::LeftButton && button != Qt::RightButton) || dragging()) return false;
  m_context.drag = {button, selection, modifiers, false};
  m_pressPos = m_mouse = pos;
  m_context.showMarking(std::nullopt);
  m_tool->press(m_view.cellAt(pos), button);
  return true;
}

void ToolController::move(QPoint pos) {
  if (!dragging()) return;
  m_mouse = pos;
  if ((pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) m_context.drag.beyondClick = true;
  m_tool->move(m_view.cellAt(pos));
  const bool beyondEdge = m_tool->scrollsAtEdges() && !m_view.area().contains(pos);
  if (!beyondEdge)
    m_edgeScroll.stop();
  else if (!m_edgeScroll.isActive())
    m_edgeScroll.start();
}

bool ToolController::release(Qt::MouseButton button) {
  if (!dragging() || (button != Qt::LeftButton && button != Qt::RightButton)) return false;
  // Releasing the other button draws a shape with that button's element, as it always has.
  m_tool->release(button);
  if (button == m_context.drag.button) {
    m_context.drag.button = Qt::NoButton;
    m_edgeScroll.stop();
  }
  emit dragEnded();
  return true;
}

bool ToolController::cancel() {
  if (!dragging()) return false;
  m_tool->cancel();
  m_context.drag.button = Qt::NoButton;
  m_edgeScroll.stop();
  emit dragEnded();
  return true;
}

void ToolController::finish() {
  if (dragging()) release(m_context.drag.button);
}

void ToolController::scrollTowardsMouse() {
  const QRect inside = m_view.area();
  const auto beyond = [](int pos, int low, int high) { return pos < low ? pos - low : std::max(0, pos - high); };
  const int dx = beyond(m_mouse.x(), inside.left(), inside.right());
  const int dy = beyond(m_mouse.y(), inside.top(), inside.bottom());
  if (!dragging() || (dx == 0 && dy == 0)) {
    m_edgeScroll.stop();
    return;
  }
  // The farther beyond the edge, the faster; never so slow that it seems stuck.
  const auto step = [](int distance) {
    return distance < 0 ? std::min(distance, -4) : distance > 0 ? std::max(distance, 4) : 0;
  };
  m_view.scrollBy({step(dx), step(dy)});
  m_tool->move(m_view.cellAt(m_mouse));
}
