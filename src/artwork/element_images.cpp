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
    {EL_INVERTED_WALL, EL_WALL, IMAGE_INVERT},
    {EL_TICKING_TIMEBOMB, EL_TIMEBOMB, IMAGE_INVERT},
    {EL_LORRY_UP, EL_LORRY_DOWN, IMAGE_FLIP_VERTICAL},
    {EL_LORRY_DOWN, EL_LORRY_UP, IMAGE_FLIP_VERTICAL},
    {EL_LORRY_LEFT, EL_LORRY_RIGHT, IMAGE_MIRROR_HORIZONTAL},
    {EL_LORRY_RIGHT, EL_LORRY_LEFT, IMAGE_MIRROR_HORIZONTAL},
    {EL_BUG_UP, EL_BUG_DOWN, IMAGE_FLIP_VERTICAL},
    {EL_BUG_DOWN, EL_BUG_UP, IMAGE_FLIP_VERTICAL},
    {EL_BUG_LEFT, EL_BUG_RIGHT, IMAGE_MIRROR_HORIZONTAL},
    {EL_BUG_RIGHT, EL_BUG_LEFT, IMAGE_MIRROR_HORIZONTAL},
    {EL_YAMYAM_UP, EL_YAMYAM_DOWN, IMAGE_FLIP_VERTICAL},
    {EL_YAMYAM_DOWN, EL_YAMYAM_UP, IMAGE_FLIP_VERTICAL},
    {EL_YAMYAM_LEFT, EL_YAMYAM_RIGHT, IMAGE_MIRROR_HORIZONTAL},
    {EL_YAMYAM_RIGHT, EL_YAMYAM_LEFT, IMAGE_MIRROR_HORIZONTAL},
    {EL_PLAYER2, EL_PLAYER1, IMAGE_INVERT},
};

}  // namespace

ElementImageInfo ElementImage(int element) {
  const ElementInfo* info = FindElement(element);
  ElementImageInfo row{info && info->imageFile ? info->imageFile : "", NO_ELEMENT, 0};
  for (const Partner& partner : kPartners) {
    if (partner.element == element) {
      row.partner = partner.partner;
      row.partnerFlags = partner.flags;
    }
  }
  return row;
}
