#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system_tools.h"
#include "tests/core/test_support.h"

namespace vlmr::checks_test {

// The shared helpers, under the names these tests use.
using test::MainQueue;
using test::ReadFile;
using test::ScopedHome;
using test::SourceDir;
using test::TempDir;
using test::WriteFile;

/// A sparse file of `size` bytes that starts with `head`.
void WriteSparseFile(const std::string& path, uint64_t size, const std::string& head);

/// Every item under `root` as "relative-path kind [contents or link target]",
/// sorted: two equal listings mean nothing on disk changed.
std::vector<std::string> TreeListing(const std::string& root);

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

}  // namespace vlmr::checks_test
