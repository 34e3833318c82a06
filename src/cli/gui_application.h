#pragma once

// Text needs Qt's font system, which needs a GUI application; a tool has no screen, so it
// draws off-screen unless told otherwise. Makes one the first time a command draws text.
void ensureGuiApplication();
