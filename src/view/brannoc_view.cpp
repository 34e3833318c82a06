#include "view/brannoc_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/commands/command_ids.h"
#include "edit/draw_modes.h"
#include "editing/line_cells.h"
#include "level/brannoc_doc.h"
#include "level/update_hints.h"
#include "render/level_painter.h"

int CBrannocView::s_nMarkMode = -1;

CBrannocView::CBrannocView(CBrannocDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_doc(doc) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);  // every exposed pixel is painted
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);  // the cursor follows the drawing mode
  setFrameShape(QFrame::NoFrame);
  m_doc.AddView(this);
}

CBrannocView::~CBrannocView() { m_doc.RemoveView(this); }

void CBrannocView::OnInitialUpdate() {
  OnUpdate(nullptr, HINT_REFRESH, {});
  UpdateScrollSizes();
  m_bShowGrid = true;
}

void CBrannocView::SetMarking(const CellMarking& marking) {
  if (marking == m_rcSelection) return;
  // Only the pixels under the old and the new marking change.
  viewport()->update(MarkingViewportRect(m_rcSelection) | MarkingViewportRect(marking));
  m_rcSelection = marking;
  emit stateChanged();
}

QRect CBrannocView::MarkingViewportRect(const CellMarking& marking) const {
  if (marking.IsNone()) return {};
  const CellMarking m = marking.Normalized();
  return CellViewportRect(m.left, m.top).united(CellViewportRect(m.right, m.bottom)).adjusted(-2, -2, 2, 2);
}

void CBrannocView::OnUpdate(CDocObserver*, int hint, const HintObject& object) {
  switch (hint) {
    case HINT_REFRESH:
      if (std::holds_alternative<std::monostate>(object)) RepaintAll();
      break;
    case HINT_CELL_CHANGED:
    case HINT_CELL_ERASED:
      if (const CTile* const* tile = std::get_if<const CTile*>(&object); tile && *tile)
        viewport()->update(CellViewportRect((*tile)->m_nColumn, (*tile)->m_nRow));
      break;
    case HINT_CELL_SIZE: {
      const int* size = std::get_if<int>(&object);
      const int cell = size ? *size : m_doc.m_nCellWidth;
      SetScrollRange(m_doc.m_nWidth * cell, m_doc.m_nHeight * cell);
      RepaintAll();
      break;
    }
    case HINT_GRID_SIZE:
      // Undo and redo send no refresh after a size change: the cells must be drawn anew here.
      UpdateScrollSizes();
      viewport()->update();
      break;
    case HINT_GRID_LINES:
      m_bShowGrid = !m_bShowGrid;
      RepaintAll();
      break;
    case HINT_ARTWORK:
      RepaintAll();
      emit artworkChanged();  // the set is the program's: every other level shows it too
      break;
    default: break;
  }
}

bool CBrannocView::OnCommand(int id) {
  switch (id) {
    case cmd::VIEW_REDRAW: RepaintAll(); return true;
    case cmd::EDIT_COPY: OnEditCopy(); return true;
    case cmd::EDIT_CUT: OnEditCut(); return true;
    case cmd::EDIT_PASTE: OnEditPaste(); return true;
    default: return false;
  }
}

bool CBrannocView::OnUpdateCommand(int id, CommandState& state) {
  switch (id) {
    case cmd::VIEW_REDRAW: state.enabled = true; return true;
    case cmd::EDIT_COPY:
    case cmd::EDIT_CUT: state.enabled = !m_rcSelection.IsNone(); return true;
    case cmd::EDIT_PASTE: state.enabled = !m_rcSelection.IsNone() && ClipboardHasTiles(); return true;
    case cmd::VIEW_GRID:
      // The view's own grid flag decides the check mark; the document runs the command.
      state.enabled = true;
      state.checked = m_bShowGrid;
      return true;
    default: return false;
  }
}

