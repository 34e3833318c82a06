#include "view/level_pack_panel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QThread>
#include <memory>

#include "level/cp1252.h"
#include "level/level_pack.h"
#include "render/level_thumbnail.h"

namespace {

constexpr int kPathRole = Qt::UserRole;

struct ReadPack {
  LevelPack pack;
  std::vector<QImage> thumbnails;  // in pack.order()
};

QPixmap framedInRed(const QImage& thumbnail) {
  QPixmap pixmap = QPixmap::fromImage(thumbnail);
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::red, 4));
  painter.drawRect(pixmap.rect().adjusted(2, 2, -2, -2));
  return pixmap;
}

}  // namespace

LevelPackPanel::LevelPackPanel(QWidget* parent) : QListWidget(parent) {
  setViewMode(QListView::IconMode);
  setIconSize(QSize(kThumbnailSide, kThumbnailSide));
  setGridSize(QSize(kThumbnailSide + 24, kThumbnailSide + 40));
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setWordWrap(true);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit levelActivated(item->data(kPathRole).toString()); });
}

LevelPackPanel::~LevelPackPanel() {
  // A reader draws with the artwork sets, which go once the editor's windows have gone.
  for (QThread* reader : m_readers) {
    reader->wait();
    delete reader;
  }
}

void LevelPackPanel::showFolder(const QString& folder) {
  if (folder == m_folder) return;
  m_folder = folder;
  m_stale = true;
  clear();
  if (isVisible()) load();
}

void LevelPackPanel::levelSaved(const QString& path) {
  if (m_folder.isEmpty() || QFileInfo(path).absolutePath() != QFileInfo(m_folder).absoluteFilePath()) return;
  m_stale = true;
  if (isVisible()) load();
}

void LevelPackPanel::showEvent(QShowEvent* event) {
  QListWidget::showEvent(event);
  if (m_stale) load();
}

void LevelPackPanel::load() {
  m_stale = false;
  const unsigned generation = ++m_generation;
  if (m_folder.isEmpty()) return;
  const std::string folder = QFile::encodeName(m_folder).toStdString();
  auto read = std::make_shared<ReadPack>();
  QThread* reader = QThread::create([folder, read] {
    read->pack = readLevelPack(folder);
    for (int i : read->pack.order()) read->thumbnails.push_back(DrawLevelThumbnail(read->pack.levels[i].level, kThumbnailSide));
  });
  m_readers.append(reader);
  connect(reader, &QThread::finished, this, [this, reader, read, generation] {
    m_readers.removeOne(reader);
    reader->deleteLater();
    if (generation != m_generation) return;  // the folder was read anew meanwhile
    clear();
    const std::vector<int> order = read->pack.order();
    for (size_t n = 0; n < order.size(); ++n) {
      const PackLevel& level = read->pack.levels[order[n]];
      QString name = QString::fromStdString(Cp1252ToUtf8(level.level.text(Property::Name))).trimmed();
      if (name.isEmpty()) name = QString::fromStdString(level.file);
      auto* item = new QListWidgetItem(name, this);
      item->setData(kPathRole, QDir(m_folder).filePath(QString::fromStdString(level.file)));
      item->setToolTip(QString::fromStdString(level.file));
      item->setIcon(level.brokenLink ? framedInRed(read->thumbnails[n]) : QPixmap::fromImage(read->thumbnails[n]));
      if (level.brokenLink) {
        item->setForeground(Qt::red);
        item->setToolTip(tr("%1: next level \"%2\" is not in this folder")
                             .arg(item->toolTip(),
                                  QString::fromStdString(Cp1252ToUtf8(level.level.text(Property::NextLevel))).trimmed()));
      }
    }
    emit loaded();
  });
  reader->start();
}
