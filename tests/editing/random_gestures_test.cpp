// A long random run of mixed gestures and edits, then undo to the start and redo to the end:
// every state on the way must equal the one the run passed there.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "editing/clear_cells.h"
#include "editing/flood_fill.h"
#include "editing/level_document.h"
#include "editing/paste_block.h"
#include "editing/set_cells.h"
#include "support/level_text.h"

namespace {

// One random gesture or edit; it may find nothing to change.
void act(LevelDocument& doc, std::mt19937& random) {
  const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  // Few elements, so regions of one element form for the fills.
  const auto element = [&pick] { return std::array{EL_WALL, EL_EMERALD, EL_RUBY, EL_SAND, EL_BAG}[pick(5)]; };
  const int x = pick(doc.level().width() + 2) - 1;  // some land just outside the level
  const int y = pick(doc.level().height() + 2) - 1;
  switch (pick(6)) {
    case 0: {  // a stroke, drawing and erasing, sometimes over its own cells
      doc.beginGesture("Draw");
      for (int i = pick(160); i >= 0; --i) setCell(doc, {x + pick(11) - 5, y + pick(11) - 5}, pick(4) ? element() : kNoElement);
      if (pick(6) == 0)
        doc.cancelGesture();
      else
        doc.endGesture();
      break;
    }
    case 1: floodFill(doc, {x, y}, pick(4) ? element() : kNoElement); break;
    case 2: {
      std::vector<CellPos> cells;
      for (int i = pick(12); i >= 0; --i) cells.push_back({x + i, y + i / 2});
      setCells(doc, cells, element(), "Line");
      break;
    }
    case 3: pasteBlock(doc, {x, y}, pick(2) ? "*$(\n @~\n##" : "Q!\n\nEE"); break;
    case 4: clearCells(doc, CellRange::spanning({x, y}, {x + pick(8), y + pick(8)}), "Cut"); break;
    case 5:  // a new size changes which cells the other edits reach
      doc.setNumber(pick(2) ? Property::Width : Property::Height, 4 + pick(20));
      break;
  }
}

TEST(RandomGestures, UndoToTheStartAndRedoToTheEndPassEveryStateAgain) {
  for (unsigned seed : {1u, 7u, 42u}) {
    SCOPED_TRACE(seed);
    LevelDocument doc{sizedLevel(24, 20)};
    std::mt19937 random(seed);
    std::vector<Level> states{doc.level()};
    size_t savedAt = 0;
    for (int i = 0; i < 400; ++i) {
      const int steps = doc.history().undoCount();
      const bool wasModified = doc.isModified();
      act(doc, random);
      ASSERT_LE(doc.history().undoCount(), steps + 1) << "one step per gesture";
      if (doc.history().undoCount() > steps) {
        states.push_back(doc.level());
      } else {
        ASSERT_EQ(doc.level(), states.back()) << "a change without a step";
        ASSERT_EQ(doc.isModified(), wasModified);
      }
      if (i % 37 == 0) {
        doc.markSaved();
        savedAt = states.size() - 1;
      }
    }
    for (size_t i = states.size() - 1; i > 0; --i) {
      ASSERT_TRUE(doc.undo());
      ASSERT_EQ(doc.level(), states[i - 1]) << "after undoing step " << i;
      ASSERT_EQ(doc.isModified(), i - 1 != savedAt);
    }
    for (size_t i = 1; i < states.size(); ++i) {
      ASSERT_TRUE(doc.redo());
      ASSERT_EQ(doc.level(), states[i]) << "after redoing step " << i;
      ASSERT_EQ(doc.isModified(), i != savedAt);
    }
  }
}

}  // namespace
