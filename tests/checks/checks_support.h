#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pumped_queue.h"
#include "platform/system_tools.h"

namespace vlmr::checks_test {

/// A fresh empty directory under the system's temporary folder, removed with
/// everything in it when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  /// `path()` joined with `relative`.
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

 private:
  std::string path_;
};

/// Writes `text` to `path`, creating parent folders; `executable` sets mode 0755.
void WriteFile(const std::string& path, const std::string& text, bool executable = false);

/// The whole file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);

/// A sparse file of `size` bytes that starts with `head`.
void WriteSparseFile(const std::string& path, uint64_t size, const std::string& head);

/// Every item under `root` as "relative-path kind [contents or link target]",
/// sorted: two equal listings mean nothing on disk changed.
std::vector<std::string> TreeListing(const std::string& root);

/// Sets HOME for the life of the object and restores it afterwards.
class ScopedHome {
 public:
  explicit ScopedHome(const std::string& home);
  ~ScopedHome();

 private:
  std::string saved_;
  bool hadHome_;
};

/// Fake tools as small shell scripts, installed as the process-wide tool table
/// for the life of the object. Every fake appends "name arguments..." to one
/// run log before doing its part, so tests see which tools ran, in what order.
class FakeTools {
 public:
  FakeTools();
  ~FakeTools();

  /// Writes a fake that logs its run and then runs `body` (shell), and returns
  /// its path.
  std::string make(const std::string& name, const std::string& body);
  /// A path where no tool exists.
  std::string missing() const { return dir_ / "no-such-tool"; }
  /// The runs so far, one "name arguments..." line each.
  std::vector<std::string> runs() const;
  /// The run log as written (arguments may span lines).
  std::string runLog() const;
  /// The table the fakes go into; `install()` makes it the process-wide one.
  SystemTools& table() { return table_; }
  void install() const { SetTools(table_); }
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  SystemTools saved_;
  SystemTools table_;
};

/// The main queue these tests pump themselves (installed by their main()).
PumpedMainQueue& MainQueue();

/// The source tree (for the Linux stand-ins).
std::string SourceDir();

}  // namespace vlmr::checks_test
