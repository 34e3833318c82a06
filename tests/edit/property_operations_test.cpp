#include <gtest/gtest.h>

#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"

TEST(SetStringProperty, EveryStringPropertyReachesItsFieldAsOneAction) {
  auto doc = NewLevel();
  const Snapshot before = Take(*doc, 0);
  for (int id = 0; id < PROPERTY_COUNT; ++id) {
    if (!StringField(*doc, id) || id == PROP_ARTWORK) continue;
    const std::string value = std::string("value ") + std::to_string(id);
    EXPECT_TRUE(doc->SetStringProperty(value + " \t\r\n", id, true)) << id;
    EXPECT_EQ(*StringField(*doc, id), value);  // trailing white space is dropped
  }
  EXPECT_EQ(doc->UndoCount(), 17);
  EXPECT_TRUE(doc->IsModified());
  const Snapshot after = Take(*doc, 0);
  while (doc->CanUndo()) doc->OnEditUndo();
  EXPECT_EQ(Take(*doc, 0), before);
  while (doc->CanRedo()) doc->OnEditRedo();
  EXPECT_EQ(Take(*doc, 0), after);
}

TEST(SetStringProperty, EditsOfOnePropertyAreNotMerged) {
  auto doc = NewLevel();
  doc->SetStringProperty("First", PROP_NAME, true);
  doc->SetStringProperty("Second", PROP_NAME, true);
  doc->OnEditUndo();
  EXPECT_EQ(doc->m_strName, "First");
  doc->OnEditUndo();
  EXPECT_EQ(doc->m_strName, "");
  doc->OnEditRedo();
  doc->OnEditRedo();
  EXPECT_EQ(doc->m_strName, "Second");
}

TEST(SetStringProperty, CaseOrTrailingSpaceAloneIsNoChange) {
  auto doc = NewLevel();
  doc->m_strName = "abc";
  for (const char* value : {"Abc", "ABC", "abc   ", "aBc\r\n"}) EXPECT_FALSE(doc->SetStringProperty(value, PROP_NAME, true));
  EXPECT_EQ(doc->m_strName, "abc");
  EXPECT_FALSE(doc->CanUndo());
  EXPECT_FALSE(doc->IsModified());
  // Leading white space is part of the text.
  EXPECT_TRUE(doc->SetStringProperty(" abc", PROP_NAME, true));
}

TEST(SetStringProperty, IdsOfOtherKindsOrNoPropertyAreIgnored) {
  auto doc = NewLevel();
  for (int id : std::initializer_list<int>{PROP_WIDTH, PROP_HEIGHT, PROP_YAMYAM_SOUND_OFF, PROP_LASER_SOUND_OFF, -1, 22, 1000})
    EXPECT_FALSE(doc->SetStringProperty("7", id, true)) << id;
  for (int id : std::initializer_list<int>{PROP_NAME, PROP_ARTWORK, PROP_MUSIC_PREFIX, PROP_ROBOT_SPEED, -1, 22})
    EXPECT_FALSE(doc->SetIntProperty(7, id, true)) << id;
  EXPECT_EQ(doc->m_nWidth, 126);
  EXPECT_EQ(doc->m_strName, "");
  EXPECT_FALSE(doc->CanUndo());
  EXPECT_FALSE(doc->IsModified());
}

TEST(SetStringProperty, ArtworkSelectsTheSetAndRepaintsOnlyWhenItSwitches) {
  RecordingSelector selector;
  auto doc = NewLevel();
  RecordingView view;
  doc->AddView(&view);
  selector.names.clear();

  EXPECT_FALSE(doc->SetStringProperty("cave", PROP_ARTWORK, true));  // false even when it changed
  EXPECT_EQ(doc->m_strArtwork, "cave");
  EXPECT_EQ(selector.current, "Cave");
  EXPECT_EQ(view.HintNumbers(), std::vector<int>{HINT_ARTWORK});
  EXPECT_EQ(doc->UndoCount(), 1);

  // A set that does not exist is stored, but the program keeps its set and nothing repaints.
  view.hints.clear();
  EXPECT_FALSE(doc->SetStringProperty("Nowhere", PROP_ARTWORK, true));
  EXPECT_EQ(doc->m_strArtwork, "Nowhere");
  EXPECT_EQ(selector.current, "Cave");
  EXPECT_TRUE(view.hints.empty());
  EXPECT_EQ(doc->UndoCount(), 2);

  // The same name in other letters is no change and asks nothing.
  EXPECT_FALSE(doc->SetStringProperty("NOWHERE", PROP_ARTWORK, true));
  EXPECT_EQ(selector.names, (std::vector<std::string>{"cave", "Nowhere"}));
}

TEST(SetIntProperty, SizesKeepTheCellsAndSwitchesAreOnOrOff) {
  auto doc = NewLevel();
  doc->SetIntProperty(30, PROP_WIDTH, true);
  doc->SetCell(25, 0, EL_EMERALD, true, DRAW_FREE, true, false);
  EXPECT_TRUE(doc->SetIntProperty(20, PROP_WIDTH, true));
  EXPECT_EQ(doc->m_nWidth, 20);
  EXPECT_EQ(ElementAt(*doc, 25, 0), EL_EMERALD);  // outside the level, still stored and counted
  EXPECT_EQ(doc->m_nEmeraldTotal, 1);
  EXPECT_FALSE(doc->SetIntProperty(126, PROP_HEIGHT, true));
  EXPECT_TRUE(doc->SetIntProperty(1, PROP_YAMYAM_SOUND_OFF, true));
  EXPECT_TRUE(doc->m_bYamYamSoundOff);
  EXPECT_FALSE(doc->SetIntProperty(5, PROP_YAMYAM_SOUND_OFF, true));  // already on
  EXPECT_TRUE(doc->SetIntProperty(7, PROP_LASER_SOUND_OFF, true));
  EXPECT_EQ(IntValue(*doc, PROP_LASER_SOUND_OFF), 1);
  EXPECT_EQ(doc->UndoCount(), 5);
  doc->OnEditUndo();
  EXPECT_EQ(IntValue(*doc, PROP_LASER_SOUND_OFF), 0);
  doc->OnEditUndo();
  EXPECT_FALSE(doc->m_bYamYamSoundOff);
  doc->OnEditUndo();
  EXPECT_EQ(doc->m_nWidth, 30);
  doc->OnEditRedo();
  EXPECT_EQ(doc->m_nWidth, 20);
}
