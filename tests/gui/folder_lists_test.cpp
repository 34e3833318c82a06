#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/commands/command_ids.h"
#include "artwork/artwork_sets.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "props/folder_lists.h"
#include "props/prop_view.h"

namespace {

QStringList Entries(const QComboBox& box) {
  QStringList entries;
  for (int i = 0; i < box.count(); ++i) entries << box.itemText(i);
  return entries;
}

QComboBox& Box(CPropView& form, int id) { return *static_cast<QComboBox*>(form.Field(id)); }

// A program folder with art, sound and songs laid out as a user might have them.
class ProgramFolder {
 public:
  ProgramFolder() {
    QDir root(dir.path());
    for (const char* folder : {"art/night", "art/Alpha", "art/Lava.v2", "art/beta", "sound/Zap", "sound/chimes",
                               "sound/Bells.old", "songs/Folder.mid"})
      root.mkpath(folder);
    for (const char* file : {"art/readme.txt", "songs/Theme.mid", "songs/ambient.MID", "songs/notes.txt",
                             "songs/finale.v1.mid", "songs/mid"})
      Touch(root.filePath(file));
  }
  QString Path() const { return dir.path(); }

 private:
  static void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QTemporaryDir dir;
};

// Writes a level file whose artwork, sounds and music names are given.
QString LevelFile(const QTemporaryDir& dir, const char* artwork, const char* sounds, const char* music) {
  const QString path = dir.filePath("names.lev");
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QString("A %1\nS %2\nM 0 %3\nn Names\nm 3 1\n#*#\n").arg(artwork, sounds, music).toUtf8());
  return path;
}

