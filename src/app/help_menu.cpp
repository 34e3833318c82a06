// The ? menu: the about box.
#include <QCoreApplication>

#include "app/about/about_box.h"
#include "app/actions.h"
#include "app/menu_context.h"
#include "app/action_icons.h"
#include "app/menu/menu_actions.h"
#include "app/main_window.h"

namespace {
struct HelpMenu {
  Q_DECLARE_TR_FUNCTIONS(HelpMenu)
};
}  // namespace

void addHelpMenu(MenuContext& context, Actions& actions) {
  MainWindow* window = &context.window;
  actions.about = context.menuActions.add({.text = HelpMenu::tr("&About VOREL..."),
                                        .prompt = HelpMenu::tr("Displays program information and version"),
                                        .tooltip = HelpMenu::tr("About"),
                                        .icon = actionIcon(ActionIcon::About),
                                        .run = [window] {
                                          AboutBox about(window);
                                          about.exec();
                                        }});
}
