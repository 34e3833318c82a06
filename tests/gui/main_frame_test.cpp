#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/commands/command_ids.h"
#include "app/commands/command_router.h"
#include "app/document/doc_template.h"
#include "editing_support.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "level/elements.h"
#include "level/properties.h"
#include "support/modal_dialog.h"
#include "props/prop_view.h"
#include "view/program_printer.h"

#include <QPrintDialog>
#include <QPrinter>

TEST(MainFrame, SixToolbarsWithTheirButtons) {
  EditorSession session;
  struct Expect {
    int id;
    const char* caption;
    int buttons;
  };
  for (const Expect& e : {Expect{128, "File", 9}, Expect{130, "Basic Elements", 25}, Expect{133, "Doors & Keys", 9},
                          Expect{135, "Moving Elements", 16}, Expect{182, "Drawing Modes", 6}, Expect{192, "Grid", 5}}) {
    QToolBar* bar = session.Frame().Bar(e.id);
    ASSERT_NE(bar, nullptr) << e.id;
    EXPECT_EQ(bar->windowTitle(), e.caption);
    int buttons = 0;
    for (QAction* action : bar->actions()) buttons += action->isSeparator() ? 0 : 1;
    EXPECT_EQ(buttons, e.buttons) << e.caption;
  }
  // Every element has one button, with its picture.
  for (const ElementInfo& element : ElementTable()) {
    QAction* action = App().Router()->Action(element.commandId);
    ASSERT_NE(action, nullptr);
    EXPECT_FALSE(action->icon().isNull()) << element.name;
  }
}

TEST(MainFrame, UnnamedElementsShowNoPromptOrTooltip) {
  EditorSession session;
  QAction* sand = App().Router()->Action(FindElement(EL_SAND)->commandId);
  EXPECT_TRUE(sand->toolTip().isEmpty());
  EXPECT_TRUE(sand->statusTip().isEmpty());
  QAction* ruby = App().Router()->Action(FindElement(EL_RUBY)->commandId);
  EXPECT_EQ(ruby->toolTip(), "Ruby");
  QAction* undo = App().Router()->Action(cmd::EDIT_UNDO);
  EXPECT_EQ(undo->statusTip(), "Undoes the last action");
  EXPECT_EQ(undo->toolTip(), "Undo (Ctrl+Z)");
  EXPECT_EQ(undo->shortcuts().size(), 2);
}

TEST(MainFrame, HiddenToolbarStaysHiddenAfterARestart) {
  {
    EditorSession session;
    EXPECT_TRUE(App().Router()->Query(cmd::VIEW_BASIC_ELEMENTS_BAR).checked);
    App().Router()->Execute(cmd::VIEW_BASIC_ELEMENTS_BAR);
    Settle();
    EXPECT_TRUE(session.Frame().Bar(bar::BASIC_ELEMENTS)->isHidden());
    EXPECT_FALSE(App().Router()->Action(cmd::VIEW_BASIC_ELEMENTS_BAR)->isChecked());
    session.Frame().close();
  }
  EditorSession again;
  EXPECT_TRUE(again.Frame().Bar(bar::BASIC_ELEMENTS)->isHidden());
  EXPECT_FALSE(again.Frame().Bar(bar::GRID)->isHidden());
  EXPECT_FALSE(App().Router()->Query(cmd::VIEW_BASIC_ELEMENTS_BAR).checked);
  // A bar closed some other way than through the menu is unchecked as well.
  again.Frame().Bar(bar::GRID)->hide();
  Settle();
  EXPECT_FALSE(App().Router()->Action(cmd::VIEW_GRID_BAR)->isChecked());
  App().Router()->Execute(cmd::VIEW_BASIC_ELEMENTS_BAR);
  again.Frame().close();
}

