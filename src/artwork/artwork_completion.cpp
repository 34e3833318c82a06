#include "artwork/artwork_completion.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "artwork/builtin_pictures.h"
#include "artwork/dib_reader.h"
#include "artwork/element_images.h"

namespace {

std::string lowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The set folder's files by their lower-case names; of names that differ only in case the
// first in byte order (the exact spelling of the element table wins before that).
std::map<std::string, std::string> folderFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code typeError;
    if (!entry.is_regular_file(typeError)) continue;
    const std::string name = entry.path().filename().string();
    const auto [slot, added] = files.emplace(lowered(name), name);
    if (!added && name < slot->second) slot->second = name;
  }
  return files;
}

bool hasPartnerPicture(const ArtworkSet& set, int element) {
  const int partner = elementImage(element).partner;
  return partner != kNoElement && set.images[partner].image != nullptr;
}

}  // namespace

void measureImage(TileImage& record) {
  if (!record.image) return;
  record.width = std::min(dibWidth(*record.image), kMaxImageSide);
  record.height = std::min(dibHeight(*record.image), kMaxImageSide);
}

std::unique_ptr<Dib> builtinPicture(int element) {
  const std::span<const uint8_t> file = builtinPictureFile(element);
  return file.empty() ? nullptr : readDib(file);
}

void loadSetImages(ArtworkSet& set) {
  const std::map<std::string, std::string> files = folderFiles(set.folderPath);
  for (int i = 0; i < kElementCount; ++i) {
    TileImage& record = set.images[i];
    record = TileImage{};
    const std::string wanted = elementImage(i).fileName;
    if (wanted.empty()) continue;  // drawn from its partner only
    const auto found = files.find(lowered(wanted));
    if (found == files.end()) continue;
    std::error_code error;
    const bool exact = std::filesystem::is_regular_file(set.folderPath + wanted, error);
    if (std::unique_ptr<Dib> picture = loadDibFile(set.folderPath + (exact ? wanted : found->second))) {
      ownImage(record, std::move(picture));
      measureImage(record);
    }
  }
}

void completeDefaultSet(ArtworkSet& set) {
  // Rising order: a record may borrow from a partner that got its built-in picture just before.
  for (int i = 0; i < kElementCount; ++i) {
    TileImage& record = set.images[i];
    if (record.image) continue;
    if (hasPartnerPicture(set, i)) {
      borrowImage(record, set.images[elementImage(i).partner], elementImage(i).partnerFlags);
    } else if (std::unique_ptr<Dib> picture = builtinPicture(i)) {
      record.flags = 0;
      ownImage(record, std::move(picture));
    }
    measureImage(record);
  }
}

void completeSet(ArtworkSet& set, const ArtworkSet& defaultSet) {
  for (int i = 0; i < kElementCount; ++i) {
    TileImage& record = set.images[i];
    if (record.image) continue;
    if (hasPartnerPicture(set, i)) {
      borrowImage(record, set.images[elementImage(i).partner], elementImage(i).partnerFlags);
    } else {
      // The default set's flags come along, so a picture it shows mirrored is mirrored here too.
      record.flags = 0;
      borrowImage(record, defaultSet.images[i], defaultSet.images[i].flags);
    }
    measureImage(record);
  }
}

std::unique_ptr<ArtworkSet> makeBuiltinDefaultSet() {
  auto set = std::make_unique<ArtworkSet>();
  set->name = "Default";
  for (int i = 0; i < kElementCount; ++i) {
    if (std::unique_ptr<Dib> picture = builtinPicture(i)) {
      ownImage(set->images[i], std::move(picture));
      measureImage(set->images[i]);
    }
  }
  return set;
}
