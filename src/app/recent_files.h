#pragma once

#include <QObject>
#include <QStringList>

// The four levels opened or saved last, most recent first, kept in the settings.
class RecentFiles : public QObject {
  Q_OBJECT
 public:
  static constexpr int kCount = 4;

  explicit RecentFiles(QObject* parent = nullptr);

  QStringList files() const { return m_files; }
  void add(const QString& path);
  void remove(const QString& path);

 signals:
  void changed(const QStringList& files);

 private:
  void store() const;

  QStringList m_files;
};
