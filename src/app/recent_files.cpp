#include "app/recent_files.h"
#include "app/editor_settings.h"

#include <QSettings>

namespace {
const char* const kGroup = "Recent File List";
}

RecentFiles::RecentFiles(QObject* parent) : QObject(parent) {
  EditorSettings settings;
  settings.beginGroup(kGroup);
  for (int i = 1; i <= kCount; ++i) {
    const QString file = settings.value(QString("File%1").arg(i)).toString();
    if (!file.isEmpty() && !m_files.contains(file)) m_files.append(file);
  }
  settings.endGroup();
}

void RecentFiles::add(const QString& path) {
  if (m_files.value(0) == path) return;  // no change, and no rewriting of the settings
  m_files.removeAll(path);
  m_files.prepend(path);
  while (m_files.size() > kCount) m_files.removeLast();
  store();
  emit changed(m_files);
}

void RecentFiles::remove(const QString& path) {
  if (m_files.removeAll(path) == 0) return;
  store();
  emit changed(m_files);
}

void RecentFiles::store() const {
  EditorSettings settings;
  settings.remove(kGroup);
  settings.beginGroup(kGroup);
  for (int i = 0; i < m_files.size(); ++i) settings.setValue(QString("File%1").arg(i + 1), m_files[i]);
  settings.endGroup();
}
