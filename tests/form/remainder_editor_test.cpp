#include <QListWidget>
#include <QMouseEvent>

#include "artwork/artwork_sets.h"
#include "form/remainder_button.h"
#include "render/tile_images.h"
#include "form_support.h"

namespace {

// Sends one mouse event to the button, with the buttons held after it.
void mouse(QWidget& button, QEvent::Type type, QPoint at, Qt::MouseButton which, Qt::MouseButtons held) {
  QMouseEvent event(type, at, button.mapToGlobal(at), which, held, Qt::NoModifier);
  QApplication::sendEvent(&button, &event);
}

QPoint cellCentre(int cell) {
  const int c = RemainderButton::kCellSize;
  return QPoint((cell % 3) * c + c / 2, (cell / 3) * c + c / 2);
}

// Presses on the first point, moves over the others and releases on the last.
void drag(QWidget& button, std::initializer_list<QPoint> path, Qt::MouseButton which = Qt::LeftButton) {
  mouse(button, QEvent::MouseButtonPress, *path.begin(), which, which);
  for (QPoint at : path) mouse(button, QEvent::MouseMove, at, Qt::NoButton, which);
  mouse(button, QEvent::MouseButtonRelease, *(path.end() - 1), which, Qt::NoButton);
}

Level withRemainders(const std::vector<std::string>& patterns) {
  Level level;
  Level::Remainders remainders;
  std::copy(patterns.begin(), patterns.end(), remainders.begin());
  level.setRemainders(remainders);
  return level;
}

struct Editor : FormOnLevel {
  using FormOnLevel::FormOnLevel;
  QListWidget& list = field<QListWidget>(Field::Remainders);
  RemainderButton& button = field<RemainderButton>(Field::RemainderButton);
  const std::string& pattern(int slot) const { return level().remainders()[slot]; }
};

// Painting what is there, or a player, changes nothing; a press and drag paints one step. A set
// that is not there draws as Default, and the form keeps its name. (That the pass before a save
// keeps such a name, the form's tests of untouched fields show.)
TEST(RemainderEditor, PatternsShowInNineCellsInTheLevelsArtworkAndAPressAndDragPaintsOneStep) {
  Level level = withRemainders({"*", "abcdefghijkl", std::string(1, charFromElement(EL_EARTH))});
  level.setText(Property::Artwork, "Night");
  Editor e(level);
  EXPECT_EQ(e.button.pattern(), "*~~~~~~~~");
  EXPECT_EQ(e.list.item(0)->text(), "Remainder 1    (*)") << "the stored text until a cell is painted";
  e.list.setCurrentRow(1);
  EXPECT_EQ(e.button.pattern(), "abcdefghi");
  e.list.setCurrentRow(0);
  drag(e.button, {cellCentre(0)});
  e.element = EL_PLAYER1;
  mouse(e.button, QEvent::MouseMove, cellCentre(1), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(e.button.cursor().shape(), Qt::ForbiddenCursor);
  drag(e.button, {cellCentre(1)});
  EXPECT_EQ(e.pattern(0), "*");
  EXPECT_FALSE(e.document.canUndo());

  e.list.setCurrentRow(3);
  e.element = EL_ROCK;
  const char rock = charFromElement(EL_ROCK);
  // Beyond the grid's right and bottom edges nothing is painted.
  drag(e.button, {cellCentre(3), cellCentre(4), cellCentre(5), QPoint(100, 45), cellCentre(8), QPoint(80, 95)});
  EXPECT_EQ(e.pattern(3), std::string("~~~") + rock + rock + rock + "~~" + rock);
  EXPECT_EQ(e.document.undoName(), "Paint Remainder");
  mouse(e.button, QEvent::MouseMove, cellCentre(0), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(e.pattern(3)[0], '~') << "after the release a move paints nothing";
  drag(e.button, {cellCentre(3), cellCentre(4)}, Qt::RightButton);
  EXPECT_EQ(e.pattern(3), std::string("~~~~~") + rock + "~~" + rock) << "the right button empties";
  ASSERT_TRUE(e.document.undo());
  ASSERT_TRUE(e.document.undo());
  EXPECT_EQ(e.level(), level);
  EXPECT_EQ(e.button.pattern(), "~~~~~~~~~");

  e.list.setCurrentRow(2);
  // The first cell inside the button's frame, and the set's earth there.
  const auto shown = [&e] {
    return e.button.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(1, 1, 28, 28);
  };
  const auto earth = [](const char* set) {
    return cachedTileImage(artworkSetOrDefault(set), EL_EARTH, RemainderButton::kCellSize).copy(1, 1, 28, 28);
  };
  ASSERT_NE(earth("Night"), earth("Default"));
  EXPECT_EQ(shown(), earth("Night"));
  e.document.setText(Property::Artwork, "Nowhere");
  EXPECT_EQ(shown(), earth("Default"));
  EXPECT_EQ(e.field<QComboBox>(Field::Artwork).currentText(), "Nowhere");
}

TEST(RemainderEditor, InsertDeleteAndCtrlDeleteAreOneStepEach) {
  std::vector<std::string> numbered;
  for (int i = 1; i <= 20; ++i) numbered.push_back("p" + std::to_string(i));
  const Level level = withRemainders(numbered);
  Editor e(level);
  e.open(e.document);
  auto& otherList = e.field<QListWidget>(Field::Remainders, 1);
  otherList.setCurrentRow(6);

  e.list.setCurrentRow(4);
  // What each does to the list the model's own tests tell; here: the keys, the steps, the forms.
  QTest::keyClick(&e.list, Qt::Key_Insert);
  EXPECT_EQ(e.document.undoName(), "Insert Remainder");
  EXPECT_EQ(otherList.item(5)->text(), "Remainder 6    (p5)") << "every form of the level follows";
  EXPECT_EQ(otherList.currentRow(), 6) << "and keeps its own selection";

  e.list.setCurrentRow(3);
  QTest::keyClick(&e.list, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(e.pattern(18), "p19");
  EXPECT_EQ(e.document.undoName(), "Delete Remainder");

  QTest::keyClick(&e.list, Qt::Key_Down);
  QTest::keyClick(&e.list, Qt::Key_Delete);
  EXPECT_EQ(e.pattern(4), "");
  EXPECT_EQ(e.pattern(5), "p6") << "plain Delete only empties the entry";
  EXPECT_EQ(e.document.undoName(), "Clear Remainder");
  EXPECT_EQ(e.list.item(4)->text(), "Remainder 5");
  EXPECT_EQ(e.list.currentRow(), 4);

  for (int step = 0; step < 3; ++step) ASSERT_TRUE(e.document.undo());
  EXPECT_EQ(e.level(), level);
}

}  // namespace
