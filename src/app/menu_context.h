#pragma once

class MenuActions;
class LevelWindow;
class MainWindow;
class OpenLevels;
class FocusedTextField;
struct Actions;

// What the menu actions work on.
struct MenuContext {
  MenuActions& menuActions;
  MainWindow& window;
  OpenLevels& levels;
  FocusedTextField& textField;
};

// One function per menu declares its menu actions and fills its part of the actions.
void addFileMenu(MenuContext& context, Actions& actions);
void addEditMenu(MenuContext& context, Actions& actions);
void addViewMenu(MenuContext& context, Actions& actions);
void addWindowMenu(MenuContext& context, Actions& actions);
void addElementMenu(MenuContext& context, Actions& actions);
void addHelpMenu(MenuContext& context, Actions& actions);
void addCompareMenu(MenuContext& context, Actions& actions);

class LevelDocument;
class LevelViewState;

// The active level's window, document and view state; nullptr while no level window is active.
LevelWindow* activeWindow(const MenuContext& context);
LevelDocument* activeDocument(const MenuContext& context);
LevelViewState* activeViewState(const MenuContext& context);
