#include <QDialog>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTranslator>

#include <sys/stat.h>

#include "app/bus_autolaunch_guard.h"
#include "app/deferred_icon_style.h"
#include "app/program_icon.h"
#include "app/user_language.h"
#include "app_support.h"
#include "view/level_pack_panel.h"

namespace {

QStringList menuTitles(MainWindow& window) {
  QStringList titles;
  for (QAction* action : window.menuBar()->actions()) titles.append(action->text());
  return titles;
}

QString example(const char* name) { return QString(CAVERNIA_EXAMPLES_DIR) + "/" + name; }

}  // namespace

// (How new levels go on numbering, the Window menu's test shows.)
TEST(Startup, ANewLevelIsOpenTheMenusFollowWhetherALevelIsOpenAndRecentFilesAreRememberedAndFit) {
  EditorSession session;
  EXPECT_EQ(session.title(), "NewLevel1");
  EXPECT_EQ(menuTitles(session.window()), (QStringList{"&File", "&Edit", "&View", "&Window", "&?"}));
  for (LevelWindow* window : session.window().levelWindows()) window->close();
  settle();
  EXPECT_EQ(menuTitles(session.window()), (QStringList{"&File", "&View", "&?"}));
  EXPECT_FALSE(act().elements.element[EL_EMERALD]->isEnabled()) << "no level: element buttons are disabled";

  // The last file opened comes first, four at most, remembered; a long one is shortened in the
  // menu; one that fails to open is dropped.
  for (const char* name : {"demo.lev", "first-steps.lev", "showcase.lev", "key-vault.lev"})
    runningApp().levels()->open(example(name));
  const QString lost = "/" + QString("deep/").repeated(20000) + "lost.lev";
  runningApp().levels()->recentFiles().add(lost);
  EXPECT_EQ(runningApp().levels()->recentFiles().files().size(), 4);
  EXPECT_TRUE(RecentFiles().files().value(1).endsWith("key-vault.lev")) << "as the next start reads them";
  QMenu* file = session.window().menuBar()->actions().first()->menu();
  const auto entry = [&]() -> QAction* {
    for (QAction* action : file->actions())
      if (action->isVisible() && action->statusTip() == lost) return action;
    return nullptr;
  };
  QAction* recent = entry();
  ASSERT_NE(recent, nullptr) << "the prompt shows the whole path";
  EXPECT_TRUE(recent->text().startsWith("&1 /deep/") && recent->text().endsWith("/lost.lev"));
  EXPECT_LT(file->sizeHint().width(), 800);

  MessageCatcher catcher;
  recent->trigger();
  settle();
  EXPECT_EQ(catcher.texts.size(), 1);
  EXPECT_EQ(entry(), nullptr);
}

TEST(Startup, InGermanTheMenusMessagesStatusBarAndQtsOwnButtonsAreGerman) {
  const QList<QTranslator*> english = runningApp().findChildren<QTranslator*>();
  installUserLanguage(runningApp(), QLocale("de_DE"));
  {
    EditorSession session;
    EXPECT_EQ(menuTitles(session.window()), (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Fenster", "&?"}));
    // The idle message and the lock indicators.
    QStringList status{session.window().statusBar()->currentMessage()};
    for (QLabel* label : session.window().statusBar()->findChildren<QLabel*>())
      if (!label->text().isEmpty()) status.append(label->text());
    EXPECT_EQ(status, (QStringList{"Bereit", "UF", "NUM", "RF"}));
    setCell(session.document(), {0, 0}, EL_BOMB);
    MessageCatcher catcher(QMessageBox::Cancel);
    EXPECT_FALSE(runningApp().levels()->close(session.document()));
    EXPECT_EQ(catcher.texts, QStringList{"Änderungen an NewLevel1 speichern?"});
    const QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
  }
  for (QTranslator* translator : runningApp().findChildren<QTranslator*>())
    if (!english.contains(translator)) delete translator;  // which takes it out of the application
}

// A file that cannot be opened is said; alone, it ends the start. The Level Pack panel shows the
// active level's folder and opens its levels.
TEST(Startup, SeveralFilesOpenTheLostOnesAreSaidHandedOverFilesWaitForAnOpenDialogAndThePackPanelOpensLevels) {
  MessageCatcher catcher;
  EXPECT_FALSE(EditorSession({"/nonexistent/folder/lost.lev"}).started);
  EditorSession session({example("demo.lev"), "/nonexistent/lost.lev", example("key-vault.lev")});
  ASSERT_TRUE(session.started);
  EXPECT_EQ(catcher.texts.size(), 2);
  EXPECT_TRUE(catcher.texts.value(0).contains("/nonexistent/folder/lost.lev")) << catcher.texts.join('|').toStdString();

  QDialog dialog(&session.window());
  dialog.setModal(true);
  dialog.show();
  runningApp().openHandedOver({example("showcase.lev"), example("demo.lev")});
  settle();
  EXPECT_EQ(session.window().levelWindows().size(), 2);
  dialog.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return session.window().levelWindows().size() == 3; }));
  EXPECT_EQ(session.title(), "demo.lev") << "a level already open comes forward";

  LevelPackPanel& panel = *session.window().levelPackPanel();
  QSignalSpy loaded(&panel, &LevelPackPanel::loaded);
  ASSERT_TRUE(trigger(act().view.levelPack));
  ASSERT_TRUE(!loaded.isEmpty() || loaded.wait());
  EXPECT_EQ(panel.count(), 4);
  emit panel.levelActivated(example("first-steps.lev"));
  settle();
  EXPECT_EQ(session.title(), "first-steps.lev");
  trigger(act().view.levelPack);
}

