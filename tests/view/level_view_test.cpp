#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <array>

#include "artwork/artwork_sets.h"
#include "render/draw_image.h"
#include "render/level_painter.h"
#include "render/tile_images.h"
#include "view_fixture.h"

namespace {

const QRgb kGrey = qRgb(128, 128, 128);

QImage paint(const Level& level, QRect clip, const ArtworkSet& set, int cell, bool grid) {
  QImage image(clip.size(), QImage::Format_RGB32);
  PaintLevel(image, clip, level, set, cell, grid);
  return image;
}
QImage paint(const Level& level, QRect clip, int cell, bool grid) { return paint(level, clip, *DefaultArtworkSet(), cell, grid); }

// The region of every paint of a widget.
struct PaintRecorder : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

}  // namespace

TEST(LevelPainter, PiecesMatchTheWholeAndNothingShowsOutsideTheLevel) {
  Level level;
  level.setElement(1, 0, EL_RUBY);
  level.setNumber(Property::Width, 10);
  level.setElement(12, 0, EL_WALL);  // held in the store beyond the level's width
  for (int s : {15, 30, 60}) {
    const QImage image = paint(level, QRect(0, 0, 12 * s, 2 * s), s, true);
    EXPECT_EQ(image.pixel(0, s - 1), kGrey) << s;
    EXPECT_NE(image.pixel(s, 0), kGrey) << "no line along the left edge of a cell at " << s;
    EXPECT_EQ(paint(level, QRect(s - 3, 2, s, s), s, true), image.copy(s - 3, 2, s, s)) << s;
    EXPECT_EQ(image.pixel(10 * s - 1, 0), kGrey) << "the last column still has its line at " << s;
    EXPECT_EQ(image.copy(10 * s, 0, 2 * s, 2 * s), paint(Level(), QRect(0, 0, 2 * s, 2 * s), s, false)) << s;
  }
  // Pictures kept per cell size are exactly what drawing them directly gives.
  const ArtworkSet* set = DefaultArtworkSet();
  ASSERT_NE(set, nullptr);
  for (int element : {EL_WALL, EL_INVERTED_WALL, EL_LORRY_LEFT, EL_BUG_UP, EL_PLAYER2, EL_EXIT})
    for (int side : {15, 30, 60, 17}) {
      QImage kept(side, side, QImage::Format_RGB32), direct(side, side, QImage::Format_RGB32);
      kept.fill(Qt::black);
      direct.fill(Qt::black);
      {
        QPainter keptPainter(&kept), directPainter(&direct);
        DrawTileImage(keptPainter, kept.rect(), *set, element);  // by way of the kept pictures
        DrawImage(directPainter, direct.rect(), set->images[element]);
      }
      EXPECT_EQ(kept, direct) << element << " at " << side;
    }
}

TEST_F(ViewTest, ScreenShowsTheLevelTheGridAndAnInvertingMarking) {
  const auto shot = [this] { return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
  const QImage plain = shot();
  EXPECT_EQ(plain.pixel(29, 0), kGrey);
  view.setSelection(CellRange{0, 0, 1, 1});
  EXPECT_EQ(shot().pixel(1, 1), qRgb(255, 255, 255)) << "black inverted is white";
  view.setSelection(std::nullopt);
  EXPECT_EQ(shot(), plain) << "the marking goes completely";
  settings.setGridVisible(false);
  EXPECT_EQ(shot().pixel(29, 0), qRgb(0, 0, 0)) << "no grid";
}

TEST_F(ViewTest, RepaintsOnlyWhatChanged) {
  // Room for every column at 15 pixels, so that no scroll bar comes or goes and repaints.
  view.resize(2000, 2000);
  settings.setCellSize(15);
  settle();
  PaintRecorder recorder;
  view.viewport()->installEventFilter(&recorder);
  const auto paintedAfter = [&](auto change) {
    settle();
    recorder.painted = {};
    change();
    settle();
    return recorder.painted;
  };
  const QRegion everything(view.viewport()->rect());
  EXPECT_EQ(paintedAfter([&] { document.setCell(3, 4, EL_WALL); }), QRegion(view.cellViewportRect({3, 4})));
  EXPECT_EQ(paintedAfter([&] { document.setText(Property::Name, "Vault"); }), QRegion());
  EXPECT_EQ(paintedAfter([&] { document.setNumber(Property::Width, 20); }), everything) << "the size: everything";
  EXPECT_EQ(paintedAfter([&] { document.undo(); }), everything) << "and its undo";
  EXPECT_EQ(paintedAfter([&] { document.setText(Property::Artwork, "Night"); }), everything);
  EXPECT_EQ(paintedAfter([&] { settings.setGridVisible(false); }), everything);
}

TEST_F(ViewTest, ScrollRangeFollowsTheWidthAndCellsMapWhileScrolled) {
  document.setNumber(Property::Width, 100);
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 100 * 30);
  view.horizontalScrollBar()->setValue(60);
  EXPECT_EQ(view.cellViewportRect({3, 4}), QRect(QPoint(30, 120), QPoint(59, 149)));
  drag(3, 4, 3, 4);
  EXPECT_EQ(at(3, 4), EL_WALL) << "the mouse finds the cell under it";
}

TEST(LevelArtwork, EachViewDrawsWithItsLevelsSetAndAMissingSetWithDefault) {
  // Two levels shown side by side, each with earth in its first cell; Night has its own earth.
  const auto cellWith = [](const ArtworkSet& set) {
    Level level;
    level.setElement(0, 0, EL_EARTH);
    return paint(level, QRect(0, 0, 30, 30), set, 30, true);
  };
  const QImage day = cellWith(*DefaultArtworkSet()), night = cellWith(*FindArtworkSet("Night"));
  ASSERT_NE(day, night);
  ViewSettings settings;
  std::array<LevelDocument, 2> documents;
  std::vector<std::unique_ptr<LevelView>> views;
  for (int i : {0, 1}) {
    documents[i].setText(Property::Artwork, i ? "Nowhere" : "Night");
    documents[i].setCell(0, 0, EL_EARTH);
    views.push_back(std::make_unique<LevelView>(documents[i], settings));
    views.back()->setGeometry(i * 200, 0, 200, 200);
    views.back()->show();
  }
  const auto shown = [&](int i) {
    QApplication::processEvents();
    return views[i]->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, 30, 30);
  };
  EXPECT_EQ(shown(0), night);
  EXPECT_EQ(shown(1), day) << "a set that is not there draws as Default";
  documents[0].setText(Property::Artwork, "Default");
  EXPECT_EQ(shown(0), day) << "the view follows its level's artwork";
}
