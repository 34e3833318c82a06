#pragma once

#include <QAbstractScrollArea>

#include "app/commands/command_target.h"
#include "level/document.h"
#include "view/view_geometry.h"

class CBrannocDoc;

// The level pane: the document's cells at its cell size, grid lines, and the marking
// (selection or the shape being dragged) drawn by inverting the pixels under it.
class CBrannocView : public QAbstractScrollArea, public CDocObserver, public CCmdTarget {
  Q_OBJECT
 public:
  explicit CBrannocView(CBrannocDoc& doc, QWidget* parent = nullptr);
  ~CBrannocView() override;

  CBrannocDoc& Document() const { return m_doc; }

  void OnInitialUpdate();
  void OnUpdate(CDocObserver* sender, int hint, const HintObject& object) override;
  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

  bool ShowsGrid() const { return m_bShowGrid; }
  const CellMarking& Marking() const { return m_rcSelection; }
  void SetMarking(const CellMarking& marking);
  bool IsSelectionEmpty() const { return m_rcSelection.IsNone(); }

  // Clamps the marking to the level and sets the scroll range to the level's size.
  void UpdateScrollSizes();
  // Level pixel of a viewport position, and the cell under it.
  QPoint ToLevelPixel(QPoint viewportPos) const;
  QPoint CellAtViewport(QPoint viewportPos) const;
  // The viewport rectangle that shows a cell.
  QRect CellViewportRect(int col, int row) const;

  // The drawing mode the marking was last drawn with as new; shared by all views.
  static int s_nMarkMode;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void SetScrollRange(int levelPixelWidth, int levelPixelHeight);
  void RepaintAll();
  void DrawMarking(QPainter& painter, bool isNew);

  CBrannocDoc& m_doc;
  bool m_bShowGrid = false;
  CellMarking m_rcSelection;
  QSize m_scrollSize;
};
