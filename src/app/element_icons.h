#pragma once

#include <QIcon>

// The picture of an element for its palette button, from the current artwork set (or the
// default set before any level chose one).
QIcon elementIcon(int element);
