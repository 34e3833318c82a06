#pragma once

#include <QString>

class QWidget;

// The folder a file dialog starts in: the folder of `levelPath` when the level has a file, else
// the folder last chosen in a file dialog, else the home folder.
QString startFolder(const QString& levelPath);

// File dialogs that start where `proposed` (a folder, or a file to propose) says, wide enough to
// read the size and type of each file. The folder of the chosen file is remembered; nothing
// chosen gives an empty name.
QString askFileToOpen(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter);
QString askFileToSave(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter);
