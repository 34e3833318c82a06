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
  ~ArtworkFolders() override { freeArtworkSets(); }

  // A one-colour picture; the colour tells the tests which file a record shows.
  void picture(const std::string& set, const std::string& file, uint32_t rgb, int32_t w = 32, int32_t h = 32) {
    fs::create_directories(dir / "art" / set);
    auto dib = Dib::create(w, h, 8, 1);
    setDibColor(*dib, 0, rgb);
    ASSERT_EQ(saveDibFile(dib.get(), (dir / "art" / set / file).string()), kDibSaveOk);
  }

  void load() { loadArtworkSets(dir.string()); }

  static uint32_t colour(const TileImage& record) { return record.image ? dibPixel(*record.image, 0, 0) : 0xDEAD; }
  // What a record shows: the colour of its picture and how it is turned.
  static Shows shown(const ArtworkSet& s, int element) { return {colour(s.images[element]), s.images[element].flags}; }
};

// A set takes a missing picture from its own partner turned round first, then from the
// Default set (turned as the Default set turns it), then from the built-in pictures.
TEST_F(ArtworkFolders, MissingPicturesComeFromPartnersTurnedRoundThenTheDefaultSet) {
  picture("Default", "wall.bmp", 0x101010, 64, 48);
  picture("Default", "earth.bmp", 0x202020, 12, 80);
  picture("Default", "yamyamrt.bmp", 0x303030);
  picture("Default", "lorryrgt.bmp", 0x111111);
  picture("Default", "1man.bmp", 0x333333);
  picture("Cave", "wall.bmp", 0x404040);
  picture("Cave", "yamyamlt.bmp", 0x505050);
  fs::create_directories(dir / "art" / "Cave" / "sand.bmp");  // a folder, not a file
  write("art/Cave/stone.bmp", "not a picture");
  load();
  ASSERT_EQ(artworkSets().size(), 2u);
  EXPECT_EQ(artworkSets()[0].get(), defaultArtworkSet());
  const ArtworkSet& cave = *findArtworkSet("Cave");
  const ArtworkSet& def = *defaultArtworkSet();
  EXPECT_EQ(shown(cave, EL_WALL), (Shows{0x404040, 0}));
  EXPECT_EQ(shown(cave, EL_INVERTED_WALL), (Shows{0x404040, kImageInvert | kImageBorrowed}));
  EXPECT_EQ(shown(cave, EL_EARTH), (Shows{0x202020, kImageBorrowed}));
  // The beast heading right is Cave's own left-heading one mirrored, not Default's.
  EXPECT_EQ(shown(cave, EL_YAMYAM_RIGHT), (Shows{0x505050, kImageMirrorHorizontal | kImageBorrowed}));
  EXPECT_EQ(shown(def, EL_LORRY_LEFT), (Shows{0x111111, kImageMirrorHorizontal | kImageBorrowed}));
  EXPECT_EQ(shown(cave, EL_LORRY_LEFT), shown(def, EL_LORRY_LEFT));
  EXPECT_EQ(shown(def, EL_PLAYER2), (Shows{0x333333, kImageInvert | kImageBorrowed}));
  // Elements the Default folder lacks, or Cave cannot read, come from the built-in pictures.
  for (int element : {EL_RUBY, EL_SAND, EL_ROCK}) EXPECT_EQ(cave.images[element].image, def.images[element].image);
  // Pictures are measured up to 60 pixels.
  EXPECT_EQ(std::pair(def.images[EL_WALL].width, def.images[EL_WALL].height), std::pair(60, 48));
  EXPECT_EQ(std::pair(def.images[EL_EARTH].width, def.images[EL_EARTH].height), std::pair(12, 60));
  // Neither lorry file up or down exists: the upward one gets its built-in picture, the downward
  // borrows it.
  EXPECT_TRUE(def.images[EL_LORRY_UP].owned);
  EXPECT_EQ(def.images[EL_LORRY_DOWN].image, def.images[EL_LORRY_UP].image);
  EXPECT_EQ(def.images[EL_LORRY_DOWN].flags, kImageFlipVertical | kImageBorrowed);
}

TEST_F(ArtworkFolders, FolderTitlesAndCaseDecideTheSetsAndTheirSelectionBuiltInsTheRest) {
  picture("Default.old", "wall.bmp", 0x111111);
  picture("night.v2.bmp", "WALL.BMP", 0x222222);
  load();
  EXPECT_EQ(colour(defaultArtworkSet()->images[EL_WALL]), 0x111111u);
  EXPECT_EQ(colour((*findArtworkSet("night.v2")).images[EL_WALL]), 0x222222u);  // file names in any case
  EXPECT_EQ(findArtworkSet("NIGHT.V2")->name, "night.v2");
  EXPECT_EQ(findArtworkSet("Nowhere"), nullptr);
  EXPECT_EQ(&artworkSetOrDefault("Nowhere"), defaultArtworkSet());

  fs::remove_all(dir / "art");  // without an art folder every element has its own built-in picture
  load();
  ASSERT_EQ(artworkSets().size(), 1u);
  EXPECT_EQ(defaultArtworkSet()->name, "Default");
  EXPECT_TRUE(defaultArtworkSet()->folderPath.empty());
  for (const TileImage& record : defaultArtworkSet()->images) {
    ASSERT_TRUE(record.image);  // no black cells
    EXPECT_EQ(record.owned.get(), record.image);
  }
  picture("default", "wall.bmp", 0x333333);
  load();
  ASSERT_EQ(artworkSets().size(), 1u);
  EXPECT_EQ(defaultArtworkSet()->name, "default");
  EXPECT_EQ(colour(defaultArtworkSet()->images[EL_WALL]), 0x333333u);
}

}  // namespace
