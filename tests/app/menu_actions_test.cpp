#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QTreeView>
#include <QFileInfo>
#include <QPrinter>
#include <QTextStream>

#include "app/command_line.h"
#include "app/element_icons.h"
#include "app/replace_element_dialog.h"
#include "app_support.h"
#include "artwork/artwork_sets.h"
#include "cli/cli_run.h"

QImage buttonPicture(int element) { return act().elements.element[element]->icon().pixmap(16, 16).toImage(); }
QImage setPicture(const char* set, int element) {
  return elementIcon(artworkSetOrDefault(set), element).pixmap(16, 16).toImage();
}

TEST(MenuActions, TheEditMenuNamesTheStepKeysAndPickingReachTheWindowAndTheElementButtonsFollowTheActiveLevel) {
  EditorSession session;
  LevelView& view = *session.active()->view();
  trigger(act().elements.element[EL_EMERALD]);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cellViewportRect({1, 0}).center());
  settle();
  ASSERT_EQ(session.document().level().element(1, 0), EL_EMERALD) << "the chosen element";
  EXPECT_EQ(act().edit.undo->text(), "&Undo Draw");
  EXPECT_EQ(act().edit.undo->toolTip(), "Undo Draw (Ctrl+Z)");
  QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  settle();
  EXPECT_EQ(session.document().level().tileCount(), 0) << "Ctrl+Z in the view undoes";
  EXPECT_EQ(act().edit.redo->text(), "&Redo Draw");

  // Which size comes next the view's own tests tell; here: each key reaches its command.
  for (Qt::Key key : {Qt::Key_Equal, Qt::Key_Minus, Qt::Key_Minus}) QTest::keyClick(&view, key, Qt::ControlModifier);
  EXPECT_EQ(view.viewState().cellSize(), 24);
  QTest::keyClick(&view, Qt::Key_0, Qt::ControlModifier);
  EXPECT_LT(view.viewState().cellSize(), 24) << "the whole level fits";
  for (int i = 0; i < 10; ++i) trigger(act().view.zoomOut);
  EXPECT_FALSE(act().view.zoomOut->isEnabled()) << "no smaller size";

  setCell(session.document(), {3, 2}, EL_RUBY);
  const QPoint ruby = view.cellViewportRect({3, 2}).center();
  QTest::mouseMove(view.viewport(), ruby);
  QTest::mouseClick(view.viewport(), Qt::MiddleButton, {}, ruby);
  settle();
  EXPECT_TRUE(act().elements.element[EL_RUBY]->isChecked()) << "the toolbars show the picked element";
  const QList<QLabel*> labels = session.window().statusBar()->findChildren<QLabel*>();
  EXPECT_TRUE(std::ranges::any_of(labels, [](QLabel* label) { return label->text() == "3, 2  Ruby"; }));

  // Each level keeps its element and mode, and the element buttons show the active level's artwork.
  ASSERT_NE(setPicture("Night", EL_EARTH), setPicture("Default", EL_EARTH));
  LevelWindow* night = session.active();  // its element is the ruby picked
  trigger(act().elements.fill);
  auto* sets = static_cast<QComboBox*>(night->form()->field(PropertyForm::Field::Artwork));
  sets->setCurrentIndex(sets->findText("Night"));  // the shipped sets are listed
  emit sets->activated(sets->currentIndex());
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Night", EL_EARTH)) << "the active level's artwork changed";
  trigger(act().file.newLevel);
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Default", EL_EARTH)) << "another level became active";
  trigger(act().elements.element[EL_BOMB]);
  EXPECT_FALSE(session.document().isModified()) << "choosing an element is no change";
  session.window().mdiArea()->setActiveSubWindow(night);
  settle();
  EXPECT_TRUE(act().elements.element[EL_RUBY]->isChecked());
  EXPECT_TRUE(act().elements.fill->isChecked());
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Night", EL_EARTH));
}

