// The Edit menu: undo and redo, the clipboard and the block commands. A focused text field
// comes first for the first five; otherwise undo and redo are the level's and the clipboard
// commands the level view's.
#include <QStatusBar>

#include "app/actions.h"
#include "app/command_context.h"
#include "app/command_icons.h"
#include "app/commands/command_set.h"
#include "app/commands/text_field.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/replace_element_dialog.h"
#include "artwork/artwork_sets.h"
#include "editing/block_edits.h"
#include "editing/level_document.h"
#include "render/model_texts.h"
#include "view/level_view.h"
#include "view/view_settings.h"

namespace {

// Who carries out one of the five commands now, and whether it can.
struct Target {
  bool enabled = false;
  std::function<void()> run;
};

using FieldAction = TextField::Action;

Command routed(std::function<Target()> target, Command command) {
  command.enabled = [target] { return target().enabled; };
  command.run = [target] {
    if (const Target now = target(); now.enabled) now.run();
  };
  return command;
}

// "&Undo Rectangle": the step's name follows the plain text, when the level's step is meant.
QString withStep(const QString& text, const std::string& step) {
  return step.empty() ? text : text + ' ' + translated::stepName(step);
}

// The active level's view while it has a marking, whichever pane has the focus.
LevelView* viewWithMarking(const CommandContext& context) {
  LevelWindow* window = activeWindow(context);
  return window && window->view()->selection() ? window->view() : nullptr;
}

// Asks which element to replace with which, then replaces it in the marking or, without one,
// in the whole level, and says how many cells changed.
void replaceElementInLevel(const CommandContext& context) {
  LevelWindow* window = activeWindow(context);
  if (!window) return;
  ReplaceElementDialog dialog(window->view()->settings().currentElement(), LevelArtwork(window->view()->document().level()),
                              &context.window);
  // The dialog runs its own event loop: the window is looked up again afterwards.
  if (dialog.exec() != QDialog::Accepted || !(window = activeWindow(context))) return;
  LevelView& view = *window->view();
  const CellRange area = view.selection().value_or(view.document().level().bounds());
  const int replaced = replaceElement(view.document(), area, dialog.replaced(), dialog.replacement());
  const QString message = replaced == 0   ? QString("No cell holds %1").arg(translated::elementName(dialog.replaced()))
                          : replaced == 1 ? QString("1 cell replaced")
                                          : QString("%1 cells replaced").arg(replaced);
  context.window.statusBar()->showMessage(message);
}

}  // namespace

