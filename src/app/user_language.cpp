#include "app/user_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(&app);
  if (translator->load(locale, name, "_", folder))
    app.installTranslator(translator);
  else
    delete translator;
}

}  // namespace

void installUserLanguage(QCoreApplication& app, const QLocale& locale) {
  install(app, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // Each library keeps its own texts (the model libraries share one); they lie beside the
  // program, as its artwork does.
  const QString ours = QCoreApplication::applicationDirPath() + "/translations";
  for (const char* library : {"cavernia_model", "cavernia_render", "cavernia_view", "cavernia_form", "cavernia_app"})
    install(app, locale, library, ours);
}
