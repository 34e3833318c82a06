#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

#include "app/command_line.h"
#include "app/commands/command_ids.h"
#include "artwork/dib_reader.h"
#include "render/dib_image.h"
#include "gui_support.h"
#include "support/modal_dialog.h"
#include "level/brannoc_doc.h"
#include "view/level_printer.h"
#include "view/program_printer.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
constexpr int kDpi = 300;

// A PDF printer at 300 dots an inch, so that one device pixel is one pixel of the page
// rendered at 300 dots an inch.
void MakePdfPrinter(QPrinter& printer, const QString& path, QMarginsF margins = {}) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setResolution(kDpi);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(margins, QPageLayout::Millimeter);
}

QImage PrintedBitmap() {
  const std::unique_ptr<Dib> dib = LoadDibFile(PrintImagePath().toStdString());
  return dib ? DibToBitmap(dib.get()).convertToFormat(QImage::Format_RGB32) : QImage();
}

}  // namespace

TEST(Printing, CommandsUseTheProgramsPrinterAndLeaveTheViewsAlone) {
  EditorSession session;
  CBrannocView& view = *session.Child()->LevelView();
  CBrannocDoc& doc = view.Document();
  doc.PlaceTile(2, 1, EL_EMERALD);
  doc.SetCellSize(60);
  QTemporaryDir folder;
  const QString pdf = folder.filePath("command.pdf");
  MakePdfPrinter(ProgramPrinter(), pdf);
  for (int id : {cmd::FILE_PRINT, cmd::FILE_PRINT_PREVIEW, cmd::FILE_PRINT_SETUP})
    EXPECT_TRUE(App().Router()->Query(id).enabled) << id;

  // Cancelled: nothing printed.
  WhenDialogOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
  EXPECT_TRUE(App().Router()->Execute(cmd::FILE_PRINT));
  EXPECT_FALSE(QFile::exists(pdf));

  QFile::remove(PrintImagePath());
  WhenDialogOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
  App().Router()->Execute(cmd::FILE_PRINT);
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(PrintedBitmap().size(), QSize(3 * 8, 2 * 8));

  // The preview draws the same page, and rewrites the page image each time it does.
  QFile::remove(PrintImagePath());
  WhenDialogOpens<QDialog>([](QDialog* dialog) { dialog->reject(); });
  App().Router()->Execute(cmd::FILE_PRINT_PREVIEW);
  EXPECT_EQ(PrintedBitmap().size(), QSize(3 * 8, 2 * 8));

  WhenDialogOpens<QDialog>([](QDialog* dialog) { dialog->reject(); });
  App().Router()->Execute(cmd::FILE_PRINT_SETUP);

  EXPECT_EQ(doc.m_nCellWidth, 60);
  EXPECT_EQ(doc.m_nCellHeight, 60);
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 126 * 60);
  EXPECT_FALSE(doc.IsModified());
}

TEST(Printing, CommandLinePrintsALevelFileWithoutAWindow) {
  struct Line {
    QStringList arguments;
    CommandLine::Action action;
    QString file, printer;
  };
  for (const Line& c : {Line{{"--print", "a.lev"}, CommandLine::PRINT, "a.lev", ""},
                        Line{{"--print-to", "Office", "a.lev"}, CommandLine::PRINT, "a.lev", "Office"},
                        Line{{"--print"}, CommandLine::USAGE_ERROR}, Line{{"--print-to"}, CommandLine::USAGE_ERROR},
                        Line{{"--print-to", "Office"}, CommandLine::USAGE_ERROR},
                        Line{{"--print", "a.lev", "b.lev"}, CommandLine::USAGE_ERROR}}) {
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << c.arguments.join(' ').toStdString();
    if (c.action == CommandLine::PRINT) EXPECT_EQ(line.file + "|" + line.printer, c.file + "|" + c.printer);
  }

  const QString level = CAVERNIA_EXAMPLES_DIR "/key-vault.lev";
  QTemporaryDir folder;
  QPrinter pdf(QPrinter::HighResolution);
  MakePdfPrinter(pdf, folder.filePath("cli.pdf"));
  QString errors;
  QTextStream stream(&errors);
  EXPECT_EQ(App().PrintInstance(level, QString(), stream, &pdf), 0) << errors.toStdString();
  EXPECT_GT(QFileInfo(pdf.outputFileName()).size(), 0);
  EXPECT_GT(PrintedBitmap().width(), 8) << "the level's cells, not an empty page";
  for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_FALSE(widget->isVisible());
  // Each failure is said on the error stream, and the status says it failed.
  for (const auto& [file, printer, says] : {std::tuple<QString, QString, QString>{"/no/such/lost.lev", "", "lost.lev"},
                                            {level, "No Such Printer", "no printer named \"No Such Printer\""}}) {
    errors.clear();
    EXPECT_EQ(App().PrintInstance(file, printer, stream), 1);
    EXPECT_TRUE(errors.contains(says)) << errors.toStdString();
  }
}
