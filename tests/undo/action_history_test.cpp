#include "undo/action_history.h"

#include <gtest/gtest.h>

#include <cstddef>

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

// A tile action that counts its destruction, to see who destroys what and when.
struct CountedAction : CTileActionObject {
  explicit CountedAction(int* destroyed) : destroyed(destroyed) {}
  ~CountedAction() override { ++*destroyed; }
  int* destroyed;
};

// An action always built at the same address, so that a new one lives exactly where a
// destroyed one did (the sanitizers' allocator would never reuse the address so soon).
struct PooledAction : CTileActionObject {
  static void* operator new(size_t size) {
    EXPECT_FALSE(inUse);
    inUse = true;
    return size <= sizeof(slot) ? slot : nullptr;
  }
  static void operator delete(void*) { inUse = false; }
  alignas(std::max_align_t) static inline unsigned char slot[sizeof(CTileActionObject) + 64];
  static inline bool inUse = false;
};

}  // namespace

TEST(ActionHistory, NewHistoryIsCleanAndEmpty) {
  CActionHistory history(10);
  EXPECT_EQ(history.Undo(), nullptr);
  EXPECT_EQ(history.Redo(), nullptr);
  history.AddAction(nullptr, true);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
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

TEST(ActionHistory, ActionsAreDestroyedWhenDiscardedRefusedOrLeftAtTheEnd) {
  int destroyed = 0;
  {
    CActionHistory history(10);
    for (int i = 0; i < 4; ++i) history.AddAction(std::make_unique<CountedAction>(&destroyed), true);
    history.Undo();
    history.Undo();
    history.AddAction(Numbered(9), true);  // discards the redo stack at once
    EXPECT_EQ(destroyed, 2);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(NumberOf(history.Undo()), 9);
  }
  EXPECT_EQ(destroyed, 4);  // both stacks go with the history

  CActionHistory none(0);  // keeps nothing
  none.AddAction(std::make_unique<CountedAction>(&destroyed), true);
  EXPECT_EQ(destroyed, 5);
  EXPECT_FALSE(none.CanUndo());
}

TEST(ActionHistory, NewActionWhereTheDestroyedSavedOneLivedIsNotTheSavedOne) {
  CActionHistory history(2);
  history.AddAction(std::make_unique<PooledAction>(), true);
  history.MarkSaved();
  AddNumbered(history, 2, 3);  // the saved action falls off the bottom
  history.AddAction(std::make_unique<PooledAction>(), true);
  history.Undo();
  history.Redo();
  EXPECT_FALSE(history.IsClean());

  history.MarkSaved();
  history.DeleteAll();
  history.AddAction(std::make_unique<PooledAction>(), true);
  history.Undo();
  EXPECT_FALSE(history.IsClean());
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

// Steps: a add, s save, u undo, r redo, d delete all, digit: set the limit to it, F add until
// the stack is full, U undo all, R redo all. After each step the state is clean ('c'), not
// ('.'), or either ('-'); after U or R 'c' means only the last state was clean, '.' none was.
TEST(ActionHistory, SavedStateIsFoundExactlyWhileItCanBeReached) {
  struct Case {
    const char* name;
    int limit;
    const char* steps;
    const char* clean;
  };
  const Case cases[] = {
      {"one change undone and redone", 10, "aur", ".c."},
      {"save in the middle", 10, "aasauurr", "..c.c.c."},
      {"empty save survives a full stack", 1000, "FU", ".c"},
      {"but not one action more", 1000, "FaUR", "...."},
      {"saved action falls off the bottom", 3, "asaaaUs", ".c....c"},
      {"change after undoing past the save", 10, "aasuaURsur", "..c....c.c"},
      {"trimming away the empty save", 10, "aaa2U", "...-."},
      {"trimming away the saved action", 10, "asaa2U", ".c..-."},
      {"limit zero never counts as saved", 0, "a", "."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CActionHistory history(c.limit);
    int next = 1;
    for (size_t i = 0; c.steps[i]; ++i) {
      const char step = c.steps[i];
      int cleanStates = 0, states = 0;
      const auto count = [&] { ++states, cleanStates += history.IsClean(); };
      if (step == 'a') history.AddAction(Numbered(next++), true);
      if (step == 's') history.MarkSaved();
      if (step == 'u') history.Undo();
      if (step == 'r') history.Redo();
      if (step == 'd') history.DeleteAll();
      if (step >= '0' && step <= '9') history.SetMaxActions(step - '0');
      if (step == 'F') AddNumbered(history, 1, c.limit);
      if (step == 'U')
        while (history.Undo()) count();
      if (step == 'R')
        while (history.Redo()) count();
      if (states == 0) count();
      const bool onlyLastClean = cleanStates == 1 && history.IsClean();
      const char seen = cleanStates == 0 ? '.' : onlyLastClean ? 'c' : '?';
      if (c.clean[i] != '-') {
        EXPECT_EQ(seen, c.clean[i]) << "step " << i << " '" << step << "'";
      }
    }
  }
}
