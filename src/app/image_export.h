#pragma once

class LevelDocument;
class LevelViewState;
class QWidget;

// File > Export as Image: asks for a file name and writes the level there as a PNG picture,
// exactly as the command-line renderer draws it: the level's artwork set, the view's cell
// size, grid lines as shown. A failure is told with the file's name.
void exportLevelImage(const LevelDocument& document, const LevelViewState& viewState, QWidget* parent);
