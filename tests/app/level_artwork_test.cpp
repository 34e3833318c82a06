// Each level in its own artwork: the element buttons follow the active level.
#include <QComboBox>

#include "app/element_icons.h"
#include "app_support.h"
#include "artwork/artwork_sets.h"

namespace {

QImage buttonPicture(int element) { return act().elements.element[element]->icon().pixmap(16, 16).toImage(); }
QImage setPicture(const char* set, int element) {
  return elementIcon(artworkSetOrDefault(set), element).pixmap(16, 16).toImage();
}

}  // namespace

TEST(LevelArtwork, EachLevelKeepsItsElementAndModeAndTheButtonsShowTheActiveLevelsSet) {
  EditorSession s;
  ASSERT_NE(setPicture("Night", EL_EARTH), setPicture("Default", EL_EARTH));
  LevelWindow* night = s.active();
  trigger(act().elements.element[EL_RUBY]);
  trigger(act().elements.fill);
  auto* sets = static_cast<QComboBox*>(night->form()->field(PropertyForm::Field::Artwork));
  sets->setCurrentIndex(sets->findText("Night"));  // the shipped sets are listed
  emit sets->activated(sets->currentIndex());
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Night", EL_EARTH)) << "the active level's artwork changed";
  trigger(act().file.newLevel);
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Default", EL_EARTH)) << "another level became active";
  trigger(act().elements.element[EL_BOMB]);
  EXPECT_FALSE(s.document().isModified()) << "choosing an element is no change";
  s.window().mdiArea()->setActiveSubWindow(night);
  settle();
  EXPECT_TRUE(act().elements.element[EL_RUBY]->isChecked());
  EXPECT_TRUE(act().elements.fill->isChecked());
  EXPECT_EQ(buttonPicture(EL_EARTH), setPicture("Night", EL_EARTH));
}
