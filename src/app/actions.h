#pragma once

#include <QAction>
#include <array>

#include "level/elements.h"

// The actions of every command, by name, for the menus and toolbars to lay out.
struct Actions {
  struct File {
    QAction *newLevel, *open, *close, *save, *saveAs, *exportImage, *sendMail, *print, *printPreview, *printSetup, *exit;
  } file{};
  struct Edit {
    QAction *undo, *redo, *cut, *copy, *paste, *deleteCells, *selectAll, *selectNone;
    QAction *flipHorizontally, *flipVertically, *rotateClockwise, *rotateCounterClockwise, *replace;
  } edit{};
  struct View {
    QAction *fileBar, *basicElementsBar, *movingElementsBar, *doorsKeysBar, *drawModesBar, *gridBar, *statusBar, *problemsPanel, *levelPack, *properties;
    QAction *redraw, *grid, *gridSize, *cellSize15, *cellSize30, *cellSize60, *zoomIn, *zoomOut, *fitLevel;
  } view{};
  struct Compare {
    QAction *withSaved, *withFile, *next, *previous, *end;
  } compare{};
  struct Window {
    QAction *newWindow, *cascade, *tileHorizontally, *tileVertically, *tabbed, *next, *previous, *nextPane, *previousPane;
  } window{};
  struct Elements {
    std::array<QAction*, kElementCount> element{};
    QAction *freeDraw, *line, *fill, *rectangle, *filledRectangle, *selection;
  } elements{};
  QAction* about = nullptr;
};