TEST(MenuActions, CommandLinePrintsALevelFileWithoutAWindow) {
  EXPECT_EQ(parseCommandLine({"--print-to", "Office", "a.lev"}).printer, "Office");
  EXPECT_EQ(parseCommandLine({"--print-to", "a.lev"}).action, CommandLine::Action::UsageError);
  EXPECT_EQ(parseCommandLine({"--print", "a.lev", "b.lev"}).action, CommandLine::Action::UsageError);
  const CommandLine several = parseCommandLine({"a.lev", "--new-instance", "b.lev"});
  EXPECT_EQ(several.files, (QStringList{"a.lev", "b.lev"}));
  EXPECT_TRUE(several.newInstance);
  EXPECT_EQ(parseCommandLine({"a.lev", "--newinstance"}).action, CommandLine::Action::UsageError);
  EXPECT_EQ(parseCommandLine({"--", "-dash.lev", "--print"}).files, (QStringList{"-dash.lev", "--print"}));
  const QString level = CAVERNIA_EXAMPLES_DIR "/key-vault.lev";
  QTemporaryDir folder;
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFileName(folder.filePath("cli.pdf"));
  QString errors;
  QTextStream stream(&errors);
  EXPECT_EQ(runningApp().printLevelFile(level, QString(), stream, &pdf), 0) << errors.toStdString();
  EXPECT_GT(QFileInfo(pdf.outputFileName()).size(), 0);
  for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_FALSE(widget->isVisible());
  // Each failure is said on the error stream, and the status says it failed.
  for (const auto& [file, printer, says] : {std::tuple<QString, QString, QString>{"/no/such/lost.lev", "", "lost.lev"},
                                            {level, "No Such Printer", "no printer named \"No Such Printer\""}}) {
    errors.clear();
    EXPECT_EQ(runningApp().printLevelFile(file, printer, stream), 1);
    EXPECT_TRUE(errors.contains(says)) << errors.toStdString();
  }
}

