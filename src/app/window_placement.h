#pragma once

class LevelWindow;
class MainWindow;

// Gives a new level window its place and shows its form as the main window says: wholly inside
// the workspace, large enough for the form and part of the level where there is room, below and
// right of the window opened before; maximised where the workspace is small.
void placeNewWindow(MainWindow& main, LevelWindow* window);
// Overlaps the windows, each a title bar further, each at a usable size, the active one on top.
void cascadeWindows(MainWindow& main);
// Stacks the windows across (horizontally) or side by side.
void tileWindows(MainWindow& main, bool horizontally);
