// Each level in its own artwork: the element buttons follow the active level; image export.
#include <QComboBox>

#include "app/element_icons.h"
#include "app_support.h"
#include "artwork/artwork_sets.h"
#include "cli/cli_run.h"

namespace {

QImage buttonPicture(int element) { return act().elements.element[element]->icon().pixmap(16, 16).toImage(); }
QImage setPicture(const char* set, int element) {
  return elementIcon(artworkSetOrDefault(set), element).pixmap(16, 16).toImage();
}

// Runs Export as Image, answering its file dialog with `answer`; returns the name it proposed.
QString exportTo(const QString& answer) {
  QString proposed;
  whenDialogOpens<QFileDialog>([&](QFileDialog* dialog) {
    proposed = dialog->selectedFiles().value(0);
    // Typed, as a user answers: selectFile() leaves the name field alone once it has the
    // focus, and the focus arrives whenever the platform gets round to activating the dialog.
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(answer);
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  trigger(act().file.exportImage);
  return proposed;
}

}  // namespace

TEST(LevelArtwork, EachLevelKeepsItsElementAndModeAndTheButtonsShowTheActiveLevelsSet) {
  EditorSession s;
  ASSERT_NE(setPicture("Night", EL_EARTH), setPicture("Default", EL_EARTH));
  LevelWindow* night = s.active();
  trigger(act().elements.element[EL_RUBY]);
  trigger(act().elements.fill);
  auto* sets = static_cast<QComboBox*>(night->form()->field(PropertyForm::Field::Artwork));
  sets->setCurrentIndex(sets->findText("Night"));  // the shipped sets are listed
  emit sets->activated(sets->currentIndex());
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Night", EL_EARTH)) << "the active level's artwork changed";
  trigger(act().file.newLevel);
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Default", EL_EARTH)) << "another level became active";
  trigger(act().elements.element[EL_BOMB]);
  EXPECT_FALSE(s.document().isModified()) << "choosing an element is no change";
  s.window().mdiArea()->setActiveSubWindow(night);
  settle();
  EXPECT_TRUE(act().elements.element[EL_RUBY]->isChecked());
  EXPECT_TRUE(act().elements.fill->isChecked());
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Night", EL_EARTH));
}

TEST(LevelArtwork, ExportWritesWhatRenderWritesAndTellsFailuresWithTheFileName) {
  QTemporaryDir dir;
  Level level;
  level.setText(Property::Artwork, "Night");
  for (int x = 0; x < 6; ++x) level.setElement(x, 1, x % 2 ? EL_EARTH : EL_BUG_LEFT);
  const QString file = dir.filePath("cave.lev");
  ASSERT_TRUE(saveLevelFile(level, file.toStdString()).ok);
  {
    EditorSession s({file});
    s.active()->view()->viewState().setCellSize(15);
    s.active()->view()->viewState().setGridVisible(false);
    EXPECT_EQ(exportTo(dir.filePath("picture.png")), dir.filePath("cave.png")) << "the level's name, beside it";
    MessageCatcher told;
    exportTo("/nonexistent/picture.png");
    EXPECT_TRUE(told.texts.value(0).contains("/nonexistent/picture.png")) << told.texts.join("|").toStdString();
  }
  const std::string rendered = dir.filePath("render.png").toStdString();
  ASSERT_EQ(cli({"render", file.toStdString(), "-o", rendered, "--cell", "15", "--no-grid"}).status, kExitOk);
  EXPECT_EQ(fileBytes(dir.filePath("picture.png").toStdString()), fileBytes(rendered));
}
