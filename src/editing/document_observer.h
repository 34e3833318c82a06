#pragma once

#include "editing/level_change.h"

// Anything that shows a level document: level views, property forms, windows, the command
// states. Observers may come and go while they are being told.
class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;
  // After every change of the level, by a user's edit or by undo and redo.
  virtual void levelChanged(const LevelChange& change) {}
  // The title (with its '*'), the modified state or what undo and redo would do changed.
  virtual void documentStateChanged() {}
};
