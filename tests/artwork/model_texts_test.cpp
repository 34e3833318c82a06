// The model's texts as the editor shows them: its English, or German once that is installed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "level/level.h"
#include "level/level_checks.h"
#include "level/level_file.h"
#include "render/model_texts.h"
#include "support/temp_folder.h"

namespace {

TEST(ModelTexts, ReadAsTheModelWritesThemUntilAGermanTranslationIsInstalled) {
  int argc = 1;
  char program[] = "artwork_qt_tests", *argv[] = {program, nullptr};
  const QCoreApplication app(argc, argv);
  const TempFolder folder;
  Level level;
  level.setElement(3, 0, EL_BLUE_KEY);
  level.setText(Property::Name, "Cave\x81");
  const std::vector<LevelWarning> warnings = checkLevel(level);  // Player 1, exit, key, name
  ASSERT_EQ(warnings.size(), 4u);
  const std::string path = folder.write("cave.lev", "m 4\r\n");
  const FileResult broken = readLevelFile(path, level);
  const auto texts = [&] {
    return QStringList{translated::elementName(EL_ROCK), translated::stepName("Level information"),
                       translated::warningText(warnings[2]), translated::warningText(warnings[3]),
                       translated::messageText(broken.error)};
  };
  EXPECT_EQ(texts(), (QStringList{"Rock", "Level information", "cell 3, 0: a blue key but no blue door",
                                  "property Level name: \"Level name\" holds characters a level file cannot show as typed",
                                  QString::fromStdString(broken.message())}));

  QTranslator german;
  ASSERT_TRUE(german.load("cavernia_model_de", QCoreApplication::applicationDirPath() + "/translations"));
  QCoreApplication::installTranslator(&german);
  EXPECT_EQ(texts(), (QStringList{"Fels", "Levelinformation", "Zelle 3, 0: ein blauer Schlüssel, aber keine blaue Tür",
                                  "Eigenschaft Levelname: „Levelname“ enthält Zeichen, die eine Leveldatei nicht wie "
                                  "eingegeben zeigen kann",
                                  QString::fromStdString(path) + ": Zeile 1: Die Kopfzeile des Spielfelds braucht eine "
                                                                 "Breite und eine Höhe (die Datei hat ein ungültiges Format)"}));
}

}  // namespace
