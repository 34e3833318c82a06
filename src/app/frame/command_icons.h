#pragma once

#include <QIcon>

// The toolbar pictures of the commands that are not elements, drawn by the program itself.
// A null icon for commands without a picture.
QIcon CommandIcon(int commandId);
