#pragma once

#include <QCursor>
#include <functional>
#include <optional>

#include "editing/floating_block.h"
#include "level/cell_range.h"
#include "view/view_marking.h"

class LevelDocument;
class LevelViewState;

// What a tool works on: the level, the view's state, the marking the view shows and the
// block lifted off the level.
struct ToolContext {
  LevelDocument& document;
  const LevelViewState& viewState;
  std::function<void(std::optional<ViewMarking>)> showMarking;
  std::optional<FloatingBlock>& floating;
  std::function<void()> showFloatingBlock;  // after `floating` changed
  std::function<void()> putDownBlock;       // writes a floating block into the level
  std::function<void()> cancelLift;         // drops it: everything as before the lift
  // The drag under way, kept by the tool controller.
  struct Drag {
    Qt::MouseButton button = Qt::NoButton;  // the one that began it; none between drags
    // What was selected and which keys were held when the button went down.
    std::optional<CellRange> selectionAtPress;
    Qt::KeyboardModifiers modifiersAtPress;
    // Whether the mouse went farther from the press than a click may move.
    bool beyondClick = false;
  } drag{};
};

// One drawing mode of the level view. The tool controller hands it the cell under the mouse
// from the press of a button to its release or Esc; everything the tool changes in between is
// one undo step.
class MouseTool {
 public:
  explicit MouseTool(ToolContext& context) : m_context(context) {}
  virtual ~MouseTool() = default;
  MouseTool(const MouseTool&) = delete;
  MouseTool& operator=(const MouseTool&) = delete;

  virtual void press(CellPos cell, Qt::MouseButton button) = 0;
  virtual void move(CellPos cell) = 0;
  // Any button's release while the drag goes on, not only the one that began it.
  virtual void release(Qt::MouseButton button) = 0;
  // Esc during the drag: the drag leaves no trace.
  virtual void cancel() = 0;
  virtual QCursor cursor() const = 0;
  // Whether the view scrolls on while the mouse drags beyond its edge.
  virtual bool scrollsAtEdges() const { return false; }

 protected:
  // The element a button draws: the current element, or nothing for the right button.
  int elementFor(Qt::MouseButton button) const;

  ToolContext& m_context;
};
