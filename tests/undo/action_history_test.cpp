#include "undo/action_history.h"

#include <gtest/gtest.h>

#include <vector>

#include "counted_action.h"
#include "undo/tile_action_object.h"

namespace {

// Each action carries its number in m_x, so tests can tell which one moved.
std::unique_ptr<CActionObject> Numbered(int n) { return std::make_unique<CTileActionObject>(n, 0, 1, 0); }

int NumberOf(const CActionObject* action) {
  const auto* tile = dynamic_cast<const CTileActionObject*>(action);
  return tile ? tile->m_x : -1;
}

void AddNumbered(CActionHistory& history, int from, int to) {
  for (int n = from; n <= to; ++n) history.AddAction(Numbered(n), true);
}

// Undoes everything and answers whether any state on the way was clean.
bool AnyCleanWhileUndoingAll(CActionHistory& history) {
  bool clean = false;
  while (history.Undo()) clean |= history.IsClean();
  return clean;
}

}  // namespace

TEST(ActionHistory, NewHistoryIsCleanAndEmpty) {
  CActionHistory history(10);
  EXPECT_TRUE(history.IsClean());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Undo(), nullptr);
  EXPECT_EQ(history.Redo(), nullptr);
  EXPECT_TRUE(history.IsClean());
  history.AddAction(nullptr, true);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_TRUE(history.IsClean());
}

TEST(ActionHistory, UndoTakesTheNewestAndRedoReplaysInReverse) {
  CActionHistory history(10);
  AddNumbered(history, 1, 3);
  EXPECT_EQ(NumberOf(history.Undo()), 3);
  EXPECT_EQ(NumberOf(history.Undo()), 2);
  EXPECT_EQ(NumberOf(history.Redo()), 2);
  EXPECT_EQ(NumberOf(history.Undo()), 2);
  // Two undos, a redo and an undo: as after the two undos, with both redoable.
  EXPECT_EQ(history.UndoCount(), 1);
  EXPECT_EQ(history.RedoCount(), 2);
  EXPECT_EQ(NumberOf(history.Redo()), 2);
  EXPECT_EQ(NumberOf(history.Redo()), 3);
  EXPECT_EQ(history.Redo(), nullptr);
}

TEST(ActionHistory, NewActionDiscardsTheRedoStack) {
  CActionHistory history(10);
  int destroyed = 0;
  history.AddAction(std::make_unique<CountedAction>(&destroyed), true);
  history.AddAction(std::make_unique<CountedAction>(&destroyed), true);
  history.Undo();
  history.Undo();
  history.AddAction(Numbered(9), true);
  EXPECT_EQ(destroyed, 2);
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(NumberOf(history.Undo()), 9);
}

TEST(ActionHistory, OneChangeUndoneIsCleanAgainAndRedoneIsNot) {
  CActionHistory history(10);
  history.AddAction(Numbered(1), true);
  EXPECT_FALSE(history.IsClean());
  history.Undo();
  EXPECT_TRUE(history.IsClean());
  history.Redo();
  EXPECT_FALSE(history.IsClean());
}

TEST(ActionHistory, SaveInTheMiddleIsFoundByUndoAndRedo) {
  CActionHistory history(10);
  AddNumbered(history, 1, 2);
  history.MarkSaved();
  EXPECT_TRUE(history.IsClean());
  history.AddAction(Numbered(3), true);
  history.Undo();
  EXPECT_TRUE(history.IsClean());
  history.Undo();
  EXPECT_FALSE(history.IsClean());
  history.Redo();
  EXPECT_TRUE(history.IsClean());
  history.Redo();
  EXPECT_FALSE(history.IsClean());
}

TEST(ActionHistory, TheThousandAndFirstActionDropsTheFirst) {
  CActionHistory history(1000);
  AddNumbered(history, 1, 1001);
  EXPECT_EQ(history.UndoCount(), 1000);
  for (int n = 1001; n >= 2; --n) ASSERT_EQ(NumberOf(history.Undo()), n);
  EXPECT_FALSE(history.CanUndo());
}

