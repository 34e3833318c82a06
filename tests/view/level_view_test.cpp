#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "artwork/artwork_sets.h"
#include "render/draw_image.h"
#include "render/level_painter.h"
#include "render/tile_images.h"
#include "view_fixture.h"

namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);

QImage paint(const Level& level, QRect clip, int cell, bool grid) {
  QImage image(clip.size(), QImage::Format_RGB32);
  PaintLevel(image, clip, level, cell, grid);
  return image;
}

// The region of every paint of a widget.
struct PaintRecorder : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

}  // namespace

TEST(LevelPainter, GridLinesPicturesAndNothingOutsideTheLevel) {
  Level level;
  level.setElement(1, 0, EL_RUBY);
  for (int s : {15, 30, 60}) {
    const QImage image = paint(level, QRect(0, 0, 4 * s, 4 * s), s, true);
    EXPECT_EQ(image.pixel(s - 1, 0), kGrey) << s;
    EXPECT_EQ(image.pixel(0, s - 1), kGrey) << s;
    EXPECT_EQ(image.pixel(0, 0), kBlack) << "an empty cell is black at " << s;
    EXPECT_NE(image.pixel(s + s / 2, s / 2), kBlack) << "cell (1, 0) shows its picture at " << s;
    EXPECT_NE(image.pixel(s, 0), kGrey) << "no line along the left edge of a cell at " << s;
    // The same area painted in pieces gives the same pixels.
    const QImage part = paint(level, QRect(s - 3, 2, s, s), s, true);
    EXPECT_EQ(part, image.copy(s - 3, 2, s, s)) << s;
  }
  // Nothing beyond the level's width, not even a cell the store holds there.
  level.setNumber(Property::Width, 10);
  level.setElement(12, 0, EL_WALL);
  const QImage image = paint(level, QRect(0, 0, 400, 100), 15, true);
  EXPECT_EQ(image.pixel(149, 0), kGrey) << "the last column still has its line";
  EXPECT_EQ(image.copy(150, 0, 250, 100), paint(Level(), QRect(0, 0, 250, 100), 15, false));
  // Pictures kept per cell size are exactly what drawing them directly gives.
  const ArtworkSet* set = CurrentArtworkSet();
  ASSERT_NE(set, nullptr);
  for (int element : {EL_WALL, EL_INVERTED_WALL, EL_LORRY_LEFT, EL_BUG_UP, EL_PLAYER2, EL_EXIT}) {
    for (int side : {15, 30, 60, 17}) {
      QImage kept(side, side, QImage::Format_RGB32);
      kept.fill(Qt::black);
      QImage direct = kept.copy();
      QPainter keptPainter(&kept), directPainter(&direct);
      DrawTileImage(keptPainter, QRect(0, 0, side, side), element);  // by way of the kept pictures
      DrawImage(directPainter, QRect(0, 0, side, side), set->images[element]);
      keptPainter.end();
      directPainter.end();
      EXPECT_EQ(kept, direct) << element << " at " << side;
    }
  }
}

TEST_F(ViewTest, ScreenShowsTheLevelTheGridAndAnInvertingMarking) {
  document.setCell(1, 0, EL_EMERALD);
  settle();
  const auto shot = [this] { return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
  const QImage plain = shot();
  EXPECT_EQ(plain.pixel(29, 0), kGrey);
  EXPECT_NE(plain.pixel(45, 15), kBlack);
  view.setSelection(CellRange{0, 0, 1, 1});
  EXPECT_EQ(shot().pixel(1, 1), qRgb(255, 255, 255)) << "black inverted is white";
  view.setSelection(std::nullopt);
  EXPECT_EQ(shot(), plain) << "the marking goes completely";
  settings.setGridVisible(false);
  EXPECT_EQ(shot().pixel(29, 0), kBlack);
}

TEST_F(ViewTest, RepaintsOnlyWhatChanged) {
  PaintRecorder recorder;
  view.viewport()->installEventFilter(&recorder);
  const auto paintedAfter = [&](auto change) {
    settle();
    recorder.painted = {};
    change();
    settle();
    return recorder.painted;
  };
  EXPECT_EQ(paintedAfter([&] { document.setCell(3, 4, EL_WALL); }), QRegion(view.cellViewportRect({3, 4})));
  EXPECT_EQ(paintedAfter([&] { document.setText(Property::Name, "Vault"); }), QRegion());
  const QRegion afterWidth = paintedAfter([&] { document.setNumber(Property::Width, 20); });
  EXPECT_EQ(afterWidth, QRegion(view.viewport()->rect())) << "the size: everything";
  EXPECT_EQ(paintedAfter([&] { document.setText(Property::Artwork, "Night"); }), QRegion(view.viewport()->rect()));
}

TEST_F(ViewTest, ScrollRangeFollowsTheWidthAndCellsMapWhileScrolled) {
  document.setNumber(Property::Width, 100);
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 100 * 30);
  view.horizontalScrollBar()->setValue(60);
  EXPECT_EQ(view.cellViewportRect({3, 4}), QRect(QPoint(30, 120), QPoint(59, 149)));
}

TEST_F(ViewTest, UndoAndRedoOfAWidthChangeShowTheCellsAtOnce) {
  // Room for every column at 15 pixels, so that no scroll bar comes or goes and repaints.
  view.resize(2000, 2000);
  settings.setCellSize(15);
  document.setCell(10, 0, EL_WALL);
  document.setNumber(Property::Width, 10);
  settle();
  // What the screen shows of cell (10, 0), not a fresh drawing of the view.
  const auto onScreen = [this] {
    const QPoint at = view.viewport()->mapTo(view.window(), QPoint(157, 7));
    return view.screen()->grabWindow(view.window()->winId(), at.x(), at.y(), 1, 1).toImage().pixel(0, 0);
  };
  EXPECT_EQ(onScreen(), kBlack);
  document.undo();
  settle();
  EXPECT_NE(onScreen(), kBlack) << "undo shows the column again";
  document.redo();
  settle();
  EXPECT_EQ(onScreen(), kBlack) << "redo hides it again";
}
