#pragma once

#include <thread>

// Reads what the first window needs and Qt does not, on a thread of its own while Qt connects
// to the display: the system's font configuration (parsing it is the largest single cost of a
// first window with text) and the artwork sets beside the program.
class StartupLoader {
 public:
  StartupLoader();
  ~StartupLoader();
  StartupLoader(const StartupLoader&) = delete;
  StartupLoader& operator=(const StartupLoader&) = delete;

  // Returns once both are read; Qt's font database then finds the configuration ready.
  void wait();

 private:
  std::thread m_thread;
};
