#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMenuBar>
#include <QSettings>

#include "app/document/doc_template.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"

namespace {

QStringList MenuTitles(CMainFrame& frame) {
  QStringList titles;
  for (QAction* action : frame.menuBar()->actions()) titles.append(action->text());
  return titles;
}

std::string Example(const char* name) { return std::string(CAVERNIA_EXAMPLES_DIR) + "/" + name; }

}  // namespace

TEST(Startup, WithoutArgumentsANewLevelOpens) {
  EditorSession session;
  ASSERT_TRUE(session.started);
  ASSERT_NE(session.Child(), nullptr);
  EXPECT_EQ(session.Child()->windowTitle(), "NewLevel1");
  EXPECT_EQ(session.Child()->Document().GetLevelSize(), (CSize{126, 126}));
  EXPECT_EQ(MenuTitles(session.Frame()), (QStringList{"&File", "&Edit", "&View", "&Window", "&?"}));
  App().Router()->Execute(57600);  // File New
  Settle();
  EXPECT_EQ(session.Child()->windowTitle(), "NewLevel2");
  EXPECT_EQ(session.Frame().Children().size(), 2);
}

TEST(Startup, AFileOnTheCommandLineOpensAndIsRemembered) {
  {
    EditorSession session({QString::fromStdString(Example("key-vault.lev"))});
    ASSERT_TRUE(session.started);
    EXPECT_EQ(session.Child()->windowTitle(), "key-vault.lev");
    EXPECT_EQ(session.Child()->Document().m_strName, "The Key Vault");
    EXPECT_FALSE(session.Child()->Document().IsModified());
    // Opening the same file again shows the window it already has.
    App().DocTemplate()->OpenDocumentFile(QString::fromStdString(Example("key-vault.lev")));
    EXPECT_EQ(session.Frame().Children().size(), 1);
    for (const char* name : {"demo.lev", "first-steps.lev", "showcase.lev", "key-vault.lev"})
      App().DocTemplate()->OpenDocumentFile(QString::fromStdString(Example(name)));
  }
  QSettings settings;
  settings.beginGroup("Recent File List");
  EXPECT_EQ(settings.childKeys().size(), 4) << "never more than four recent files";
  EXPECT_TRUE(settings.value("File1").toString().endsWith("key-vault.lev"));
  EXPECT_TRUE(settings.value("File2").toString().endsWith("showcase.lev"));
}

TEST(Startup, AFileThatCannotBeOpenedIsReportedAndEndsStartUp) {
  MessageCatcher catcher;
  EditorSession session({"/nonexistent/folder/lost.lev"});
  EXPECT_FALSE(session.started);
  ASSERT_EQ(catcher.texts.size(), 1);
  EXPECT_TRUE(catcher.texts[0].contains("/nonexistent/folder/lost.lev")) << catcher.texts[0].toStdString();
  EXPECT_TRUE(catcher.texts[0].contains("No such file")) << catcher.texts[0].toStdString();
}

TEST(Startup, MenusFollowWhetherALevelIsOpen) {
  EditorSession session;
  session.Child()->close();
  Settle();
  EXPECT_EQ(session.Frame().Children().size(), 0);
  EXPECT_EQ(MenuTitles(session.Frame()), (QStringList{"&File", "&View", "&?"}));
  EXPECT_FALSE(App().Router()->Query(57643).enabled) << "no level: Undo is disabled";
  EXPECT_FALSE(App().Router()->Query(32791).enabled) << "no level: element buttons are disabled";
  App().Router()->Execute(57600);
  Settle();
  EXPECT_EQ(MenuTitles(session.Frame()).size(), 5);
}
