#include "app/menu_context.h"

#include "app/level_window.h"
#include "app/main_window.h"
#include "app/open_levels.h"

LevelWindow* activeWindow(const MenuContext& context) { return context.window.activeLevelWindow(); }

LevelDocument* activeDocument(const MenuContext& context) {
  LevelWindow* window = activeWindow(context);
  return window ? &window->document() : nullptr;
}

LevelViewState* activeViewState(const MenuContext& context) {
  LevelDocument* document = activeDocument(context);
  return document ? context.levels.viewStateOf(*document) : nullptr;
}