// Walks a Standard MIDI File event by event: every chunk length, delta time and event length
// must fit, the track must end with its end-of-track event, and some notes must sound.
// Answers what is wrong, or an empty text.
std::string MidiFault(const QByteArray& bytes, int* notes) {
  auto u8 = [&](qsizetype at) { return static_cast<uint8_t>(bytes[at]); };
  auto be = [&](qsizetype at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | u8(at + i);
    return v;
  };
  if (bytes.size() < 22 || !bytes.startsWith("MThd") || be(4, 4) != 6) return "no header chunk";
  if (be(8, 2) != 0 || be(10, 2) != 1) return "not a one-track format 0 file";
  if (bytes.mid(14, 4) != "MTrk") return "no track chunk";
  const qsizetype end = 22 + be(18, 4);
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
    uint32_t delta = 0, length = 0;
    if (!vlq(delta)) return "broken delta time";
    if (at >= end) return "delta time without event";
    if (u8(at) & 0x80) status = u8(at++);
    if (status == 0xFF) {
      const uint8_t type = u8(at++);
      if (!vlq(length) || at + length > end) return "broken meta event";
      at += length;
      if (type == 0x2F) return at == end ? std::string() : "events after the end of the track";
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

}  // namespace

TEST(FolderLists, ShippedSongsAreStandardMidiFiles) {
  const QDir songs(QDir(QCoreApplication::applicationDirPath()).filePath("songs"));
  const QStringList files = songs.entryList({"*.mid"}, QDir::Files);
  ASSERT_GE(files.size(), 3);
  for (const QString& name : files) {
    QFile file(songs.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int notes = 0;
    EXPECT_EQ(MidiFault(file.readAll(), &notes), "") << name.toStdString();
    EXPECT_GE(notes, 16) << name.toStdString();
  }
}

TEST(FolderLists, NamesComeFromTheRightFoldersInAlphabeticalOrder) {
  ProgramFolder folder;
  FolderLists lists = ScanFolderLists(folder.Path());
  // Folder names lose everything from their last dot; files and other kinds are left out.
  lists.artwork.sort(Qt::CaseInsensitive);
  lists.sounds.sort(Qt::CaseInsensitive);
  lists.songs.sort(Qt::CaseInsensitive);
  EXPECT_EQ(lists.artwork, (QStringList{"Alpha", "beta", "Lava", "night"}));
  EXPECT_EQ(lists.sounds, (QStringList{"Bells", "chimes", "Zap"}));
  EXPECT_EQ(lists.songs, (QStringList{"ambient", "finale.v1", "Theme"}));
  EXPECT_EQ(ScanFolderLists(QDir(folder.Path()).filePath("missing")).artwork, QStringList());

  EditorSession session;
  CPropView& form = *session.Child()->Form();
  form.FillFolderLists(folder.Path());
  // Whatever order the file system gives, the boxes list alphabetically without regard to case;
  // the new level's "Default" artwork and sounds are in no folder and are added in their places.
  EXPECT_EQ(Entries(Box(form, CPropView::IDC_ARTWORK)), (QStringList{"Alpha", "beta", "Default", "Lava", "night"}));
  EXPECT_EQ(Entries(Box(form, CPropView::IDC_SOUNDS)), (QStringList{"Bells", "chimes", "Default", "Zap"}));
  EXPECT_EQ(Entries(Box(form, CPropView::IDC_MUSIC)), (QStringList{"ambient", "finale.v1", "Theme"}));
  EXPECT_EQ(form.SongsFolder(), QDir(folder.Path()).filePath("songs") + '/');
  // No music: the box selects nothing, and committing stores nothing.
  EXPECT_EQ(Box(form, CPropView::IDC_MUSIC).currentIndex(), -1);
  EXPECT_EQ(Box(form, CPropView::IDC_MUSIC).currentText(), "");
  form.CommitAll();
  EXPECT_FALSE(form.Document().CanUndo());
  EXPECT_FALSE(form.Document().IsModified());
}

TEST(FolderLists, TheShippedSetsSoundsAndSongsAreListed) {
  EditorSession session;
  CPropView& form = *session.Child()->Form();
  const QStringList music = Entries(Box(form, CPropView::IDC_MUSIC));
  EXPECT_EQ(music, (QStringList{"Crystal Steps", "Deep Tunnels", "Gem Rush"}));
  const QStringList sounds = Entries(Box(form, CPropView::IDC_SOUNDS));
  EXPECT_TRUE(sounds.contains("Classic") && sounds.contains("Echo Chamber") && sounds.contains("Soft"));
  EXPECT_TRUE(Entries(Box(form, CPropView::IDC_ARTWORK)).contains("Night"));
}

TEST(FolderLists, SelectComboEntryMatchesCaseOfAToZOnly) {
  EditorSession session;
  CPropView& form = *session.Child()->Form();
  QComboBox box;
  box.setEditable(true);
  for (const char* name : {"Alpha", "Default", "Ömer"}) InsertSorted(box, name);

  QString name = "DEFAULT";
  form.SelectComboEntry(box, name);
  EXPECT_EQ(name, "Default") << "the name takes the entry's spelling";
  EXPECT_EQ(box.currentIndex(), 1);

  name = "ömer";  // beyond A to Z the case counts: a new entry, sorted in
  form.SelectComboEntry(box, name);
  EXPECT_EQ(box.count(), 4);
  EXPECT_EQ(box.currentText(), "ömer");

  name = "beta";
  form.SelectComboEntry(box, name);
  EXPECT_EQ(box.itemText(1), "beta") << "added at its alphabetical place";
  EXPECT_EQ(box.currentIndex(), 1);

  name.clear();
  form.SelectComboEntry(box, name);
  EXPECT_EQ(box.count(), 5) << "an empty name adds nothing";
  EXPECT_EQ(box.currentIndex(), 1) << "and changes nothing";
}

TEST(FolderLists, LevelNamesAreSelectedInTheirListsOrKept) {
  QTemporaryDir dir;
  EditorSession session({LevelFile(dir, "night", "default", "Mystery Tune")});
  ASSERT_TRUE(session.started);
  CPropView& form = *session.Child()->Form();
  CBrannocDoc& doc = form.Document();
  // "night" is the folder "Night": the box shows that spelling, which is no change to record.
  EXPECT_EQ(Box(form, CPropView::IDC_ARTWORK).currentText(), "Night");
  EXPECT_EQ(Box(form, CPropView::IDC_SOUNDS).currentText(), "default");
  EXPECT_TRUE(Entries(Box(form, CPropView::IDC_MUSIC)).contains("Mystery Tune"));
  EXPECT_EQ(Box(form, CPropView::IDC_MUSIC).currentText(), "Mystery Tune");
  form.CommitAll();
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_EQ(doc.m_strArtwork, "night");
  EXPECT_EQ(doc.m_strMusic, "Mystery Tune");
}

TEST(FolderLists, ChoicesAreCommittedAndUndoSelectsTheOldEntry) {
  EditorSession session;
  CChildFrame* first = session.Child();
  CChildFrame* second = session.NewWindow();
  CPropView& form = *first->Form();
  CBrannocDoc& doc = form.Document();

  // Picking an artwork set switches the program's set at once.
  QComboBox& artwork = Box(form, CPropView::IDC_ARTWORK);
  const int night = artwork.findText("Night");
  ASSERT_GE(night, 0);
  artwork.setCurrentIndex(night);
  emit artwork.activated(night);
  EXPECT_EQ(doc.m_strArtwork, "Night");
  ASSERT_NE(CurrentArtworkSet(), nullptr);
  EXPECT_EQ(CurrentArtworkSet()->name, "Night");
  // The level's other window shows the choice, so committing it there keeps it.
  EXPECT_EQ(Box(*second->Form(), CPropView::IDC_ARTWORK).currentText(), "Night");
  second->Form()->CommitAll();
  EXPECT_EQ(doc.m_strArtwork, "Night");

  // A song picked from the list, then a name typed and left: both are stored as they stand,
  // though the list holds a longer name that begins with the typed one.
  QComboBox& music = Box(form, CPropView::IDC_MUSIC);
  const int gemRush = music.findText("Gem Rush");
  music.setCurrentIndex(gemRush);
  emit music.activated(gemRush);
  EXPECT_EQ(doc.m_strMusic, "Gem Rush");
  form.FocusField(CPropView::IDC_MUSIC);
  Settle();
  music.lineEdit()->selectAll();
  QTest::keyClicks(music.lineEdit(), "Deep");
  form.FocusField(CPropView::IDC_NAME);
  Settle();
  EXPECT_EQ(doc.m_strMusic, "Deep");
  EXPECT_EQ(music.currentText(), "Deep");

  // Undo shows the old names in every form, selected in their lists.
  doc.OnEditUndo();
  EXPECT_EQ(Box(*second->Form(), CPropView::IDC_MUSIC).currentText(), "Gem Rush");
  EXPECT_EQ(Box(*second->Form(), CPropView::IDC_MUSIC).currentIndex(),
            Box(*second->Form(), CPropView::IDC_MUSIC).findText("Gem Rush"));
  doc.OnEditUndo();
  doc.OnEditUndo();
  EXPECT_EQ(doc.m_strArtwork, "Default");
  EXPECT_EQ(CurrentArtworkSet()->name, "Default");
  EXPECT_EQ(artwork.currentText(), "Default");
  EXPECT_EQ(Box(*second->Form(), CPropView::IDC_ARTWORK).currentText(), "Default");
}
