#pragma once

#include <QMdiSubWindow>
#include <functional>

#include "editing/document_observer.h"

class DiskChangeBar;
class LevelDocument;
class LevelView;
class PropertyForm;
class QSplitter;
class ViewSettings;

// The window of one open level: the property form on the left, the level view on the right,
// both on the same document. Its caption is the document's title, with the window's number
// when the level has more than one.
class LevelWindow : public QMdiSubWindow, public DocumentObserver {
  Q_OBJECT
 public:
  static constexpr int kFormWidth = 330;
  static constexpr int kUsefulLevelWidth = 300;  // ten cells at the usual size

  LevelWindow(LevelDocument& document, ViewSettings& settings, std::function<int()> currentElement,
              QWidget* parent = nullptr);
  ~LevelWindow() override;

  LevelDocument& document() const { return m_document; }
  LevelView* view() const { return m_view; }
  PropertyForm* form() const { return m_form; }
  DiskChangeBar* diskBar() const { return m_diskBar; }

  // The smallest size that shows the whole form and a useful part of the level.
  QSize usableSize() const;

  // True unless the keyboard focus is in the form.
  bool viewIsActivePane() const;
  // Moves the keyboard focus to the other pane (F6 and Shift+F6 both have two panes to visit).
  void focusOtherPane();

  // Shows the title with this window's number among `windowCount` windows of the level
  // (1-based; no number when it is the only one).
  void setNumber(int number, int windowCount);

  void documentStateChanged() override;
  // Shows the caption again (the file may have become read-only or writable).
  void refreshCaption();

 signals:
  // Asked before the window closes; set *accept to false to keep it open.
  void closeRequested(LevelWindow* window, bool* accept);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  int formPaneWidth() const;
  void showCaption();

  LevelDocument& m_document;
  QSplitter* m_splitter = nullptr;
  PropertyForm* m_form = nullptr;
  DiskChangeBar* m_diskBar = nullptr;
  LevelView* m_view = nullptr;
  int m_number = 1;
  int m_windowCount = 1;
};
