// The Edit menu: undo and redo, the clipboard and the block commands. A focused text field
// comes first for the first five; otherwise undo and redo are the level's and the clipboard
// commands the level view's.
#include <QCoreApplication>
#include <QStatusBar>

#include "app/actions.h"
#include "app/menu_context.h"
#include "app/action_icons.h"
#include "app/menu/menu_actions.h"
#include "app/menu/focused_text_field.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "app/replace_element_dialog.h"
#include "artwork/artwork_sets.h"
#include "editing/block_edits.h"
#include "editing/level_document.h"
#include "render/model_texts.h"
#include "view/level_clipboard.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

namespace {

struct EditMenu {
  Q_DECLARE_TR_FUNCTIONS(EditMenu)
};

// Who carries out one of the five commands now, and whether it can.
struct Target {
  bool enabled = false;
  std::function<void()> run;
};

using FieldAction = FocusedTextField::Action;

MenuAction routed(std::function<Target()> target, MenuAction command) {
  command.enabled = [target] { return target().enabled; };
  command.run = [target] {
    if (const Target now = target(); now.enabled) now.run();
  };
  return command;
}

// "&Undo Rectangle": the text that names the step, when the level's step is meant.
QString withStep(const QString& plain, const QString& naming, const std::string& step) {
  return step.empty() ? plain : naming.arg(translated::stepName(step));
}

// The active level's view while it has a marking, whichever pane has the focus.
LevelView* viewWithMarking(const MenuContext& context) {
  LevelWindow* window = activeWindow(context);
  return window && window->view()->selection() ? window->view() : nullptr;
}

// Asks which element to replace with which and where (the marked block is offered when more
// than one cell is marked), then replaces it and says how many cells changed.
void replaceElementInLevel(const MenuContext& context) {
  LevelWindow* window = activeWindow(context);
  if (!window) return;
  const CellRange marked = window->view()->selection().value_or(CellRange{});
  ReplaceElementDialog dialog(window->view()->viewState().currentElement(), levelArtwork(window->view()->document().level()),
                              QSize(marked.width(), marked.height()), &context.window);
  // The dialog runs its own event loop: the window is looked up again afterwards.
  if (dialog.exec() != QDialog::Accepted || !(window = activeWindow(context))) return;
  LevelView& view = *window->view();
  const CellRange area = dialog.inMarkedBlock() ? view.selection().value_or(marked) : view.document().level().bounds();
  const int replaced = replaceElement(view.document(), area, dialog.replaced(), dialog.replacement());
  const QString message = replaced == 0   ? EditMenu::tr("No cell holds %1").arg(translated::elementName(dialog.replaced()))
                          : replaced == 1 ? EditMenu::tr("1 cell replaced")
                                          : EditMenu::tr("%1 cells replaced").arg(replaced);
  context.window.statusBar()->showMessage(message);
}

}  // namespace

