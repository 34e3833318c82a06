#pragma once

#include <memory>
#include <vector>

#include "undo/tile_action_object.h"

// The cells one fill changed, each once, in the order the fill changed them.
class CFillActionObject : public CActionObject {
 public:
  CFillActionObject() : CActionObject(ACTION_FILL) {}

  std::vector<std::unique_ptr<CTileActionObject>> m_tiles;
};
