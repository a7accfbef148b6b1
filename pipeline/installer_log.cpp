#include "pipeline/installer_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>

#include "base/files.h"
#include "base/paths.h"
#include "pipeline/host.h"

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

void AppendInstallerLog(const std::string& message) {
  int fd = OpenInstallerLog();
  if (fd < 0) return;
  WriteAll(fd, LogTimestamp() + " [installer] " + message + "\n");
  close(fd);
}

}  // namespace vlmr
