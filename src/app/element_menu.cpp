// The element palette and the drawing modes: each level's windows share its choice.
#include <QCoreApplication>

#include "app/actions.h"
#include "app/menu_context.h"
#include "app/action_icons.h"
#include "app/menu/menu_actions.h"
#include "render/model_texts.h"
#include "view/level_view_state.h"

namespace {
struct DrawModes {
  Q_DECLARE_TR_FUNCTIONS(DrawModes)
};
}  // namespace

void addElementMenu(MenuContext& context, Actions& actions) {
  MenuActions& menuActions = context.menuActions;
  const auto viewState = [&context] { return activeViewState(context); };
  const auto levelActive = [viewState] { return viewState() != nullptr; };
  Actions::Elements& elements = actions.elements;

  // The element's name is its prompt and its tooltip, where it has a string at all. The others
  // get no text either, since a button without a tooltip of its own shows its text.
  for (const ElementInfo& info : elementTable()) {
    const QString name = info.hasCommandString ? translated::elementName(info.index) : QString();
    const int element = info.index;
    elements.element[element] =
        menuActions.add({.text = name, .prompt = name, .tooltip = name, .checkable = true, .enabled = levelActive,
                      .checked = [viewState, element] { return viewState() && viewState()->currentElement() == element; },
                      .run = [viewState, element] { viewState()->setCurrentElement(element); }});
  }

  using Mode = LevelViewState::DrawMode;
  // A single key each, shown in the menu and the tooltip; it acts only in the level view.
  const auto mode = [&](Mode drawMode, const QString& text, const QString& prompt, ActionIcon icon, QKeySequence key) {
    return menuActions.add({.text = text, .keys = {key}, .prompt = prompt,
                         .tooltip = QString("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)),
                         .icon = actionIcon(icon), .checkable = true, .enabled = levelActive,
                         .checked = [viewState, drawMode] { return viewState() && viewState()->drawMode() == drawMode; },
                         .run = [viewState, drawMode] { viewState()->setDrawMode(drawMode); },
                         .keysInLevelView = true});
  };
  using Key = QKeySequence;
  elements.freeDraw = mode(Mode::Free, DrawModes::tr("Free Draw"), DrawModes::tr("Free Draw Mode"),
                           ActionIcon::FreeDraw, Key(Qt::Key_D));
  elements.line = mode(Mode::Line, DrawModes::tr("Line"), DrawModes::tr("Line Mode"), ActionIcon::Line, Key(Qt::Key_L));
  elements.fill = mode(Mode::Fill, DrawModes::tr("Fill"), DrawModes::tr("Fill Mode"), ActionIcon::Fill, Key(Qt::Key_F));
  elements.rectangle = mode(Mode::Rectangle, DrawModes::tr("Rectangle"), DrawModes::tr("Rectangle Mode"),
                            ActionIcon::Rectangle, Key(Qt::Key_R));
  elements.filledRectangle = mode(Mode::FilledRectangle, DrawModes::tr("Filled Rectangle"),
                                  DrawModes::tr("Filled Rectangle Mode"), ActionIcon::FilledRectangle,
                                  Key(Qt::SHIFT | Qt::Key_R));
  elements.selection = mode(Mode::Selection, DrawModes::tr("Selection"), DrawModes::tr("Selection Mode"),
                            ActionIcon::Selection, Key(Qt::Key_S));
}
