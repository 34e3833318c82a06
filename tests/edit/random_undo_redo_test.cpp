// A long random run of recorded edits, then undo to the start and redo to the end: every state
// on the way must equal the one recorded when the run passed it.
#include <gtest/gtest.h>

#include <random>

#include "support/doc_recorders.h"
#include "support/edit_helpers.h"
#include "support/level_text.h"

namespace {

// The edits stay within this corner of the store.
constexpr int kArea = 24;

class RandomEditor {
 public:
  RandomEditor(CBrannocDoc& doc, unsigned seed) : m_doc(doc), m_random(seed) {}

  // One random edit; it may find nothing to change.
  void Edit() {
    const int x = Pick(m_doc.m_nWidth + 2) - 1;  // a few clicks land just outside the level
    const int y = Pick(m_doc.m_nHeight + 2) - 1;
    switch (Pick(8)) {
      case 0:
      case 1: m_doc.SetCell(x, y, Element(), true, DRAW_FREE, true, false); break;
      case 2: m_doc.EraseCell(x, y, true, DRAW_FREE, true, false); break;
      case 3: m_doc.SetCell(x, y, Element(), true, DRAW_FILL, true, false); break;
      case 4: m_doc.EraseCell(x, y, true, DRAW_FILL, true, false); break;
      case 5: {
        static const char* const values[] = {"", "Cave", "cave ", "Night", "Nowhere", "7", "*", "a\r\nb"};
        static const int properties[] = {PROP_NAME, PROP_ARTWORK, PROP_EMERALDS, PROP_INFO, PROP_MUSIC, PROP_DIFFICULTY};
        m_doc.SetStringProperty(values[Pick(8)], properties[Pick(6)], true);
        break;
      }
      case 6: m_doc.SetIntProperty(6 + Pick(kArea - 7), Pick(2) ? PROP_WIDTH : PROP_HEIGHT, true); break;
      case 7: m_doc.SetIntProperty(Pick(2), Pick(2) ? PROP_YAMYAM_SOUND_OFF : PROP_LASER_SOUND_OFF, true); break;
    }
  }

  int Pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

 private:
  // Few elements, so regions of one element form for the fills.
  int Element() {
    static const int elements[] = {EL_WALL, EL_EMERALD, EL_RUBY, EL_SAND, EL_ROCK};
    return elements[Pick(5)];
  }

  CBrannocDoc& m_doc;
  std::mt19937 m_random;
};

}  // namespace

TEST(RandomUndoRedo, EveryStateComesBackExactly) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RecordingSelector selector;
    auto doc = NewLevel();
    doc->m_nWidth = 12;
    doc->m_nHeight = 10;
    RandomEditor editor(*doc, seed);

    std::vector<Snapshot> states{Take(*doc, kArea)};  // states[k]: after k recorded actions
    int savedAt = 0;
    while (doc->UndoCount() < 600) {
      const int before = doc->UndoCount();
      const bool wasModified = doc->IsModified();
      editor.Edit();
      if (doc->UndoCount() == before) {
        // No change, no trace.
        ASSERT_EQ(Take(*doc, kArea), states.back());
        ASSERT_EQ(doc->IsModified(), wasModified);
        continue;
      }
      ASSERT_EQ(doc->UndoCount(), before + 1);
      ASSERT_TRUE(doc->IsModified());
      states.push_back(Take(*doc, kArea));
      if (editor.Pick(50) == 0) {
        SimulateSave(*doc);
        savedAt = doc->UndoCount();
      }
    }
    ASSERT_TRUE(StoreIsConsistent(*doc));

    for (int k = doc->UndoCount() - 1; k >= 0; --k) {
      doc->OnEditUndo();
      ASSERT_EQ(Take(*doc, kArea), states[k]) << "after undoing back to state " << k;
      ASSERT_EQ(doc->IsModified(), k != savedAt) << "state " << k;
    }
    EXPECT_FALSE(doc->CanUndo());
    for (int k = 1; k < static_cast<int>(states.size()); ++k) {
      doc->OnEditRedo();
      ASSERT_EQ(Take(*doc, kArea), states[k]) << "after redoing up to state " << k;
      ASSERT_EQ(doc->IsModified(), k != savedAt) << "state " << k;
    }
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_TRUE(StoreIsConsistent(*doc));
  }
}
