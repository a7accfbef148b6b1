#include "base/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace vlmr {

namespace fs = std::filesystem;

bool ReadAll(int fd, std::string& bytes) {
  char chunk[65536];
  for (;;) {
    ssize_t n = read(fd, chunk, sizeof chunk);
    if (n > 0) {
      bytes.append(chunk, static_cast<size_t>(n));
    } else if (n == 0) {
      return true;
    } else if (errno != EINTR) {
      return false;
    }
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  if (fd < 0) return false;
  size_t written = 0;
  while (written < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<size_t>(n);
  }
  return true;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  bool complete = ReadAll(fd, bytes);  // fails on a directory, or an I/O error
  close(fd);
  if (!complete) return std::nullopt;
  return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".tmp-" + std::to_string(getpid());
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (ok && rename(temporary.c_str(), path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

bool IsDirectory(const std::optional<std::string>& path) {
  std::error_code ignored;
  return path && fs::is_directory(*path, ignored);
}

bool IsFile(const std::optional<std::string>& path) {
  if (!path) return false;
  std::error_code ignored;
  fs::file_status status = fs::status(*path, ignored);
  return fs::exists(status) && !fs::is_directory(status);
}

bool ItemExists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

bool CreateDirectories(const std::string& path) {
  std::error_code ignored;
  fs::create_directories(path, ignored);
  return fs::is_directory(path, ignored);
}

bool RemoveItem(const std::string& path) {
  std::error_code error;
  // On failure remove_all answers (uintmax_t)-1, which is not a removal.
  std::uintmax_t removed = fs::remove_all(path, error);
  return !error && removed > 0;
}

void CreateEmptyFileIfMissing(const std::string& path) {
  if (ItemExists(path)) return;
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) close(fd);
}

std::optional<uint64_t> SizeOfFileAt(const std::string& path) {
  // A final symbolic link is followed, as the later checks follow it: the
  // link's own few bytes would call the real installer too small.
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

namespace {

int64_t Nanoseconds(const struct timespec& time) {
  return static_cast<int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

std::optional<FileIdentity> IdentityOfFileAt(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
#ifdef __APPLE__
  const struct timespec& modified = info.st_mtimespec;
  const struct timespec& changed = info.st_ctimespec;
#else
  const struct timespec& modified = info.st_mtim;
  const struct timespec& changed = info.st_ctim;
#endif
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                      static_cast<uint64_t>(info.st_size), Nanoseconds(modified),
                      Nanoseconds(changed)};
}

}  // namespace vlmr
