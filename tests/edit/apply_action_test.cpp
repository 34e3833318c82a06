#include <gtest/gtest.h>

#include <functional>

#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"

using namespace std::string_view_literals;

// Undoing an edit brings back the level (and the artwork set) as it was before it, redoing it
// the level as it was after; each with its own repaints, and neither recording anything.
TEST(ApplyAction, UndoAndRedoRestoreTheLevelAndTellTheViews) {
  using Edit = std::function<void(CBrannocDoc&)>;
  struct Case {
    const char* name;
    Edit setup, edit;
    std::vector<int> undoHints, redoHints;
  };
  const auto walls = [](CBrannocDoc& doc) {
    doc.m_nWidth = doc.m_nHeight = 6;
    doc.PasteBlock(0, 0, "000000\n0####0\n0#00#0\n0####0"sv);
  };
  const Case cases[] = {
      {"a created cell", [](CBrannocDoc&) {}, [](CBrannocDoc& doc) { doc.SetCell(3, 4, EL_EMERALD, true, DRAW_FREE, true, false); },
       {HINT_CELL_ERASED}, {HINT_CELL_CHANGED}},
      {"an erased cell", [](CBrannocDoc& doc) { doc.SetCell(1, 1, EL_RUBY, false, DRAW_FREE, false, false); },
       [](CBrannocDoc& doc) { doc.EraseCell(1, 1, true, DRAW_FREE, true, false); }, {HINT_CELL_CHANGED}, {HINT_CELL_ERASED}},
      {"a fill inside walls", walls, [](CBrannocDoc& doc) { doc.SetCell(2, 2, EL_BAG, true, DRAW_FILL, true, false); },
       {HINT_REFRESH}, {HINT_REFRESH}},
      {"a fill around an earlier one",
       [&](CBrannocDoc& doc) {
         walls(doc);
         doc.SetCell(2, 2, EL_BAG, true, DRAW_FILL, true, false);
       },
       [](CBrannocDoc& doc) { doc.SetCell(0, 0, EL_SAND, true, DRAW_FILL, true, false); }, {HINT_REFRESH}, {HINT_REFRESH}},
      // Undo goes back in order: the width first, so the hidden cell is inside the level when its turn comes.
      {"a cell hidden by a narrower level", [](CBrannocDoc& doc) { doc.SetIntProperty(40, PROP_WIDTH, true); },
       [](CBrannocDoc& doc) {
         doc.SetCell(30, 2, EL_WALL, true, DRAW_FREE, true, false);
         doc.SetIntProperty(20, PROP_WIDTH, true);
       },
       {HINT_GRID_SIZE, HINT_PROPERTIES, HINT_CELL_ERASED}, {HINT_CELL_CHANGED, HINT_GRID_SIZE, HINT_PROPERTIES}},
      // One repaint for the switch of set, one more from the undo itself, then the form reloads.
      {"an artwork set", [](CBrannocDoc&) {}, [](CBrannocDoc& doc) { doc.SetStringProperty("Night", PROP_ARTWORK, true); },
       {HINT_ARTWORK, HINT_ARTWORK, HINT_PROPERTIES}, {HINT_ARTWORK, HINT_ARTWORK, HINT_PROPERTIES}},
      {"a switch and a text", [](CBrannocDoc&) {},
       [](CBrannocDoc& doc) {
         doc.SetIntProperty(1, PROP_YAMYAM_SOUND_OFF, true);
         doc.SetStringProperty("Up", PROP_NEXT_LEVEL, true);
       },
       {HINT_PROPERTIES, HINT_PROPERTIES}, {HINT_PROPERTIES, HINT_PROPERTIES}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSelector selector;
    auto doc = NewLevel();
    c.setup(*doc);
    SimulateSave(*doc);
    const int recordedBefore = doc->UndoCount();
    const Snapshot before = Take(*doc, 32);
    const std::string setBefore = selector.current;
    c.edit(*doc);
    const int recorded = doc->UndoCount();
    const Snapshot after = Take(*doc, 32);
    const std::string setAfter = selector.current;
    ASSERT_NE(before, after);
    RecordingView view;
    doc->AddView(&view);

    for (int n = recordedBefore; n < recorded; ++n) doc->OnEditUndo();
    EXPECT_EQ(view.HintNumbers(), c.undoHints);
    EXPECT_EQ(Take(*doc, 32), before);
    EXPECT_EQ(selector.current, setBefore);
    EXPECT_FALSE(doc->IsModified());

    view.hints.clear();
    for (int n = recordedBefore; n < recorded; ++n) doc->OnEditRedo();
    EXPECT_EQ(view.HintNumbers(), c.redoHints);
    EXPECT_EQ(Take(*doc, 32), after);
    EXPECT_EQ(selector.current, setAfter);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->UndoCount(), recorded);
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_TRUE(StoreIsConsistent(*doc));
  }
}

TEST(ApplyAction, CellIsSetToTheTargetWhateverItHoldsNow) {
  auto doc = NewLevel();
  doc->SetCell(2, 2, EL_WALL, true, DRAW_FREE, true, false);
  doc->PasteBlock(2, 2, "*"sv);  // unrecorded change in between
  doc->OnEditUndo();
  EXPECT_EQ(doc->GetTile(2, 2), nullptr);
  EXPECT_EQ(doc->m_nEmeraldTotal, 0);
}

TEST(ApplyAction, NothingOrAForeignActionChangesNothing) {
  auto doc = NewLevel();
  RecordingView view;
  doc->AddView(&view);
  doc->OnEditUndo();
  doc->OnEditRedo();
  doc->ApplyAction(nullptr, true);
  CActionObject bare;  // kind 0 but no cell in it
  doc->ApplyAction(&bare, true);
  bare.SetKind(7);
  doc->ApplyAction(&bare, false);
  EXPECT_TRUE(view.hints.empty());
  EXPECT_EQ(doc->CountTiles(), 0);
  EXPECT_FALSE(doc->IsModified());
}
