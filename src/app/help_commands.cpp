// The ? menu: the about box.
#include <QCoreApplication>

#include "app/about/about_box.h"
#include "app/actions.h"
#include "app/command_context.h"
#include "app/command_icons.h"
#include "app/commands/command_set.h"
#include "app/main_window.h"

namespace {
struct HelpMenu {
  Q_DECLARE_TR_FUNCTIONS(HelpMenu)
};
}  // namespace

void addHelpCommands(CommandContext& context, Actions& actions) {
  MainWindow* window = &context.window;
  actions.about = context.commands.add({.text = HelpMenu::tr("&About VOREL..."),
                                        .prompt = HelpMenu::tr("Displays program information and version"),
                                        .tooltip = HelpMenu::tr("About"),
                                        .icon = commandIcon(CommandIcon::About),
                                        .run = [window] {
                                          AboutBox about(window);
                                          about.exec();
                                        }});
}