// A focused text field takes the edit commands first. The block commands lift the marked block
// and act on it while it floats; any other command puts it down first. Their keys, like Ctrl+A,
// belong to the level view, not to the form.
TEST(MenuActions, AFocusedTextFieldTakesTheEditActionsFirstBlockActionsLiftTheMarkingAndReplaceSaysWhere) {
  EditorSession session;
  LevelView& view = *session.active()->view();
  LevelDocument& document = session.document();
  PropertyForm& form = *session.active()->form();
  settle();
  view.setSelection(CellRange{1, 1, 2, 2});
  settle();
  ASSERT_TRUE(act().edit.copy->isEnabled()) << "the level has cells to copy";
  auto* name = static_cast<QLineEdit*>(form.field(PropertyForm::Field::Name));
  form.focusField(PropertyForm::Field::Name);
  QTest::keyClicks(name, "Ruby Mine");
  settle();
  EXPECT_FALSE(act().edit.copy->isEnabled()) << "no text selected";
  EXPECT_FALSE(act().view.redraw->isEnabled()) << "only the level view redraws";
  QTest::keyClick(name, Qt::Key_Home, Qt::ShiftModifier);
  settle();
  act().edit.cut->trigger();  // a disabled action would do nothing

  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Ruby Mine");
  EXPECT_EQ(name->text(), "");
  settle();
  act().edit.paste->trigger();
  EXPECT_EQ(name->text(), "Ruby Mine");

  // Ctrl+Z takes back the field's own typing first, then the level's last step.
  form.focusField(PropertyForm::Field::NextLevel);  // leaving the name commits it
  const auto levelName = [&document] { return document.level().text(Property::Name); };
  auto* next = static_cast<QLineEdit*>(form.field(PropertyForm::Field::NextLevel));
  QTest::keyClicks(next, "Two");
  QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(next->text(), "");
  EXPECT_EQ(levelName(), "Ruby Mine");
  QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(levelName(), "");
  EXPECT_TRUE(next->hasFocus());

  setCells(document, std::vector<CellPos>{{0, 0}, {2, 0}}, EL_LORRY_LEFT, "Draw");
  view.clearSelection();
  settle();
  EXPECT_FALSE(act().edit.flipHorizontally->isEnabled());
  view.setFocus();
  view.setSelection(CellRange{0, 0, 1, 1});
  settle();
  QTest::keyClick(&view, Qt::Key_Z);
  settle();
  EXPECT_TRUE(view.hasFloatingBlock());
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);  // Select None
  settle();
  EXPECT_EQ(document.level().element(1, 0), EL_LORRY_UP) << "put down, turned";
  EXPECT_EQ(view.selection(), std::nullopt);
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(view.selection(), document.level().bounds());

  form.focusField(PropertyForm::Field::Name);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  EXPECT_FALSE(view.hasFloatingBlock()) << "a key typed in the form is the form's";
  EXPECT_EQ(document.level().element(1, 0), EL_LORRY_UP);
  const auto replace = [&](int from, const char* said, int choices) {
    whenDialogOpens<ReplaceElementDialog>([from, choices](ReplaceElementDialog* dialog) {
      EXPECT_EQ(dialog->findChildren<QRadioButton*>().size(), choices);
      dialog->replacedList()->setCurrentRow(from);
      dialog->replacementList()->setCurrentRow(EL_ROCK);
      QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    act().edit.replace->trigger();
    EXPECT_EQ(session.window().statusBar()->currentMessage(), said);
  };
  view.setSelection(CellRange{1, 0, 5, 0});  // the marked block is the choice made
  replace(EL_LORRY_LEFT, "1 cell replaced", 2);
  view.setSelection(CellRange{0, 0, 0, 0});  // one cell: only the whole level
  replace(EL_LORRY_UP, "1 cell replaced", 1);
  settle();
  EXPECT_EQ(document.level().element(2, 0), EL_ROCK);
  EXPECT_EQ(document.level().element(1, 0), EL_ROCK);
}

// Runs the command and answers its file dialog with `answer` (empty: Cancel), typed into the name
// field as a user does: selectFile() leaves the field alone once it has the focus, which comes
// whenever the platform gets round to activating the dialog. `look` sees the dialog first.
void answerFileDialog(QAction* command, const QString& answer, const std::function<void(QFileDialog&)>& look) {
  whenDialogOpens<QFileDialog>([&](QFileDialog* dialog) {
    look(*dialog);
    if (answer.isEmpty()) return dialog->reject();
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(answer);
    static_cast<QDialog*>(dialog)->accept();  // as its Open or Save button does
  });
  trigger(command);
}

// Runs File > Open and answers it with `choice` (none: Cancel); returns the folder it started in.
// Meanwhile the dialog must show each file's size and type whole.
QString openDialogFolder(const QString& choice) {
  QString folder;
  answerFileDialog(act().file.open, choice, [&folder](QFileDialog& dialog) {
    folder = dialog.directory().absolutePath();
    auto* files = dialog.findChild<QTreeView*>();
    const auto readable = [files, header = files->header()] {
      return std::ranges::all_of(std::array{1, 2}, [&](int column) {
        const int needed = static_cast<const QAbstractItemView*>(files)->sizeHintForColumn(column);
        return needed > 0 && header->sectionSize(column) >= needed &&
               header->sectionViewportPosition(column) + header->sectionSize(column) <= files->viewport()->width();
      });
    };
    EXPECT_TRUE(QTest::qWaitFor(readable)) << "size and type show whole";
  });
  return folder;
}

// Runs Export as Image and answers it; returns the name it proposed.
QString exportTo(const QString& answer) {
  QString proposed;
  answerFileDialog(act().file.exportImage, answer, [&](QFileDialog& in) { proposed = in.selectedFiles().value(0); });
  return proposed;
}

// Export as Image proposes the level's name beside it and writes what the render command writes.
TEST(MenuActions, FileDialogsStartInTheLevelsFolderElseInTheOneLastChosenAndExportWritesWhatRenderWrites) {
  QTemporaryDir first, second;
  Level level;
  level.setText(Property::Artwork, "Night");
  for (int x = 0; x < 6; ++x) level.setElement(x, 1, x % 2 ? EL_EARTH : EL_BUG_LEFT);
  const QString file = first.filePath("cave.lev");
  ASSERT_TRUE(saveLevelFile(level, file.toStdString()).ok);
  ASSERT_TRUE(saveLevelFile(Level(), second.filePath("cave.lev").toStdString()).ok);
  {
    EditorSession session({file});
    session.active()->view()->viewState().setCellSize(15);
    session.active()->view()->viewState().setGridVisible(false);
    EXPECT_EQ(exportTo(first.filePath("picture.png")), first.filePath("cave.png")) << "the level's name, beside it";
    MessageCatcher told;
    exportTo("/nonexistent/picture.png");
    EXPECT_TRUE(told.texts.value(0).contains("/nonexistent/picture.png")) << told.texts.join("|").toStdString();
    EXPECT_EQ(openDialogFolder(second.filePath("cave.lev")), first.path());
    settle();
    ASSERT_EQ(session.window().levelWindows().size(), 2);
    trigger(act().file.newLevel);
    EXPECT_EQ(openDialogFolder(QString()), second.path()) << "a new level has no folder of its own";
  }
  const std::string rendered = first.filePath("render.png").toStdString();
  ASSERT_EQ(cli({"render", file.toStdString(), "-o", rendered, "--cell", "15", "--no-grid"}).status, kExitOk);
  EXPECT_EQ(fileBytes(first.filePath("picture.png").toStdString()), fileBytes(rendered));
}
