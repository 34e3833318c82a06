#include "level/level_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "level/file_descriptor.h"
#include "level/level.h"
#include "level/level_format_error.h"
#include "level/level_io.h"

namespace {

std::string directoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

FileResult failure(Message message) { return {false, std::move(message)}; }

// A failure with the file: %1 names it, %2 is the detail.
FileResult failure(const char* pattern, const std::string& path, std::string detail = {}) {
  return failure({pattern, {Message::value(path), Message::value(std::move(detail))}});
}

std::string systemError() { return std::strerror(errno); }

const char* notALevelFile(mode_t mode) {
  if (S_ISDIR(mode)) return TRANSLATABLE("Message", "%1: this is a folder, not a level file");
  if (S_ISFIFO(mode)) return TRANSLATABLE("Message", "%1: this is a pipe, not a level file");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return TRANSLATABLE("Message", "%1: this is a device, not a level file");
  return TRANSLATABLE("Message", "%1: this is not a regular file, not a level file");
}

// The whole file, once it is known to be one that can hold a level: a regular file (a device
// or a pipe could block or never end; opening without blocking lets the type be checked on
// the open file itself), no bigger than kMaxLevelFileBytes, and text (a zero byte marks a
// picture or other binary file, which saving would destroy).
FileResult readLevelBytes(const std::string& path, std::string& bytes, FileIdentity* identity) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  const char* cannotOpen = TRANSLATABLE("Message", "%1: cannot open: %2");
  if (file.get() < 0) return failure(cannotOpen, path, systemError());
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) return failure(cannotOpen, path, systemError());
  if (!S_ISREG(st.st_mode)) return failure(notALevelFile(st.st_mode), path);
  const char* tooBig = TRANSLATABLE("Message", "%1: the file is larger than %2 MiB, too large for a level file");
  const std::string limit = std::to_string(kMaxLevelFileBytes >> 20);
  if (static_cast<uint64_t>(st.st_size) > kMaxLevelFileBytes) return failure(tooBig, path, limit);
  // The file may grow while it is read: the bound holds for what is read, not for what stat said.
  bytes.clear();
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return failure(TRANSLATABLE("Message", "%1: read error: %2"), path, systemError());
    if (n == 0) break;
    if (bytes.size() + static_cast<size_t>(n) > kMaxLevelFileBytes) return failure(tooBig, path, limit);
    bytes.append(buffer, static_cast<size_t>(n));
  }
  if (bytes.find('\0') != std::string::npos)
    return failure(TRANSLATABLE("Message", "%1: the file holds a zero byte: it is binary data (a picture?), not a level file"),
                   path);
  if (identity) *identity = identityOfStat(st, bytes);
  return {};
}

// The file a path names at the end of its symbolic links (which need not exist yet).
std::string linkTarget(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return path;
    target.resize(static_cast<size_t>(n));
    path = target.starts_with('/') ? target : directoryOf(path) + "/" + target;
  }
  return path;
}

bool writeAll(int fd, const std::string& bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + written, bytes.size() - written, static_cast<off_t>(written));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

// A file with several names keeps its inode: its bytes are replaced in place. Should that
// fail half way, the old bytes are put back.
FileResult writeInPlace(const std::string& path, const std::string& bytes) {
  std::string old;
  const bool haveOld = readLevelBytes(path, old, nullptr).ok;
  const FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
  const char* writeError = TRANSLATABLE("Message", "%1: write error: %2");
  if (file.get() < 0) return failure(TRANSLATABLE("Message", "%1: cannot open: %2"), path, systemError());
  if (writeAll(file.get(), bytes) && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 &&
      ::fsync(file.get()) == 0)
    return {};
  const std::string why = systemError();
  if (haveOld && writeAll(file.get(), old)) {
    [[maybe_unused]] const int restored = ::ftruncate(file.get(), static_cast<off_t>(old.size()));
  }
  return failure(writeError, path, why);
}

void syncFolder(const std::string& folder) {
  const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) (void)::fsync(dir.get());
}

}  // namespace

FileResult readLevelFile(const std::string& path, Level& level, FileIdentity* identity) {
  std::string bytes;
  FileIdentity read{};
  // Hashed only when the caller keeps the identity: the tools read many files without it.
  if (FileResult result = readLevelBytes(path, bytes, identity ? &read : nullptr); !result.ok) return result;
  std::istringstream in(bytes, std::ios::binary);
  try {
    level = readLevel(in, path);
  } catch (const LevelFormatError& e) {
    return failure({TRANSLATABLE("Message", "%1: line %2: %3 (the file has an invalid format)"),
                    {Message::value(e.fileName()), Message::value(std::to_string(e.line())), e.reason()}});
  }
  if (identity) *identity = read;
  return {};
}

bool isReadOnlyFile(const std::string& path) {
  const std::string target = linkTarget(path);
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return false;
  // The administrator may write anything: for them the file's own marks decide.
  if (::geteuid() == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  return ::access(target.c_str(), W_OK) != 0;
}

FileResult saveLevelFile(const Level& level, const std::string& path, FileIdentity* written) {
  return writeFileAtomically(path, levelText(level), written);
}

FileResult writeFileAtomically(const std::string& path, const std::string& bytes, FileIdentity* written) {
  const std::string target = linkTarget(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && S_ISREG(st.st_mode) && st.st_nlink > 1) {
    if (FileResult result = writeInPlace(target, bytes); !result.ok) return result;
    if (written) *written = identityOf(target, bytes).value_or(FileIdentity{});
    return {};
  }
  std::string temp = directoryOf(target) + "/.cavernia-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return failure(TRANSLATABLE("Message", "%1: cannot write in its folder: %2"), path, systemError());
  const char* writeError = TRANSLATABLE("Message", "%1: write error: %2");
  if (!writeAll(fd, bytes)) {
    const std::string why = systemError();
    ::close(fd);
    ::unlink(temp.c_str());
    return failure(writeError, path, why);
  }
  // Keep the permissions of the file being replaced, or the usual ones for a new file; owner
  // and group too where the user may give them (a group of theirs, for example).
  if (exists) {
    ::fchmod(fd, st.st_mode & 07777);
    if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
      [[maybe_unused]] const int kept = ::fchown(fd, st.st_uid, st.st_gid);  // not ours to give: the file is ours then
    }
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const std::string why = systemError();
    ::unlink(temp.c_str());
    return failure(writeError, path, why);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const std::string why = systemError();
    ::unlink(temp.c_str());
    return failure(TRANSLATABLE("Message", "%1: cannot replace the file: %2"), path, why);
  }
  syncFolder(directoryOf(target));
  if (written) *written = identityOf(target, bytes).value_or(FileIdentity{});
  return {};
}
