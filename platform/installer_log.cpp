#include "platform/installer_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <ctime>

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

int OpenInstallerLog(std::string* path) {
  std::string logPath = AppFolders::Current().installerLog();
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
  // Messages carry file names and sentences from elsewhere: escaped as a
  // whole, every event stays on its one line.
  WriteAll(fd, LogTimestamp() + " [installer] " + EscapedForLog(message) + "\n");
  close(fd);
}

}  // namespace vlmr
