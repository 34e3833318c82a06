#pragma once

class QCoreApplication;
class QLocale;

// Shows the editor, Qt's own dialogs included, in the user's language where a translation is
// installed; in any other language the texts stay English. File contents, settings keys and the
// clipboard format never change with it.
void installUserLanguage(QCoreApplication& app, const QLocale& locale);
