#include <gtest/gtest.h>

#include <algorithm>

#include "edit/block_text.h"
#include "editing/line_cells.h"

namespace {
std::vector<CPoint> LineCells(int x1, int y1, int x2, int y2) {
  std::vector<CPoint> points;
  for (const CellPos& cell : lineCells({x1, y1}, {x2, y2})) points.push_back({cell.x, cell.y});
  return points;
}
}  // namespace
#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"

namespace {

using namespace std::string_view_literals;

// The characters of a row of cells, '~' for an empty one.
std::string RowText(const CBrannocDoc& doc, int y, int from, int to) {
  std::string text;
  for (int x = from; x <= to; ++x) text += CharFromElement(ElementAt(doc, x, y));
  return text;
}

}  // namespace

TEST(PasteBlock, WritesRowsFromTheCornerWithinTheLevelUpToTheEndOfTheText) {
  struct Case {
    int width, height, x, y;
    std::string_view text;
    std::vector<std::string> rows;  // the cells afterwards, shorter rows continued by the background '%'
  };
  const Case cases[] = {
      {126, 126, 2, 2, "# *\n..1\0"sv, {"", "", "%%#~*", "%%..1"}},  // spaces empty their cells
      {10, 3, 8, 1, "*****\n&&&&&\n00000"sv, {"", "%%%%%%%%**", "%%%%%%%%&&"}},  // cut at the right and bottom
      {10, 3, 0, 3, "###"sv, {}},                                                 // starts below the level
      {126, 126, -1, -1, "*#0\n$&(\n.:+"sv, {"&(", ":+"}},                        // cut at the left and top
      {126, 126, 0, 0, "##\0##\n##"sv, {"##"}},                                   // a zero byte ends the text
      {126, 126, 0, 1, std::string_view("#*#", 2), {"", "#*"}},                   // so does its length
      {126, 126, 0, 0, "~x\x7f\xe9="sv, {"~~~~~"}},                               // no element: empties
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    auto doc = NewLevel();
    for (int x = 0; x <= 10; ++x)
      for (int y = 0; y <= 4; ++y) doc->SetCell(x, y, EL_SWAMP, false, DRAW_FREE, false, false);
    doc->m_nWidth = c.width;
    doc->m_nHeight = c.height;
    RecordingView view;
    doc->AddView(&view);
    doc->PasteBlock(c.x, c.y, c.text);
    int tiles = 0;
    for (int y = 0; y <= 4; ++y) {
      std::string expected = y < static_cast<int>(c.rows.size()) ? c.rows[y] : "";
      expected.resize(11, '%');
      EXPECT_EQ(RowText(*doc, y, 0, 10), expected) << "row " << y;
      tiles += static_cast<int>(std::count_if(expected.begin(), expected.end(), [](char ch) { return ch != '~'; }));
    }
    EXPECT_EQ(doc->CountTiles(), tiles);
    EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_REFRESH});
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_TRUE(StoreIsConsistent(*doc));
  }
}

// Unrecorded block changes: a real change leaves the level modified whatever undo and redo do
// afterwards, since they can no longer come back to the saved level; no change leaves all as it was.
TEST(BlockChanges, ChangingCellsMarksTheLevelModifiedForGood) {
  using Change = void (*)(CBrannocDoc&);
  const std::pair<Change, bool> changes[] = {
      {[](CBrannocDoc& doc) { doc.PasteBlock(0, 0, "*"sv); }, true},
      {[](CBrannocDoc& doc) { doc.ClearBlock(0, 0, 5, 5); }, true},
      {[](CBrannocDoc& doc) { doc.DrawCells(LineCells(0, 0, 3, 0), '*'); }, true},
      {[](CBrannocDoc& doc) { doc.DrawCells(std::vector<CPoint>{{0, 0}, {-1, -1}}, ' '); }, true},
      {[](CBrannocDoc& doc) { doc.PasteBlock(0, 0, "#   \n    "sv); }, false},
      {[](CBrannocDoc& doc) { doc.ClearBlock(2, 2, 9, 9); }, false},
      {[](CBrannocDoc& doc) { doc.DrawCells(LineCells(0, 0, 0, 0), '#'); }, false},
      {[](CBrannocDoc& doc) { doc.DrawCells(LineCells(5, 5, 9, 7), ' '); }, false},
  };
  for (int i = 0; i < static_cast<int>(std::size(changes)); ++i) {
    const auto [change, changesCells] = changes[i];
    SCOPED_TRACE(i);
    auto doc = NewLevel();
    doc->SetCell(0, 0, EL_WALL, true, DRAW_FREE, true, false);
    SimulateSave(*doc);
    change(*doc);
    EXPECT_EQ(doc->IsModified(), changesCells);
    doc->OnEditUndo();
    EXPECT_TRUE(doc->IsModified());  // before the save either way
    doc->OnEditRedo();
    EXPECT_EQ(doc->IsModified(), changesCells);
    EXPECT_EQ(doc->UndoCount(), 1);  // nothing recorded
  }
}

