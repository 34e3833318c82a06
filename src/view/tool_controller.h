#pragma once

#include <QCursor>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "view/level_view_state.h"
#include "view/mouse_tool.h"

// The drawing mode's tool and the one drag it may be making: which button began it, where,
// whether the mouse has gone farther than a click, Esc, and scrolling on while the mouse drags
// beyond the view's edge. The view hands it the mouse in viewport pixels and nothing else
// keeps track of a drag.
class ToolController : public QObject {
  Q_OBJECT
 public:
  // What the controller needs of the view it works in.
  struct View {
    std::function<CellPos(QPoint)> cellAt;  // viewport pixels to a cell
    std::function<QRect()> area;            // the viewport's pixels
    std::function<void(QPoint)> scrollBy;   // pixels, right and down
  };

  ToolController(ToolContext& context, View view);
  ~ToolController() override;

  // A new mode ends the drag under way as Esc would.
  void setMode(LevelViewState::DrawMode mode);
  QCursor cursor() const { return m_tool->cursor(); }
  bool dragging() const { return m_context.drag.button != Qt::NoButton; }

  // False for a press the tools do not take (another button, or one during a drag).
  bool press(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, std::optional<CellRange> selection);
  void move(QPoint pos);
  // False when no drag took the release.
  bool release(Qt::MouseButton button);
  // Esc: the drag leaves no trace. False when there was none.
  bool cancel();
  // Ends the drag as the release of its button would.
  void finish();

 signals:
  void dragEnded();

 private:
  void scrollTowardsMouse();

  ToolContext& m_context;
  View m_view;
  std::unique_ptr<MouseTool> m_tool;
  QPoint m_pressPos;
  QPoint m_mouse;  // during the drag
  QTimer m_edgeScroll;
};