void addEditMenu(MenuContext& context, Actions& actions) {
  MenuActions& menuActions = context.menuActions;
  FocusedTextField* field = &context.textField;
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
  const auto clipboardCommand = [&context](bool (LevelClipboard::*can)() const, void (LevelClipboard::*act)()) {
    return [&context, can, act]() -> Target {
      LevelWindow* window = activeWindow(context);
      if (!window || !window->viewIsActivePane()) return {};
      LevelView* view = window->view();
      return {(LevelClipboard(*view).*can)(), [view, act] {
                LevelClipboard clipboard(*view);
                (clipboard.*act)();
              }};
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
  edit.undo = menuActions.add(routed(
      fieldOr(FieldAction::Undo, levelStep(true)),
      {.text = EditMenu::tr("&Undo"),
       .keys = {Key(Qt::CTRL | Qt::Key_Z), Key(Qt::ALT | Qt::Key_Backspace)},
       .prompt = EditMenu::tr("Undoes the last action"),
       .tooltip = EditMenu::tr("Undo (Ctrl+Z)"),
       .currentText = [undoStep] { return withStep(EditMenu::tr("&Undo"), EditMenu::tr("&Undo %1"), undoStep()); },
       .currentTooltip =
           [undoStep] {
             return withStep(EditMenu::tr("Undo (Ctrl+Z)"), EditMenu::tr("Undo %1 (Ctrl+Z)"), undoStep());
           }}));
  const auto redoStep = stepName(false);
  edit.redo = menuActions.add(routed(
      fieldOr(FieldAction::Redo, levelStep(false)),
      {.text = EditMenu::tr("&Redo"),
       .keys = {Key(Qt::CTRL | Qt::Key_Y)},
       .prompt = EditMenu::tr("Redoes the last action"),
       .tooltip = EditMenu::tr("Redo (Ctrl+Y)"),
       .currentText = [redoStep] { return withStep(EditMenu::tr("&Redo"), EditMenu::tr("&Redo %1"), redoStep()); },
       .currentTooltip =
           [redoStep] {
             return withStep(EditMenu::tr("Redo (Ctrl+Y)"), EditMenu::tr("Redo %1 (Ctrl+Y)"), redoStep());
           }}));
  edit.cut = menuActions.add(routed(fieldOr(FieldAction::Cut, clipboardCommand(&LevelClipboard::canCopy, &LevelClipboard::cut)),
                                 {.text = EditMenu::tr("Cu&t"),
                                  .keys = {Key(Qt::CTRL | Qt::Key_X), Key(Qt::SHIFT | Qt::Key_Delete)},
                                  .prompt = EditMenu::tr("Cuts the selection and moves it to the Clipboard."),
                                  .tooltip = EditMenu::tr("Cut (Ctrl+X)"),
                                  .icon = actionIcon(ActionIcon::Cut)}));
  edit.copy = menuActions.add(routed(fieldOr(FieldAction::Copy, clipboardCommand(&LevelClipboard::canCopy, &LevelClipboard::copy)),
                                  {.text = EditMenu::tr("&Copy"),
                                   .keys = {Key(Qt::CTRL | Qt::Key_C), Key(Qt::CTRL | Qt::Key_Insert)},
                                   .prompt = EditMenu::tr("Copies the selection to the Clipboard."),
                                   .tooltip = EditMenu::tr("Copy (Ctrl+C)"),
                                   .icon = actionIcon(ActionIcon::Copy)}));
  edit.paste = menuActions.add(routed(fieldOr(FieldAction::Paste, clipboardCommand(&LevelClipboard::canPaste, &LevelClipboard::paste)),
                                   {.text = EditMenu::tr("&Paste"),
                                    .keys = {Key(Qt::CTRL | Qt::Key_V), Key(Qt::SHIFT | Qt::Key_Insert)},
                                    .prompt = EditMenu::tr("Inserts the Clipboard contents at the insertion point."),
                                    .tooltip = EditMenu::tr("Paste (Ctrl+V)"),
                                    .icon = actionIcon(ActionIcon::Paste)}));

  edit.deleteCells = menuActions.add(routed(clipboardCommand(&LevelClipboard::canCopy, &LevelClipboard::deleteSelection),
                                         {.text = EditMenu::tr("&Delete"),
                                          .keys = {Key(Qt::Key_Delete)},
                                          .prompt = EditMenu::tr("Empties the marked cells")}));
  edit.selectAll = menuActions.add(routed(
      [&context]() -> Target {
        LevelWindow* window = activeWindow(context);
        if (!window || !window->viewIsActivePane()) return {};
        return {true, [view = window->view()] { view->selectAll(); }};
      },
      {.text = EditMenu::tr("Select &All"), .keys = {Key(Qt::CTRL | Qt::Key_A)},
       .prompt = EditMenu::tr("Marks the whole level")}));
  edit.selectNone = menuActions.add(routed(
      [&context]() -> Target {
        LevelWindow* window = activeWindow(context);
        if (!window || !window->viewIsActivePane()) return {};
        return {window->view()->selection().has_value(), [view = window->view()] { view->clearSelection(); }};
      },
                                        {.text = EditMenu::tr("Select &None"),
                                         .keys = {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
                                         .prompt = EditMenu::tr("Removes the marking")}));

  // The block commands lift the marked block, or work on the one already floating.
  const auto blockAction = [&context, &menuActions](BlockTransform transform, const QString& text, QKeySequence key,
                                                  const QString& prompt) {
    return menuActions.add({.text = text, .keys = {key}, .prompt = prompt,
                         .tooltip = QString("%1 (%2)").arg(QString(text).remove('&'), key.toString(QKeySequence::NativeText)),
                         .enabled = [&context] { return viewWithMarking(context) != nullptr; },
                         .run = [&context, transform] {
                           if (LevelView* view = viewWithMarking(context)) view->transformSelection(transform);
                         },
                         .keepsLiftedBlock = true, .keysInLevelView = true});
  };
  edit.flipHorizontally = blockAction(BlockTransform::FlipHorizontally, EditMenu::tr("Flip &Horizontally"), Key(Qt::Key_X),
                                       EditMenu::tr("Flips the marked block from left to right"));
  edit.flipVertically = blockAction(BlockTransform::FlipVertically, EditMenu::tr("Flip &Vertically"), Key(Qt::Key_Y),
                                     EditMenu::tr("Flips the marked block upside down"));
  edit.rotateClockwise =
      blockAction(BlockTransform::RotateClockwise, EditMenu::tr("Rotate Clock&wise"), Key(Qt::Key_Z),
                   EditMenu::tr("Turns the marked block a quarter turn clockwise about its middle"));
  edit.rotateCounterClockwise =
      blockAction(BlockTransform::RotateCounterClockwise, EditMenu::tr("Rotate C&ounter-clockwise"),
                   Key(Qt::SHIFT | Qt::Key_Z), EditMenu::tr("Turns the marked block a quarter turn counter-clockwise about its middle"));
  edit.replace =
      menuActions.add({.text = EditMenu::tr("R&eplace Element..."),
                    .prompt = EditMenu::tr("Replaces one element with another in the marked block or the whole level"),
                    .enabled = [&context] { return activeWindow(context) != nullptr; },
                    .run = [&context] { replaceElementInLevel(context); }});
}
