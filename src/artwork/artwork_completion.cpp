#include "artwork/artwork_completion.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "artwork/builtin_pictures.h"
#include "artwork/dib_reader.h"
#include "artwork/element_images.h"

namespace {

std::string Lowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The set folder's files by their lower-case names; of names that differ only in case the
// first in byte order (the exact spelling of the element table wins before that).
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code typeError;
    if (!entry.is_regular_file(typeError)) continue;
    const std::string name = entry.path().filename().string();
    const auto [slot, added] = files.emplace(Lowered(name), name);
    if (!added && name < slot->second) slot->second = name;
  }
  return files;
}

bool HasPartnerPicture(const ArtworkSet& set, int element) {
  const int partner = ElementImage(element).partner;
  return partner != NO_ELEMENT && set.images[partner].image != nullptr;
}

}  // namespace

void MeasureImage(TileImage& record) {
  if (!record.image) return;
  record.width = std::min(DibWidth(*record.image), MAX_IMAGE_SIDE);
  record.height = std::min(DibHeight(*record.image), MAX_IMAGE_SIDE);
}

std::unique_ptr<Dib> BuiltinPicture(int element) {
  const std::span<const uint8_t> file = BuiltinPictureFile(element);
  return file.empty() ? nullptr : ReadDib(file);
}

void LoadSetImages(ArtworkSet& set) {
  const std::map<std::string, std::string> files = FolderFiles(set.folderPath);
  for (int i = 0; i < ELEMENT_COUNT; ++i) {
    TileImage& record = set.images[i];
    record = TileImage{};
    const std::string wanted = ElementImage(i).fileName;
    if (wanted.empty()) continue;  // drawn from its partner only
    const auto found = files.find(Lowered(wanted));
    if (found == files.end()) continue;
    std::error_code error;
    const bool exact = std::filesystem::is_regular_file(set.folderPath + wanted, error);
    if (std::unique_ptr<Dib> picture = LoadDibFile(set.folderPath + (exact ? wanted : found->second))) {
      OwnImage(record, std::move(picture));
      MeasureImage(record);
    }
  }
}

void CompleteDefaultSet(ArtworkSet& set) {
  // Rising order: a record may borrow from a partner that got its built-in picture just before.
  for (int i = 0; i < ELEMENT_COUNT; ++i) {
    TileImage& record = set.images[i];
    if (record.image) continue;
    if (HasPartnerPicture(set, i)) {
      BorrowImage(record, set.images[ElementImage(i).partner], ElementImage(i).partnerFlags);
    } else if (std::unique_ptr<Dib> picture = BuiltinPicture(i)) {
      record.flags = 0;
      OwnImage(record, std::move(picture));
    }
    MeasureImage(record);
  }
}

void CompleteSet(ArtworkSet& set, const ArtworkSet& defaultSet) {
  for (int i = 0; i < ELEMENT_COUNT; ++i) {
    TileImage& record = set.images[i];
    if (record.image) continue;
    if (HasPartnerPicture(set, i)) {
      BorrowImage(record, set.images[ElementImage(i).partner], ElementImage(i).partnerFlags);
    } else {
      // The default set's flags come along, so a picture it shows mirrored is mirrored here too.
      record.flags = 0;
      BorrowImage(record, defaultSet.images[i], defaultSet.images[i].flags);
    }
    MeasureImage(record);
  }
}

std::unique_ptr<ArtworkSet> MakeBuiltinDefaultSet() {
  auto set = std::make_unique<ArtworkSet>();
  set->name = "Default";
  for (int i = 0; i < ELEMENT_COUNT; ++i) {
    if (std::unique_ptr<Dib> picture = BuiltinPicture(i)) {
      OwnImage(set->images[i], std::move(picture));
      MeasureImage(set->images[i]);
    }
  }
  return set;
}
