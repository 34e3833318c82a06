#pragma once

#include <QIcon>

// The program's icon, made from pictures compiled into the program: showing it reads no
// file, so windows can carry it from the start.
QIcon programIcon();
