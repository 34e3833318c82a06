#pragma once

#include <QList>
#include <QString>

// One toolbar: its resource number, the caption it shows when floating, the command that shows
// or hides it, and its buttons (0 stands for a separator).
struct ToolbarLayout {
  int resourceId;
  QString caption;
  int toggleCommand;
  QList<int> buttons;
};

// The six toolbars in the order the frame creates them.
const QList<ToolbarLayout>& ToolbarLayouts();
