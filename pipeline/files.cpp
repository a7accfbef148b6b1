#include "pipeline/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace vlmr {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  for (;;) {
    ssize_t n = read(fd, chunk, sizeof chunk);
    if (n > 0) {
      bytes.append(chunk, static_cast<size_t>(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      close(fd);
      return std::nullopt;  // a directory, or an I/O error
    }
  }
  close(fd);
  return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".tmp-" + std::to_string(getpid());
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t written = 0;
  while (written < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  bool ok = written == bytes.size() && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (ok && rename(temporary.c_str(), path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
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
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0) return;
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) close(fd);
}

}  // namespace vlmr
