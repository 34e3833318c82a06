#include <gtest/gtest.h>

#include "level/update_hints.h"
#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"
#include "undo/property_action_object.h"

namespace {

const CPropertyActionObject* LastAction(CBrannocDoc& doc) {
  const CActionObject* action = doc.Undo();
  doc.Redo();
  return dynamic_cast<const CPropertyActionObject*>(action);
}

}  // namespace

TEST(SetStringProperty, EveryStringPropertyReachesItsFieldAsOneAction) {
  auto doc = NewLevel();
  for (const PropertyInfo& info : PropertyTable()) {
    if (info.kind != PropertyKind::String || info.id == PROP_ARTWORK) continue;
    const std::string value = std::string("value ") + std::to_string(info.id);
    EXPECT_TRUE(doc->SetStringProperty(value + " \t\r\n", info.id, true)) << info.id;
    EXPECT_EQ(*StringField(*doc, info.id), value);  // trailing white space is dropped
    const CPropertyActionObject* action = LastAction(*doc);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->m_nProperty, info.id);
    EXPECT_EQ(action->m_nValueKind, VALUE_STRING);
    EXPECT_EQ(action->m_strNew, value);
  }
  EXPECT_EQ(doc->UndoCount(), 17);
  EXPECT_TRUE(doc->IsModified());
}

TEST(SetStringProperty, RecordsTheOldValueToGoBackTo) {
  auto doc = NewLevel();
  doc->SetStringProperty("First", PROP_NAME, true);
  doc->SetStringProperty("Second", PROP_NAME, true);
  const CPropertyActionObject* action = LastAction(*doc);
  EXPECT_EQ(action->m_strOld, "First");
  EXPECT_EQ(action->m_strNew, "Second");
  doc->OnEditUndo();
  EXPECT_EQ(doc->m_strName, "First");  // edits of one property are not merged
  doc->OnEditUndo();
  EXPECT_EQ(doc->m_strName, "");
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

TEST(SetIntProperty, SizeChangesRecordOneActionAndKeepTheCells) {
  auto doc = NewLevel();
  doc->SetIntProperty(30, PROP_WIDTH, true);
  doc->SetCell(25, 0, EL_EMERALD, true, DRAW_FREE, true, false);
  EXPECT_TRUE(doc->SetIntProperty(20, PROP_WIDTH, true));
  EXPECT_EQ(doc->m_nWidth, 20);
  EXPECT_EQ(ElementAt(*doc, 25, 0), EL_EMERALD);  // outside the level, still stored and counted
  EXPECT_EQ(doc->m_nEmeraldTotal, 1);
  const CPropertyActionObject* action = LastAction(*doc);
  EXPECT_EQ(action->m_nValueKind, VALUE_INTEGER);
  EXPECT_EQ(action->m_nNew, 20);
  EXPECT_EQ(action->m_nOld, 30);

  EXPECT_FALSE(doc->SetIntProperty(126, PROP_HEIGHT, true));
  EXPECT_EQ(doc->UndoCount(), 3);
}

TEST(SetIntProperty, SwitchesAreOnOrOff) {
  auto doc = NewLevel();
  EXPECT_TRUE(doc->SetIntProperty(1, PROP_YAMYAM_SOUND_OFF, true));
  EXPECT_TRUE(doc->m_bYamYamSoundOff);
  const CPropertyActionObject* action = LastAction(*doc);
  EXPECT_EQ(action->m_nOld, 0);
  EXPECT_EQ(action->m_nNew, 1);
  EXPECT_FALSE(doc->SetIntProperty(5, PROP_YAMYAM_SOUND_OFF, true));  // already on
  EXPECT_TRUE(doc->SetIntProperty(7, PROP_LASER_SOUND_OFF, true));
  EXPECT_EQ(LastAction(*doc)->m_nNew, 1);
  EXPECT_EQ(doc->UndoCount(), 2);
}
