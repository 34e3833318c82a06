#pragma once

#include <QMdiSubWindow>

#include "level/document.h"

class CBrannocDoc;
class CBrannocView;
class CPropView;
class QSplitter;

// The window of one open level: the property form on the left, the level view on the right,
// both showing the same document. Its caption is the document's title.
class CChildFrame : public QMdiSubWindow, public CDocObserver {
  Q_OBJECT
 public:
  static constexpr int kFormWidth = 330;
  static constexpr int kUsefulLevelWidth = 300;  // ten cells at the usual size

  CChildFrame(CBrannocDoc& doc, QWidget* parent = nullptr);
  ~CChildFrame() override;

  CBrannocDoc& Document() const { return m_doc; }
  CBrannocView* LevelView() const { return m_view; }
  CPropView* Form() const { return m_form; }
  QSplitter* Splitter() const { return m_splitter; }

  // The smallest size that shows the whole form and a useful part of the level.
  QSize UsableSize() const;

  // The pane that has the keyboard focus (the level view when neither has).
  QWidget* ActivePane() const;
  // Moves the keyboard focus to the other pane (F6 and Shift+F6 both have two panes to visit).
  void FocusOtherPane();

  void OnUpdate(CDocObserver* sender, int hint, const HintObject& object) override {}
  void OnTitleChanged() override;
  void OnHistoryChanged() override { emit historyChanged(); }

 signals:
  // Asked before the window closes; set *accept to false to keep it open.
  void closeRequested(CChildFrame* frame, bool* accept);
  // The level was edited, undone, redone or saved.
  void historyChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  int FormPaneWidth() const;

  CBrannocDoc& m_doc;
  QSplitter* m_splitter = nullptr;
  CPropView* m_form = nullptr;
  CBrannocView* m_view = nullptr;
};
