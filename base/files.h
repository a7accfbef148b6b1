#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vlmr {

/// Reads `fd` to its end into `bytes`, retrying interrupted reads. Returns
/// false on a read error; `bytes` then holds what came before it.
bool ReadAll(int fd, std::string& bytes);

/// Writes all of `bytes` to `fd`, retrying interrupted and partial writes.
/// Returns whether every byte was written (false for a negative `fd`).
bool WriteAll(int fd, std::string_view bytes);

/// The whole contents of the file at `path`, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

/// Writes `bytes` to a temporary sibling and renames it over `path`, so
/// readers see the old or the new contents, never a part. Returns success.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

/// true when something exists at `path` and it is a directory (a final symbolic
/// link is followed). false for an unset path.
bool IsDirectory(const std::optional<std::string>& path);

/// true when something exists at `path` and it is not a directory (a final
/// symbolic link is followed; a dangling link is nothing). false for an unset path.
bool IsFile(const std::optional<std::string>& path);

/// true when anything is at `path` itself; a final symbolic link is not
/// followed, so a dangling one counts.
bool ItemExists(const std::string& path);

/// Creates `path` and its missing parents. Returns whether it exists afterwards.
bool CreateDirectories(const std::string& path);

/// Removes whatever is at `path`, recursively, without following links.
/// Returns whether something was removed.
bool RemoveItem(const std::string& path);

/// Creates an empty file at `path` when nothing is there (failures ignored).
void CreateEmptyFileIfMissing(const std::string& path);

/// The size of the file `path` leads to (a final symbolic link followed), or
/// none when its attributes cannot be read.
std::optional<uint64_t> SizeOfFileAt(const std::string& path);

/// Which file a path leads to and which state of it: the same identity means
/// the same file, unchanged as far as the system can tell (a rewrite in place
/// moves its change time, which nobody can set back).
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t size = 0;
  int64_t modifiedNanoseconds = 0;
  int64_t changedNanoseconds = 0;
  /// Both name the same file in the same state.
  bool operator==(const FileIdentity&) const = default;
};

/// The identity of the file `path` leads to (a final symbolic link followed),
/// or none when its attributes cannot be read.
std::optional<FileIdentity> IdentityOfFileAt(const std::string& path);

}  // namespace vlmr
