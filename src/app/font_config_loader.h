#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while Qt connects to the
// display. Parsing the configuration is the largest single cost of a first window with text,
// and nothing else needs it before the first widget is made.
class FontConfigLoader {
 public:
  FontConfigLoader();
  ~FontConfigLoader();
  FontConfigLoader(const FontConfigLoader&) = delete;
  FontConfigLoader& operator=(const FontConfigLoader&) = delete;

  // Returns once the configuration is read; Qt's font database then finds it ready.
  void wait();

 private:
  std::thread m_thread;
};
