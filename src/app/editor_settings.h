#pragma once

#include <QSettings>
#include <QString>

// The editor's settings file, ~/.config/cavernia/cavernia-editor.conf (under XDG_CONFIG_HOME
// when it is set), where a user finds it beside those of other programs.
class EditorSettings : public QSettings {
 public:
  EditorSettings();
  static QString filePath();
};

// ~/.local/share/cavernia (under XDG_DATA_HOME when it is set): the crash-recovery copies.
QString editorDataFolder();

// Moves the settings and recovery copies of earlier versions, which lived in folders named
// after the application framework's wizard, to the places above: once, at the first start
// that finds them, losing nothing. Settings already in the new place win.
void moveEarlierSettings();
