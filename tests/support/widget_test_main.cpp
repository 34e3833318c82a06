// The view and form tests share one application object and the artwork shipped beside the
// program, loaded as the editor does at start-up.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "artwork/artwork_sets.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  loadArtworkSets(QCoreApplication::applicationDirPath().toStdString());
  const int result = RUN_ALL_TESTS();
  freeArtworkSets();
  return result;
}
