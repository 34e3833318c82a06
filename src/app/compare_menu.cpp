// Comparing the active level with its saved file or another level: File > Compare with Saved and
// Compare with File..., View > Next and Previous Difference (F8, Shift+F8) and End Comparison.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/actions.h"
#include "app/menu_context.h"
#include "app/menu/menu_actions.h"
#include "app/differences_panel.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "editing/level_document.h"
#include "level/level_file.h"
#include "render/model_texts.h"

namespace {

struct CompareMenu {
  Q_DECLARE_TR_FUNCTIONS(CompareMenu)
};

void compareWithFile(DifferencesPanel* panel, LevelWindow* window, const QString& path, bool savedFile) {
  Level reference;
  if (const FileResult read = readLevelFile(QFile::encodeName(path).toStdString(), reference); !read.ok) {
    const QString reason = translated::messageText(read.error);
    QMessageBox::warning(window, "Cavernia Level Editor",
                         CompareMenu::tr("The level cannot be compared.\n\n%1").arg(reason));
    return;
  }
  panel->compare(window, std::move(reference),
                 savedFile ? CompareMenu::tr("the saved file") : QDir::toNativeSeparators(path), savedFile);
}

}  // namespace

void addCompareMenu(MenuContext& context, Actions& actions) {
  MenuActions& menuActions = context.menuActions;
  MainWindow* window = &context.window;
  auto* panel = new DifferencesPanel(window);
  window->addDockWidget(Qt::RightDockWidgetArea, panel);
  panel->hide();  // until a comparison starts
  QObject::connect(panel, &DifferencesPanel::comparisonChanged, &menuActions, [&menuActions] { menuActions.requestRefresh(); });
  const auto active = [&context] { return activeWindow(context); };
  const auto hasFile = [active] { return active() && !active()->document().path().empty(); };
  const auto canStep = [panel] { return panel->isComparing() && !panel->differences().empty(); };
  Actions::Compare& compare = actions.compare;
  using Key = QKeySequence;

  compare.withSaved = menuActions.add(
      {.text = CompareMenu::tr("Compare with &Saved"),
       .prompt = CompareMenu::tr("Shows what differs from the level's saved file"),
       .enabled = hasFile,
       .run = [active, panel] {
         const QString path = QFile::decodeName(QByteArray::fromStdString(active()->document().path()));
         compareWithFile(panel, active(), path, true);
       }});
  compare.withFile = menuActions.add(
      {.text = CompareMenu::tr("Compare with &File..."),
       .prompt = CompareMenu::tr("Shows what differs from another level file"),
       .enabled = [active] { return active() != nullptr; },
       .run = [active, panel, window] {
         LevelWindow* level = active();
         const QString own = QFile::decodeName(QByteArray::fromStdString(level->document().path()));
         const QString path = QFileDialog::getOpenFileName(window, CompareMenu::tr("Compare with File"),
                                                           own.isEmpty() ? QString() : QFileInfo(own).absolutePath(),
                                                           CompareMenu::tr("Cavernia Level (*.lev)"));
         // The window may have gone while the dialog was open.
         if (!path.isEmpty() && active() == level) compareWithFile(panel, level, path, false);
       }});
  compare.next = menuActions.add({.text = CompareMenu::tr("&Next Difference"),
                               .keys = {Key(Qt::Key_F8)},
                               .prompt = CompareMenu::tr("Goes to the next difference of the comparison"),
                               .enabled = canStep,
                               .run = [panel] { panel->step(1); }});
  compare.previous = menuActions.add({.text = CompareMenu::tr("&Previous Difference"),
                                   .keys = {Key(Qt::SHIFT | Qt::Key_F8)},
                                   .prompt = CompareMenu::tr("Goes to the previous difference of the comparison"),
                                   .enabled = canStep,
                                   .run = [panel] { panel->step(-1); }});
  compare.end = menuActions.add({.text = CompareMenu::tr("&End Comparison"),
                              .prompt = CompareMenu::tr("Ends the comparison and its outlines"),
                              .enabled = [panel] { return panel->isComparing(); },
                              .run = [panel] {
                                panel->end();
                                panel->hide();
                              }});
}
