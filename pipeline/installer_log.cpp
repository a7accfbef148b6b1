#include "pipeline/installer_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "pipeline/files.h"
#include "pipeline/host.h"
#include "platform/bundle.h"

namespace vlmr {

std::string InstallerLogPath() {
  return HomePath("Library/Logs/Velmora 3000/installer.log");
}

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
  std::string name = installerPath ? LastPathComponent(*installerPath) : "?";
  return "\n==== " + LogTimestamp() + " · " + name + " · " + stageDir.value_or("") + "\n";
}

int OpenInstallerLog(std::string* path) {
  std::string logPath = InstallerLogPath();
  if (path != nullptr) *path = logPath;
  CreateDirectories(DeletingLastPathComponent(logPath));
  CreateEmptyFileIfMissing(logPath);
  // Append mode: the run's handle and the window's event lines share the file,
  // and neither may write over what the other appended.
  return open(logPath.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
}

void WriteAll(int fd, const std::string& bytes) {
  if (fd < 0) return;
  size_t written = 0;
  while (written < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    written += static_cast<size_t>(n);
  }
}

void AppendInstallerLog(const std::string& message) {
  int fd = OpenInstallerLog();
  if (fd < 0) return;
  WriteAll(fd, LogTimestamp() + " [installer] " + message + "\n");
  close(fd);
}

}  // namespace vlmr
