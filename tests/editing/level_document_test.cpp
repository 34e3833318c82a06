// Every kind of edit, undone and redone against whole-level snapshots, and what a gesture is.
#include <gtest/gtest.h>

#include <functional>

#include "editing/block_edits.h"
#include "editing/flood_fill.h"
#include "editing/level_document.h"
#include "editing/paste_block.h"
#include "editing/set_cells.h"
#include "support/level_text.h"

namespace {

// Records what the document tells.
struct Recorder : DocumentObserver {
  std::vector<LevelChange> changes;
  int stateChanges = 0;
  std::function<void()> then;  // after each change is recorded
  void levelChanged(const LevelChange& change) override {
    changes.push_back(change);
    if (then) then();
  }
  void documentStateChanged() override { ++stateChanges; }
};

// A level with something in it, so edits have things to overwrite.
Level furnished() {
  Level level = sizedLevel(20, 12);
  level.setElement(0, 11, EL_WALL);
  level.setElement(3, 3, EL_EMERALD);
  level.setElement(4, 3, EL_RUBY);
  level.setElement(10, 5, EL_ROCK);
  level.setText(Property::Name, "Furnished");
  return level;
}

struct EditCase {
  const char* name;  // also the step's name the Edit menu shows
  std::function<int(LevelDocument&)> edit;
};

TEST(LevelDocument, EveryEditIsOneStepThatUndoAndRedoRestoreExactly) {
  Level::Remainders patterns;
  patterns[0] = "*********", patterns[3] = "#.#.#.#.#";
  const std::vector<EditCase> cases = {
      {"Draw", [](LevelDocument& d) { return setCell(d, {5, 5}, EL_BAG); }},
      {"Erase", [](LevelDocument& d) { return setCell(d, {3, 3}, kNoElement); }},
      {"Fill", [](LevelDocument& d) { return floodFill(d, {6, 6}, EL_SAND); }},
      {"Paste", [](LevelDocument& d) { return pasteBlock(d, {2, 2}, std::string("*$\n~ \n@@\0ignored", 16)); }},
      {"Rectangle", [](LevelDocument& d) {
         d.beginGesture("Rectangle");
         const CellPos cells[] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}};
         EXPECT_EQ(setCells(d, cells, EL_ACID, "ignored inside a gesture"), 4);
         d.endGesture();
         return 4;
       }},
      {"Level name", [](LevelDocument& d) { return int(d.setText(Property::Name, "Renamed  ")); }},
      {"Width", [](LevelDocument& d) { return int(d.setNumber(Property::Width, 8)); }},
      {"Insert Remainder", [&](LevelDocument& d) { return int(d.setRemainders(patterns, "Insert Remainder")); }},
      {"Replace", [](LevelDocument& d) { return replaceElement(d, {-1, 0, 3, 3}, EL_EMERALD, EL_ROCK); }},
      {"Reload from Disk", [](LevelDocument& d) {
         Level other = d.level();
         other.setElement(0, 0, EL_RUBY);
         other.setText(Property::Name, "Theirs");
         return int(d.replaceLevel(other, "Reload from Disk"));
       }},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    LevelDocument doc{furnished()};
    const Level before = doc.level();
    ASSERT_GT(c.edit(doc), 0);
    const Level after = doc.level();
    EXPECT_NE(after, before);
    EXPECT_EQ(doc.undoName(), c.name);

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.level(), before);
    EXPECT_EQ(doc.redoName(), c.name);
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(doc.level(), after);
  }
}

TEST(LevelDocument, EditsThatFindEverythingInPlaceLeaveNoTraceAndStateNoticesComeOnce) {
  LevelDocument doc{furnished()};
  Recorder recorder;
  doc.addObserver(&recorder);
  EXPECT_EQ(setCell(doc, {3, 3}, EL_EMERALD), 0);
  EXPECT_EQ(setCell(doc, {50, 3}, EL_EMERALD), 0);  // outside the level
  EXPECT_EQ(setCell(doc, {5, 5}, 99), 0);            // no element
  EXPECT_EQ(floodFill(doc, {3, 3}, EL_EMERALD), 0);
  EXPECT_FALSE(doc.setText(Property::Name, "furnished "));  // letter case and blanks alone
  EXPECT_FALSE(doc.setNumber(Property::Width, 20));
  EXPECT_FALSE(doc.setNumber(Property::Name, 3));
  EXPECT_FALSE(doc.setText(Property::Width, "7"));
  EXPECT_FALSE(doc.setRemainders(doc.level().remainders(), "Delete Remainder"));
  // A stroke that puts back what it changed is no step either.
  doc.beginGesture("Draw");
  setCell(doc, {6, 6}, EL_BOMB);
  setCell(doc, {6, 6}, kNoElement);
  doc.endGesture();
  EXPECT_FALSE(doc.isModified());
  EXPECT_FALSE(doc.canUndo());
  EXPECT_EQ(recorder.stateChanges, 2);  // the stroke's '*' came and went

  // Observers hear of the title and of the saved state once.
  doc.setTitle("cave.lev");
  setCell(doc, {1, 1}, EL_ROCK);
  doc.markSaved();
  doc.markSaved();
  EXPECT_EQ(recorder.stateChanges, 2 + 3);
  doc.setDiffersFromFile(true);  // another program's version is on disk now
  EXPECT_TRUE(doc.isModified());
  doc.markSaved();
  EXPECT_FALSE(doc.isModified());
}

TEST(LevelDocument, ChangeNoticesNameWhatChangedCancelTakesAGestureBackAndAnObserverMayLeave) {
  LevelDocument doc{furnished()};
  Recorder recorder;
  doc.addObserver(&recorder);
  doc.beginGesture("Draw");
  setCell(doc, {1, 1}, EL_ROCK);  // each cell shows at once
  setCell(doc, {2, 1}, EL_ROCK);
  EXPECT_FALSE(doc.canUndo());  // not while the button is down
  doc.cancelGesture();
  EXPECT_EQ(doc.level(), furnished());
  floodFill(doc, {4, 3}, EL_SAND);  // the ruby alone
  pasteBlock(doc, {17, 9}, "*****\n*****");
  doc.setNumber(Property::Width, 30);
  doc.setText(Property::Artwork, "Night");
  doc.undo();
  const std::vector<LevelChange> expected = {
      LevelChange::ofCells({1, 1, 1, 1}), LevelChange::ofCells({2, 1, 2, 1}), LevelChange::ofCells({1, 1, 2, 1}),
      LevelChange::ofCells({4, 3, 4, 3}), LevelChange::ofCells({17, 9, 19, 10}),
      LevelChange::ofProperty(Property::Width), LevelChange::ofProperty(Property::Artwork),
      LevelChange::ofProperty(Property::Artwork)};
  EXPECT_EQ(recorder.changes, expected);

  Recorder other;
  doc.addObserver(&other);
  recorder.then = [&] { doc.removeObserver(&other); };
  setCell(doc, {1, 1}, EL_WALL);
  EXPECT_TRUE(other.changes.empty()) << "an observer removed during the round is not told any more";
}

}  // namespace
