#pragma once

#include <stdexcept>
#include <string>

#include "level/message.h"

// A level file whose map block is broken. Says which file, which line and what is wrong.
class LevelFormatError : public std::runtime_error {
 public:
  LevelFormatError(std::string fileName, int line, Message reason)
      : std::runtime_error(fileName + ": line " + std::to_string(line) + ": " + reason.english()),
        m_fileName(std::move(fileName)), m_line(line), m_reason(std::move(reason)) {}

  const std::string& fileName() const { return m_fileName; }
  int line() const { return m_line; }
  const Message& reason() const { return m_reason; }

 private:
  std::string m_fileName;
  int m_line;
  Message m_reason;
};
