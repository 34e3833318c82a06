#include "view/mouse_tool.h"

#include "level/elements.h"
#include "view/level_view_state.h"

int MouseTool::elementFor(Qt::MouseButton button) const {
  return button == Qt::LeftButton ? m_context.viewState.currentElement() : kNoElement;
}
