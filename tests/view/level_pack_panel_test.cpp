// The Level Pack panel on a folder made here.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "level/level.h"
#include "support/widget_support.h"
#include "view/level_pack_panel.h"

namespace {

void writeLevel(const QTemporaryDir& folder, const char* file, const char* name, const char* next) {
  std::ofstream(folder.filePath(file).toStdString()) << "n " << name << "\r\nN " << next << "\r\nm 2 1\r\n1E\r\n";
}

// Every file has its place: one that cannot be read says why, levels of one name show their
// file names, a broken link is red, a stray is marked. The panel reads the folder again after a
// save into it and when an open level's properties change, and opens a level on a double-click.
TEST(LevelPackPanel, ShowsEveryFileFollowsSavesAndOpenLevelsAndOpensOnDoubleClick) {
  QTemporaryDir folder;
  writeLevel(folder, "a.lev", "Bee", "b");
  writeLevel(folder, "b.lev", "Bee", "Gone");
  writeLevel(folder, "c.lev", "Side", "");
  std::ofstream(folder.filePath("d.lev").toStdString()) << std::string("n D\0", 4);
  std::map<std::string, Level> openLevels;
  LevelPackPanel panel;
  panel.setOpenLevels([&openLevels](const QString&) { return openLevels; });
  QSignalSpy loaded(&panel, &LevelPackPanel::loaded);
  panel.showFolder(folder.path());
  EXPECT_FALSE(loaded.wait(300)) << "nothing is read while the panel is hidden";
  panel.show();
  ASSERT_TRUE(loaded.wait());
  EXPECT_EQ(itemTexts(panel), (QStringList{"Bee (a.lev)", "Bee (b.lev)", "Side", "d.lev (cannot be read)"}));
  EXPECT_EQ(panel.item(1)->foreground().color(), QColor(Qt::red)) << "its next level is not in the folder";
  EXPECT_NE(panel.item(0)->foreground().color(), QColor(Qt::red));
  EXPECT_NE(panel.item(2)->toolTip().indexOf("stray"), -1) << panel.item(2)->toolTip().toStdString();
  EXPECT_NE(panel.item(3)->toolTip().indexOf("zero byte"), -1) << panel.item(3)->toolTip().toStdString();

  writeLevel(folder, "e.lev", "Gone", "");
  panel.levelSaved(QDir(folder.path()).filePath("elsewhere/e.lev"));
  panel.openLevelsEdited();
  EXPECT_FALSE(loaded.wait(300)) << "a save in another folder is not the panel's, and nothing open changed";
  panel.levelSaved(folder.filePath("e.lev"));
  ASSERT_TRUE(loaded.wait());
  EXPECT_EQ(itemTexts(panel), (QStringList{"Bee (a.lev)", "Bee (b.lev)", "Gone", "Side", "d.lev (cannot be read)"}));

  Level open;
  open.setText(Property::Name, "Alpha");
  open.setText(Property::NextLevel, "Side");  // leads on to the stray
  openLevels["b.lev"] = open;
  panel.openLevelsEdited();
  ASSERT_TRUE(loaded.wait());
  EXPECT_EQ(itemTexts(panel), (QStringList{"Bee", "Alpha", "Side", "Gone", "d.lev (cannot be read)"}));

  QSignalSpy activated(&panel, &LevelPackPanel::levelActivated);
  const QPoint centre = panel.visualItemRect(panel.item(3)).center();
  QTest::mouseClick(panel.viewport(), Qt::LeftButton, {}, centre);  // a double-click follows a click
  QTest::mouseDClick(panel.viewport(), Qt::LeftButton, {}, centre);
  ASSERT_EQ(activated.count(), 1);
  EXPECT_EQ(activated.first().first().toString(), folder.filePath("e.lev"));
}

}  // namespace
