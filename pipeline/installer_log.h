#pragma once

#include <optional>
#include <string>

namespace vlmr {

/// The installer log: "Library/Logs/Velmora 3000/installer.log" under home.
std::string InstallerLogPath();

/// The current local time as "yyyy-MM-dd HH:mm:ss".
std::string LogTimestamp();

/// The header written before a windowed build's output: an empty line, then
/// "==== <date> · <installer file name or ?> · <output directory>".
std::string RunHeader(const std::optional<std::string>& installerPath,
                      const std::optional<std::string>& stageDir);

/// Opens the installer log for appending, creating its folder and the file
/// when missing. Returns the descriptor, or -1 when it cannot be opened.
int OpenInstallerLog(std::string* path = nullptr);

/// Appends one time-stamped event line "<date> [installer] <message>" to the
/// installer log, opening and closing it on every call. Failures are silent.
void AppendInstallerLog(const std::string& message);

}  // namespace vlmr