TEST(MainFrame, EachLevelKeepsItsElementAndMode) {
  EditorSession session;
  CChildFrame* first = session.Child();
  const int ruby = FindElement(EL_RUBY)->commandId;
  const int bomb = FindElement(EL_BOMB)->commandId;
  App().Router()->Execute(ruby);
  App().Router()->Execute(cmd::DRAW_MODE_FILL);
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  CChildFrame* second = session.Child();
  ASSERT_NE(first, second);
  EXPECT_TRUE(App().Router()->Query(FindElement(EL_WALL)->commandId).checked) << "a new level starts with Wall";
  EXPECT_TRUE(App().Router()->Query(cmd::DRAW_MODE_FREE).checked);
  App().Router()->Execute(bomb);
  session.Frame().MdiArea()->setActiveSubWindow(first);
  Settle();
  EXPECT_TRUE(App().Router()->Action(ruby)->isChecked());
  EXPECT_FALSE(App().Router()->Action(bomb)->isChecked());
  EXPECT_TRUE(App().Router()->Action(cmd::DRAW_MODE_FILL)->isChecked());
  EXPECT_EQ(first->Document().m_nCurrentElement, EL_RUBY);
  EXPECT_EQ(second->Document().m_nCurrentElement, EL_BOMB);
  EXPECT_FALSE(first->Document().IsModified()) << "choosing an element or a mode is no change";
}

TEST(MainFrame, NewWindowShowsTheSameLevel) {
  EditorSession session;
  CChildFrame* first = session.Child();
  CChildFrame* second = session.NewWindow();
  ASSERT_NE(first, second);
  EXPECT_EQ(&first->Document(), &second->Document());
  // Grid lines toggled in one window are toggled in both, each from its own state.
  App().Router()->Execute(cmd::VIEW_GRID);
  EXPECT_FALSE(first->LevelView()->ShowsGrid());
  EXPECT_FALSE(second->LevelView()->ShowsGrid());
  first->close();
  Settle();
  EXPECT_EQ(session.Frame().Children().size(), 1);
  EXPECT_EQ(second->Document().GetTitle(), "NewLevel1") << "the level lives on in its other window";
}

TEST(MainFrame, LongRecentFileIsShortenedAndOneThatFailsIsDropped) {
  EditorSession session;
  const QString lost = "/" + QString("deep/").repeated(20000) + "lost.lev";
  App().DocTemplate()->AddToRecentFiles(lost);
  QMenu* file = session.Frame().menuBar()->actions().first()->menu();
  const auto entry = [&]() -> QAction* {
    for (QAction* action : file->actions())
      if (action->isVisible() && action->statusTip() == lost) return action;
    return nullptr;
  };
  QAction* recent = entry();
  ASSERT_NE(recent, nullptr) << "the prompt shows the whole path";
  EXPECT_TRUE(recent->text().startsWith("&1 /deep/")) << recent->text().left(80).toStdString();
  EXPECT_TRUE(recent->text().endsWith("/lost.lev"));
  EXPECT_LT(file->sizeHint().width(), 800);

  MessageCatcher catcher;
  recent->trigger();
  Settle();
  EXPECT_EQ(catcher.texts.size(), 1);
  EXPECT_FALSE(App().DocTemplate()->RecentFiles().contains(lost));
  EXPECT_EQ(entry(), nullptr);
}

TEST(MainFrame, ElementPicturesFollowTheSetANewOrOpenedLevelMakesCurrent) {
  EditorSession session;
  QAction* wall = App().Router()->Action(FindElement(EL_WALL)->commandId);
  const auto picture = [wall] { return wall->icon().pixmap(16).toImage(); };
  const QImage byDefault = picture();
  session.Child()->Document().SetStringProperty("Night", PROP_ARTWORK, true);
  ASSERT_NE(picture(), byDefault) << "the Night set draws its own wall";
  App().Router()->Execute(cmd::FILE_NEW);  // the new level makes the Default set current
  Settle();
  EXPECT_EQ(picture(), byDefault);
}

