#include "midi_file.h"

#include <algorithm>

namespace {

std::string bigEndian(uint32_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// Delta times are written 7 bits a byte, most significant first, all but the last with bit 7 set.
std::string variableLength(uint32_t value) {
  std::string out(1, static_cast<char>(value & 0x7F));
  while (value >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return out;
}

std::string meta(uint8_t type, const std::string& data) {
  return std::string{'\xFF', static_cast<char>(type)} + variableLength(static_cast<uint32_t>(data.size())) + data;
}

}  // namespace

MidiFile::MidiFile(const std::string& title, int beatsPerMinute)
    : m_title(title), m_microsecondsPerBeat(60000000 / beatsPerMinute) {}

void MidiFile::setInstrument(int channel, int program) {
  m_events.push_back({0, 1, std::string{static_cast<char>(0xC0 | channel), static_cast<char>(program)}});
}

void MidiFile::addNote(int channel, int start, int length, int pitch, int velocity) {
  m_events.push_back({start, 2, std::string{static_cast<char>(0x90 | channel), static_cast<char>(pitch),
                                            static_cast<char>(velocity)}});
  m_events.push_back({start + length, 0, std::string{static_cast<char>(0x80 | channel), static_cast<char>(pitch), 64}});
}

std::string MidiFile::bytes() const {
  std::vector<Event> events = m_events;
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.time != b.time ? a.time < b.time : a.order < b.order; });
  std::string track;
  track += variableLength(0) + meta(0x03, m_title);
  track += variableLength(0) + meta(0x51, bigEndian(m_microsecondsPerBeat, 3));
  track += variableLength(0) + meta(0x58, std::string{4, 2, 24, 8});  // 4/4
  int now = 0;
  for (const Event& event : events) {
    track += variableLength(static_cast<uint32_t>(event.time - now)) + event.bytes;
    now = event.time;
  }
  track += variableLength(kTicksPerBeat) + meta(0x2F, "");
  return "MThd" + bigEndian(6, 4) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(kTicksPerBeat, 2) + "MTrk" +
         bigEndian(static_cast<uint32_t>(track.size()), 4) + track;
}
