#include "level/brannoc_doc.h"

#include <gtest/gtest.h>

#include "level/artwork_selector.h"
#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/level_text.h"

TEST(Document, NewLevelHasTheNewLevelValues) {
  auto doc = NewLevel();
  EXPECT_EQ(doc->GetLevelSize(), (CSize{126, 126}));
  EXPECT_EQ(doc->CountTiles(), 0);
  EXPECT_EQ(doc->m_nEmeraldTotal, 0);
  EXPECT_EQ(doc->m_nCurrentElement, EL_WALL);
  EXPECT_EQ(doc->m_nCellWidth, 30);
  EXPECT_EQ(doc->m_nCellHeight, 30);
  EXPECT_EQ(doc->m_remainders, std::vector<std::string>(20));
  EXPECT_EQ(doc->m_strArtwork, "Default");
  EXPECT_EQ(doc->m_strSounds, "Default");
  EXPECT_EQ(doc->m_strDifficulty, "0");
  EXPECT_EQ(doc->m_strPushing, "4");
  EXPECT_EQ(doc->m_strDispenser, "5");
  EXPECT_EQ(doc->m_strSwamp, "30");
  EXPECT_EQ(doc->m_strWheelTime, "30");
  EXPECT_EQ(doc->m_strEmeralds, "*");
  EXPECT_EQ(doc->m_strRobotSpeed, "3");
  EXPECT_EQ(doc->m_strTotalTurns, "");
  EXPECT_EQ(doc->m_strMaxDestroy, "");
  EXPECT_EQ(doc->m_strName, "");
  EXPECT_EQ(doc->m_strMusicPrefix, "");
  EXPECT_FALSE(doc->m_bYamYamSoundOff);
  EXPECT_FALSE(doc->m_bLaserSoundOff);
  EXPECT_TRUE(doc->m_bGridVisible);
  EXPECT_EQ(doc->m_nDrawMode, 1);
  EXPECT_FALSE(doc->IsModified());
}

TEST(Document, ResetSelectsTheDefaultArtwork) {
  RecordingSelector selector;
  NewLevel();
  EXPECT_EQ(selector.names, std::vector<std::string>{"Default"});
}

TEST(Document, DeleteContentsKeepsMusicPrefixAndEditingState) {
  auto doc = NewLevel();
  doc->m_strMusicPrefix = "7";
  doc->m_strName = "x";
  doc->m_bLaserSoundOff = true;
  doc->m_extraLines.push_back("x y");
  doc->m_nDrawMode = 4;
  doc->PlaceTile(1, 1, EL_RUBY);
  doc->DeleteContents();
  EXPECT_EQ(doc->m_strMusicPrefix, "7");
  EXPECT_EQ(doc->m_strName, "");
  EXPECT_FALSE(doc->m_bLaserSoundOff);
  EXPECT_TRUE(doc->m_extraLines.empty());
  EXPECT_EQ(doc->GetTile(1, 1), nullptr);
  EXPECT_EQ(doc->m_nDrawMode, 4);
}

TEST(Document, CellStoreKeepsTheEmeraldTotal) {
  auto doc = NewLevel();
  doc->PlaceTile(0, 0, EL_RUBY);
  doc->PlaceTile(125, 125, EL_CERULINE);
  EXPECT_EQ(doc->m_nEmeraldTotal, 8);
  doc->PlaceTile(0, 0, EL_EMERALD);  // replacing recounts
  EXPECT_EQ(doc->m_nEmeraldTotal, 4);
  std::unique_ptr<CTile> old = doc->TakeTile(125, 125);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(old->m_nElement, EL_CERULINE);
  EXPECT_EQ(doc->m_nEmeraldTotal, 1);
  EXPECT_EQ(doc->TakeTile(125, 125), nullptr);
  // Out of the store, and not an element: refused without harm.
  EXPECT_EQ(doc->PlaceTile(126, 0, EL_WALL), nullptr);
  EXPECT_EQ(doc->PlaceTile(-1, 0, EL_WALL), nullptr);
  EXPECT_EQ(doc->PlaceTile(3, 3, 50), nullptr);
  EXPECT_EQ(doc->GetTile(0, 126), nullptr);
  const CTile* tile = doc->GetTile(0, 0);
  ASSERT_NE(tile, nullptr);
  EXPECT_EQ(tile->m_nColumn, 0);
  EXPECT_EQ(tile->m_nRow, 0);
  EXPECT_EQ(tile->m_cCharacter, '*');
  EXPECT_EQ(doc->m_nEmeraldTotal, doc->CountEmeralds());
}

TEST(Document, TilesOutsideASmallerLevelStillCount) {
  auto doc = NewLevel();
  doc->m_nWidth = 20;
  doc->m_nHeight = 1;
  doc->PlaceTile(15, 0, EL_EMERALD);
  doc->m_nWidth = 10;
  EXPECT_EQ(doc->m_nEmeraldTotal, 1);
  const std::string text = WriteText(*doc);
  EXPECT_NE(text.find("m 10 1\r\n~         \r\n"), std::string::npos);
  doc->m_nWidth = 20;
  EXPECT_NE(doc->GetTile(15, 0), nullptr);
}

TEST(Document, CellSizeAndGridHintsReachTheViews) {
  auto doc = NewLevel();
  RecordingView view, sender;
  doc->AddView(&view);
  doc->AddView(&sender);
  doc->SetCellSize(15);
  EXPECT_EQ(doc->m_nCellWidth, 15);
  EXPECT_EQ(doc->m_nCellHeight, 15);
  doc->ToggleGridLines();
  EXPECT_FALSE(doc->m_bGridVisible);
  doc->UpdateAllViews(&sender, HINT_REFRESH);
  ASSERT_EQ(view.hints.size(), 3u);
  EXPECT_EQ(view.hints[0].first, HINT_CELL_SIZE);
  EXPECT_EQ(std::get<int>(view.hints[0].second), 15);
  EXPECT_EQ(view.hints[1].first, HINT_GRID_LINES);
  EXPECT_EQ(sender.hints.size(), 2u) << "the sender is not told of its own change";
  doc->SetTitle("NewLevel1");
  EXPECT_EQ(view.titleChanges, 1);
}

TEST(Document, ObserverLeavingWhileBeingToldIsSafe) {
  auto doc = NewLevel();
  struct Leaver : CDocObserver {
    CBrannocDoc* doc = nullptr;
    CDocObserver* other = nullptr;
    void OnUpdate(CDocObserver*, int, const HintObject&) override { doc->RemoveView(other); }
  } leaver;
  RecordingView other;
  leaver.doc = doc.get();
  leaver.other = &other;
  doc->AddView(&leaver);
  doc->AddView(&other);
  doc->UpdateAllViews(nullptr, HINT_REFRESH);
  EXPECT_TRUE(other.hints.empty()) << "a view removed during the round is not told any more";
  EXPECT_EQ(doc->GetViews().size(), 1u);
}
