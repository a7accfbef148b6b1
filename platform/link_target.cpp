#include "platform/link_target.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "base/paths.h"

#if defined(__APPLE__)
#include "platform/mac/alias_file.h"
#endif

namespace vlmr {

namespace {

namespace fs = std::filesystem;

// The path with "." and ".." taken out as written, without a trailing "/".
std::string Lexical(const std::string& path) {
  std::string normal = fs::path(path).lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

// The path as the file system resolves it: its longest existing leading part
// through realpath, the rest as written. A link that dangles still resolves
// its folders.
std::string Physical(const std::string& path) {
  fs::path rest;
  fs::path existing = fs::path(Lexical(path));
  while (!existing.empty()) {
    char resolved[PATH_MAX];
    if (realpath(existing.c_str(), resolved) != nullptr) {
      return Lexical((fs::path(resolved) / rest).string());
    }
    if (existing == existing.root_path()) break;
    rest = existing.filename() / rest;
    existing = existing.parent_path();
  }
  return Lexical(path);
}

bool StartsWithFolder(const std::string& path, const std::string& folder) {
  if (folder.empty()) return false;
  if (path == folder) return true;
  const std::string prefix = folder == "/" ? folder : folder + "/";
  return path.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::optional<std::string> LinkTarget(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return std::nullopt;
  if (S_ISLNK(info.st_mode)) {
    std::vector<char> target(static_cast<size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
    ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<size_t>(length) >= target.size()) return std::nullopt;
    std::string text(target.data(), static_cast<size_t>(length));
    if (text.front() == '/') return text;
    return JoinPath(DeletingLastPathComponent(path), text);
  }
#if defined(__APPLE__)
  // A Finder alias is a plain file holding a bookmark.
  if (S_ISREG(info.st_mode)) return MacAliasOriginal(path);
#endif
  return std::nullopt;
}

bool LiesWithin(const std::string& path, const std::string& folder) {
  return StartsWithFolder(Lexical(path), Lexical(folder)) ||
         StartsWithFolder(Physical(path), Physical(folder));
}

}  // namespace vlmr
