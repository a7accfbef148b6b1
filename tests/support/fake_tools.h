#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system_tools.h"
#include "tests/support/test_support.h"

namespace vlmr::test {

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

}  // namespace vlmr::test
