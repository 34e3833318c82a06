#include "app/image_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>

#include "app/file_dialogs.h"
#include "artwork/artwork_sets.h"
#include "editing/level_document.h"
#include "level/cp1252.h"
#include "render/level_painter.h"
#include "view/level_view_state.h"

namespace {

struct ImageExport {
  Q_DECLARE_TR_FUNCTIONS(ImageExport)
};

// The level's title without its extension, as a PNG beside the level's file, or
// where file dialogs start for a level without one.
QString proposedFileName(const LevelDocument& document) {
  QString name = QString::fromStdString(cp1252ToUtf8(document.title()));
  if (name.endsWith(".lev", Qt::CaseInsensitive)) name.chop(4);
  name += ".png";
  return QDir(startFolder(QString::fromStdString(document.path()))).filePath(name);
}

// Why the picture could not be written; empty when it was. A failed write leaves an existing
// file as it was.
QString writePicture(const QImage& image, const QString& path) {
  if (image.isNull()) return ImageExport::tr("There is not enough memory for the picture.");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QImageWriter writer(&file, "PNG");
  if (!writer.write(image)) return writer.errorString();
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace

void exportLevelImage(const LevelDocument& document, const LevelViewState& viewState, QWidget* parent) {
  QString path = askFileToSave(parent, ImageExport::tr("Export as Image"), proposedFileName(document),
                               ImageExport::tr("PNG Image (*.png)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".png";
  const Level& level = document.level();
  const QImage image = drawLevelPicture(level, levelArtwork(level), viewState.cellSize(), viewState.gridVisible());
  const QString problem = writePicture(image, path);
  if (!problem.isEmpty())
    QMessageBox::warning(
        parent, "Cavernia Level Editor",
        ImageExport::tr("The level could not be exported to %1.\n\n%2").arg(QDir::toNativeSeparators(path), problem));
}
