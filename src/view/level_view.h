#pragma once

// CONTRACT for the port (the app is written against it): the public interface below is what
// other layers use; the private part is the view's own.

#include <QAbstractScrollArea>
#include <memory>
#include <optional>

#include "editing/document_observer.h"
#include "level/cell_range.h"

class LevelDocument;
class ViewSettings;
class MouseTool;

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

  void levelChanged(const LevelChange& change) override;

 signals:
  // The selection, a drag or the level changed: command states may have changed with it.
  void stateChanged();

 private:
  LevelDocument& m_document;
  ViewSettings& m_settings;
};
