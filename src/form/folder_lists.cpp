// Artwork, sound and music names from the folders beside the program.
#include "form/folder_lists.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

namespace {

// Folder names count up to their last dot, as set names do.
QString folderEntry(const QString& name) {
  const qsizetype dot = name.lastIndexOf('.');
  return dot < 0 ? name : name.left(dot);
}

QStringList subfolders(const QString& path) {
  QStringList names;
  for (const QString& name : QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted))
    names << folderEntry(name);
  return names;
}

QStringList songs(const QString& path) {
  QStringList names;
  // Without regard to case, so "Theme.MID" counts as a song. (The extension is compared here
  // rather than given as a name filter, which would wake the pattern engine at every start.)
  for (const QFileInfo& file : QDir(path).entryInfoList(QDir::Files, QDir::Unsorted))
    if (file.suffix().compare("mid", Qt::CaseInsensitive) == 0) names << file.completeBaseName();
  return names;
}

// Alphabetical without regard to case; names equal but for case keep the order they came in.
bool comesBefore(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; }

// Letters A to Z and a to z are the same; every other character only equals itself.
bool equalsAsciiNoCase(const QString& a, const QString& b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char16_t c) { return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c - 'A' + 'a') : c; };
  for (qsizetype i = 0; i < a.size(); ++i)
    if (fold(a[i].unicode()) != fold(b[i].unicode())) return false;
  return true;
}

}  // namespace

FolderLists scanFolderLists(const QString& programFolder) {
  const QDir folder(programFolder);
  return {subfolders(folder.filePath("art")), subfolders(folder.filePath("sound")), songs(folder.filePath("songs"))};
}

int insertSorted(QComboBox& box, const QString& text) {
  int at = box.count();
  while (at > 0 && comesBefore(text, box.itemText(at - 1))) --at;
  box.insertItem(at, text);
  return at;
}

void selectComboEntry(QComboBox& box, const QString& name) {
  if (name.isEmpty()) return;
  for (int i = 0; i < box.count(); ++i) {
    if (equalsAsciiNoCase(box.itemText(i), name)) {
      box.setCurrentIndex(i);
      return;
    }
  }
  // A name from the level file or typed by the user stays available in the list.
  box.setCurrentIndex(insertSorted(box, name));
}
