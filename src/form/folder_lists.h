#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// The names the level's artwork, sounds and music can be chosen from, as found in the
// folders beside the program. Only the names are used; nothing in the folders is read.
struct FolderLists {
  QStringList artwork;  // subfolders of "art"
  QStringList sounds;   // subfolders of "sound"
  QStringList songs;    // "*.mid" files in "songs", without the extension
};

// Scans the three folders under programFolder; a missing folder gives an empty list. The
// lists come in the order the file system gives them.
FolderLists scanFolderLists(const QString& programFolder);

// Adds an entry at its place in a list kept in alphabetical order, case ignored; returns its index.
int insertSorted(QComboBox& box, const QString& text);

// Selects the entry that equals the name, ignoring the case of A to Z only; a name in no
// entry is added to the list. An empty name does nothing.
void selectComboEntry(QComboBox& box, const QString& name);
