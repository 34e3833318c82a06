#include "render/level_thumbnail.h"

#include <QPainter>
#include <algorithm>

#include "artwork/artwork_sets.h"
#include "level/cp1252.h"
#include "level/level.h"
#include "level/level_pack.h"
#include "render/level_painter.h"

namespace {

// Below this many pixels a cell shows one pixel of its picture; drawing larger and scaling
// down keeps a hint of every element.
constexpr int kSmallestCell = 3;
constexpr int kSheetThumbnail = 160;
constexpr int kSheetColumns = 4;
constexpr int kSheetCellWidth = kSheetThumbnail + 24;
constexpr int kSheetLabelHeight = 34;  // two lines of the name and file name
constexpr int kSheetMarkHeight = 18;
const QColor kRedText(255, 100, 100);  // pure red is hard to read on the grey
constexpr int kSheetCellHeight = kSheetThumbnail + 16 + kSheetLabelHeight + kSheetMarkHeight + 6;

}  // namespace

QImage DrawLevelThumbnail(const Level& level, int side) {
  const int longest = std::max(level.width(), level.height());
  const int fitting = std::max(1, side / longest);
  const QImage picture = DrawLevelPicture(level, LevelArtwork(level), std::max(fitting, kSmallestCell), false);
  if (fitting >= kSmallestCell || picture.isNull()) return picture;
  return picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage DrawPackSheet(const LevelPack& pack) {
  const std::vector<int> order = pack.order();
  const int count = std::max<int>(1, static_cast<int>(order.size()));
  const int columns = std::min(count, kSheetColumns);
  const int rows = (count + columns - 1) / columns;
  QImage sheet(columns * kSheetCellWidth, rows * kSheetCellHeight, QImage::Format_RGB32);
  sheet.fill(QColor(72, 72, 80));
  QPainter painter(&sheet);
  QFont font = painter.font();
  font.setPixelSize(13);
  painter.setFont(font);
  const QColor warning(255, 170, 40);
  for (int i = 0; i < static_cast<int>(order.size()); ++i) {
    const PackLevel& level = pack.levels[order[i]];
    const QRect cell((i % columns) * kSheetCellWidth, (i / columns) * kSheetCellHeight, kSheetCellWidth,
                     kSheetCellHeight);
    const QString file = QString::fromStdString(level.file);
    const QRect text(cell.left() + 4, cell.top() + kSheetThumbnail + 16, kSheetCellWidth - 8, kSheetLabelHeight);
    const QRect marks(text.left(), text.bottom() + 1, text.width(), kSheetMarkHeight);
    if (!level.readable()) {
      // A file that could not be read keeps its place, with the reason where its picture would be.
      const QRect box(cell.left() + 12, cell.top() + 12, kSheetThumbnail, kSheetThumbnail);
      painter.fillRect(box, QColor(40, 40, 44));
      painter.setPen(QPen(Qt::red, 3));
      painter.drawRect(box.adjusted(-2, -2, 1, 1));
      painter.setPen(Qt::white);
      painter.drawText(box.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                       QString::fromStdString(level.error));
      painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, file);
      painter.setPen(kRedText);
      painter.drawText(marks, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("cannot read"));
      continue;
    }
    const QImage thumbnail = DrawLevelThumbnail(level.level, kSheetThumbnail);
    const QPoint at(cell.left() + (kSheetCellWidth - thumbnail.width()) / 2, cell.top() + 12);
    painter.drawImage(at, thumbnail);
    painter.setPen(Qt::white);
    const QString name = QString::fromStdString(Cp1252ToUtf8(level.level.text(Property::Name))).trimmed();
    // The file name tells two levels of one name apart.
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     name.isEmpty() ? file : QStringLiteral("%1 (%2)").arg(name, file));
    QStringList problems;
    if (level.brokenLink) problems << QStringLiteral("broken link");
    if (level.stray) problems << QStringLiteral("stray");
    if (level.duplicateName) problems << QStringLiteral("duplicate name");
    if (problems.isEmpty()) continue;
    painter.setPen(QPen(level.brokenLink ? QColor(Qt::red) : warning, 3));
    painter.drawRect(QRect(at, thumbnail.size()).adjusted(-2, -2, 1, 1));
    painter.setPen(level.brokenLink ? kRedText : warning);
    painter.drawText(marks, Qt::AlignHCenter | Qt::AlignTop, problems.join(QStringLiteral(", ")));
  }
  return sheet;
}
