#include "app_support.h"

// The Window menu lists the windows by their captions and checks the active one. Hiding the
// properties and the tabs apply to every window, and are remembered.
TEST(Windows, CaptionsTellTheWindowsApartTheWindowMenuAndKeysGoRoundThemPropertiesAndTabsApplyToAll) {
  {
    EditorSession session({CAVERNIA_EXAMPLES_DIR "/key-vault.lev"});
    session.active()->showMaximized();  // no second copy of the name in brackets
    // What the desktop shows, as Qt resolves the "[*]" of the title.
    const auto caption = [&session] { return session.window().windowHandle()->title().toStdString(); };
    LevelWindow* first = session.active();
    setCell(session.document(), {2, 2}, EL_RUBY);
    EXPECT_EQ(caption(), "Cavernia Level Editor - key-vault.lev*");
    trigger(act().file.newLevel);
    session.active()->close();
    settle();
    EXPECT_EQ(caption(), "Cavernia Level Editor - key-vault.lev*") << "the window that closed leaves the mark";
    LevelWindow* second = session.newWindow();
    EXPECT_EQ(caption(), "Cavernia Level Editor - key-vault.lev:2*");
    // Both windows show the one level with its one set of choices.
    EXPECT_EQ(&first->view()->viewState(), &second->view()->viewState());
    trigger(act().file.newLevel);
    EXPECT_EQ(caption(), "Cavernia Level Editor - NewLevel2");
    LevelWindow* third = session.active();
    QMenuBar* bar = session.window().menuBar();
    QAction* windowItem = bar->actions()[3];  // the menu titles, the start-up tests tell
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(windowItem).center());
    settle();
    QMenu* menu = windowItem->menu();
    QStringList listed, checked;
    for (QAction* action : menu->actions().mid(6)) {
      listed.append(action->text());
      if (action->isChecked()) checked.append(action->text());
    }
    ASSERT_EQ(listed, (QStringList{"&1 key-vault.lev:1*", "&2 key-vault.lev:2*", "&3 NewLevel2"}));
    EXPECT_EQ(checked, QStringList{"&3 NewLevel2"});
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[6]).center());
    settle();
    EXPECT_EQ(session.active(), first);
    using Step = std::tuple<Qt::Key, Qt::KeyboardModifiers, LevelWindow*>;
    for (const auto& [key, modifiers, then] :
         {Step{Qt::Key_Tab, Qt::ControlModifier, second}, {Qt::Key_F6, Qt::ControlModifier, third},
          {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, second}}) {
      QTest::keyClick(QApplication::focusWidget(), key, modifiers);
      settle();
      EXPECT_EQ(session.active(), then) << key;
    }

    // The properties and the tabs apply to every window, and are remembered.
    second->form()->focusField(PropertyForm::Field::Name);
    QTest::keyClick(QApplication::focusWidget(), act().view.properties->shortcut()[0].key());
    settle();
    for (LevelWindow* window : {first, second, third}) EXPECT_FALSE(window->form()->isVisibleTo(window));
    EXPECT_EQ(QApplication::focusWidget(), second->view()) << "the focus goes on to the level";
    EXPECT_FALSE(act().window.nextPane->isEnabled()) << "no other pane";
    trigger(act().window.tabbed);
    EXPECT_EQ(session.window().mdiArea()->viewMode(), QMdiArea::TabbedView);
    EXPECT_FALSE(act().window.cascade->isEnabled()) << "tabs are not arranged";

    const MessageCatcher none(QMessageBox::No);  // only the last window asks (the save tests): none may hang here
    third->close();
    second->close();
    settle();
    EXPECT_EQ(caption(), "Cavernia Level Editor - key-vault.lev*");
    session.document().setTitle("odd[*].lev");
    EXPECT_EQ(caption(), "Cavernia Level Editor - odd[*].lev*") << "a name may hold Qt's mark itself";
    // Level windows show the program's icon.
    EXPECT_EQ(session.active()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    EXPECT_FALSE(QApplication::windowIcon().pixmap(32).isNull());
  }
  EditorSession session;
  LevelWindow* window = session.active();
  EXPECT_FALSE(window->form()->isVisibleTo(window));
  EXPECT_TRUE(act().window.tabbed->isChecked());
  trigger(act().view.properties);
  trigger(act().window.tabbed);
  EXPECT_TRUE(window->form()->isVisibleTo(window));
  EXPECT_GE(window->view()->width(), LevelWindow::kUsefulLevelWidth) << "a tab that became a window has room";
}

// On nine tenths of a 1024 x 768 screen, with and without the Problems panel, and of a
// 1600 x 1000 screen at scale factor 2, which Qt lays out as 800 x 500, a new window gives the
// level half its width; on a large one, windows open and cascade wholly inside.
TEST(Windows, NewWindowsOpenAndCascadeWhollyInsideAtAUsableSizeOrGiveTheLevelHalfASmallScreen) {
  EditorSession session;
  MainWindow& main = session.window();
  struct Screen {
    QSize main;
    bool problems, maximised;
  };
  for (const Screen& screen : {Screen{{922, 691}, false, false}, {{922, 691}, true, true}, {{720, 450}, false, true}}) {
    SCOPED_TRACE(testing::Message() << screen.main.width() << (screen.problems ? " with Problems" : ""));
    for (LevelWindow* window : main.levelWindows()) window->close();
    main.problemsPanel()->setVisible(screen.problems);
    main.resize(screen.main);
    settle();
    trigger(act().file.newLevel);
    LevelWindow* window = session.active();
    EXPECT_EQ(window->isMaximized(), screen.maximised);
    EXPECT_GE(window->view()->width() * 2, window->widget()->width());
    EXPECT_GE(window->form()->visibleRegion().boundingRect().width(), LevelWindow::kFormWidth * 3 / 4)
        << "the form stays of use";
  }

  for (LevelWindow* window : main.levelWindows()) window->close();
  main.resize(1400, 1100);
  settle();
  for (int level = 0; level < 3; ++level) trigger(act().file.newLevel);
  session.newWindow();
  const QList<LevelWindow*> windows = main.levelWindows();
  auto expectUsable = [&main](LevelWindow* window, const char* when) {
    EXPECT_TRUE(main.mdiArea()->viewport()->rect().contains(window->geometry())) << when << ": inside the workspace";
    QWidget* form = window->form();
    EXPECT_EQ(form->visibleRegion().boundingRect(), form->rect()) << when << ": the whole form shows";
    EXPECT_GE(window->view()->viewport()->width(), 300) << when;
  };
  for (qsizetype i = 1; i < windows.size(); ++i) {
    expectUsable(windows[i], "new");
    EXPECT_GT(windows[i]->x(), windows[i - 1]->x()) << "cascaded from the window before";
  }
  trigger(act().window.cascade);
  for (LevelWindow* window : windows) expectUsable(window, "cascaded");
}
