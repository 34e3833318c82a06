#include "artwork/element_images.h"

#include "artwork/tile_image.h"

namespace {

struct Partner {
  int element;
  int partner;
  uint8_t flags;
};

// Moving elements stand in for their opposite direction, turned round; the inverted wall,
// the ticking bomb and the second player are their plain counterparts in inverted colours.
constexpr Partner kPartners[] = {
    {EL_INVERTED_WALL, EL_WALL, kImageInvert},
    {EL_TICKING_TIMEBOMB, EL_TIMEBOMB, kImageInvert},
    {EL_LORRY_UP, EL_LORRY_DOWN, kImageFlipVertical},
    {EL_LORRY_DOWN, EL_LORRY_UP, kImageFlipVertical},
    {EL_LORRY_LEFT, EL_LORRY_RIGHT, kImageMirrorHorizontal},
    {EL_LORRY_RIGHT, EL_LORRY_LEFT, kImageMirrorHorizontal},
    {EL_BUG_UP, EL_BUG_DOWN, kImageFlipVertical},
    {EL_BUG_DOWN, EL_BUG_UP, kImageFlipVertical},
    {EL_BUG_LEFT, EL_BUG_RIGHT, kImageMirrorHorizontal},
    {EL_BUG_RIGHT, EL_BUG_LEFT, kImageMirrorHorizontal},
    {EL_YAMYAM_UP, EL_YAMYAM_DOWN, kImageFlipVertical},
    {EL_YAMYAM_DOWN, EL_YAMYAM_UP, kImageFlipVertical},
    {EL_YAMYAM_LEFT, EL_YAMYAM_RIGHT, kImageMirrorHorizontal},
    {EL_YAMYAM_RIGHT, EL_YAMYAM_LEFT, kImageMirrorHorizontal},
    {EL_PLAYER2, EL_PLAYER1, kImageInvert},
};

}  // namespace

ElementImageInfo elementImage(int element) {
  const ElementInfo* info = findElement(element);
  ElementImageInfo row{info && info->imageFile ? info->imageFile : "", kNoElement, 0};
  for (const Partner& partner : kPartners) {
    if (partner.element == element) {
      row.partner = partner.partner;
      row.partnerFlags = partner.flags;
    }
  }
  return row;
}
