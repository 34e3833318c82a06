#pragma once

#include "undo/tile_action_object.h"

// A tile action that counts its destruction, to see who destroys what.
struct CountedAction : CTileActionObject {
  explicit CountedAction(int* destroyed) : destroyed(destroyed) {}
  ~CountedAction() override { ++*destroyed; }
  int* destroyed;
};
