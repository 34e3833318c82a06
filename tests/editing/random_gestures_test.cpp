// A long random run of mixed gestures and edits, then undo to the start and redo to the end:
// every state on the way must equal the one the run passed there.
#include <gtest/gtest.h>

#include <random>

#include "editing/level_document.h"

namespace {

class RandomDesigner {
 public:
  RandomDesigner(LevelDocument& doc, unsigned seed) : m_doc(doc), m_random(seed) {}

  // One gesture or edit; it may find nothing to change.
  void act() {
    const int x = pick(m_doc.level().width() + 2) - 1;  // some land just outside the level
    const int y = pick(m_doc.level().height() + 2) - 1;
    switch (pick(9)) {
      case 0: {  // a stroke, drawing and erasing, sometimes over its own cells
        m_doc.beginGesture("Draw");
        for (int i = pick(160); i >= 0; --i) m_doc.setCell(x + pick(11) - 5, y + pick(11) - 5, pick(4) ? element() : NO_ELEMENT);
        if (pick(6) == 0)
          m_doc.cancelGesture();
        else
          m_doc.endGesture();
        break;
      }
      case 1: m_doc.fill(x, y, pick(4) ? element() : NO_ELEMENT); break;
      case 2: {
        std::vector<CellPos> cells;
        for (int i = pick(12); i >= 0; --i) cells.push_back({x + i, y + i / 2});
        m_doc.setCells(cells, element(), "Line");
        break;
      }
      case 3: m_doc.paste({x, y}, pick(2) ? "*$(\n @~\n##" : "Q!\n\nEE"); break;
      case 4: m_doc.clear(CellRange::spanning({x, y}, {x + pick(8), y + pick(8)}), "Cut"); break;
      case 5: {
        static const char* const values[] = {"", "Cave", "cave ", "Night", "7", "*", "a\r\nb"};
        static const Property properties[] = {Property::Name, Property::Artwork, Property::Emeralds, Property::Info};
        m_doc.setText(properties[pick(4)], values[pick(7)]);
        break;
      }
      case 6: m_doc.setNumber(pick(2) ? Property::Width : Property::Height, 4 + pick(20)); break;
      case 7: {
        Level::Remainders remainders = m_doc.level().remainders();
        remainders[pick(Level::kRemainderSlots)] = pick(3) ? std::string(9, CharFromElement(element())) : "";
        m_doc.setRemainders(remainders, "Remainder");
        break;
      }
      case 8: m_doc.setNumber(Property::YamYamSoundOff, pick(2)); break;
    }
  }

 private:
  int pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
  // Few elements, so regions of one element form for the fills.
  int element() {
    static const int elements[] = {EL_WALL, EL_EMERALD, EL_RUBY, EL_SAND, EL_BAG};
    return elements[pick(5)];
  }

  LevelDocument& m_doc;
  std::mt19937 m_random;
};

int emeraldSum(const Level& level) {
  int sum = 0;
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x) sum += EmeraldValue(level.element(x, y));
  return sum;
}

TEST(RandomGestures, UndoToTheStartAndRedoToTheEndPassEveryStateAgain) {
  for (unsigned seed : {1u, 7u, 42u}) {
    SCOPED_TRACE(seed);
    Level start;
    start.setNumber(Property::Width, 24);
    start.setNumber(Property::Height, 20);
    LevelDocument doc{start};
    RandomDesigner designer(doc, seed);
    std::vector<Level> states{doc.level()};
    size_t savedAt = 0;
    for (int i = 0; i < 400; ++i) {
      const int steps = doc.history().undoCount();
      const bool wasModified = doc.isModified();
      designer.act();
      ASSERT_LE(doc.history().undoCount(), steps + 1) << "one step per gesture";
      if (doc.history().undoCount() > steps) {
        states.push_back(doc.level());
      } else {
        ASSERT_EQ(doc.level(), states.back()) << "a change without a step";
        ASSERT_EQ(doc.isModified(), wasModified);
      }
      ASSERT_EQ(doc.level().emeraldTotal(), emeraldSum(doc.level()));
      if (i % 37 == 0) {
        doc.markSaved();
        savedAt = states.size() - 1;
      }
    }
    ASSERT_EQ(states.size(), static_cast<size_t>(doc.history().undoCount()) + 1);
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
