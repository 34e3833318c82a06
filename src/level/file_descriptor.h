#pragma once

#include <unistd.h>

#include <utility>

// Closes a POSIX file descriptor however the code that uses it ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }
  // Hands the descriptor on: it is no longer closed here.
  int release() { return std::exchange(m_fd, -1); }

 private:
  int m_fd;
};
