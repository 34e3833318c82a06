#include <gtest/gtest.h>

#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"

namespace {

const CTile* TileOf(const HintObject& object) {
  const CTile* const* tile = std::get_if<const CTile*>(&object);
  return tile ? *tile : nullptr;
}

}  // namespace

TEST(SetCell, DrawsTheCurrentElementRecordsItAndTellsTheViews) {
  auto doc = NewLevel();
  RecordingView view;
  doc->AddView(&view);
  doc->m_nCurrentElement = EL_RUBY;

  CTile* tile = LeftClick(*doc, 3, 4);
  ASSERT_NE(tile, nullptr);
  EXPECT_EQ(tile, doc->GetTile(3, 4));
  EXPECT_EQ(tile->m_nElement, EL_RUBY);
  EXPECT_EQ(tile->m_cCharacter, '(');
  EXPECT_EQ(doc->m_nEmeraldTotal, 5);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_TRUE(doc->CanUndo());
  ASSERT_EQ(view.hints.size(), 1u);
  EXPECT_EQ(view.hints[0].first, HINT_CELL_CHANGED);
  EXPECT_EQ(TileOf(view.hints[0].second), tile);
}

TEST(SetCell, ChangingAnElementKeepsTheTileAndCorrectsTheTotal) {
  auto doc = NewLevel();
  CTile* tile = doc->SetCell(1, 1, EL_RUBY, true, DRAW_FREE, true, false);
  EXPECT_EQ(doc->SetCell(1, 1, EL_EMERALD, true, DRAW_FREE, true, false), tile);  // views may hold it
  EXPECT_EQ(tile->m_cCharacter, '*');
  EXPECT_EQ(doc->m_nEmeraldTotal, 1);
  EXPECT_EQ(doc->UndoCount(), 2);
  EXPECT_TRUE(StoreIsConsistent(*doc));
}

TEST(SetCell, SameElementAgainIsNoChange) {
  auto doc = NewLevel();
  LeftClick(*doc, 2, 2);
  SimulateSave(*doc);
  RecordingView view;
  doc->AddView(&view);

  EXPECT_EQ(LeftClick(*doc, 2, 2), nullptr);
  EXPECT_EQ(doc->UndoCount(), 1);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_TRUE(view.hints.empty());

  // Asked to, it still redraws the cell.
  EXPECT_EQ(doc->SetCell(2, 2, EL_WALL, false, DRAW_FREE, true, true), nullptr);
  ASSERT_EQ(view.HintNumbers(), std::vector<int>{HINT_CELL_CHANGED});
  EXPECT_EQ(TileOf(view.hints[0].second), doc->GetTile(2, 2));
  EXPECT_FALSE(doc->IsModified());
}

TEST(SetCell, CallsThatNameNoCellOrNoElementOrFindNothingChangeNothing) {
  auto doc = NewLevel();
  RecordingView view;
  doc->AddView(&view);
  doc->m_nWidth = 10;
  doc->m_nHeight = 5;
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {10, 0}, {0, 5}, {200, 200}}) {
    EXPECT_EQ(LeftClick(*doc, x, y), nullptr) << x << "," << y;
    EXPECT_FALSE(RightClick(*doc, x, y)) << x << "," << y;
  }
  for (int element : {NO_ELEMENT, ELEMENT_COUNT, -7}) {
    EXPECT_EQ(doc->SetCell(1, 1, element, true, DRAW_FREE, true, false), nullptr) << element;
    EXPECT_EQ(doc->SetCell(1, 1, element, true, DRAW_FILL, true, false), nullptr) << element;
  }
  doc->m_nCurrentElement = 99;
  EXPECT_EQ(LeftClick(*doc, 1, 1), nullptr);
  EXPECT_FALSE(RightClick(*doc, 5, 4));  // an empty cell
  doc->m_nDrawMode = DRAW_FILL;
  EXPECT_FALSE(RightClick(*doc, 5, 4));
  EXPECT_TRUE(view.hints.empty());
  EXPECT_EQ(doc->CountTiles(), 0);
  EXPECT_FALSE(doc->CanUndo());
  EXPECT_FALSE(doc->IsModified());

  // Asked to, an empty cell is still redrawn.
  EXPECT_FALSE(doc->EraseCell(5, 4, false, DRAW_FREE, true, true));
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_CELL_CHANGED});
  EXPECT_EQ(doc->GetTile(5, 4), nullptr);
}

TEST(SetCell, WidthBeyondTheStoreNeverReachesPastIt) {
  auto doc = NewLevel();
  doc->SetIntProperty(300, PROP_WIDTH, true);
  EXPECT_EQ(doc->SetCell(126, 0, EL_WALL, true, DRAW_FREE, true, false), nullptr);
  EXPECT_NE(doc->SetCell(125, 0, EL_WALL, true, DRAW_FREE, true, false), nullptr);
  doc->SetCell(0, 0, EL_SAND, true, DRAW_FILL, true, false);  // fills the rest of the store
  EXPECT_EQ(doc->CountTiles(), MAX_LEVEL_SIZE * MAX_LEVEL_SIZE);
  EXPECT_TRUE(StoreIsConsistent(*doc));
}

TEST(EraseCell, EmptiesTheCellAndHandsTheOldTileToTheViews) {
  auto doc = NewLevel();
  doc->SetCell(4, 4, EL_CERULINE, false, DRAW_FREE, false, false);
  EXPECT_EQ(doc->m_nEmeraldTotal, 3);
  struct CheckingView : CDocObserver {
    int erasedColumn = -1;
    void OnUpdate(CDocObserver*, int hint, const HintObject& object) override {
      // The former tile is still readable during the notification.
      if (hint == HINT_CELL_ERASED) erasedColumn = std::get<const CTile*>(object)->m_nColumn;
    }
  } view;
  doc->AddView(&view);

  EXPECT_TRUE(RightClick(*doc, 4, 4));
  EXPECT_EQ(view.erasedColumn, 4);
  EXPECT_EQ(doc->GetTile(4, 4), nullptr);
  EXPECT_EQ(doc->m_nEmeraldTotal, 0);
  EXPECT_EQ(doc->UndoCount(), 1);
  EXPECT_TRUE(doc->IsModified());
}

TEST(SetCell, ThousandAndOneChangesKeepTheLastThousand) {
  auto doc = NewLevel();
  SimulateSave(*doc);
  auto paint = [&](int n) { doc->SetCell(n % 100, n / 100, n % 2 ? EL_EMERALD : EL_WALL, true, DRAW_FREE, true, false); };
  for (int n = 0; n < 1000; ++n) paint(n);
  while (doc->CanUndo()) doc->OnEditUndo();
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(doc->CountTiles(), 0);

  while (doc->CanRedo()) doc->OnEditRedo();
  paint(1000);
  while (doc->CanUndo()) doc->OnEditUndo();
  // The first change could not be undone; the level is not the saved one.
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(doc->CountTiles(), 1);
  EXPECT_EQ(ElementAt(*doc, 0, 0), EL_WALL);
  EXPECT_TRUE(StoreIsConsistent(*doc));
}