TEST(ActionHistory, SavedEmptyStateSurvivesAFullStackButNotOneMore) {
  CActionHistory full(1000);
  AddNumbered(full, 1, 1000);
  EXPECT_FALSE(full.IsClean());
  while (full.Undo()) {
  }
  EXPECT_TRUE(full.IsClean());

  CActionHistory overfull(1000);
  AddNumbered(overfull, 1, 1001);
  EXPECT_FALSE(AnyCleanWhileUndoingAll(overfull));
  while (overfull.Redo()) EXPECT_FALSE(overfull.IsClean());
}

TEST(ActionHistory, SavedActionFallingOffTheBottomLosesTheSavePoint) {
  CActionHistory history(3);
  history.AddAction(Numbered(1), true);
  history.MarkSaved();
  AddNumbered(history, 2, 4);  // the fourth pushes the saved action out
  EXPECT_FALSE(AnyCleanWhileUndoingAll(history));
  history.MarkSaved();
  EXPECT_TRUE(history.IsClean());
}

TEST(ActionHistory, ChangeAfterUndoingPastTheSaveLosesItUntilTheNextSave) {
  CActionHistory history(10);
  AddNumbered(history, 1, 2);
  history.MarkSaved();
  history.Undo();
  history.AddAction(Numbered(3), true);  // the saved action 2 goes with the redo stack
  EXPECT_FALSE(AnyCleanWhileUndoingAll(history));
  while (history.Redo()) EXPECT_FALSE(history.IsClean());
  history.MarkSaved();
  EXPECT_TRUE(history.IsClean());
  history.Undo();
  history.Redo();
  EXPECT_TRUE(history.IsClean());
}

TEST(ActionHistory, ShrinkingTheLimitTrimsOldestUndoThenRedo) {
  CActionHistory history(10);
  AddNumbered(history, 1, 5);
  history.Undo();
  history.Undo();  // undo: 1 2 3, redo: 5 4
  history.SetMaxActions(4);
  EXPECT_EQ(history.UndoCount(), 2);
  EXPECT_EQ(history.RedoCount(), 2);
  history.SetMaxActions(1);
  EXPECT_EQ(history.UndoCount(), 0);
  EXPECT_EQ(history.RedoCount(), 1);
  EXPECT_EQ(NumberOf(history.Redo()), 4);  // the next one to redo stays
  history.SetMaxActions(-3);
  EXPECT_EQ(history.GetMaxActions(), 0);
  EXPECT_EQ(history.UndoCount() + history.RedoCount(), 0);
}

TEST(ActionHistory, TrimmingAwayTheSavedStateLosesIt) {
  // Saved with an empty stack: once the oldest action is trimmed, undoing everything no longer
  // leads back to that state.
  CActionHistory savedEmpty(10);
  AddNumbered(savedEmpty, 1, 3);
  savedEmpty.SetMaxActions(2);
  EXPECT_FALSE(AnyCleanWhileUndoingAll(savedEmpty));

  CActionHistory savedAtAction(10);
  AddNumbered(savedAtAction, 1, 1);
  savedAtAction.MarkSaved();
  AddNumbered(savedAtAction, 2, 3);
  savedAtAction.SetMaxActions(2);
  EXPECT_FALSE(AnyCleanWhileUndoingAll(savedAtAction));
}

TEST(ActionHistory, DeletingAllActionsForgetsTheSavedOne) {
  CActionHistory history(10);
  AddNumbered(history, 1, 2);
  history.MarkSaved();
  history.DeleteAll();
  // A new action may be built where the saved one lived; it must not count as saved.
  history.AddAction(Numbered(3), true);
  history.Undo();
  EXPECT_FALSE(history.IsClean());
  history.Redo();
  EXPECT_FALSE(history.IsClean());
}

TEST(ActionHistory, LimitZeroKeepsNothingAndNeverCountsAsSaved) {
  CActionHistory history(0);
  int destroyed = 0;
  history.AddAction(std::make_unique<CountedAction>(&destroyed), true);
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.IsClean());
}

TEST(ActionHistory, DestroyingTheHistoryDestroysBothStacks) {
  int destroyed = 0;
  {
    CActionHistory history(10);
    for (int i = 0; i < 4; ++i) history.AddAction(std::make_unique<CountedAction>(&destroyed), true);
    history.Undo();
  }
  EXPECT_EQ(destroyed, 4);
}
