#include <QCheckBox>
#include <QLabel>
#include <QTranslator>

#include "editing/flood_fill.h"
#include "form_support.h"

namespace {

// Which values are refused, and in which words, the model's input rules tell.
TEST(PropertyForm, EachCommittedFieldIsOneStepThatUndoShowsBackInEveryFormARefusedValueStaysUntilEscGivesItUp) {
  FormOnLevel f;
  MessageCatcher catcher;
  PropertyForm& second = f.open(f.document);
  auto& name = f.field<QLineEdit>(Field::Name);
  for (const char* typed : {"  Crystal Caves ", "Crystal Caves  "}) {  // the second changes nothing in the level
    typeAndLeave(f.form(), Field::Name, typed);
    EXPECT_EQ(name.text(), "Crystal Caves") << "what is stored shows";
    EXPECT_FALSE(name.isUndoAvailable()) << "Ctrl+Z there reaches the level";
  }

  typeAndLeave(f.form(), Field::Info, "  first\nsecond  \n");
  EXPECT_EQ(f.level().text(Property::Info), "  first\r\nsecond");
  typeAndLeave(second, Field::Width, "1x0");  // the width takes digits only
  EXPECT_EQ(f.level().width(), 10);

  auto& laser = f.field<QCheckBox>(Field::LaserSound);
  QTest::mouseClick(&laser, Qt::LeftButton, {}, QPoint(5, laser.height() / 2));
  EXPECT_EQ(f.level().number(Property::LaserSoundOff), 1) << "a check box commits at once";
  auto& difficulty = f.field<QComboBox>(Field::Difficulty);
  difficulty.setCurrentIndex(3);
  emit difficulty.activated(3);
  EXPECT_EQ(f.level().text(Property::Difficulty), "3");
  f.form().focusField(Field::NextLevel);
  QTest::keyClicks(f.form().field(Field::NextLevel), "Level Two");
  f.form().commitPendingEdits();
  EXPECT_EQ(f.level().text(Property::NextLevel), "Level Two") << "the pass before a save commits it";

  for (int steps = 0; steps < 6; ++steps) ASSERT_TRUE(f.document.undo());
  EXPECT_EQ(f.level(), Level()) << "one step per commit";
  // The form the changes were not made in shows them undone.
  EXPECT_EQ(f.field<QLineEdit>(Field::Name, 1).text(), "");
  EXPECT_EQ(f.field<QLineEdit>(Field::Width, 0).text(), "126");
  EXPECT_FALSE(f.field<QCheckBox>(Field::LaserSound, 1).isChecked());
  EXPECT_EQ(f.field<QComboBox>(Field::Difficulty, 1).currentIndex(), 0);

  // In the form last opened, the active window.
  auto& refused = f.field<QLineEdit>(Field::Name, 1);
  typeAndLeave(second, Field::Name, "Łódź 日本");
  EXPECT_EQ(catcher.texts.value(0), "Level files cannot hold these characters: Ł, ź, 日, 本. Please replace them.");
  EXPECT_TRUE(refused.hasFocus()) << "back to the field to be put right";
  EXPECT_EQ(refused.text(), "Łódź 日本") << "with the user's text";
  // The pass before a save or close neither stores it nor drops it: it says so again and stops.
  second.focusField(Field::Designer);
  settle();
  catcher.texts.clear();
  EXPECT_FALSE(second.commitPendingEdits());
  settle();
  EXPECT_EQ(catcher.texts.size(), 1);
  EXPECT_TRUE(refused.hasFocus());
  // Esc gives up the refused text: the stored name is back, and leaving asks nothing more.
  catcher.texts.clear();
  QTest::keyClick(&refused, Qt::Key_Escape);
  EXPECT_EQ(refused.text(), "");
  second.focusField(Field::Designer);
  settle();
  EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join('|').toStdString();
}

// Values the form would show otherwise than the file holds them. Tabbing through every field
// and the pass before a save commit nothing the user did not type, so the level stays
// unchanged and is written as it was read.
TEST(PropertyForm, UntouchedFieldsKeepTheStoredValues) {
  struct Case {
    std::string text;
    QString difficultyShown;  // the first and last entries of the list, and a value beyond it
  };
  const Case kLevels[] = {
      {crLf({"A Nig", "S ech", "M 7 gem rush", "T 0x10", "D 12", "n  Spaced Name", "e abc", "p x4",
             "E  -2", "w 1e3", "o +3", "s 030", "a  Ann ", "f\tFirst", "N  Next", "Y", "L", "i text", "i ",
             "m 3 1", "#*#"}),
       ""},
      {crLf({"A  Night", "S Classic ", "D 3x", "e 1 2", "i   indented", "i \r", "m 126 2", "#", "#"}), "moderate"},
      {crLf({"n Plain", "m 3 1", "#*#"}), "tutorial"},  // no difficulty
      {crLf({"n Last", "D 9", "m 3 1", "#*#"}), "m.a.d."},
  };
  for (const auto& [text, difficultyShown] : kLevels) {
    SCOPED_TRACE(text.substr(0, text.find("\r\n")));
    FormOnLevel f(readText(text));
    f.form().fillFolderLists(QCoreApplication::applicationDirPath());
    auto& difficulty = f.field<QComboBox>(Field::Difficulty);
    EXPECT_EQ(difficulty.currentText(), difficultyShown);
    MessageCatcher catcher;
    f.form().focusField(Field::Name);
    for (int i = 0; i < 30 && QApplication::focusWidget(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      settle();
    }
    emit difficulty.activated(difficulty.currentIndex());  // the shown choice made again
    f.form().commitPendingEdits();
    EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join('|').toStdString();
    EXPECT_EQ(levelText(f.level()), levelText(readText(text)));
  }
}

// German texts much longer than the English ones.
class LongGerman : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    const QByteArrayView text(source);
    if (text == "Level name") return QStringLiteral("Bezeichnung dieses schönen neuen Levels");
    return text == "tutorial" ? QStringLiteral("Einführung für ganz Neue") : QString();
  }
};

TEST(PropertyForm, LongTranslatedLabelsAndTheCountOfAFullLevelShowWholeAndClearOfTheirNeighbours) {
  LongGerman translator;
  QCoreApplication::installTranslator(&translator);
  FormOnLevel f;
  QCoreApplication::removeTranslator(&translator);
  floodFill(f.document, {0, 0}, EL_EMERALD);
  auto& count = f.field<QLabel>(Field::EmeraldCount);
  ASSERT_EQ(count.text(), "(15876)");
  EXPECT_GE(count.width(), count.sizeHint().width());
  QLabel* label = nullptr;
  for (QLabel* each : f.form().findChildren<QLabel*>()) {
    if (each->text() == "Bezeichnung dieses schönen neuen Levels") label = each;
    if (each->text() == "Robot speed") { EXPECT_LT(count.geometry().right(), each->x()); }
  }
  ASSERT_NE(label, nullptr) << "the label is shown translated";
  EXPECT_LT(label->geometry().right(), f.form().field(Field::Name)->x());
  auto& difficulty = f.field<QComboBox>(Field::Difficulty);
  EXPECT_GE(difficulty.width(), difficulty.sizeHint().width()) << "the longest difficulty shows whole";
}

}  // namespace
