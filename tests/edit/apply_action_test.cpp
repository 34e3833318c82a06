#include <gtest/gtest.h>

#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"
#include "undo/fill_action_object.h"
#include "undo/property_action_object.h"

using namespace std::string_view_literals;

TEST(ApplyAction, UndoingACreatedCellDestroysItAndRedoMakesANewOne) {
  auto doc = NewLevel();
  doc->SetCell(3, 4, EL_EMERALD, true, DRAW_FREE, true, false);
  RecordingView view;
  doc->AddView(&view);

  doc->OnEditUndo();
  EXPECT_EQ(doc->GetTile(3, 4), nullptr);
  EXPECT_EQ(doc->m_nEmeraldTotal, 0);
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_CELL_ERASED});
  EXPECT_FALSE(doc->IsModified());

  view.hints.clear();
  doc->OnEditRedo();
  EXPECT_EQ(ElementAt(*doc, 3, 4), EL_EMERALD);
  EXPECT_EQ(doc->m_nEmeraldTotal, 1);
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_CELL_CHANGED});
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(doc->UndoCount(), 1);  // applying an action records nothing
}

TEST(ApplyAction, UndoingAnErasedCellBringsTheElementBack) {
  auto doc = NewLevel();
  doc->SetCell(1, 1, EL_RUBY, false, DRAW_FREE, false, false);
  doc->EraseCell(1, 1, true, DRAW_FREE, true, false);
  doc->OnEditUndo();
  EXPECT_EQ(ElementAt(*doc, 1, 1), EL_RUBY);
  EXPECT_EQ(doc->m_nEmeraldTotal, 5);
  doc->OnEditRedo();
  EXPECT_EQ(doc->GetTile(1, 1), nullptr);
  EXPECT_TRUE(StoreIsConsistent(*doc));
}

TEST(ApplyAction, UndoingAFillRestoresEveryCellWithOneRefresh) {
  auto doc = NewLevel();
  doc->m_nWidth = doc->m_nHeight = 6;
  doc->PasteBlock(0, 0, "000000\n0####0\n0#00#0\n0####0"sv);
  doc->SetCell(2, 2, EL_BAG, true, DRAW_FILL, true, false);  // the two rocks inside the walls
  doc->SetCell(0, 0, EL_SAND, true, DRAW_FILL, true, false);  // the twelve outer rocks
  EXPECT_EQ(doc->CountTiles(), 24);
  RecordingView view;
  doc->AddView(&view);

  doc->OnEditUndo();
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_REFRESH});
  EXPECT_EQ(ElementAt(*doc, 0, 0), EL_ROCK);
  EXPECT_EQ(ElementAt(*doc, 5, 3), EL_ROCK);
  EXPECT_EQ(doc->GetTile(0, 4), nullptr);
  EXPECT_EQ(ElementAt(*doc, 2, 2), EL_BAG);
  doc->OnEditUndo();
  EXPECT_EQ(ElementAt(*doc, 2, 2), EL_ROCK);
  EXPECT_EQ(doc->m_nEmeraldTotal, 0);
  doc->OnEditRedo();
  doc->OnEditRedo();
  EXPECT_EQ(ElementAt(*doc, 5, 3), EL_SAND);
  EXPECT_EQ(doc->m_nEmeraldTotal, 2);
  EXPECT_TRUE(StoreIsConsistent(*doc));
}

TEST(ApplyAction, WidthUndoneBringsBackTheHiddenColumns) {
  auto doc = NewLevel();
  doc->SetIntProperty(40, PROP_WIDTH, true);
  doc->SetCell(30, 2, EL_WALL, true, DRAW_FREE, true, false);
  doc->SetIntProperty(20, PROP_WIDTH, true);
  RecordingView view;
  doc->AddView(&view);

  doc->OnEditUndo();
  EXPECT_EQ(doc->m_nWidth, 40);
  EXPECT_EQ(view.HintNumbers(), (std::vector<int>{HINT_GRID_SIZE, HINT_PROPERTIES}));
  EXPECT_EQ(ElementAt(*doc, 30, 2), EL_WALL);
  doc->OnEditRedo();
  EXPECT_EQ(doc->m_nWidth, 20);
  // Undo goes back in order: the width first, so the cell is inside the level when its turn comes.
  doc->OnEditUndo();
  doc->OnEditUndo();
  EXPECT_EQ(doc->GetTile(30, 2), nullptr);
}

TEST(ApplyAction, ArtworkUndoneSelectsThePreviousSetAgain) {
  RecordingSelector selector;
  auto doc = NewLevel();
  doc->SetStringProperty("Night", PROP_ARTWORK, true);
  RecordingView view;
  doc->AddView(&view);

  doc->OnEditUndo();
  EXPECT_EQ(doc->m_strArtwork, "Default");
  EXPECT_EQ(selector.current, "Default");
  // One repaint for the switch, one more from the undo itself, then the form reloads.
  EXPECT_EQ(view.HintNumbers(), (std::vector<int>{HINT_ARTWORK, HINT_ARTWORK, HINT_PROPERTIES}));
  doc->OnEditRedo();
  EXPECT_EQ(selector.current, "Night");
}

TEST(ApplyAction, SwitchAndTextPropertiesGoBackAndForth) {
  auto doc = NewLevel();
  doc->SetIntProperty(1, PROP_YAMYAM_SOUND_OFF, true);
  doc->SetStringProperty("Up", PROP_NEXT_LEVEL, true);
  RecordingView view;
  doc->AddView(&view);
  doc->OnEditUndo();
  doc->OnEditUndo();
  EXPECT_EQ(doc->m_strNextLevel, "");
  EXPECT_FALSE(doc->m_bYamYamSoundOff);
  EXPECT_EQ(view.HintNumbers(), (std::vector<int>{HINT_PROPERTIES, HINT_PROPERTIES}));
  doc->OnEditRedo();
  EXPECT_TRUE(doc->m_bYamYamSoundOff);
  EXPECT_EQ(doc->m_strNextLevel, "");
}

TEST(ApplyAction, ModifiedFlagFollowsTheSavedState) {
  auto doc = NewLevel();
  LeftClick(*doc, 0, 0);
  SimulateSave(*doc);
  LeftClick(*doc, 1, 0);
  doc->OnEditUndo();
  EXPECT_FALSE(doc->IsModified());  // back at the save
  doc->OnEditUndo();
  EXPECT_TRUE(doc->IsModified());  // past it
  doc->OnEditRedo();
  EXPECT_FALSE(doc->IsModified());
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
