#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A one-track Standard MIDI File (format 0) built from notes at absolute times.
class MidiFile {
 public:
  static constexpr int kTicksPerBeat = 96;

  MidiFile(const std::string& title, int beatsPerMinute);

  void setInstrument(int channel, int program);
  // A note from `start` for `length` ticks.
  void addNote(int channel, int start, int length, int pitch, int velocity);

  // The file's bytes: header chunk, then the track chunk.
  std::string bytes() const;

 private:
  struct Event {
    int time;
    int order;  // at one time: note ends first, then settings, then note starts
    std::string bytes;
  };
  std::vector<Event> m_events;
  std::string m_title;
  int m_microsecondsPerBeat;
};
