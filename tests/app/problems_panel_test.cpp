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

TEST(Problems, ThePanelFollowsEditsAndDoubleClickingAWarningGoesToItsCellOrField) {
  EditorSession session;
  settle();
  QListWidget& list = *session.window().problemsPanel()->list();
  EXPECT_EQ(itemTexts(list), QStringList({"no Player 1", "no Exit"}));

  LevelDocument& document = session.document();
  const CellWrite cells[] = {{{0, 0}, EL_PLAYER1}, {{1, 0}, EL_EXIT}, {{120, 110}, EL_RED_DOOR}};
  document.writeCells(cells, "Draw");
  const QStringList door = {"cell 120, 110: a red door but no red key"};
  ASSERT_TRUE(QTest::qWaitFor([&] { return itemTexts(list) == door; }, 2000)) << itemTexts(list).join('|').toStdString();

  LevelView& view = *session.active()->view();
  ASSERT_FALSE(view.viewport()->rect().contains(view.cellViewportRect({120, 110})));
  doubleClick(list, 0);
  EXPECT_EQ(view.selection(), (CellRange{120, 110, 120, 110}));
  EXPECT_TRUE(view.viewport()->rect().contains(view.cellViewportRect({120, 110})));

  document.setText(Property::Emeralds, "3");
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.count() == 2; }, 2000));
  EXPECT_EQ(list.item(0)->text(), "property Emeralds to collect: Emeralds to collect is 3, but the level holds only 0");
  doubleClick(list, 0);
  EXPECT_EQ(QApplication::focusWidget(), session.active()->form()->field(PropertyForm::Field::Emeralds));

  setCell(document, {120, 110}, kNoElement);
  document.setText(Property::Emeralds, "");
  ASSERT_TRUE(QTest::qWaitFor([&] { return itemTexts(list) == QStringList{"No problems found"}; }, 2000));
}
