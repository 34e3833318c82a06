#include <QScreen>
#include <QPaintEvent>
#include <QPainter>
#include <set>

#include "artwork/artwork_sets.h"
#include "editing/set_cells.h"
#include "render/draw_image.h"
#include "render/level_painter.h"
#include "render/tile_images.h"

#include "view_fixture.h"

namespace {

const QRgb kGrey = qRgb(128, 128, 128);

QImage paint(const Level& level, QRect clip, int cell, bool grid, const ArtworkSet& set = *defaultArtworkSet()) {
  QImage image(clip.size(), QImage::Format_RGB32);
  paintLevel(image, clip, level, set, cell, grid);
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
  for (int side : {30, 17}) {
    QImage direct(side, side, QImage::Format_RGB32);
    direct.fill(Qt::black);
    QPainter painter(&direct);
    drawImage(painter, direct.rect(), defaultArtworkSet()->images[EL_BUG_UP]);
    painter.end();
    EXPECT_EQ(cachedTileImage(*defaultArtworkSet(), EL_BUG_UP, side), direct) << side;
  }
}

// A view draws straight to the screen, in strips, until a paint asks for pixels that did not
// change; from then on it keeps a picture, and both ways show the same. The marking is a border
// of dark and light dashes, which shows on any picture; a floating block's light dashes are of
// another colour.
TEST_F(ViewTest, ScreenShowsTheLevelTheGridAndTheMarkingsBorderInStripsAndFromItsKeptPicture) {
  const auto shot = [this] { return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
  const auto borderColours = [](const QImage& image) {
    std::set<QRgb> colours;
    for (int x = 30; x < 90; ++x) colours.insert({image.pixel(x, 29), image.pixel(x, 30)});
    return colours;
  };
  setCells(document, std::vector<CellPos>{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 6}}, EL_WALL, "Draw");
  CellFlags outlined;
  outlined.set(Level::kMaxSize + 3);
  view.setOutlinedCells(outlined);
  view.resize(170, 230);  // not a whole number of strips or cells
  settle();               // everything new: drawn straight, in strips
  const QRect viewport(view.viewport()->mapTo(&view, QPoint()), view.viewport()->size());
  const QImage inStrips =
      QGuiApplication::primaryScreen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
  const QImage plain = shot();
  EXPECT_EQ(inStrips.copy(viewport), plain) << "asked again unchanged: from the kept picture";
  EXPECT_EQ(plain.pixel(89, 0), kGrey);
  view.setSelection(CellRange{1, 1, 2, 2});
  EXPECT_EQ(borderColours(shot()), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
  view.transformSelection(BlockTransform::FlipVertically);
  EXPECT_EQ(borderColours(shot()), (std::set<QRgb>{qRgb(0, 0, 0), qRgb(255, 200, 0)}));
  view.cancelLift();
  view.setSelection(std::nullopt);
  EXPECT_EQ(shot(), plain) << "the marking goes completely";
  viewState.setGridVisible(false);
  EXPECT_EQ(shot().pixel(89, 0), qRgb(0, 0, 0)) << "no grid";
}

TEST_F(ViewTest, RepaintsOnlyWhatChanged) {
  // Room for every column at 15 pixels, so that no scroll bar comes or goes and repaints.
  view.resize(2000, 2000);
  viewState.setCellSize(15);
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
  EXPECT_EQ(paintedAfter([&] { setCell(document, {3, 4}, EL_WALL); }), QRegion(view.cellViewportRect({3, 4})));
  EXPECT_EQ(paintedAfter([&] { document.setText(Property::Name, "Vault"); }), QRegion());
  EXPECT_EQ(paintedAfter([&] { document.setNumber(Property::Width, 20); }), everything) << "the size: everything";
  EXPECT_EQ(paintedAfter([&] { document.setText(Property::Artwork, "Night"); }), everything);
  EXPECT_EQ(paintedAfter([&] { viewState.setGridVisible(false); }), everything);
}

// Each view draws with its own level's set; Night has its own earth. (Inside the grid lines.)
TEST_F(ViewTest, EachViewDrawsWithItsLevelsArtwork) {
  const auto cellWith = [](const char* set) {
    return cachedTileImage(artworkSetOrDefault(set), EL_EARTH, 30).copy(0, 0, 29, 29);
  };
  ASSERT_NE(cellWith("Night"), cellWith("Default"));
  LevelDocument night;
  night.setText(Property::Artwork, "Night");
  LevelView nightView(night, viewState);
  nightView.show();
  for (LevelDocument* each : {&document, &night}) setCell(*each, {0, 0}, EL_EARTH);
  const auto shown = [](LevelView& shownView) {
    settle();
    return shownView.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, 29, 29);
  };
  EXPECT_EQ(shown(nightView), cellWith("Night"));
  EXPECT_EQ(shown(view), cellWith("Default"));
  night.setText(Property::Artwork, "Default");
  EXPECT_EQ(shown(nightView), cellWith("Default")) << "the view follows its level's artwork";
}
