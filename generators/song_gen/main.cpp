// song_gen: writes the songs and sound-set folders the editor ships beside its executables.
//   song_gen --songs FOLDER        three short tunes of ours as Standard MIDI files
//   song_gen --sound-sets FOLDER   the sound-set folders the "Sounds" list offers
// The editor only lists their names; the game plays them.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "midi_file.h"

namespace {

constexpr int kBeat = MidiFile::kTicksPerBeat;

// A tune as scale steps: each step an index into the scale (negative: a rest) and its
// length in eighth notes. Bass notes sound on the first beat of every bar.
struct Tune {
  const char* fileName;
  int beatsPerMinute;
  int melodyProgram;
  int bassProgram;
  int root;                 // MIDI pitch of scale step 0
  std::vector<int> scale;   // semitones above the root
  std::vector<std::pair<int, int>> melody;
  std::vector<int> bassSteps;  // one per bar
};

int pitch(const Tune& tune, int step) {
  const int size = static_cast<int>(tune.scale.size());
  const int octave = step >= 0 ? step / size : -((-step + size - 1) / size);
  return tune.root + 12 * octave + tune.scale[step - octave * size];
}

std::string render(const Tune& tune) {
  MidiFile file(std::filesystem::path(tune.fileName).stem().string(), tune.beatsPerMinute);
  file.setInstrument(0, tune.melodyProgram);
  file.setInstrument(1, tune.bassProgram);
  int time = 0;
  for (const auto& [step, eighths] : tune.melody) {
    const int length = eighths * kBeat / 2;
    if (step >= 0) file.addNote(0, time, length - kBeat / 8, pitch(tune, step), 96);
    time += length;
  }
  for (size_t bar = 0; bar < tune.bassSteps.size(); ++bar)
    file.addNote(1, static_cast<int>(bar) * 4 * kBeat, 3 * kBeat, pitch(tune, tune.bassSteps[bar]) - 24, 80);
  return file.bytes();
}

const std::vector<int> kPentatonic = {0, 2, 4, 7, 9};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};

std::vector<Tune> tunes() {
  return {
      {"Crystal Steps.mid", 112, 9, 33, 72, kPentatonic,
       {{0, 1}, {1, 1}, {2, 1}, {4, 1}, {3, 2}, {2, 2}, {1, 1}, {2, 1}, {3, 1}, {5, 1}, {4, 4},
        {5, 1}, {4, 1}, {3, 1}, {2, 1}, {1, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 2}, {-1, 4}},
       {0, 3, 1, 0}},
      {"Deep Tunnels.mid", 76, 48, 32, 57, kMinor,
       {{0, 3}, {2, 1}, {4, 2}, {3, 2}, {2, 4}, {-1, 2}, {1, 2}, {2, 3}, {4, 1}, {6, 2}, {5, 2}, {4, 6}, {-1, 2},
        {4, 2}, {3, 2}, {2, 2}, {1, 2}, {0, 6}, {-1, 2}},
       {0, 0, 4, 2, 0}},
      {"Gem Rush.mid", 148, 80, 38, 64, kMinor,
       {{0, 1}, {0, 1}, {4, 1}, {0, 1}, {3, 1}, {0, 1}, {2, 1}, {1, 1}, {0, 1}, {0, 1}, {4, 1}, {0, 1},
        {5, 1}, {4, 1}, {3, 1}, {4, 1}, {7, 2}, {6, 1}, {5, 1}, {4, 2}, {3, 1}, {2, 1}, {1, 1}, {2, 1},
        {3, 1}, {1, 1}, {0, 4}},
       {0, 0, 5, 4}},
  };
}

// Sound sets: the folder names the "Sounds" list offers, each with a note on what it is for.
const char* const kSoundSets[] = {"Classic", "Echo Chamber", "Soft"};

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool writeSongs(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const Tune& tune : tunes())
    if (!writeFile(folder / tune.fileName, render(tune))) return false;
  return true;
}

bool writeSoundSets(const std::filesystem::path& folder) {
  for (const char* name : kSoundSets) {
    std::error_code error;
    std::filesystem::create_directories(folder / name, error);
    const std::string note = std::string("Sound set \"") + name +
                             "\". A level names the set it is played with; the game's sound files go here.\n";
    if (!writeFile(folder / name / "readme.txt", note)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  bool ok = argc > 1;
  for (int i = 1; ok && i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--songs")
      ok = writeSongs(argv[i + 1]);
    else if (option == "--sound-sets")
      ok = writeSoundSets(argv[i + 1]);
    else
      ok = false;
  }
  if (!ok) std::cerr << "usage: song_gen [--songs FOLDER] [--sound-sets FOLDER]\n";
  return ok ? 0 : 1;
}
