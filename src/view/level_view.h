#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <memory>
#include <optional>

#include "editing/document_observer.h"
#include "level/cell_range.h"
#include "view/marking.h"
#include "view/mouse_tool.h"

class LevelDocument;
class ViewSettings;

// The level pane: the cells at the settings' cell size, grid lines, the marking (selection or
// the shape being dragged), the mouse tools, the clipboard and the Delete key.
class LevelView : public QAbstractScrollArea, public DocumentObserver {
  Q_OBJECT
 public:
  LevelView(LevelDocument& document, ViewSettings& settings, QWidget* parent = nullptr);
  ~LevelView() override;

  LevelDocument& document() const { return m_document; }
  ViewSettings& settings() const { return m_settings; }

  // The marked cells in selection mode (none while nothing is marked).
  std::optional<CellRange> selection() const;
  void setSelection(std::optional<CellRange> cells);

  // The clipboard, under the format "Vorel Tiles": each is one undo step where it edits.
  bool canCopy() const;   // a selection exists
  bool canPaste() const;  // tiles on the clipboard and a selected cell to paste at
  void copy();
  void cut();
  void paste();
  void deleteSelection();
  static bool clipboardHasTiles();

  // Repaints everything (F5).
  void redraw();

  // The viewport pixels that show a cell, at the current scroll position.
  QRect cellViewportRect(CellPos cell) const;

  void levelChanged(const LevelChange& change) override;

 signals:
  // The selection, a drag or the level changed: command states may have changed with it.
  void stateChanged();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void setMarking(std::optional<Marking> marking);
  QRect viewportRect(const CellRange& cells) const;
  CellPos cellAt(QPoint viewportPos) const;
  void updateScrollRange();
  void fitMarkingToLevel();
  void drawMarking(QPainter& painter) const;
  void chooseTool();
  void cancelDrag();
  bool copyToClipboard();

  LevelDocument& m_document;
  ViewSettings& m_settings;
  ToolContext m_toolContext;
  std::unique_ptr<MouseTool> m_tool;
  Qt::MouseButton m_dragButton = Qt::NoButton;
  std::optional<Marking> m_marking;
  QImage m_picture;  // kept between paints: a fresh screenful of memory costs more than the painting
};
