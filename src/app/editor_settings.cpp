#include "app/editor_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where earlier versions kept everything.
const char* const kEarlierOrganisation = "Local AppWizard-Generated Applications";
const char* const kEarlierApplication = "Cavernia Level Editor";

// Moves the files of a folder tree into another, leaving what is there already.
void moveTree(const QString& from, const QString& to) {
  const QDir source(from);
  if (!source.exists()) return;
  QDir().mkpath(to);
  for (const QFileInfo& entry : source.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
    const QString target = to + "/" + entry.fileName();
    if (entry.isDir())
      moveTree(entry.filePath(), target);
    else if (!QFileInfo::exists(target))
      QFile::rename(entry.filePath(), target);
  }
  QDir().rmdir(from);  // only when it is empty now
}

}  // namespace

EditorSettings::EditorSettings() : QSettings(filePath(), QSettings::IniFormat) {}

QString EditorSettings::filePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/cavernia/cavernia-editor.conf";
}

QString editorDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/cavernia";
}

void moveEarlierSettings() {
  const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString earlierFile = configHome + "/" + kEarlierOrganisation + "/" + kEarlierApplication + ".conf";
  if (QFileInfo::exists(earlierFile)) {
    const QSettings earlier(earlierFile, QSettings::IniFormat);
    EditorSettings settings;
    for (const QString& key : earlier.allKeys())
      if (!settings.contains(key)) settings.setValue(key, earlier.value(key));
    settings.sync();
    if (settings.status() == QSettings::NoError) {
      QFile::remove(earlierFile);
      QDir().rmdir(QFileInfo(earlierFile).path());
    }
  }
  const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const QString earlierData = dataHome + "/" + kEarlierOrganisation + "/" + kEarlierApplication;
  if (QFileInfo::exists(earlierData)) {
    moveTree(earlierData, editorDataFolder());
    QDir().rmdir(dataHome + "/" + kEarlierOrganisation);
  }
}
