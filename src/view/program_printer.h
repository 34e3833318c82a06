#pragma once

class QPrinter;
class QWidget;

// The one printer of the program: Printer Setup changes it, Print and Print Preview use it,
// so a choice made once holds for every level until the program ends.
QPrinter& ProgramPrinter();

// The Printer Setup command: which printer, paper, orientation and margins.
void OnFilePrintSetup(QWidget* parent);
