// The ? menu: the about box.
#include "app/about/about_box.h"
#include "app/actions.h"
#include "app/command_context.h"
#include "app/command_icons.h"
#include "app/commands/command_set.h"
#include "app/main_window.h"

void addHelpCommands(CommandContext& context, Actions& actions) {
  MainWindow* window = &context.window;
  actions.about = context.commands.add({.text = "&About VOREL...", .prompt = "Displays program information and version",
                                        .tooltip = "About", .icon = commandIcon(CommandIcon::About), .run = [window] {
                                          AboutBox about(window);
                                          about.exec();
                                        }});
}
