#include <gtest/gtest.h>

#include "artwork/artwork_completion.h"
#include "artwork/artwork_sets.h"
#include "artwork/dib_writer.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Shows = std::pair<uint32_t, int>;  // a picture's colour and its IMAGE_ flags

// A program folder of its own for each test, with an "art" folder to fill.
class ArtworkFolders : public testing::Test, protected TempFolder {
 protected:
  ArtworkFolders() { fs::create_directories(dir / "art"); }
  ~ArtworkFolders() override { FreeArtworkSets(); }

  // A one-colour picture; the colour tells the tests which file a record shows.
  void Picture(const std::string& set, const std::string& file, uint32_t rgb, int32_t w = 32, int32_t h = 32) {
    fs::create_directories(dir / "art" / set);
    auto dib = Dib::Create(w, h, 8, 1);
    SetDibColor(*dib, 0, rgb);
    ASSERT_EQ(SaveDibFile(dib.get(), (dir / "art" / set / file).string()), DIB_SAVE_OK);
  }

  void Load() { LoadArtworkSets(dir.string()); }

  static const ArtworkSet& Set(const std::string& name) {
    for (const auto& set : ArtworkSets())
      if (set->name == name) return *set;
    throw std::runtime_error("no set " + name);
  }

  static uint32_t Colour(const TileImage& record) { return record.image ? DibPixel(*record.image, 0, 0) : 0xDEAD; }
  // What a record shows: the colour of its picture and how it is turned.
  static Shows Shown(const ArtworkSet& s, int element) { return {Colour(s.images[element]), s.images[element].flags}; }

};

TEST_F(ArtworkFolders, OtherSetsTakePartnersFirstThenTheDefaultSet) {
  Picture("Default", "wall.bmp", 0x101010, 64, 48);
  Picture("Default", "earth.bmp", 0x202020, 12, 80);
  Picture("Default", "yamyamrt.bmp", 0x303030);
  Picture("Cave", "wall.bmp", 0x404040);
  Picture("Cave", "yamyamlt.bmp", 0x505050);
  fs::create_directories(dir / "art" / "Cave" / "sand.bmp");  // a folder, not a file
  Write("art/Cave/stone.bmp", "not a picture");
  Load();
  ASSERT_EQ(ArtworkSets().size(), 2u);
  EXPECT_EQ(ArtworkSets()[0].get(), DefaultArtworkSet());
  const ArtworkSet& cave = Set("Cave");
  const ArtworkSet& def = *DefaultArtworkSet();
  EXPECT_EQ(Shown(cave, EL_WALL), (Shows{0x404040, 0}));
  EXPECT_EQ(Shown(cave, EL_INVERTED_WALL), (Shows{0x404040, IMAGE_INVERT | IMAGE_BORROWED}));
  EXPECT_EQ(Shown(cave, EL_EARTH), (Shows{0x202020, IMAGE_BORROWED}));
  // The beast heading right is Cave's own left-heading one mirrored, not Default's.
  EXPECT_EQ(Shown(cave, EL_YAMYAM_RIGHT), (Shows{0x505050, IMAGE_MIRROR_HORIZONTAL | IMAGE_BORROWED}));
  // Elements the Default folder lacks, or Cave cannot read, come from the built-in pictures.
  for (int element : {EL_RUBY, EL_SAND, EL_ROCK}) EXPECT_EQ(cave.images[element].image, def.images[element].image);
  // Pictures are measured up to 60 pixels.
  EXPECT_EQ(std::pair(def.images[EL_WALL].width, def.images[EL_WALL].height), std::pair(60, 48));
  EXPECT_EQ(std::pair(def.images[EL_EARTH].width, def.images[EL_EARTH].height), std::pair(12, 60));
  // Neither lorry file exists: the upward one gets its built-in picture, the downward borrows it.
  EXPECT_TRUE(def.images[EL_LORRY_UP].owned);
  EXPECT_EQ(def.images[EL_LORRY_DOWN].image, def.images[EL_LORRY_UP].image);
  EXPECT_EQ(def.images[EL_LORRY_DOWN].flags, IMAGE_FLIP_VERTICAL | IMAGE_BORROWED);
}

TEST_F(ArtworkFolders, DefaultFolderFillsGapsFromPartnersTurnedRound) {
  Picture("Default", "lorryup.bmp", 0x111111);
  Picture("Default", "lorryrgt.bmp", 0x222222);
  Picture("Default", "1man.bmp", 0x333333);
  Picture("Cave", "earth.bmp", 0x444444);
  Load();
  const ArtworkSet& def = *DefaultArtworkSet();
  EXPECT_EQ(Shown(def, EL_LORRY_DOWN), (Shows{0x111111, IMAGE_FLIP_VERTICAL | IMAGE_BORROWED}));
  EXPECT_EQ(Shown(def, EL_LORRY_LEFT), (Shows{0x222222, IMAGE_MIRROR_HORIZONTAL | IMAGE_BORROWED}));
  EXPECT_EQ(Shown(def, EL_PLAYER2), (Shows{0x333333, IMAGE_INVERT | IMAGE_BORROWED}));
  // Another set shows the default's borrowed picture turned the same way.
  EXPECT_EQ(Shown(Set("Cave"), EL_LORRY_LEFT), (Shows{0x222222, IMAGE_MIRROR_HORIZONTAL | IMAGE_BORROWED}));
}

TEST_F(ArtworkFolders, FolderTitlesAndCaseDecideTheSetsAndTheirSelectionBuiltInsTheRest) {
  Picture("Default.old", "wall.bmp", 0x111111);
  Picture("night.v2.bmp", "WALL.BMP", 0x222222);
  Load();
  EXPECT_EQ(DefaultArtworkSet()->name, "Default");
  EXPECT_EQ(Colour(DefaultArtworkSet()->images[EL_WALL]), 0x111111u);
  EXPECT_EQ(Colour(Set("night.v2").images[EL_WALL]), 0x222222u);  // file names in any case
  EXPECT_EQ(FindArtworkSet("NIGHT.V2")->name, "night.v2");
  EXPECT_EQ(FindArtworkSet("Nowhere"), nullptr);
  EXPECT_EQ(&ArtworkSetOrDefault("Nowhere"), DefaultArtworkSet());

  fs::remove_all(dir / "art");  // without an art folder every element has its own built-in picture
  Load();
  ASSERT_EQ(ArtworkSets().size(), 1u);
  EXPECT_EQ(DefaultArtworkSet()->name, "Default");
  EXPECT_TRUE(DefaultArtworkSet()->folderPath.empty());
  for (const TileImage& record : DefaultArtworkSet()->images) {
    ASSERT_TRUE(record.image);  // no black cells
    EXPECT_EQ(record.owned.get(), record.image);
  }
  Picture("default", "wall.bmp", 0x333333);
  Load();
  ASSERT_EQ(ArtworkSets().size(), 1u);
  EXPECT_EQ(DefaultArtworkSet()->name, "default");
  EXPECT_EQ(Colour(DefaultArtworkSet()->images[EL_WALL]), 0x333333u);
}

}  // namespace
