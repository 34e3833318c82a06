#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "artwork/artwork_completion.h"
#include "artwork/artwork_sets.h"
#include "artwork/artwork_sets.h"
#include "artwork/dib_writer.h"

namespace {

namespace fs = std::filesystem;
using Shows = std::pair<uint32_t, int>;  // a picture's colour and its IMAGE_ flags

// A program folder of its own for each test, with an "art" folder to fill.
class ArtworkFolders : public testing::Test {
 protected:
  void SetUp() override {
    m_root = fs::temp_directory_path() /
             ("cavernia_art_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_root);
    fs::create_directories(m_root / "art");
  }
  void TearDown() override {
    FreeArtworkSets();
    fs::remove_all(m_root);
  }

  // A one-colour picture; the colour tells the tests which file a record shows.
  void Picture(const std::string& set, const std::string& file, uint32_t rgb, int32_t w = 32, int32_t h = 32) {
    fs::create_directories(m_root / "art" / set);
    auto dib = Dib::Create(w, h, 8, 1);
    SetDibColor(*dib, 0, rgb);
    ASSERT_EQ(SaveDibFile(dib.get(), (m_root / "art" / set / file).string()), DIB_SAVE_OK);
  }

  void Load() { LoadArtworkSets(m_root.string()); }

  static const ArtworkSet& Set(const std::string& name) {
    for (const auto& set : ArtworkSets())
      if (set->name == name) return *set;
    throw std::runtime_error("no set " + name);
  }

  static uint32_t Colour(const TileImage& record) { return record.image ? DibPixel(*record.image, 0, 0) : 0xDEAD; }
  // What a record shows: the colour of its picture and how it is turned.
  static Shows Shown(const ArtworkSet& set, int element) {
    return {Colour(set.images[element]), set.images[element].flags};
  }

  fs::path m_root;
};

TEST_F(ArtworkFolders, WithoutArtFolderEveryElementHasItsOwnBuiltInPicture) {
  fs::remove_all(m_root / "art");
  Load();
  ASSERT_EQ(ArtworkSets().size(), 1u);
  const ArtworkSet& set = *DefaultArtworkSet();
  EXPECT_EQ(set.name, "Default");
  EXPECT_TRUE(set.folderPath.empty());
  for (int i = 0; i < ELEMENT_COUNT; ++i) {
    const TileImage& record = set.images[i];
    ASSERT_TRUE(record.image) << i;  // no black cells
    EXPECT_EQ(record.owned.get(), record.image) << i;
  }
}

TEST_F(ArtworkFolders, OtherSetsTakePartnersFirstThenTheDefaultSet) {
  Picture("Default", "wall.bmp", 0x101010, 64, 48);
  Picture("Default", "earth.bmp", 0x202020, 12, 80);
  Picture("Default", "yamyamrt.bmp", 0x303030);
  Picture("Cave", "wall.bmp", 0x404040);
  Picture("Cave", "yamyamlt.bmp", 0x505050);
  Load();
  ASSERT_EQ(ArtworkSets().size(), 2u);
  EXPECT_EQ(ArtworkSets()[0].get(), DefaultArtworkSet());
  const ArtworkSet& cave = Set("Cave");
  EXPECT_EQ(Shown(cave, EL_WALL), (Shows{0x404040, 0}));
  EXPECT_EQ(cave.images[EL_INVERTED_WALL].image, cave.images[EL_WALL].image);
  EXPECT_EQ(cave.images[EL_INVERTED_WALL].flags, IMAGE_INVERT | IMAGE_BORROWED);
  EXPECT_EQ(Shown(cave, EL_EARTH), (Shows{0x202020, IMAGE_BORROWED}));
  // The beast heading right is Cave's own left-heading one mirrored, not Default's.
  EXPECT_EQ(Shown(cave, EL_YAMYAM_RIGHT), (Shows{0x505050, IMAGE_MIRROR_HORIZONTAL | IMAGE_BORROWED}));
  // Elements the Default folder lacks come from the built-in pictures.
  EXPECT_EQ(cave.images[EL_RUBY].image, DefaultArtworkSet()->images[EL_RUBY].image);
  const ArtworkSet& def = *DefaultArtworkSet();
  // Pictures are measured up to 60 pixels.
  EXPECT_EQ(def.images[EL_WALL].width, 60);
  EXPECT_EQ(def.images[EL_WALL].height, 48);
  EXPECT_EQ(def.images[EL_EARTH].width, 12);
  EXPECT_EQ(def.images[EL_EARTH].height, 60);
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
  EXPECT_EQ(def.folderPath, (m_root / "art" / "Default").string() + "/");
  EXPECT_EQ(Shown(def, EL_LORRY_DOWN), (Shows{0x111111, IMAGE_FLIP_VERTICAL | IMAGE_BORROWED}));
  EXPECT_EQ(Shown(def, EL_LORRY_LEFT), (Shows{0x222222, IMAGE_MIRROR_HORIZONTAL | IMAGE_BORROWED}));
  EXPECT_EQ(Shown(def, EL_PLAYER2), (Shows{0x333333, IMAGE_INVERT | IMAGE_BORROWED}));
  // Another set shows the default's borrowed picture turned the same way.
  EXPECT_EQ(Shown(Set("Cave"), EL_LORRY_DOWN), (Shows{0x111111, IMAGE_FLIP_VERTICAL | IMAGE_BORROWED}));
}

TEST_F(ArtworkFolders, FolderTitlesAndCaseDecideTheDefaultSet) {
  Picture("Default.old", "wall.bmp", 0x111111);
  Picture("night", "WALL.BMP", 0x222222);
  Load();
  EXPECT_EQ(DefaultArtworkSet()->name, "Default");
  EXPECT_EQ(Colour(DefaultArtworkSet()->images[EL_WALL]), 0x111111u);
  EXPECT_EQ(Colour(Set("night").images[EL_WALL]), 0x222222u);  // file names in any case

  FreeArtworkSets();
  fs::remove_all(m_root / "art");
  Picture("default", "wall.bmp", 0x333333);
  Load();
  ASSERT_EQ(ArtworkSets().size(), 1u);
  EXPECT_EQ(DefaultArtworkSet()->name, "default");
  EXPECT_EQ(Colour(DefaultArtworkSet()->images[EL_WALL]), 0x333333u);
}

TEST_F(ArtworkFolders, UnreadablePicturesFallBack) {
  fs::create_directories(m_root / "art" / "Cave" / "earth.bmp");  // a folder, not a file
  std::ofstream(m_root / "art" / "Cave" / "wall.bmp") << "not a picture";
  Load();
  const ArtworkSet& cave = Set("Cave");
  EXPECT_EQ(cave.images[EL_WALL].image, DefaultArtworkSet()->images[EL_WALL].image);
  EXPECT_EQ(cave.images[EL_EARTH].image, DefaultArtworkSet()->images[EL_EARTH].image);
}

TEST_F(ArtworkFolders, SelectingBySetNameIgnoresCase) {
  Picture("Cave", "wall.bmp", 0x111111);
  LoadArtworkSets(m_root.string());
  EXPECT_EQ(CurrentArtworkSet(), nullptr);
  EXPECT_EQ(SelectArtworkSet("cave"), 1);
  EXPECT_EQ(CurrentArtworkSet()->name, "Cave");
  EXPECT_EQ(SelectArtworkSet("CAVE"), 0);
  EXPECT_EQ(SelectArtworkSet("Nowhere"), 0);
  EXPECT_EQ(CurrentArtworkSet()->name, "Cave");
  EXPECT_EQ(SelectArtworkSet(nullptr), 0);
  FreeArtworkSets();
  EXPECT_EQ(CurrentArtworkSet(), nullptr);
  EXPECT_TRUE(ArtworkSets().empty());
}

}  // namespace
