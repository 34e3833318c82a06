#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>

// An icon whose picture is made when it is first shown at a size, not when it is created: the
// window comes up sooner, and what only the pictures need (a bold font, the element pictures
// scaled) waits until they are drawn. `render` makes the picture at the size asked for; the
// disabled look is made from it as Qt makes it for other icons.
QIcon paintedIcon(std::function<QPixmap(QSize)> render);
