#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vlmr {

/// The text without the whitespace and line-end characters (the Unicode space
/// separators, tab, LF, VT, FF, CR, U+0085, U+2028, U+2029) at either end.
std::string Trimmed(const std::string& text);

/// YES when something exists at `path` and it is a directory (a final symbolic
/// link is followed). NO for an unset path.
bool IsDirectory(const std::optional<std::string>& path);

/// YES when something exists at `path` and it is not a directory (a final
/// symbolic link is followed; a dangling link is nothing). NO for an unset path.
bool IsFile(const std::optional<std::string>& path);

/// The user's home directory with `relative` appended as path components.
std::string HomePath(const std::string& relative);

/// Runs `tool` with `arguments`, standard input from the null device and
/// standard output and error in one pipe; waits for it and returns its
/// termination status (exit code or signal number), or -1 when it cannot be
/// launched. When `output` is given, the trimmed output (UTF-8, else ISO
/// Latin-1) is stored there, unless the launch failed.
int32_t RunCapturing(const std::string& tool, const std::vector<std::string>& arguments,
                     std::string* output = nullptr);

}  // namespace vlmr
