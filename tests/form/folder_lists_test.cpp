#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "form/folder_lists.h"
#include "form_support.h"

namespace {

QStringList entries(const QComboBox& box) {
  QStringList names;
  for (int i = 0; i < box.count(); ++i) names << box.itemText(i);
  return names;
}

// Walks a Standard MIDI File event by event: every chunk length, delta time and event length
// must fit and the track must end with its end-of-track event. Answers what is wrong, or "".
std::string midiFault(const QByteArray& bytes, int* notes) {
  auto u8 = [&](qsizetype at) { return static_cast<uint8_t>(bytes[at]); };
  auto be32 = [&](qsizetype at) { return qFromBigEndian<quint32>(bytes.constData() + at); };
  auto be16 = [&](qsizetype at) { return qFromBigEndian<quint16>(bytes.constData() + at); };
  if (bytes.size() < 22 || !bytes.startsWith("MThd") || be32(4) != 6) return "no header chunk";
  if (be16(8) != 0 || be16(10) != 1 || bytes.mid(14, 4) != "MTrk") return "not a one-track format 0 file";
  const qsizetype end = 22 + be32(18);
  if (end != bytes.size()) return "track length does not match the file";
  qsizetype at = 22;
  uint8_t status = 0;
  auto vlq = [&](uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
      const uint8_t b = u8(at++);
      value = (value << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  };
  *notes = 0;
  while (at < end) {
    if (uint32_t delta = 0; !vlq(delta) || at >= end) return "broken delta time";
    if (u8(at) & 0x80) status = u8(at++);
    if (status == 0xFF) {
      const uint8_t type = u8(at++);
      uint32_t length = 0;
      if (!vlq(length) || at + length > end) return "broken meta event";
      at += length;
      if (type == 0x2F) return at == end ? "" : "events after the end of the track";
      continue;
    }
    const int kind = status >> 4;
    if (kind < 8 || kind == 0xF) return "unknown status byte";
    const int data = (kind == 0xC || kind == 0xD) ? 1 : 2;
    if (at + data > end) return "event runs past the track";
    for (int i = 0; i < data; ++i)
      if (u8(at + i) & 0x80) return "data byte with bit 7 set";
    if (kind == 9 && u8(at + 1) > 0) ++*notes;
    at += data;
  }
  return "no end-of-track event";
}

TEST(FolderLists, ShippedSongsAreStandardMidiFiles) {
  const QDir songs(QDir(QCoreApplication::applicationDirPath()).filePath("songs"));
  const QStringList files = songs.entryList({"*.mid"}, QDir::Files);
  ASSERT_GE(files.size(), 3);
  for (const QString& name : files) {
    QFile file(songs.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int notes = 0;
    EXPECT_EQ(midiFault(file.readAll(), &notes), "") << name.toStdString();
    EXPECT_GE(notes, 16) << name.toStdString();
  }
}

TEST(FolderLists, NamesComeFromTheRightFoldersSortedWithTheLevelsNames) {
  // A program folder with art, sound and songs laid out as a user might have them.
  QTemporaryDir folder;
  QDir root(folder.path());
  for (const char* path : {"art/night", "art/Alpha", "art/Lava.v2", "art/beta", "sound/Zap", "sound/chimes",
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
  EXPECT_EQ(entries(artwork), (QStringList{"Alpha", "beta", "Lava", "night"}));
  EXPECT_EQ(artwork.currentText(), "night") << "the folder's spelling, no change to record";
  EXPECT_EQ(entries(f.field<QComboBox>(Field::Sounds)), (QStringList{"Bells", "chimes", "Default", "Zap"}));
  EXPECT_EQ(entries(f.field<QComboBox>(Field::Music)), (QStringList{"ambient", "finale.v1", "Mystery Tune", "Theme"}));
  EXPECT_EQ(f.field<QComboBox>(Field::Music).currentText(), "Mystery Tune");
  f.form().commitPendingEdits();
  EXPECT_FALSE(f.document.canUndo());

  QComboBox box;
  for (const char* name : {"Alpha", "Ömer"}) insertSorted(box, name);
  selectComboEntry(box, "ömer");
  EXPECT_EQ(entries(box), (QStringList{"Alpha", "Ömer", "ömer"})) << "beyond A to Z the case counts";
  selectComboEntry(box, "");
  EXPECT_EQ(box.currentText(), "ömer") << "an empty name changes nothing";
}

TEST(FolderLists, ChoicesAndTypedNamesAreStoredAsTheyStand) {
  FormOnLevel f;
  f.form().fillFolderLists(QCoreApplication::applicationDirPath());
  f.open(f.document).fillFolderLists(QCoreApplication::applicationDirPath());
  auto& music = f.field<QComboBox>(Field::Music);
  const int gemRush = music.findText("Gem Rush");
  ASSERT_GE(gemRush, 0);
  music.setCurrentIndex(gemRush);
  emit music.activated(gemRush);
  EXPECT_EQ(f.level().text(Property::Music), "Gem Rush");
  // No completion: the list's longer name that begins with the typed one is not taken.
  f.form().focusField(Field::Music);
  settle();
  QTest::keyClicks(music.lineEdit(), "Deep");
  f.form().focusField(Field::Name);
  settle();
  EXPECT_EQ(f.level().text(Property::Music), "Deep");
  EXPECT_EQ(music.currentText(), "Deep");

  // Undo shows the old name in every form, selected in its list.
  ASSERT_TRUE(f.document.undo());
  auto& otherMusic = f.field<QComboBox>(Field::Music, 1);
  EXPECT_EQ(otherMusic.currentText(), "Gem Rush");
  EXPECT_EQ(otherMusic.currentIndex(), otherMusic.findText("Gem Rush"));
}

}  // namespace
