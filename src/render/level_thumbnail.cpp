#include "render/level_thumbnail.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstring>

#include "artwork/artwork_sets.h"
#include "level/cp1252.h"
#include "level/level.h"
#include "level/level_pack.h"
#include "render/level_painter.h"
#include "render/tile_images.h"

namespace {

// Below this many pixels a cell's picture shows little more than its colour.
constexpr int kSmallestCell = 3;
constexpr int kSheetThumbnail = 160;
constexpr int kSheetColumns = 4;
constexpr int kSheetCellWidth = kSheetThumbnail + 24;
constexpr int kSheetLabelHeight = 34;  // two lines of the name and file name
constexpr int kSheetMarkHeight = 18;
const QColor kRedText(255, 100, 100);  // pure red is hard to read on the grey
constexpr int kSheetCellHeight = kSheetThumbnail + 16 + kSheetLabelHeight + kSheetMarkHeight + 6;

// Each cell a block of its picture's colour, `cell` pixels wide: what the pictures would show at
// that size, for a fraction of drawing them. Empty cells are black.
QImage drawColourBlocks(const Level& level, const ArtworkSet& set, int cell) {
  QImage image(level.width() * cell, level.height() * cell, QImage::Format_RGB32);
  if (image.isNull()) return image;
  std::array<QRgb, kElementCount + 1> colours;
  std::array<bool, kElementCount + 1> known{};
  uchar* const bits = image.bits();  // once: scanLine() checks for sharing at every call
  const qsizetype stride = image.bytesPerLine();
  for (int row = 0; row < level.height(); ++row) {
    auto* first = reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(row) * cell * stride);
    QRgb* pixel = first;
    for (int col = 0; col < level.width(); ++col, pixel += cell) {
      const int element = level.element(col, row);
      const int slot = isElement(element) ? element : kElementCount;
      if (!known[slot]) {
        const QImage dot = isElement(element) ? cachedTileImage(set, element, 1) : QImage();
        colours[slot] = dot.isNull() ? qRgb(0, 0, 0) : dot.pixel(0, 0);
        known[slot] = true;
      }
      std::fill_n(pixel, cell, colours[slot]);
    }
    for (int y = 1; y < cell; ++y) std::memcpy(bits + (static_cast<qsizetype>(row) * cell + y) * stride, first, image.width() * 4);
  }
  return image;
}

}  // namespace

QImage drawLevelThumbnail(const Level& level, int side) {
  const int longest = std::max(level.width(), level.height());
  const int fitting = side / longest;
  const ArtworkSet& set = levelArtwork(level);
  if (fitting >= kSmallestCell) return drawLevelPicture(level, set, fitting, false);
  // Blocks at least as large as the thumbnail, scaled down once.
  const QImage blocks = drawColourBlocks(level, set, (side + longest - 1) / longest);
  if (blocks.isNull()) return blocks;
  return blocks.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage drawPackSheet(const LevelPack& pack) {
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
    const QImage thumbnail = drawLevelThumbnail(level.level, kSheetThumbnail);
    const QPoint at(cell.left() + (kSheetCellWidth - thumbnail.width()) / 2, cell.top() + 12);
    painter.drawImage(at, thumbnail);
    painter.setPen(Qt::white);
    const QString name = QString::fromStdString(cp1252ToUtf8(level.level.text(Property::Name))).trimmed();
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
