#include "view/program_printer.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <memory>

namespace {

std::unique_ptr<QPrinter>& printerSlot() {
  static std::unique_ptr<QPrinter> printer;
  return printer;
}

}  // namespace

QPrinter& programPrinter() {
  std::unique_ptr<QPrinter>& printer = printerSlot();
  if (!printer) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The printer talks to the print system, which goes with the application object.
    qAddPostRoutine([] { printerSlot().reset(); });
  }
  return *printer;
}

void runPrinterSetup(QWidget* parent) {
  // The print dialog without its printing: it chooses the printer (or a PDF file) and, under
  // its properties, paper, orientation and margins. The page setup dialog alone would not
  // choose a printer, and refuses the PDF printer of a machine without a print server.
  QPrintDialog dialog(&programPrinter(), parent);
  dialog.setWindowTitle(QCoreApplication::translate("ProgramPrinter", "Printer Setup"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
      ok->setText(QCoreApplication::translate("ProgramPrinter", "OK"));
  dialog.exec();
}

std::unique_ptr<QPrinter> systemPrinter(const QString& name, QString* problem) {
  const QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
  if (info.isNull()) {
    *problem = name.isEmpty()
                   ? QCoreApplication::translate("ProgramPrinter", "there is no default printer")
                   : QCoreApplication::translate("ProgramPrinter", "there is no printer named \"%1\"").arg(name);
    return nullptr;
  }
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}