// Settings and recovery copies of earlier versions move to the editor's own folders once;
// a setting made in the new place already stays.
TEST(Startup, EarlierSettingsAndRecoveryCopiesMoveToTheEditorsOwnFolders) {
  const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const QString earlierFolder = "/Local AppWizard-Generated Applications";
  {
    QSettings earlier(configHome + earlierFolder + "/Cavernia Level Editor.conf", QSettings::IniFormat);
    earlier.setValue("Recent/Files", QStringList{"/levels/a.lev", "/levels/b.lev"});
    earlier.setValue("Recovery/IntervalSeconds", 15);
  }
  const QString earlierCopies = dataHome + earlierFolder + "/Cavernia Level Editor/recovery/1234";
  QDir().mkpath(earlierCopies);
  ASSERT_TRUE(QFile(earlierCopies + "/level-1.lev").open(QIODevice::WriteOnly));
  EditorSettings().setValue("Recovery/IntervalSeconds", 30);

  moveEarlierSettings();
  const EditorSettings settings;
  EXPECT_EQ(EditorSettings::filePath(), configHome + "/cavernia/cavernia-editor.conf");
  EXPECT_EQ(settings.value("Recent/Files").toStringList(), (QStringList{"/levels/a.lev", "/levels/b.lev"}));
  EXPECT_EQ(settings.value("Recovery/IntervalSeconds").toInt(), 30);
  EXPECT_FALSE(QDir(configHome + earlierFolder).exists());
  EXPECT_TRUE(QFile::exists(dataHome + "/cavernia/recovery/1234/level-1.lev"));
  EXPECT_FALSE(QDir(dataHome + earlierFolder).exists());
  EditorSettings().remove("");
  QDir(dataHome + "/cavernia/recovery/1234").removeRecursively();
}

TEST(Startup, TheSessionBusLauncherIsSkippedOnlyWhereNoneCanBeFound) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  const std::string missing = root + "/missing";
  const auto hopeless = [&](const char* address, const char* runtime, const std::string& path,
                            const std::string& installed) {
    return BusAutolaunchGuard::launchHopeless(address, runtime, path.c_str(), installed);
  };
  EXPECT_TRUE(hopeless(nullptr, nullptr, "/nonexistent::" + root, missing));
  EXPECT_FALSE(hopeless("unix:path=/run/user/1/bus", nullptr, "", missing)) << "an announced bus";
  EXPECT_FALSE(hopeless("", nullptr, "", missing)) << "set, even empty: the library decides";

  ASSERT_TRUE(QDir(dir.path()).mkpath("run") && QDir(dir.path()).mkpath("bin"));
  const std::string runtime = root + "/run";
  EXPECT_TRUE(hopeless(nullptr, runtime.c_str(), "", missing));
  QFile(dir.filePath("run/bus")).open(QIODevice::WriteOnly);
  EXPECT_FALSE(hopeless(nullptr, runtime.c_str(), "", missing)) << "a systemd session's bus";

  const std::string launcher = root + "/bin/dbus-launch";
  QFile(QString::fromStdString(launcher)).open(QIODevice::WriteOnly);
  EXPECT_TRUE(hopeless(nullptr, nullptr, "/nonexistent:" + root + "/bin", missing)) << "not executable";
  chmod(launcher.c_str(), 0755);
  EXPECT_FALSE(hopeless(nullptr, nullptr, "/nonexistent:" + root + "/bin", missing)) << "found along the PATH";
  EXPECT_FALSE(hopeless(nullptr, nullptr, "", launcher)) << "where it was installed";
}

TEST(Startup, StandardIconsReadLateAreTheStylesOwnAndReadOnce) {
  DeferredIconStyle style(QStyleFactory::create("Fusion"));
  std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  for (const QStyle::StandardPixmap which : {QStyle::SP_TitleBarCloseButton, QStyle::SP_ToolBarHorizontalExtensionButton}) {
    const QIcon deferred = style.standardIcon(which, nullptr, nullptr);
    const QIcon own = fusion->standardIcon(which);
    EXPECT_EQ(deferred.cacheKey(), style.standardIcon(which, nullptr, nullptr).cacheKey());
    EXPECT_FALSE(deferred.isNull());
    EXPECT_EQ(deferred.availableSizes(), own.availableSizes());
    EXPECT_EQ(deferred.pixmap(16, QIcon::Disabled).toImage(), own.pixmap(16, QIcon::Disabled).toImage());
  }
}

TEST(Startup, TheCompiledProgramIconIsTheInstalledPictureAtEveryWindowSize) {
  const QIcon icon = programIcon();
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
  for (const int side : {16, 32, 48, 64}) {
    const QImage installed(QString("%1/%2x%2/apps/cavernia-editor.png").arg(CAVERNIA_ICON_THEME_DIR).arg(side));
    ASSERT_FALSE(installed.isNull()) << side;
    EXPECT_EQ(icon.pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              installed.convertToFormat(QImage::Format_ARGB32_Premultiplied))
        << side;
  }
}