void CBrannocView::UpdateScrollSizes() {
  if (!m_rcSelection.IsNone()) {
    CellMarking m = m_rcSelection.Normalized();
    if (m.left >= m_doc.m_nWidth || m.top >= m_doc.m_nHeight) {
      m = CellMarking::None();
    } else {
      m.right = std::min(m.right, m_doc.m_nWidth - 1);
      m.bottom = std::min(m.bottom, m_doc.m_nHeight - 1);
    }
    SetMarking(m);
  }
  SetScrollRange(m_doc.m_nWidth * m_doc.m_nCellWidth, m_doc.m_nHeight * m_doc.m_nCellHeight);
}

void CBrannocView::SetScrollRange(int levelPixelWidth, int levelPixelHeight) {
  m_scrollSize = QSize(levelPixelWidth, levelPixelHeight);
  const QSize page = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, levelPixelWidth - page.width()));
  verticalScrollBar()->setRange(0, std::max(0, levelPixelHeight - page.height()));
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setPageStep(page.height());
  horizontalScrollBar()->setSingleStep(std::max(1, levelPixelWidth / 100));
  verticalScrollBar()->setSingleStep(std::max(1, levelPixelHeight / 100));
}

void CBrannocView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  SetScrollRange(m_scrollSize.width(), m_scrollSize.height());
}

void CBrannocView::scrollContentsBy(int, int) { viewport()->update(); }

void CBrannocView::RepaintAll() {
  viewport()->update();
  viewport()->repaint();
}

QPoint CBrannocView::ToLevelPixel(QPoint viewportPos) const {
  return viewportPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QPoint CBrannocView::CellAtViewport(QPoint viewportPos) const {
  return CellAt(ToLevelPixel(viewportPos), m_doc.m_nCellWidth);
}

QRect CBrannocView::CellViewportRect(int col, int row) const {
  return CellRect(col, row, m_doc.m_nCellWidth)
      .translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
}

void CBrannocView::paintEvent(QPaintEvent* event) {
  const QRect exposed = event->rect();
  const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
  const QRect clip = exposed.translated(scroll);
  QImage image(clip.size(), QImage::Format_RGB32);
  if (image.isNull()) return;  // no memory for the picture: leave the screen as it is
  PaintLevel(image, clip, m_doc.ToLevel(), m_doc.m_nCellWidth, m_bShowGrid);
  QPainter painter(viewport());
  painter.drawImage(exposed.topLeft(), image);
  if (!m_rcSelection.IsNone()) {
    painter.translate(-scroll);
    DrawMarking(painter, false);
  }
}

void CBrannocView::DrawMarking(QPainter& painter, bool isNew) {
  if (s_nMarkMode == -1 || isNew) s_nMarkMode = m_doc.m_nDrawMode;
  const int mode = s_nMarkMode;
  const int s = m_doc.m_nCellWidth;
  painter.save();
  // Drawing in white with XOR inverts the pixels underneath.
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  if (mode != DRAW_LINE) {
    const CellMarking m = m_rcSelection.Normalized();
    const QRect outer(QPoint(m.left * s + 1, m.top * s + 1), QPoint((m.right + 1) * s - 2, (m.bottom + 1) * s - 2));
    // A 3-pixel frame centred on the rectangle's edge, as a wide pen draws it.
    const QRect frameOuter = outer.adjusted(-1, -1, 1, 1);
    const QRect frameInner = outer.adjusted(2, 2, -2, -2);
    QRegion frame(frameOuter);
    if (frameInner.isValid()) frame -= QRegion(frameInner);
    painter.setClipRegion(frame);
    painter.fillRect(frameOuter, Qt::white);
    painter.setClipping(false);
    if (mode == DRAW_FILLED_RECTANGLE && frameInner.isValid()) painter.fillRect(frameInner, Qt::white);
  } else {
    for (const CellPos& cell : lineCells({m_rcSelection.left, m_rcSelection.top}, {m_rcSelection.right, m_rcSelection.bottom}))
      painter.fillRect(QRect(cell.x * s, cell.y * s, s, s).adjusted(0, 0, -1, -1), Qt::white);
  }
  painter.restore();
}
