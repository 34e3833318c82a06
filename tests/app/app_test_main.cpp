// The app tests share one application object; each test starts and stops the editor in it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "app/cavernia_app.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Settings (recent files, bar layout) and data (recovered levels) go to folders of this
  // run's own.
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  setenv("XDG_DATA_HOME", (config.path() + "/data").toLocal8Bit().constData(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  CaverniaApp app(argc, argv);
  return RUN_ALL_TESTS();
}
