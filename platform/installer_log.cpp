#include "platform/installer_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <mutex>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "platform/app_folders.h"

namespace vlmr {

std::string LogTimestamp() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return std::string(text, length);
}

std::string RunHeader(const std::optional<std::string>& installerPath,
                      const std::optional<std::string>& stageDir) {
  // The file name and the folder are the user's: escaped, so that neither can
  // end the header early or write a line of its own.
  std::string name = installerPath ? LastPathComponent(*installerPath) : "?";
  return "\n==== " + LogTimestamp() + " · " + EscapedForLog(name) + " · " +
         EscapedForLog(stageDir.value_or("")) + "\n";
}

namespace {

// Says once per process why the log cannot be written; the rest goes on.
void SayLogUnusable(const std::string& path, const char* why) {
  static std::once_flag said;
  std::call_once(said, [&] {
    std::string line =
        "warning: the installer log " + EscapedForLog(path) + " " + why + "; going on without it\n";
    (void)!write(STDERR_FILENO, line.data(), line.size());
  });
}

// Opens `path` for appending without blocking (a FIFO would wait for a
// reader) and without following a final symbolic link; keeps it only when
// it is a regular file.
int OpenRegularForAppend(const std::string& path) {
  int fd =
      open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    SayLogUnusable(path, errno == ELOOP || errno == ENXIO || errno == EISDIR
                             ? "is not a regular file"
                             : "cannot be opened for writing");
    return -1;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    SayLogUnusable(path, "is not a regular file");
    return -1;
  }
  // Writes to a regular file wait for the disk as they always do.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool Full(int fd) {
  struct stat info {};
  return fstat(fd, &info) == 0 && static_cast<uint64_t>(info.st_size) >= kInstallerLogLimit;
}

}  // namespace

std::string InstallerLogPrevious(const std::string& logPath) {
  return JoinPath(DeletingLastPathComponent(logPath), "installer.previous.log");
}

int OpenInstallerLog(std::string* path) {
  std::string logPath = AppFolders::Current().installerLog();
  if (path != nullptr) *path = logPath;
  CreateDirectories(DeletingLastPathComponent(logPath));
  // Append mode: the run's handle and the window's event lines share the file,
  // and neither may write over what the other appended.
  return RotatedInstallerLog(OpenRegularForAppend(logPath));
}

int RotatedInstallerLog(int fd) {
  if (fd < 0 || !Full(fd)) return fd;
  close(fd);
  const std::string logPath = AppFolders::Current().installerLog();
  // A rename replaces the previous file in one step; a log that cannot be
  // moved goes on growing rather than being lost.
  rename(logPath.c_str(), InstallerLogPrevious(logPath).c_str());
  return OpenRegularForAppend(logPath);
}

std::optional<std::string> ReadLogTail(const std::string& path, size_t limit) {
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  const auto size = static_cast<uint64_t>(info.st_size);
  const uint64_t from = size > limit ? size - limit : 0;
  std::string tail(static_cast<size_t>(size - from), '\0');
  size_t got = 0;
  while (got < tail.size()) {
    ssize_t n = pread(fd, tail.data() + got, tail.size() - got, static_cast<off_t>(from + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  tail.resize(got);
  if (from > 0) {
    // Cut at a line's start, never inside a line or a character.
    size_t feed = tail.find('\n');
    tail.erase(0, feed == std::string::npos ? tail.size() : feed + 1);
  }
  return tail;
}

void AppendInstallerLog(const std::string& message) {
  int fd = OpenInstallerLog();
  if (fd < 0) return;
  // Messages carry file names and sentences from elsewhere: escaped as a
  // whole, every event stays on its one line.
  WriteAll(fd, LogTimestamp() + " [installer] " + EscapedForLog(message) + "\n");
  close(fd);
}

}  // namespace vlmr
