// The panels beside the level.
#include "app/differences_panel.h"
#include "app_support.h"

namespace {

// As a mouse does it: a click, then the second press that makes it double, then its release.
void doubleClick(QListWidget& list, int row) {
  const QPoint at = list.visualItemRect(list.item(row)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

// Compare with Saved on a level with unsaved edits: the panel and the outlines follow the edits
// and saving, F8 goes from difference to difference, and the level never changes by it. The
// Problems panel follows the edits too, and a double-click on a warning goes to its cell or field.
TEST(Panels, CompareWithSavedAndProblemsFollowEditsAndLeadToTheirCellsAndFields) {
  QTemporaryDir dir;
  const QString path = dir.filePath("cave.lev");
  Level saved;
  saved.setText(Property::Name, "Cave");
  ASSERT_TRUE(saveLevelFile(saved, path.toStdString()).ok);
  EditorSession session({path});
  settle();
  QListWidget& problems = *session.window().problemsPanel()->list();
  EXPECT_EQ(itemTexts(problems), QStringList({"no Player 1", "no Exit"}));
  auto* panel = session.window().findChild<DifferencesPanel*>();
  QListWidget& list = *panel->findChild<QListWidget*>();
  EXPECT_FALSE(runningApp().menuActions()->isEnabled(act().compare.next));

  LevelDocument& document = session.document();
  setCells(document, std::vector<CellPos>{{2, 3}, {3, 3}}, EL_WALL, "Draw");
  document.setText(Property::Name, "Cave 2");
  const std::string edited = levelText(document.level());
  ASSERT_TRUE(trigger(act().compare.withSaved));
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(itemTexts(list),
            QStringList({"property Level name: \"Cave\" -> \"Cave 2\"", "cells 2, 3 to 3, 3: Empty -> Wall"}));
  LevelView& view = *session.active()->view();
  EXPECT_TRUE(view.outlinedCells()[3 * Level::kMaxSize + 2] && view.outlinedCells()[3 * Level::kMaxSize + 3]);
  EXPECT_EQ(view.outlinedCells().count(), 2u);

  view.setFocus();
  QTest::keyClick(&view, Qt::Key_F8);
  EXPECT_EQ(QApplication::focusWidget(), session.active()->form()->field(PropertyForm::Field::Name));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
  EXPECT_EQ(view.selection(), (CellRange{2, 3, 3, 3}));
  QTest::keyClick(&view, Qt::Key_F8, Qt::ShiftModifier);
  EXPECT_EQ(list.currentRow(), 0) << "round to the first again";

  EXPECT_EQ(levelText(document.level()), edited) << "comparing changes nothing";
  setCell(document, {9, 7}, EL_ROCK);
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.count() == 3; }, 2000));

  const CellWrite cells[] = {{{0, 0}, EL_PLAYER1}, {{1, 0}, EL_EXIT}, {{120, 110}, EL_RED_DOOR}};
  document.writeCells(cells, "Draw");
  const QStringList door = {"cell 120, 110: a red door but no red key"};
  ASSERT_TRUE(QTest::qWaitFor([&] { return itemTexts(problems) == door; }, 2000));

  doubleClick(problems, 0);
  EXPECT_EQ(view.selection(), (CellRange{120, 110, 120, 110}));
  EXPECT_TRUE(view.viewport()->rect().contains(view.cellViewportRect({120, 110})));

  document.setText(Property::Emeralds, "3");
  ASSERT_TRUE(QTest::qWaitFor([&] { return problems.count() == 2; }, 2000));
  EXPECT_TRUE(problems.item(0)->text().startsWith("property Emeralds to collect:"));
  doubleClick(problems, 0);
  EXPECT_EQ(QApplication::focusWidget(), session.active()->form()->field(PropertyForm::Field::Emeralds));

  setCell(document, {120, 110}, kNoElement);
  document.setText(Property::Emeralds, "");
  ASSERT_TRUE(QTest::qWaitFor([&] { return itemTexts(problems) == QStringList{"No problems found"}; }, 2000));

  // Once saved, the file is what the level is.
  ASSERT_TRUE(trigger(act().file.save));
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.count() == 0; }, 2000));
  EXPECT_EQ(view.outlinedCells().count(), 0u);

  ASSERT_TRUE(trigger(act().compare.end));
  EXPECT_FALSE(panel->isComparing());

  // Closing the window ends a comparison too.
  ASSERT_TRUE(trigger(act().compare.withSaved));
  session.active()->close();
  settle();
  EXPECT_FALSE(panel->isComparing());
}
