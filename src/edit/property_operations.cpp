#include "level/artwork_selector.h"
#include "level/brannoc_doc.h"
#include "level/properties.h"
#include "level/text_util.h"
#include "level/update_hints.h"
#include "undo/property_action_object.h"

bool CBrannocDoc::SetStringProperty(std::string value, int property, bool bRecord) {
  TrimRight(value);
  std::string* field = StringField(*this, property);
  if (!field) return false;
  if (property != PROP_ARTWORK) return ChangeStringField(*field, value, property, bRecord);

  // The artwork set is one for the whole program, so choosing it repaints only when the
  // program's set really switched. The answer is false for the artwork whatever happened.
  if (ChangeStringField(*field, value, property, bRecord) && SelectArtworkByName(value))
    UpdateAllViews(nullptr, HINT_ARTWORK);
  return false;
}

bool CBrannocDoc::SetIntProperty(int value, int property, bool bRecord) {
  switch (property) {
    case PROP_WIDTH: return ChangeIntField(m_nWidth, value, property, bRecord);
    case PROP_HEIGHT: return ChangeIntField(m_nHeight, value, property, bRecord);
    case PROP_YAMYAM_SOUND_OFF: return ChangeSwitch(m_bYamYamSoundOff, value, property, bRecord);
    case PROP_LASER_SOUND_OFF: return ChangeSwitch(m_bLaserSoundOff, value, property, bRecord);
    default: return false;
  }
}

bool CBrannocDoc::ChangeStringField(std::string& field, const std::string& value, int property, bool bRecord) {
  // A change of letter case alone is no change.
  if (EqualsNoCase(field, value)) return false;
  FinishChange(bRecord ? std::make_unique<CPropertyActionObject>(property, value, field) : nullptr);
  field = value;
  return true;
}

bool CBrannocDoc::ChangeIntField(int32_t& field, int value, int property, bool bRecord) {
  if (field == value) return false;
  FinishChange(bRecord ? std::make_unique<CPropertyActionObject>(property, value, field) : nullptr);
  field = value;
  return true;
}

bool CBrannocDoc::ChangeSwitch(bool& flag, int value, int property, bool bRecord) {
  // A switch is on or off; any non-zero value is on, so the action records what is stored.
  int32_t stored = flag ? 1 : 0;
  const bool changed = ChangeIntField(stored, value != 0 ? 1 : 0, property, bRecord);
  flag = stored != 0;
  return changed;
}
