#pragma once

#include <QAbstractScrollArea>

#include "app/commands/command_target.h"
#include "level/document.h"
#include "render/view_geometry.h"

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

  // Shapes: apply the marking with a tool character (an element's, or a space to empty cells)
  // and clear it. Nothing happens without a marking.
  void FinishRectangle(char ch);
  void FinishFilledRectangle(char ch);
  void FinishLine(char ch);

  // The clipboard: the marking's cells as a tile block text under the "Vorel Tiles" format.
  void OnEditCopy();
  void OnEditCut();
  void OnEditPaste();
  void OnDeleteKey();
  static bool ClipboardHasTiles();

  bool IsDragging() const { return m_bLeftDrag || m_bRightDrag; }

  // The drawing mode the marking was last drawn with as new; shared by all views.
  static int s_nMarkMode;

 signals:
  // The marking, a drag or the level changed: command states may have changed with it.
  void stateChanged();
  // This level chose another artwork set, which every window of every level now draws with.
  void artworkChanged();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void SetScrollRange(int levelPixelWidth, int levelPixelHeight);
  QRect MarkingViewportRect(const CellMarking& marking) const;
  void RepaintAll();
  void DrawMarking(QPainter& painter, bool isNew);
  void OnButtonDown(bool left, QPoint pos);
  void OnButtonUp(bool left);
  void StartMarking(QPoint cell);
  void UpdateCursor();
  char ToolCharacter(bool left) const;
  bool CopyToClipboard();

  CBrannocDoc& m_doc;
  bool m_bShowGrid = false;
  bool m_bLeftDrag = false;
  bool m_bRightDrag = false;
  CellMarking m_rcSelection;
  QSize m_scrollSize;
};
