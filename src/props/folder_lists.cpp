// Artwork, sound and music names from the folders beside the program.
#include "props/folder_lists.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "level/brannoc_doc.h"
#include "props/prop_view.h"

namespace {

// Folder names count up to their last dot, as set names do.
QString FolderEntry(const QString& name) {
  const qsizetype dot = name.lastIndexOf('.');
  return dot < 0 ? name : name.left(dot);
}

QStringList Subfolders(const QString& path) {
  QStringList names;
  const QDir folder(path);
  for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted))
    names << FolderEntry(name);
  return names;
}

QStringList Songs(const QString& path) {
  QStringList names;
  const QDir folder(path);
  // The pattern is matched without regard to case, so "Theme.MID" counts as a song.
  for (const QFileInfo& file : folder.entryInfoList({"*.mid"}, QDir::Files, QDir::Unsorted))
    names << file.completeBaseName();
  return names;
}

// Sorted order of the lists: alphabetical without regard to case; names equal but for case
// keep the order in which they came.
bool ComesBefore(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; }

}  // namespace

FolderLists ScanFolderLists(const QString& programFolder) {
  const QDir folder(programFolder);
  return {Subfolders(folder.filePath("art")), Subfolders(folder.filePath("sound")), Songs(folder.filePath("songs"))};
}

int InsertSorted(QComboBox& box, const QString& text) {
  int at = box.count();
  while (at > 0 && ComesBefore(text, box.itemText(at - 1))) --at;
  box.insertItem(at, text);
  return at;
}

void CPropView::FillFolderLists(const QString& programFolder) {
  m_bFilling = true;
  auto* artwork = static_cast<QComboBox*>(Field(IDC_ARTWORK));
  auto* sounds = static_cast<QComboBox*>(Field(IDC_SOUNDS));
  auto* music = static_cast<QComboBox*>(Field(IDC_MUSIC));
  // The boxes keep showing the names they hold; a list alone selects nothing.
  auto refill = [](QComboBox* box, const QStringList& names) {
    const QString shown = box->currentText();
    box->clear();
    for (const QString& name : names) InsertSorted(*box, name);
    box->setCurrentIndex(-1);
    box->setEditText(shown);
  };
  if (programFolder.isEmpty()) {
    for (QComboBox* box : {artwork, sounds, music}) refill(box, {});
    m_bFilling = false;
    QMessageBox::warning(this, "Cavernia Level Editor", "Hoit, jetzt hot's wos grewas");
    return;
  }
  m_strSongsFolder = QDir(programFolder).filePath("songs") + '/';
  const FolderLists lists = ScanFolderLists(programFolder);
  refill(music, lists.songs);
  refill(artwork, lists.artwork);
  refill(sounds, lists.sounds);
  SelectFolderEntries();
  m_bFilling = false;
}

void CPropView::SelectFolderEntries() {
  const bool wasFilling = m_bFilling;
  m_bFilling = true;
  SelectComboEntry(IDC_ARTWORK, m_doc.m_strArtwork);
  SelectComboEntry(IDC_SOUNDS, m_doc.m_strSounds);
  SelectComboEntry(IDC_MUSIC, m_doc.m_strMusic);
  m_bFilling = wasFilling;
}
