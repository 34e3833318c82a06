#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// The one printer of the program: Printer Setup changes it, Print and Print Preview use it,
// so a choice made once holds for every level until the program ends.
QPrinter& programPrinter();

// The Printer Setup command: which printer, paper, orientation and margins.
void runPrinterSetup(QWidget* parent);

// A printer of the print system by its name, or the default printer for an empty name; null,
// with the reason in `problem`, when there is no such printer.
std::unique_ptr<QPrinter> systemPrinter(const QString& name, QString* problem);