void addEditCommands(CommandContext& context, Actions& actions) {
  CommandSet& commands = context.commands;
  TextField* field = &context.textField;
  const auto fieldOr = [field](FieldAction action, std::function<Target()> otherwise) {
    return [field, action, otherwise] {
      if (field->takes(action)) return Target{field->canRun(action), [field, action] { field->run(action); }};
      return otherwise();
    };
  };
  const auto levelStep = [&context](bool undo) {
    return [&context, undo]() -> Target {
      LevelDocument* document = activeDocument(context);
      if (!document) return {};
      if (undo) return {document->canUndo(), [document] { document->undo(); }};
      return {document->canRedo(), [document] { document->redo(); }};
    };
  };
  // The clipboard commands belong to the level view while the form does not have the focus.
  const auto viewCommand = [&context](bool (LevelView::*can)() const, void (LevelView::*act)()) {
    return [&context, can, act]() -> Target {
      LevelWindow* window = activeWindow(context);
      if (!window || !window->viewIsActivePane()) return {};
      LevelView* view = window->view();
      return {(view->*can)(), [view, act] { (view->*act)(); }};
    };
  };
  // The name of the level's step the command would take, unless the text field has it.
  const auto stepName = [&context, field](bool undo) {
    return [&context, field, undo]() -> std::string {
      LevelDocument* document = activeDocument(context);
      if (!document || field->takes(undo ? FieldAction::Undo : FieldAction::Redo)) return {};
      return undo ? document->undoName() : document->redoName();
    };
  };
  using Key = QKeySequence;
  Actions::Edit& edit = actions.edit;

  const auto undoStep = stepName(true);
  edit.undo = commands.add(routed(fieldOr(FieldAction::Undo, levelStep(true)),
                                  {.text = "&Undo", .keys = {Key(Qt::CTRL | Qt::Key_Z), Key(Qt::ALT | Qt::Key_Backspace)},
                                   .prompt = "Undoes the last action", .tooltip = "Undo (Ctrl+Z)",
                                   .currentText = [undoStep] { return withStep("&Undo", undoStep()); },
                                   .currentTooltip = [undoStep] { return withStep("Undo", undoStep()) + " (Ctrl+Z)"; }}));
  const auto redoStep = stepName(false);
  edit.redo = commands.add(routed(fieldOr(FieldAction::Redo, levelStep(false)),
                                  {.text = "&Redo", .keys = {Key(Qt::CTRL | Qt::Key_Y)},
                                   .prompt = "Redoes the last action", .tooltip = "Redo (Ctrl+Y)",
                                   .currentText = [redoStep] { return withStep("&Redo", redoStep()); },
                                   .currentTooltip = [redoStep] { return withStep("Redo", redoStep()) + " (Ctrl+Y)"; }}));
  edit.cut = commands.add(routed(fieldOr(FieldAction::Cut, viewCommand(&LevelView::canCopy, &LevelView::cut)),
                                 {.text = "Cu&t", .keys = {Key(Qt::CTRL | Qt::Key_X), Key(Qt::SHIFT | Qt::Key_Delete)},
                                  .prompt = "Cuts the selection and moves it to the Clipboard.",
                                  .tooltip = "Cut (Ctrl+X)", .icon = commandIcon(CommandIcon::Cut)}));
  edit.copy = commands.add(routed(fieldOr(FieldAction::Copy, viewCommand(&LevelView::canCopy, &LevelView::copy)),
                                  {.text = "&Copy", .keys = {Key(Qt::CTRL | Qt::Key_C), Key(Qt::CTRL | Qt::Key_Insert)},
                                   .prompt = "Copies the selection to the Clipboard.", .tooltip = "Copy (Ctrl+C)",
                                   .icon = commandIcon(CommandIcon::Copy)}));
  edit.paste = commands.add(routed(fieldOr(FieldAction::Paste, viewCommand(&LevelView::canPaste, &LevelView::paste)),
                                   {.text = "&Paste", .keys = {Key(Qt::CTRL | Qt::Key_V), Key(Qt::SHIFT | Qt::Key_Insert)},
                                    .prompt = "Inserts the Clipboard contents at the insertion point.",
                                    .tooltip = "Paste (Ctrl+V)", .icon = commandIcon(CommandIcon::Paste)}));

  const auto blockCommand = [&context, &commands](BlockTransform transform, const QString& text, const QString& prompt) {
    return commands.add({.text = text, .prompt = prompt,
                         .enabled = [&context] { return viewWithMarking(context) != nullptr; },
                         .run = [&context, transform] {
                           if (LevelView* view = viewWithMarking(context))
                             view->setSelection(transformBlock(view->document(), *view->selection(), transform));
                         }});
  };
  edit.flipHorizontally = blockCommand(BlockTransform::FlipHorizontally, "Flip &Horizontally",
                                       "Flips the marked block from left to right");
  edit.flipVertically = blockCommand(BlockTransform::FlipVertically, "Flip &Vertically",
                                     "Flips the marked block upside down");
  edit.rotateClockwise = blockCommand(BlockTransform::RotateClockwise, "Rotate Clock&wise",
                                      "Turns the marked block a quarter turn clockwise about its top-left cell");
  edit.rotateCounterClockwise = blockCommand(BlockTransform::RotateCounterClockwise, "Rotate C&ounter-clockwise",
                                             "Turns the marked block a quarter turn counter-clockwise about its top-left cell");
  edit.replace = commands.add({.text = "R&eplace Element...",
                               .prompt = "Replaces one element with another in the marking or the whole level",
                               .enabled = [&context] { return activeWindow(context) != nullptr; },
                               .run = [&context] { replaceElementInLevel(context); }});
}
