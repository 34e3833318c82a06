#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "form/folder_lists.h"
#include "form_support.h"

namespace {

// Walks a one-track Standard MIDI File event by event, as a player reads it, and counts its
// notes; -1 when it is not one. Our songs hold only note, program and meta events, without
// running status.
int midiNotes(const QByteArray& bytes) {
  if (!bytes.startsWith(QByteArray("MThd\0\0\0\6\0\0\0\1", 12)) || bytes.mid(14, 4) != "MTrk" ||
      22 + qFromBigEndian<quint32>(bytes.constData() + 18) != quint32(bytes.size()))
    return -1;
  const auto u8 = [&](qsizetype at) { return at < bytes.size() ? static_cast<uint8_t>(bytes[at]) : 0; };
  const auto number = [&](qsizetype& at) {  // 7 bits a byte, bit 7 set on all but the last
    uint32_t value = 0;
    while (value < (1u << 21) && (u8(at) & 0x80)) value = (value << 7) | (u8(at++) & 0x7F);
    return (value << 7) | u8(at++);
  };
  int notes = 0;
  for (qsizetype at = 22; at < bytes.size();) {
    number(at);  // the delta time
    const int status = u8(at++), kind = status >> 4;
    if (status == 0xFF) {
      const int type = u8(at++);
      at += number(at);
      if (type == 0x2F) return at == bytes.size() ? notes : -1;  // nothing after the end of the track
    } else if (kind == 8 || kind == 9 || kind == 0xC) {
      notes += kind == 9;
      at += kind == 0xC ? 1 : 2;
    } else {
      return -1;
    }
  }
  return -1;
}

TEST(FolderLists, ShippedSongsAreStandardMidiFiles) {
  const QDir songs(QDir(QCoreApplication::applicationDirPath()).filePath("songs"));
  const QStringList files = songs.entryList({"*.mid"}, QDir::Files);
  ASSERT_GE(files.size(), 3);
  for (const QString& name : files) {
    QFile file(songs.filePath(name));
    EXPECT_GE(file.open(QIODevice::ReadOnly) ? midiNotes(file.readAll()) : -1, 16) << name.toStdString();
  }
}

TEST(FolderLists, NamesComeFromTheRightFoldersSortedWithTheLevelsNamesAndAreStoredAsTheyStand) {
  // A program folder with art, sound and songs laid out as a user might have them.
  QTemporaryDir folder;
  QDir root(folder.path());
  for (const char* path : {"art/night", "art/Alpha", "art/Lava.v2.x", "art/beta", "sound/Zap", "sound/chimes",
                           "sound/Bells.old", "songs/Folder.mid"})
    root.mkpath(path);
  for (const char* file : {"art/readme.txt", "songs/Theme.mid", "songs/ambient.MID", "songs/notes.txt",
                           "songs/finale.v1.mid", "songs/mid"})
    QFile(root.filePath(file)).open(QIODevice::WriteOnly);
  Level level;
  level.setText(Property::Music, "Mystery Tune");
  level.setText(Property::Artwork, "NIGHT");
  FormOnLevel f(level);
  f.form().fillFolderLists(folder.path());
  // Folder names lose everything from their last dot; files and other kinds are left out. The
  // level's names are selected in their lists, matched in the case of A to Z only, or added.
  auto& artwork = f.field<QComboBox>(Field::Artwork);
  EXPECT_EQ(itemTexts(artwork), (QStringList{"Alpha", "beta", "Lava.v2", "night"}));
  EXPECT_EQ(artwork.currentText(), "night") << "the folder's spelling, no change to record";
  EXPECT_EQ(itemTexts(f.field<QComboBox>(Field::Sounds)), (QStringList{"Bells", "chimes", "Default", "Zap"}));
  auto& music = f.field<QComboBox>(Field::Music);
  EXPECT_EQ(itemTexts(music), (QStringList{"ambient", "finale.v1", "Mystery Tune", "Theme"}));
  EXPECT_EQ(music.currentText(), "Mystery Tune");
  f.form().commitPendingEdits();
  EXPECT_FALSE(f.document.canUndo());

  // A choice and a typed name are stored as they stand, without completion from the list's
  // longer name that begins with the typed one; undo shows the old name in every form.
  f.open(f.document).fillFolderLists(folder.path());
  music.setCurrentIndex(0);
  emit music.activated(0);
  EXPECT_EQ(f.level().text(Property::Music), "ambient");
  f.form().focusField(Field::Music);
  settle();
  QTest::keyClicks(music.lineEdit(), "The");
  f.form().focusField(Field::Name);
  settle();
  EXPECT_EQ(f.level().text(Property::Music), "The");
  ASSERT_TRUE(f.document.undo());
  auto& otherMusic = f.field<QComboBox>(Field::Music, 1);
  EXPECT_EQ(otherMusic.currentIndex(), otherMusic.findText("ambient"));

  QComboBox box;
  for (const char* name : {"Alpha", "Ömer"}) insertSorted(box, name);
  selectComboEntry(box, "ömer");
  EXPECT_EQ(itemTexts(box), (QStringList{"Alpha", "Ömer", "ömer"})) << "beyond A to Z the case counts";
  selectComboEntry(box, "");
  EXPECT_EQ(box.currentText(), "ömer") << "an empty name changes nothing";
}

}  // namespace
