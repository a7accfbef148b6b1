#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pumped_queue.h"

namespace vlmr::test {

/// The main queue the core tests pump themselves.
PumpedMainQueue& MainQueue();

/// A fresh empty directory under the system's temporary folder, removed when
/// the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  /// `path()` joined with `relative`.
  std::string operator/(const std::string& relative) const;

 private:
  std::string path_;
};

/// Writes `text` to `path`, creating parent folders; `executable` sets mode 0755.
void WriteFile(const std::string& path, const std::string& text, bool executable = false);

/// The whole file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);

/// Sets HOME for the life of the object and restores it afterwards.
class ScopedHome {
 public:
  explicit ScopedHome(const std::string& home);
  ~ScopedHome();

 private:
  std::string saved_;
  bool hadHome_;
};

/// Root of the source tree and of the build tree.
std::string SourceDir();
std::string BinaryDir();

/// The build tree's bundle helpers: the stand-in tools and the build
/// supervisor. A test bundle links its Contents/Helpers here.
std::string BundledHelpersDir();

/// A sparse file of `size` bytes that starts with `head`.
void WriteSparseFile(const std::string& path, uint64_t size, const std::string& head);

/// Every item under `root` as "relative-path kind [contents or link target]",
/// sorted: two equal listings mean nothing on disk changed.
std::vector<std::string> TreeListing(const std::string& root);

}  // namespace vlmr::test