TEST(BlockChanges, UndoAfterAnUnrecordedRectanglePutsTheOldElementBack) {
  auto doc = NewLevel();
  doc->SetCell(2, 2, EL_RUBY, true, DRAW_FREE, true, false);
  doc->PasteBlock(1, 1, "###\n###\n###"sv);
  doc->OnEditUndo();
  EXPECT_EQ(doc->GetTile(2, 2), nullptr);
  EXPECT_EQ(RowText(*doc, 1, 1, 3), "###");
  EXPECT_EQ(RowText(*doc, 2, 1, 3), "#~#");
  EXPECT_TRUE(StoreIsConsistent(*doc));
}

TEST(ClearBlock, EmptiesTheRectangleInsideTheLevel) {
  auto doc = NewLevel();
  doc->m_nWidth = 6;
  doc->m_nCurrentElement = EL_EMERALD;
  doc->SetCell(0, 0, CURRENT_ELEMENT, true, DRAW_FILL, true, false);
  doc->m_nWidth = 4;
  RecordingView view;
  doc->AddView(&view);
  doc->ClearBlock(1, 1, 4, 3);
  EXPECT_EQ(RowText(*doc, 0, 0, 5), "******");
  EXPECT_EQ(RowText(*doc, 1, 0, 5), "*~~~**");  // column 4 lies outside the level
  EXPECT_EQ(RowText(*doc, 3, 0, 5), "*~~~**");
  EXPECT_EQ(RowText(*doc, 4, 0, 5), "******");
  EXPECT_EQ(doc->m_nEmeraldTotal, 6 * 126 - 9);
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_REFRESH});

  doc->ClearBlock(-5, -5, 0, 0);
  EXPECT_EQ(doc->GetTile(0, 0), nullptr);
}

TEST(DrawCells, RedrawsEveryCellOfTheLineAndRecordsNothing) {
  auto doc = NewLevel();
  doc->SetCell(1, 0, EL_WALL, false, DRAW_FREE, false, false);
  RecordingView view;
  doc->AddView(&view);
  doc->DrawCells(LineCells(0, 0, 3, 0), '#');
  EXPECT_EQ(RowText(*doc, 0, 0, 3), "####");
  EXPECT_EQ(view.hints.size(), 4u);  // also the cell that already held a wall
  EXPECT_FALSE(doc->CanUndo());

  view.hints.clear();
  doc->DrawCells(std::vector<CPoint>{{0, 0}, {2, 0}, {-1, -1}, {3, 0}}, ' ');
  EXPECT_EQ(RowText(*doc, 0, 0, 3), "~#~#");
  EXPECT_EQ(view.HintNumbers(), (std::vector<int>{HINT_CELL_ERASED, HINT_CELL_ERASED}));

  doc->DrawCells(std::vector<CPoint>{{1, 0}, {500, 0}, {-3, 2}}, 'x');  // no element: empties
  EXPECT_EQ(RowText(*doc, 0, 0, 3), "~~~#");
}

TEST(GetUsedExtent, CoversEveryTileOfTheStore) {
  auto doc = NewLevel();
  EXPECT_EQ(doc->GetUsedExtent(), (CSize{1, 1}));
  doc->SetCell(5, 0, EL_WALL, false, DRAW_FREE, false, false);
  doc->SetCell(0, 7, EL_WALL, false, DRAW_FREE, false, false);
  EXPECT_EQ(doc->GetUsedExtent(), (CSize{6, 8}));
  doc->SetCell(40, 3, EL_WALL, false, DRAW_FREE, false, false);
  doc->m_nWidth = 20;  // tiles outside the level still count
  EXPECT_EQ(doc->GetUsedExtent(), (CSize{41, 8}));
}

