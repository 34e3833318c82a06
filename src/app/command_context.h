#pragma once

class CommandSet;
class LevelWindow;
class MainWindow;
class OpenLevels;
class TextField;
struct Actions;

// What the commands of the menus work on.
struct CommandContext {
  CommandSet& commands;
  MainWindow& window;
  OpenLevels& levels;
  TextField& textField;
};

// One function per menu declares its commands and fills its part of the actions.
void addFileCommands(CommandContext& context, Actions& actions);
void addEditCommands(CommandContext& context, Actions& actions);
void addViewCommands(CommandContext& context, Actions& actions);
void addWindowCommands(CommandContext& context, Actions& actions);
void addElementCommands(CommandContext& context, Actions& actions);
void addHelpCommands(CommandContext& context, Actions& actions);
void addCompareCommands(CommandContext& context, Actions& actions);

class LevelDocument;
class ViewSettings;

// The active level's window, document and settings; nullptr while no level window is active.
LevelWindow* activeWindow(const CommandContext& context);
LevelDocument* activeDocument(const CommandContext& context);
ViewSettings* activeSettings(const CommandContext& context);
