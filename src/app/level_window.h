#pragma once

#include <QMdiSubWindow>
#include <functional>

#include "editing/document_observer.h"
#include "form/property_form.h"

class DiskChangeBar;
class LevelDocument;
class LevelView;
class QSplitter;
class LevelViewState;

// The window of one open level: the property form on the left, the level view on the right,
// both on the same document. Its caption is the document's title, with the window's number
// when the level has more than one.
class LevelWindow : public QMdiSubWindow, public DocumentObserver {
  Q_OBJECT
 public:
  static constexpr int kFormWidth = 330;
  static constexpr int kUsefulLevelWidth = 300;  // ten cells at the usual size
  // A workspace narrower than the form and this much more opens level windows maximised.
  static constexpr int kRoomBesideForm = 400;

  LevelWindow(LevelDocument& document, LevelViewState& viewState, std::function<int()> currentElement,
              QWidget* parent = nullptr);
  ~LevelWindow() override;

  LevelDocument& document() const { return m_document; }
  LevelView* view() const { return m_view; }
  PropertyForm* form() const { return m_form; }
  DiskChangeBar* diskBar() const { return m_diskBar; }

  // The smallest size that shows the whole form and a useful part of the level.
  QSize usableSize() const;
  // The width the form pane asks for: 330 pixels, or what its font needs; 0 while it is hidden.
  int formPaneWidth() const;

  // Shows or hides the form pane; shown again, a pane collapsed with the splitter gets its width back.
  void setFormShown(bool shown);
  bool formShown() const;
  // Shows the form if it is hidden and puts the focus in the field.
  void goToField(PropertyForm::Field field);

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
  // The caption as shown, with the '*' of a changed level (the window title holds Qt's "[*]").
  const QString& caption() const { return m_caption; }

 signals:
  void captionChanged();
  // Asked before the window closes; set *accept to false to keep it open.
  void closeRequested(LevelWindow* window, bool* accept);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showCaption();
  // Until the user moves the splitter, the form gets its width but never more than half.
  void fitPanes();

  LevelDocument& m_document;
  QSplitter* m_splitter = nullptr;
  PropertyForm* m_form = nullptr;
  DiskChangeBar* m_diskBar = nullptr;
  LevelView* m_view = nullptr;
  bool m_panesSetByUser = false;
  int m_number = 1;
  int m_windowCount = 1;
  QString m_caption;
};
