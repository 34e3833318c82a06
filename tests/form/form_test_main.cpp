// The form tests share one application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "artwork/artwork_sets.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  // The remainder button draws with the level's set, loaded as the editor does at start-up.
  loadArtworkSets(QCoreApplication::applicationDirPath().toStdString());
  return RUN_ALL_TESTS();
}