TEST(BlockText, SpellsTheCellsRowByRowAndPastedBackGivesTheSameCells) {
  auto doc = NewLevel();
  doc->PasteBlock(1, 1, "0*0 \n #&|\nabcd"sv);
  CRect cells{4, 3, 1, 1};  // dragged up and left
  const std::string text = BlockText(*doc, cells);
  EXPECT_EQ(text, "0*0 \n #&|\nabcd\0"sv);
  EXPECT_EQ(cells, (CRect{1, 1, 4, 3}));
  auto other = NewLevel();
  other->PasteBlock(10, 20, text);
  CRect copied{10, 20, 13, 22};
  EXPECT_EQ(BlockText(*other, copied), text);
  EXPECT_EQ(other->m_nEmeraldTotal, doc->m_nEmeraldTotal);

  doc->SetCell(7, 7, EL_RUBY, false, DRAW_FREE, false, false);
  CRect one{7, 7, 7, 7};
  EXPECT_EQ(BlockText(*doc, one), "(\0"sv);
  CRect outside{124, 0, 127, 0};
  EXPECT_EQ(BlockText(*doc, outside), "    \0"sv);
}

TEST(BlockExtent, MeasuresTheBlockFromItsCorner) {
  struct Case {
    CRect start;
    std::string_view text;
    CRect expected;
  };
  const Case cases[] = {
      {{4, 3, 0, 0}, "# *\n..1\0"sv, {4, 3, 6, 4}},
      {{122, 0, 0, 0}, "12345\n12345\n12345\n12345\n12345"sv, {122, 0, 126, 4}},
      {{1, 1, 9, 9}, "abc"sv, {1, 1, 3, 1}},
      {{1, 1, 3, 1}, "\0abc"sv, {1, 1, 3, 1}},  // no text: the rectangle stays
      {{1, 1, 3, 1}, ""sv, {1, 1, 3, 1}},
      {{2, 2, 0, 0}, "\nab\ncd"sv, {2, 2, 7, 2}},  // an empty first row: the whole text counts as one row
  };
  for (const Case& c : cases) {
    CRect cells = c.start;
    BlockExtent(c.text, cells);
    EXPECT_EQ(cells, c.expected) << testing::PrintToString(c.text);
  }
}

TEST(LineCells, FollowsTheMajorAxisWithTheUpperEndFirst) {
  using Cells = std::vector<CPoint>;
  EXPECT_EQ(LineCells(0, 0, 4, 2), (Cells{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}));
  EXPECT_EQ(LineCells(4, 2, 0, 0), (Cells{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}));
  EXPECT_EQ(LineCells(2, 0, 0, 4), (Cells{{2, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}}));
  EXPECT_EQ(LineCells(0, 0, 5, 1), (Cells{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}}));
  EXPECT_EQ(LineCells(3, 0, 0, 0), (Cells{{3, 0}, {2, 0}, {1, 0}, {0, 0}}));
  EXPECT_EQ(LineCells(7, 7, 7, 7), (Cells{{7, 7}}));
  EXPECT_EQ(LineCells(5, 6, 5, 3), (Cells{{5, 3}, {5, 4}, {5, 5}, {5, 6}}));
  EXPECT_EQ(LineCells(3, 1, 0, 4), (Cells{{3, 1}, {2, 2}, {1, 3}, {0, 4}}));
}

TEST(LineCells, ConnectsItsEndsInOneStepPerCell) {
  for (auto [x1, y1, x2, y2] : {std::array{0, 0, 125, 125}, {125, 0, 0, 124}, {0, 125, 125, 0}, {10, 3, 90, 40}, {60, 2, 50, 100}}) {
    const std::vector<CPoint> cells = LineCells(x1, y1, x2, y2);
    ASSERT_EQ(static_cast<int>(cells.size()), std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1);
    EXPECT_TRUE((cells.front() == CPoint{x1, y1} && cells.back() == CPoint{x2, y2}) ||
                (cells.front() == CPoint{x2, y2} && cells.back() == CPoint{x1, y1}));
    for (size_t i = 1; i < cells.size(); ++i) {
      EXPECT_LE(std::abs(cells[i].x - cells[i - 1].x), 1);
      EXPECT_LE(std::abs(cells[i].y - cells[i - 1].y), 1);
    }
  }
}
