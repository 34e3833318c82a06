#pragma once

#include <cstdint>

// Kinds of undoable change; the number is what ApplyAction dispatches on.
constexpr int32_t ACTION_TILE = 0;
constexpr int32_t ACTION_FILL = 1;
constexpr int32_t ACTION_PROPERTY = 2;

// One undoable change. Actions record values (coordinates, elements, property texts), never
// pointers into the document, so they stay valid whatever happens to the grid afterwards.
// Whoever holds an action in a list owns it: the history, or a fill action for its cells.
class CActionObject {
 public:
  CActionObject() = default;
  virtual ~CActionObject() = default;
  CActionObject(const CActionObject&) = delete;
  CActionObject& operator=(const CActionObject&) = delete;

  int32_t SetKind(int32_t kind) { return m_nKind = kind; }

  int32_t m_nKind = ACTION_TILE;

 protected:
  explicit CActionObject(int32_t kind) : m_nKind(kind) {}
};
