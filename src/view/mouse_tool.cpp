#include "view/mouse_tool.h"

#include "level/elements.h"
#include "view/view_settings.h"

int MouseTool::elementFor(Qt::MouseButton button) const {
  return button == Qt::LeftButton ? m_context.settings.currentElement() : kNoElement;
}
