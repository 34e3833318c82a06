// Levels whose files other programs change, and saving while something is under way.
#include <QFile>
#include <sys/stat.h>

#include "app/disk_change_bar.h"
#include "app_support.h"

namespace {

std::string levelNamed(const char* name) {
  Level level = sizedLevel(4, 3);
  level.setText(Property::Name, name);
  return levelText(level);
}

// As git does: the new file is written beside the old one and renamed over it.
void replaceFile(const QString& path, const std::string& bytes) {
  std::ofstream((path + ".new").toStdString(), std::ios::binary) << bytes;
  ASSERT_EQ(::rename((path + ".new").toLocal8Bit().constData(), path.toLocal8Bit().constData()), 0);
}

// Saves, answering the question about the other program's version with the button named.
void saveAnswering(const QString& button) {
  whenDialogOpens<QMessageBox>([button](QMessageBox* box) {
    for (QAbstractButton* b : box->buttons())
      if (b->text().remove('&') == button) return b->click();
    box->reject();
  });
  trigger(act().file.save);
}

// The file of a level named `name` in the folder; returns its path.
QString writeLevel(const QTemporaryDir& dir, const char* name) {
  const QString path = dir.filePath(QString(name) + ".lev");
  replaceFile(path, levelNamed(name));
  return path;
}

}  // namespace

TEST(DiskChanges, AnUnchangedLevelIsReloadedAChangedOneIsAskedAboutAndNeverOverwrittenUnasked) {
  QTemporaryDir dir;
  const QString path = writeLevel(dir, "cave");
  EditorSession session({path});
  LevelDocument& document = session.document();
  DiskChangeBar& bar = *session.active()->diskBar();
  const auto name = [&document] { return document.level().text(Property::Name); };
  // Changes a cell of the level, and the file beside it.
  const auto changeBoth = [&](int x, const char* theirs) {
    setCell(document, {x, 0}, EL_RUBY);
    replaceFile(path, levelNamed(theirs));
    return QTest::qWaitFor([&] { return bar.isVisible(); }, 5000);
  };

  replaceFile(path, levelNamed("Theirs"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return name() == "Theirs"; }, 5000)) << "the watcher saw the rename";
  EXPECT_FALSE(document.isModified());
  EXPECT_EQ(document.undoName(), "Reload from Disk");
  EXPECT_EQ(session.window().statusBar()->currentMessage(), "cave.lev was reloaded: another program changed it.");

  ASSERT_TRUE(changeBoth(0, "Third"));
  EXPECT_EQ(bar.text(), "cave.lev was changed by another program.");
  EXPECT_EQ(name(), "Theirs") << "unsaved changes are not thrown away";
  saveAnswering("Cancel");
  EXPECT_EQ(fileBytes(path.toStdString()), levelNamed("Third")) << "Cancel keeps the other version";
  EXPECT_TRUE(document.isModified());
  saveAnswering("Overwrite");
  EXPECT_EQ(savedLevel(path).element(0, 0), EL_RUBY);
  EXPECT_FALSE(bar.isVisible());

  // Keep my version: the next save over that version asks nothing.
  ASSERT_TRUE(changeBoth(1, "Fourth"));
  bar.keepButton()->click();
  ASSERT_TRUE(document.undo());
  EXPECT_TRUE(document.isModified()) << "back at the version read, which the file no longer holds";
  ASSERT_TRUE(document.redo());
  const MessageCatcher none;
  trigger(act().file.save);
  EXPECT_TRUE(none.texts.isEmpty()) << none.texts.join('|').toStdString();
  EXPECT_EQ(savedLevel(path).element(1, 0), EL_RUBY);
  EXPECT_FALSE(document.isModified()) << "saved: the file holds it again";

  // The bar's Reload is the reload above: a step that undo takes back (the save below shows it).
  ASSERT_TRUE(changeBoth(2, "Fifth"));
  bar.reloadButton()->click();
  EXPECT_EQ(name(), "Fifth");
  ASSERT_TRUE(document.undo());

  replaceFile(path, "n Broken\r\nm 3 3\r\n***\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar.isVisible(); }, 5000));
  EXPECT_TRUE(bar.text().contains("does not read as a level: ")) << bar.text().toStdString();
  EXPECT_FALSE(bar.reloadButton()->isVisible());

  QFile::remove(path);
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar.text().contains("deleted"); }, 5000));
  trigger(act().file.save);
  EXPECT_EQ(savedLevel(path).element(2, 0), EL_RUBY) << "Save writes it again";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !bar.isVisible(); }, 5000));
  // A level that only the editor holds counts as changed, so that closing asks, until its
  // file is back as it was.
  const std::string saved = fileBytes(path.toStdString());
  QFile::remove(path);
  ASSERT_TRUE(QTest::qWaitFor([&] { return document.isModified(); }, 5000));
  replaceFile(path, saved);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !document.isModified(); }, 5000));
}

// What is under way ends before the file is written, so the file, the saved state and the
// history agree; a value the form refuses stops the save and the close, with its message. A
// read-only file is not tried. (A save that fails, the save tests show.)
TEST(DiskChanges, SaveEndsTheDragARefusedValueStopsSaveAndCloseAndAReadOnlyFileIsNotTried) {
  QTemporaryDir dir;
  const QString path = writeLevel(dir, "drawn");
  EditorSession session({path});
  LevelDocument& document = session.document();
  LevelWindow* drawn = session.active();
  LevelView& view = *drawn->view();
  view.viewState().setDrawMode(LevelViewState::DrawMode::Free);
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, view.cellViewportRect({1, 1}).center());
  QTest::mouseMove(view.viewport(), view.cellViewportRect({2, 1}).center());
  trigger(act().file.save);  // Ctrl+S with the button held
  QTest::mouseMove(view.viewport(), view.cellViewportRect({3, 1}).center());
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, view.cellViewportRect({3, 1}).center());
  EXPECT_EQ(savedLevel(path).element(2, 1), EL_WALL);
  EXPECT_FALSE(document.isModified()) << "the drag ended with the save";
  ASSERT_TRUE(document.undo());
  EXPECT_TRUE(document.isModified()) << "the saved state is the one with the stroke";

  const QString locked = writeLevel(dir, "locked");
  ::chmod(locked.toLocal8Bit().constData(), 0444);
  runningApp().levels()->open(locked);
  setCell(session.document(), {0, 0}, EL_RUBY);
  MessageCatcher catcher(QMessageBox::Cancel);
  trigger(act().file.save);
  EXPECT_TRUE(catcher.texts.value(0).startsWith("locked.lev is read-only")) << catcher.texts.join('|').toStdString();
  EXPECT_EQ(fileBytes(locked.toStdString()), levelNamed("locked"));
  EXPECT_EQ(session.title(), "locked.lev* [read-only]");

  session.window().mdiArea()->setActiveSubWindow(drawn);
  drawn->form()->focusField(PropertyForm::Field::Emeralds);
  QTest::keyClicks(drawn->form()->field(PropertyForm::Field::Emeralds), "1 2");
  trigger(act().file.save);
  EXPECT_EQ(catcher.texts.size(), 2);
  EXPECT_EQ(savedLevel(path).element(2, 1), EL_WALL) << "nothing was written";
  trigger(act().file.close);
  EXPECT_EQ(catcher.texts.size(), 3) << "the close stops too";
  EXPECT_EQ(session.window().levelWindows().size(), 2);
}
