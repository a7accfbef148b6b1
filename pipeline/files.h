#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vlmr {

/// The whole contents of the file at `path`, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

/// Writes `bytes` to a temporary sibling and renames it over `path`, so
/// readers see the old or the new contents, never a part. Returns success.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

/// Creates `path` and its missing parents. Returns whether it exists afterwards.
bool CreateDirectories(const std::string& path);

/// Removes whatever is at `path`, recursively, without following links.
/// Returns whether something was removed.
bool RemoveItem(const std::string& path);

/// Creates an empty file at `path` when nothing is there (failures ignored).
void CreateEmptyFileIfMissing(const std::string& path);

}  // namespace vlmr
