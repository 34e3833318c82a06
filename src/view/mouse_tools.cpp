// The mouse in the level view: free draw and fill change cells as the mouse goes; the shape
// modes drag an inverted marking and apply the shape when a button is released.
#include <QMouseEvent>

#include "edit/block_text.h"
#include "edit/draw_modes.h"
#include "editing/line_cells.h"
#include "level/brannoc_doc.h"
#include "view/brannoc_view.h"
#include "view/tool_cursors.h"

namespace {
bool IsShapeMode(int mode) { return mode >= DRAW_SELECTION && mode <= DRAW_LINE; }
}  // namespace

char CBrannocView::ToolCharacter(bool left) const {
  // The right button draws with no element: a space empties the cells it lands on.
  return left ? CharFromElement(m_doc.m_nCurrentElement) : ' ';
}

void CBrannocView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
    OnButtonDown(event->button() == Qt::LeftButton, event->position().toPoint());
  emit stateChanged();
}

void CBrannocView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
    OnButtonUp(event->button() == Qt::LeftButton);
  emit stateChanged();
}

void CBrannocView::OnButtonDown(bool left, QPoint pos) {
  // A press of the other button during a drag changes nothing.
  if (left ? m_bRightDrag : m_bLeftDrag) return;
  (left ? m_bLeftDrag : m_bRightDrag) = true;
  const QPoint cell = CellAtViewport(pos);
  SetMarking(CellMarking::None());
  if (IsShapeMode(m_doc.m_nDrawMode)) {
    StartMarking(cell);
  } else if (left) {
    m_doc.SetCell(cell.x(), cell.y(), CURRENT_ELEMENT, true, DRAW_CURRENT, true, false);
  } else {
    m_doc.EraseCell(cell.x(), cell.y(), true, DRAW_CURRENT, true, false);
  }
}

void CBrannocView::StartMarking(QPoint cell) {
  // A drag that begins outside the level marks nothing, and so applies nothing.
  if (cell.x() < 0 || cell.y() < 0 || cell.x() >= m_doc.m_nWidth || cell.y() >= m_doc.m_nHeight) return;
  s_nMarkMode = m_doc.m_nDrawMode;
  SetMarking({cell.x(), cell.y(), cell.x(), cell.y()});
}

void CBrannocView::mouseMoveEvent(QMouseEvent* event) {
  UpdateCursor();
  if (!m_bLeftDrag && !m_bRightDrag) return;
  QPoint cell = CellAtViewport(event->position().toPoint());
  if (IsShapeMode(m_doc.m_nDrawMode)) {
    if (m_rcSelection.IsNone()) return;
    cell.setX(std::clamp(cell.x(), 0, m_doc.m_nWidth - 1));
    cell.setY(std::clamp(cell.y(), 0, m_doc.m_nHeight - 1));
    CellMarking moved = m_rcSelection;
    moved.right = cell.x();
    moved.bottom = cell.y();
    if (moved == m_rcSelection) return;
    s_nMarkMode = m_doc.m_nDrawMode;
    SetMarking(moved);
  } else if (m_bLeftDrag) {
    // Cells between two mouse positions are not filled in; the document ignores cells outside.
    m_doc.SetCell(cell.x(), cell.y(), CURRENT_ELEMENT, true, DRAW_CURRENT, true, false);
  } else {
    m_doc.EraseCell(cell.x(), cell.y(), true, DRAW_CURRENT, true, false);
  }
}

void CBrannocView::OnButtonUp(bool left) {
  if (left) m_bLeftDrag = false;
  // Releasing either button in a shape mode applies the marking with that button's character.
  switch (m_doc.m_nDrawMode) {
    case DRAW_RECTANGLE: FinishRectangle(ToolCharacter(left)); break;
    case DRAW_FILLED_RECTANGLE: FinishFilledRectangle(ToolCharacter(left)); break;
    case DRAW_LINE: FinishLine(ToolCharacter(left)); break;
    default: break;
  }
  if (!left) m_bRightDrag = false;
}

void CBrannocView::FinishRectangle(char ch) {
  if (m_rcSelection.IsNone()) return;
  CRect cells = m_rcSelection.ToRect();
  std::string text = BlockText(m_doc, cells);  // normalises the rectangle
  const int w = cells.right - cells.left + 1;
  const int h = cells.bottom - cells.top + 1;
  // Rows are w characters and a separator; the inner cells keep what they hold.
  for (int row = 0; row < h; ++row) {
    char* line = text.data() + row * (w + 1);
    if (row == 0 || row == h - 1) {
      std::fill(line, line + w, ch);
    } else {
      line[0] = ch;
      line[w - 1] = ch;
    }
  }
  SetMarking(CellMarking::None());
  m_doc.PasteBlock(cells.left, cells.top, text);
}

void CBrannocView::FinishFilledRectangle(char ch) {
  if (m_rcSelection.IsNone()) return;
  const CellMarking m = m_rcSelection.Normalized();
  const int w = m.right - m.left + 1;
  const int h = m.bottom - m.top + 1;
  std::string text;
  text.reserve(static_cast<size_t>(h) * (w + 1));
  for (int row = 0; row < h; ++row) {
    text.append(w, ch);
    text += row + 1 < h ? '\n' : '\0';
  }
  SetMarking(CellMarking::None());
  m_doc.PasteBlock(m.left, m.top, text);
}

void CBrannocView::FinishLine(char ch) {
  if (m_rcSelection.IsNone()) return;
  std::vector<CPoint> points;
  for (const CellPos& cell : lineCells({m_rcSelection.left, m_rcSelection.top}, {m_rcSelection.right, m_rcSelection.bottom}))
    points.push_back({cell.x, cell.y});
  SetMarking(CellMarking::None());
  m_doc.DrawCells(points, ch);
}

void CBrannocView::UpdateCursor() {
  const QCursor cursor = ToolCursor(m_doc.m_nDrawMode);
  if (viewport()->cursor().shape() != cursor.shape() || cursor.shape() == Qt::BitmapCursor)
    viewport()->setCursor(cursor);
}
