#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vlmr {

/// The current local time as "yyyy-MM-dd HH:mm:ss".
std::string LogTimestamp();

/// The header written before a windowed build's output: an empty line, then
/// "==== <date> · <installer file name or ?> · <output directory>", the name
/// and the directory through EscapedForLog.
std::string RunHeader(const std::optional<std::string>& installerPath,
                      const std::optional<std::string>& stageDir);

/// The size at which the installer log is moved aside to
/// `InstallerLogPrevious` (replacing the one there) and started anew: the
/// two together never hold much more than twice this, however chatty the
/// builds, one long build included.
inline constexpr uint64_t kInstallerLogLimit = 8ull * 1024 * 1024;

/// Where the installer log is moved when it reaches `kInstallerLogLimit`:
/// "installer.previous.log" beside it.
std::string InstallerLogPrevious(const std::string& logPath);

/// Opens the installer log (AppFolders::installerLog) for appending, creating
/// its folder and the file when missing, and moving it aside first when it
/// has reached `kInstallerLogLimit`. Never blocks: only a regular file is
/// opened (not a symbolic link, a FIFO, a device or a folder). Returns the
/// descriptor, or -1 when it cannot be opened; the first time that happens
/// in a process, one sentence on standard error says why, and everything
/// goes on without the log.
int OpenInstallerLog(std::string* path = nullptr);

/// Moves the log open at `fd` aside when it has reached `kInstallerLogLimit`
/// and returns a descriptor of the fresh log (closing `fd`), else `fd`.
int RotatedInstallerLog(int fd);

/// The last `limit` bytes at most of the regular file at `path`, starting at
/// a line's start (after the first line feed of the tail when it is cut);
/// nothing for anything but a regular file. Opens without blocking.
std::optional<std::string> ReadLogTail(const std::string& path, size_t limit);

/// The event line of a build whose supervisor stopped waiting for processes
/// that refused even SIGKILL: they were left running, the folders released.
inline constexpr char kRefusingProcessesLogLine[] =
    "build: processes of the build refused to be stopped (not permitted) and were left running; "
    "its folders are released";

/// The event line of a build whose supervisor ended without ending the build
/// (killed, or not answering): the installer ended the script's process group
/// itself, and the script's exit status is unknown.
inline constexpr char kSupervisorLostLogLine[] =
    "build: the build's supervisor ended unexpectedly; the installer stopped the build's "
    "processes itself and reports the build as failed";

/// Appends one time-stamped event line "<date> [installer] <message>" to the
/// installer log, opening and closing it on every call. The message is written
/// through EscapedForLog, so whatever it holds, it stays one line. Failures
/// are silent.
void AppendInstallerLog(const std::string& message);

}  // namespace vlmr
