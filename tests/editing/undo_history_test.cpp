// The save point of the history: when undo and redo lead back to the saved state, and when
// that state is lost for good.
#include <gtest/gtest.h>

#include <string>

#include "editing/undo_history.h"
#include "level/level.h"

namespace {

struct Marker : UndoStep {
  Marker() : UndoStep("marker") {}
  void undo(Level&) const override {}
  void redo(Level&) const override {}
  LevelChange change() const override { return {}; }
};

// Each script runs over a history of limit 3: 'p' pushes, 'u' undoes, 'r' redoes, 's' saves,
// 'l' lowers the limit to 1; then the history is clean or not.
TEST(UndoHistory, SavePointRulesAndLimit) {
  struct Case {
    const char* script;
    bool clean;
  } cases[] = {
      {"", true},        {"p", false},        {"pu", true},        {"pur", false},
      {"pps", true},     {"ppsu", false},     {"ppsur", true},     {"ppsuup", false},  // new step past the save point
      {"ppspu", true},   {"ppppuuu", false},  {"spppuuu", true},   {"pspppuuu", true},  // the start fell off the end
      {"ppsl", true},    {"ppslu", false},    {"ppsuul", false},   {"uuurrr", true},
  };
  for (const Case& c : cases) {
    UndoHistory history(3);
    for (const char step : std::string(c.script)) {
      switch (step) {
        case 'p': history.push(std::make_unique<Marker>()); break;
        case 'u': history.undo(); break;
        case 'r': history.redo(); break;
        case 's': history.markSaved(); break;
        case 'l': history.setLimit(1); break;
      }
    }
    EXPECT_EQ(history.isClean(), c.clean) << c.script;
  }
  UndoHistory history;  // the editor's own keeps a thousand steps
  for (int i = 0; i < 1005; ++i) history.push(std::make_unique<Marker>());
  EXPECT_EQ(history.undoCount(), 1000);
}

}  // namespace
