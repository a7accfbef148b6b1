#pragma once

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

/// Opens the installer log (AppFolders::installerLog) for appending, creating
/// its folder and the file when missing. Returns the descriptor, or -1 when it
/// cannot be opened.
int OpenInstallerLog(std::string* path = nullptr);

/// The event line of a build whose supervisor stopped waiting for processes
/// that refused even SIGKILL: they were left running, the folders released.
inline constexpr char kRefusingProcessesLogLine[] =
    "build: processes of the build refused to be stopped (not permitted) and were left running; "
    "its folders are released";

/// Appends one time-stamped event line "<date> [installer] <message>" to the
/// installer log, opening and closing it on every call. The message is written
/// through EscapedForLog, so whatever it holds, it stays one line. Failures
/// are silent.
void AppendInstallerLog(const std::string& message);

}  // namespace vlmr
