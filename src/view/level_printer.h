#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class Level;
class LevelDocument;
class QPainter;
class QPrinter;
class QWidget;

// A level prints as one page: the part of the cell store in use, drawn at a fixed 8 pixels a
// cell, then enlarged alike in both directions, without smoothing, to the largest whole number
// of device pixels a cell that fits the printable area, at its top-left corner.
constexpr int kPrintImageCell = 8;
constexpr int kMaxPageCell = 300;

// The used extent drawn at 8 pixels a cell: black background, pictures of the level's artwork
// set, no grid lines and no marking. Tiles outside the level's width and height are included.
QImage printImage(const Level& level);

// Device pixels a cell on a printable area of the given size: as large as fits, at most 300;
// 0 when not even one pixel a cell fits.
int pageCellSize(QSize printable, QSize extent);

// Where every drawn page leaves its picture: "vorelprint.bmp" in the temporary folder.
QString printImagePath();

// Draws the page onto a painter whose origin is the printable area's top-left, in device
// pixels, and rewrites the page image file.
void drawLevelPage(QPainter& painter, QSize printable, const Level& level);

// Prints the level on the printer as it is set up; false (and nothing printed) when the
// printer could not be started.
bool printLevel(QPrinter& printer, const Level& level);

// The Print command: the print dialog for the program's printer, then the page.
void printWithDialog(const LevelDocument& document, QWidget* parent);
// The Print Preview command: the page as the program's printer would print it.
void showPrintPreview(const LevelDocument& document, QWidget* parent);
