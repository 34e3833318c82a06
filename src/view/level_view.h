#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRegion>
#include <optional>

#include "editing/document_observer.h"
#include "editing/floating_block.h"
#include "level/cell_range.h"
#include "render/cell_outlines.h"
#include "view/view_marking.h"
#include "view/mouse_tool.h"
#include "view/tool_controller.h"

class LevelDocument;
class LevelViewState;

// The level pane: the cells at the view state's cell size, grid lines, the marking (selection or
// the shape being dragged) and a block lifted off the level. The mouse goes to the tool
// controller; the keys of the marking (Delete, Esc, Return) are the view's.
class LevelView : public QAbstractScrollArea, public DocumentObserver {
  Q_OBJECT
 public:
  LevelView(LevelDocument& document, LevelViewState& viewState, QWidget* parent = nullptr);
  ~LevelView() override;

  LevelDocument& document() const { return m_document; }
  LevelViewState& viewState() const { return m_viewState; }

  // The marked cells in selection mode, or those a floating block covers in the level.
  std::optional<CellRange> selection() const;
  // Where the selection's drag began: a paste goes there.
  std::optional<CellPos> selectionAnchor() const;
  void setSelection(std::optional<CellRange> cells);
  void selectAll();
  void clearSelection() { setSelection(std::nullopt); }

  // The marked block lifted off the level: it floats until it is put down as one step, and
  // cancelling the lift leaves the level and the marking as they were before it.
  bool hasFloatingBlock() const { return m_floating.has_value(); }
  void transformSelection(BlockTransform transform);  // lifts the marked block first
  void putDownBlock();
  void cancelLift();
  // Ends a drag under way as the release of its button would (before a save or close).
  void finishDrag();

  // Repaints everything (F5).
  void redraw();

  // Cells outlined above the level, as a comparison marks what differs; none at first.
  void setOutlinedCells(const CellFlags& cells);
  const CellFlags& outlinedCells() const { return m_outlined; }

  // The viewport pixels that show a cell, at the current scroll position.
  QRect cellViewportRect(CellPos cell) const;
  // Brings a cell out of sight to the middle of the view; one in sight stays where it is.
  void scrollToCell(CellPos cell);

  // Zooming steps through the zoom cell sizes and keeps the level where `anchor` (viewport
  // pixels; the middle of the view without one) is in place. False where no size is left.
  bool canZoom(int steps) const;
  void zoom(int steps, std::optional<QPoint> anchor = std::nullopt);
  // The largest cell size that shows the whole level without scrolling.
  void fitLevel();

  void levelChanged(const LevelChange& change) override;

 signals:
  // The selection, a drag or the level changed: command states may have changed with it.
  void stateChanged();
  // The cell under the mouse and its element ("12, 7  Emerald"), only the cell when it is
  // empty, and nothing when the mouse is outside the level.
  void cellUnderMouseChanged(const QString& description);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void setMarking(std::optional<ViewMarking> marking);
  QRect viewportRect(const CellRange& cells) const;
  CellPos cellAt(QPoint viewportPos) const;
  void updateScrollRange();
  // The level under these viewport pixels (all of them without any) must be drawn again.
  void invalidate(const QRect& pixels = {});
  void scrollTo(QPoint position);  // level pixels at the viewport's top-left
  void fitMarkingToLevel();
  void drawMarking(QPainter& painter) const;
  void drawOutline(QPainter& painter, const CellRange& cells, const QColor& light) const;
  void chooseTool();
  void showCellSize();
  bool pickElement(const QMouseEvent& event);
  void describeCellUnderMouse();

  LevelDocument& m_document;
  LevelViewState& m_viewState;
  std::optional<FloatingBlock> m_floating;
  ToolContext m_toolContext;  // refers to m_floating
  ToolController m_tools;
  std::optional<ViewMarking> m_marking;
  struct ZoomAnchor {
    QPointF cells;  // the level point to keep, in cells
    QPoint viewportPos;
  };
  std::optional<ZoomAnchor> m_zoomAnchor;
  int m_wheelZoom = 0;            // wheel turns not yet a whole zoom step
  std::optional<QPoint> m_mouse;  // over the view or dragging, in viewport pixels
  QString m_cellDescription;
  CellFlags m_outlined;
  // The level as the viewport shows it, kept between paints once a paint asked for pixels that
  // had not changed; until then the level is drawn in strips through m_strip.
  QImage m_picture;
  QImage m_strip;
  QRegion m_stale;  // the viewport pixels that no longer show the level as last drawn
};
