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

const QColor kWarningColour(230, 140, 0);

QPixmap framed(const QImage& thumbnail, const QColor& colour) {
  QPixmap pixmap = QPixmap::fromImage(thumbnail);
  QPainter painter(&pixmap);
  painter.setPen(QPen(colour, 4));
  painter.drawRect(pixmap.rect().adjusted(2, 2, -2, -2));
  return pixmap;
}

// Where a file that cannot be read would show its level.
QPixmap unreadablePicture(int side) {
  QImage picture(side, side, QImage::Format_RGB32);
  picture.fill(QColor(40, 40, 44));
  QPainter painter(&picture);
  painter.setPen(QPen(Qt::red, 6));
  painter.drawLine(side / 4, side / 4, 3 * side / 4, 3 * side / 4);
  painter.drawLine(3 * side / 4, side / 4, side / 4, 3 * side / 4);
  painter.end();
  return framed(picture, Qt::red);
}

std::vector<std::string> propertiesOf(const Level& level) {
  std::vector<std::string> texts;
  for (const PropertyInfo& info : propertyTable()) texts.push_back(level.text(info.property));
  return texts;
}

QString levelText(const std::string& bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)).trimmed(); }

QString fileList(const LevelPack& pack, const std::vector<int>& chain) {
  QStringList files;
  for (int i : chain) files << QString::fromStdString(pack.levels[i].file);
  return files.join(QStringLiteral(" -> "));
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

std::map<std::string, Level> LevelPackPanel::openLevels() const {
  return m_openLevels && !m_folder.isEmpty() ? m_openLevels(m_folder) : std::map<std::string, Level>();
}

void LevelPackPanel::openLevelsEdited() {
  if (m_folder.isEmpty()) return;
  std::map<std::string, std::vector<std::string>> properties;
  for (const auto& [file, level] : openLevels()) properties[file] = propertiesOf(level);
  if (properties == m_shownProperties) return;
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
  std::map<std::string, Level> open = openLevels();
  m_shownProperties.clear();
  for (const auto& [file, level] : open) m_shownProperties[file] = propertiesOf(level);
  auto read = std::make_shared<ReadPack>();
  QThread* reader = QThread::create([folder, open = std::move(open), read] {
    read->pack = readLevelPack(folder, open);
    for (int i : read->pack.order())
      read->thumbnails.push_back(read->pack.levels[i].readable()
                                     ? drawLevelThumbnail(read->pack.levels[i].level, kThumbnailSide)
                                     : QImage());
  });
  m_readers.append(reader);
  connect(reader, &QThread::finished, this, [this, reader, read, generation] {
    m_readers.removeOne(reader);
    reader->deleteLater();
    if (generation != m_generation) return;  // the folder was read anew meanwhile
    clear();
    const std::vector<int> order = read->pack.order();
    const LevelPack& pack = read->pack;
    std::vector<const std::vector<int>*> strayChain(pack.levels.size(), nullptr);
    for (size_t c = 1; c < pack.chains.size(); ++c) strayChain[pack.chains[c][0]] = &pack.chains[c];
    for (size_t n = 0; n < order.size(); ++n) {
      const PackLevel& level = pack.levels[order[n]];
      const QString file = QString::fromStdString(level.file);
      auto* item = new QListWidgetItem(this);
      item->setData(kPathRole, QDir(m_folder).filePath(file));
      if (!level.readable()) {
        item->setText(tr("%1 (cannot be read)").arg(file));
        item->setIcon(unreadablePicture(kThumbnailSide));
        item->setForeground(Qt::red);
        item->setToolTip(tr("%1: cannot be read: %2").arg(file, QString::fromStdString(level.error)));
        continue;
      }
      const QString name = levelText(level.level.text(Property::Name));
      // The file name tells levels of one name apart.
      item->setText(name.isEmpty() ? file : level.duplicateName ? tr("%1 (%2)").arg(name, file) : name);
      QStringList tips{file};
      if (level.brokenLink)
        tips << tr("next level \"%1\" is not in this folder").arg(levelText(level.level.text(Property::NextLevel)));
      if (level.stray)
        tips << tr("no level leads here and it is not the first level: a stray (its chain: %1)")
                    .arg(fileList(pack, *strayChain[order[n]]));
      if (level.duplicateName) tips << tr("another level of this folder has the same name");
      item->setToolTip(tips.join(QLatin1Char('\n')));
      const QImage& thumbnail = read->thumbnails[n];
      if (level.brokenLink || level.stray || level.duplicateName) {
        const QColor colour = level.brokenLink ? QColor(Qt::red) : kWarningColour;
        item->setForeground(colour);
        item->setIcon(level.brokenLink || level.stray ? framed(thumbnail, colour) : QPixmap::fromImage(thumbnail));
      } else {
        item->setIcon(QPixmap::fromImage(thumbnail));
      }
    }
    emit loaded();
  });
  reader->start();
}
