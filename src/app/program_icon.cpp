#include "app/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "app/program_icon_pictures.h"

QIcon programIcon() {
  QIcon icon;
  for (int i = 0; i < kProgramIconPictureCount; ++i) {
    const ProgramIconPicture& picture = kProgramIconPictures[i];
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.side, picture.side,
                       QImage::Format_ARGB32_Premultiplied);
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}