TEST(MainFrame, CaptionsNameTheActiveLevelAndTellItsWindowsApart) {
  EditorSession session({CAVERNIA_EXAMPLES_DIR "/key-vault.lev"});
  session.Child()->showMaximized();  // no second copy of the name in brackets
  EXPECT_EQ(session.Frame().windowTitle().toStdString(), "Cavernia Level Editor - key-vault.lev");
  CChildFrame* first = session.Child();
  App().Router()->Execute(FindElement(EL_RUBY)->commandId);
  ViewDriver(*first->LevelView()).Drag(2, 2, 2, 2);
  EXPECT_EQ(session.Frame().windowTitle().toStdString(), "Cavernia Level Editor - key-vault.lev*");
  CChildFrame* second = session.NewWindow();
  EXPECT_EQ(first->windowTitle().toStdString(), "key-vault.lev:1*");
  EXPECT_EQ(second->windowTitle().toStdString(), "key-vault.lev:2*");
  EXPECT_EQ(session.Frame().windowTitle().toStdString(), "Cavernia Level Editor - key-vault.lev:2*");
  // The print job is named after the level, without the window number or the '*'.
  WhenDialogOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
  App().Router()->Execute(cmd::FILE_PRINT);
  EXPECT_EQ(ProgramPrinter().docName().toStdString(), "key-vault.lev");
  second->close();
  Settle();
  EXPECT_EQ(first->windowTitle().toStdString(), "key-vault.lev*");
  EXPECT_EQ(session.Frame().windowTitle().toStdString(), "Cavernia Level Editor - key-vault.lev*");
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  EXPECT_EQ(session.Frame().windowTitle().toStdString(), "Cavernia Level Editor - NewLevel1");
}

TEST(MainFrame, WindowMenuListsTheWindowsAndKeysGoRoundThem) {
  EditorSession session;
  CChildFrame* first = session.Child();
  CChildFrame* second = session.NewWindow();
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  CChildFrame* third = session.Child();
  QMenuBar* bar = session.Frame().menuBar();
  QAction* windowItem = bar->actions()[3];
  ASSERT_EQ(windowItem->text(), "&Window");
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(windowItem).center());
  Settle();
  QMenu* menu = windowItem->menu();
  QStringList listed, checked;
  for (QAction* action : menu->actions().mid(5)) {
    listed.append(action->text());
    if (action->isChecked()) checked.append(action->text());
  }
  ASSERT_EQ(listed, (QStringList{"&1 NewLevel1:1", "&2 NewLevel1:2", "&3 NewLevel2"}));
  EXPECT_EQ(checked, QStringList{"&3 NewLevel2"});
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[5]).center());
  Settle();
  EXPECT_EQ(session.Child(), first);
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    CChildFrame* then;
  };
  for (const Step& step : {Step{Qt::Key_Tab, Qt::ControlModifier, second}, Step{Qt::Key_F6, Qt::ControlModifier, third},
                           Step{Qt::Key_Tab, Qt::ControlModifier, first},
                           Step{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, third}}) {
    QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
    Settle();
    EXPECT_EQ(session.Child(), step.then) << step.key;
  }
}

TEST(MainFrame, WindowsOpenAndCascadeWhollyInsideAtAUsableSize) {
  EditorSession session;
  session.Frame().resize(1400, 1100);
  Settle();
  App().Router()->Execute(cmd::FILE_NEW);
  session.NewWindow();
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  const QList<CChildFrame*> windows = session.Frame().Children();
  ASSERT_EQ(windows.size(), 4);
  auto expectUsable = [&session](CChildFrame* child, const char* when) {
    const QRect room = session.Frame().MdiArea()->viewport()->rect();
    EXPECT_TRUE(room.contains(child->geometry())) << when << ": inside the workspace";
    QWidget* form = child->Form();
    EXPECT_EQ(form->visibleRegion().boundingRect(), form->rect()) << when << ": the whole form shows";
    EXPECT_GE(child->LevelView()->viewport()->width(), 300) << when;
  };
  for (qsizetype i = 1; i < windows.size(); ++i) {
    expectUsable(windows[i], "new");
    EXPECT_GT(windows[i]->x(), windows[i - 1]->x()) << "cascaded from the window before";
  }
  App().Router()->Execute(cmd::WINDOW_CASCADE);
  Settle();
  for (CChildFrame* child : windows) expectUsable(child, "cascaded");
}
