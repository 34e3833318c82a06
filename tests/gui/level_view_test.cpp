#include <gtest/gtest.h>

#include <QScrollBar>

#include "app/commands/command_ids.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "level/update_hints.h"
#include "level/properties.h"
#include "view/brannoc_view.h"
#include "render/level_painter.h"
#include "render/tile_images.h"
#include "artwork/artwork_sets.h"
#include "render/draw_image.h"
#include <QPainter>

namespace {

const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Paint(const CBrannocDoc& doc, QRect clip, int cell, bool grid) {
  QImage image(clip.size(), QImage::Format_RGB32);
  PaintLevel(image, clip, doc.ToLevel(), cell, grid);
  return image;
}

}  // namespace

TEST(LevelView, GridLinesAndPicturesAtEveryPresetSize) {
  EditorSession session;  // loads the artwork
  auto doc = std::make_unique<CBrannocDoc>();
  doc->OnNewDocument();
  doc->PlaceTile(1, 0, EL_RUBY);
  for (int s : {15, 30, 60}) {
    const QImage image = Paint(*doc, QRect(0, 0, 4 * s, 4 * s), s, true);
    EXPECT_EQ(image.pixel(s - 1, 0), kGrey) << s;
    EXPECT_EQ(image.pixel(0, s - 1), kGrey) << s;
    EXPECT_EQ(image.pixel(0, 0), kBlack) << "an empty cell is black at " << s;
    EXPECT_NE(image.pixel(s + s / 2, s / 2), kBlack) << "cell (1, 0) shows its picture at " << s;
    EXPECT_NE(image.pixel(s, 0), kGrey) << "no line along the left edge of a cell at " << s;
    // The same area painted in pieces gives the same pixels.
    const QImage part = Paint(*doc, QRect(s - 3, 2, s, s), s, true);
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x) ASSERT_EQ(part.pixel(x, y), image.pixel(x + s - 3, y + 2)) << s;
  }
}

TEST(LevelView, NothingIsDrawnOutsideTheLevel) {
  EditorSession session;
  auto doc = std::make_unique<CBrannocDoc>();
  doc->OnNewDocument();
  doc->m_nWidth = 10;
  doc->PlaceTile(9, 0, EL_WALL);
  doc->PlaceTile(12, 0, EL_WALL);  // outside the level: not shown
  const QImage image = Paint(*doc, QRect(0, 0, 400, 100), 15, true);
  EXPECT_EQ(image.pixel(149, 0), kGrey) << "the last column still has its line";
  for (int x = 150; x < 400; ++x)
    for (int y = 0; y < 100; y += 7) ASSERT_EQ(image.pixel(x, y), kBlack) << x << "," << y;
}

TEST(LevelView, ViewReactsToHints) {
  EditorSession session;
  CBrannocView& view = *session.Child()->LevelView();
  CBrannocDoc& doc = view.Document();
  session.Child()->resize(900, 600);
  Settle();
  EXPECT_TRUE(view.ShowsGrid());
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 126 * 30);
  doc.SetCellSize(15);
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 126 * 15);
  EXPECT_TRUE(App().Router()->Query(cmd::GRID_15).checked);
  // Cell (3, 4) at size 30 while scrolled by (60, 0) is the viewport rectangle (30,120)-(60,150).
  doc.SetCellSize(30);
  view.horizontalScrollBar()->setValue(60);
  EXPECT_EQ(view.CellViewportRect(3, 4), QRect(QPoint(30, 120), QPoint(59, 149)));
  EXPECT_EQ(view.CellAtViewport(QPoint(35, 125)), QPoint(3, 4));
}

TEST(LevelView, ScreenPixelsShowTheLevel) {
  EditorSession session;
  CBrannocView& view = *session.Child()->LevelView();
  CBrannocDoc& doc = view.Document();
  session.Child()->resize(900, 600);
  doc.PlaceTile(1, 0, EL_EMERALD);
  doc.UpdateAllViews(nullptr, HINT_REFRESH);
  Settle();
  const QImage shot = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.pixel(29, 0), kGrey);
  EXPECT_EQ(shot.pixel(0, 29), kGrey);
  EXPECT_NE(shot.pixel(45, 15), kBlack);
  // A selection marking inverts the pixels under its frame, and goes away completely.
  view.SetMarking({0, 0, 1, 1});
  const QImage marked = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(marked.pixel(1, 1), qRgb(255, 255, 255)) << "black inverted is white";
  view.SetMarking(CellMarking::None());
  const QImage clean = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(clean, shot);
}

TEST(LevelView, KeptPicturesMatchPicturesDrawnDirectly) {
  EditorSession session;
  const ArtworkSet* set = CurrentArtworkSet();
  ASSERT_NE(set, nullptr);
  for (int element : {EL_WALL, EL_INVERTED_WALL, EL_LORRY_LEFT, EL_BUG_UP, EL_PLAYER2, EL_EXIT}) {
    for (int side : {15, 30, 60, 17}) {
      QImage kept(side, side, QImage::Format_RGB32), direct(side, side, QImage::Format_RGB32);
      kept.fill(Qt::black);
      direct.fill(Qt::black);
      for (int pass = 0; pass < 2; ++pass) {  // the second pass comes from what was kept
        QPainter painter(&kept);
        DrawTileImage(painter, QRect(0, 0, side, side), element);
      }
      QPainter painter(&direct);
      DrawImage(painter, QRect(0, 0, side, side), set->images[element]);
      painter.end();
      EXPECT_EQ(kept, direct) << element << " at " << side;
    }
  }
}

TEST(LevelView, AnotherArtworkSetShowsInEveryLevel) {
  EditorSession session;
  CChildFrame* first = session.Child();
  first->Document().PlaceTile(0, 0, EL_WALL);
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  CChildFrame* second = session.Child();
  first->Document().UpdateAllViews(nullptr, HINT_REFRESH);
  Settle();
  auto pixel = [first] { return first->LevelView()->viewport()->grab().toImage().pixel(10, 10); };
  const QRgb before = pixel();
  second->Document().SetStringProperty("Night", PROP_ARTWORK, true);
  Settle();
  EXPECT_NE(pixel(), before) << "the first level's window draws with the new set as well";
}

TEST(LevelView, UndoAndRedoOfAWidthChangeShowTheCellsAtOnce) {
  EditorSession session;
  CChildFrame* child = session.Child();
  CBrannocDoc& doc = child->Document();
  // Room for every column at 15 pixels, so that no scroll bar comes or goes and repaints.
  session.Frame().resize(2600, 2400);
  child->showMaximized();
  doc.SetCellSize(15);
  doc.PlaceTile(10, 0, EL_WALL);
  doc.SetIntProperty(10, PROP_WIDTH, true);
  doc.UpdateAllViews(nullptr, HINT_GRID_SIZE);
  doc.UpdateAllViews(nullptr, HINT_REFRESH);
  Settle();
  // What the screen shows of the cell (10, 0), not a fresh drawing of the view.
  CBrannocView& view = *child->LevelView();
  auto onScreen = [&view] {
    const QPoint at = view.viewport()->mapTo(view.window(), QPoint(157, 7));
    return view.screen()->grabWindow(view.window()->winId(), at.x(), at.y(), 1, 1).toImage().pixel(0, 0);
  };
  EXPECT_EQ(onScreen(), kBlack);
  App().Router()->Execute(cmd::EDIT_UNDO);
  Settle();
  EXPECT_NE(onScreen(), kBlack) << "undo shows the column again";
  App().Router()->Execute(cmd::EDIT_REDO);
  Settle();
  EXPECT_EQ(onScreen(), kBlack) << "redo hides it again";
}
