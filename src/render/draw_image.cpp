#include "render/draw_image.h"

#include "render/paint_dib.h"

void drawImage(QPainter& painter, const QRect& dest, const Dib* image, QSize imageSize, uint8_t flags) {
  if (!image || !painter.isActive()) return;
  const int w = imageSize.width(), h = imageSize.height();
  DibRect src{0, 0, w, h};
  if (flags & kImageMirrorHorizontal) std::swap(src.left, src.right);
  if (flags & kImageFlipVertical) std::swap(src.top, src.bottom);
  // Pictures are laid out in device pixels, so a scaled painter (printing) does not smooth them.
  const QRect device = painter.transform().mapRect(dest);
  painter.save();
  painter.resetTransform();
  paintDib(painter, device, image, src, (flags & kImageInvert) ? DibPaintOp::Invert : DibPaintOp::Copy);
  painter.restore();
}
