#include <gtest/gtest.h>

#include <regex>

#include "platform/installer_log.h"

namespace vlmr {
namespace {

// A file or folder name with a line end in it cannot write a line of its own
// into the log, nor end the header early.
TEST(InstallerLog, NamesInTheRunHeaderCannotForgeLines) {
  const std::string header =
      RunHeader("/d/a.exe\n2024-01-01 00:00:00 [installer] build finished", "/out\r\nx");
  std::regex expected(
      "\n==== \\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} · "
      "a\\.exe\\\\n2024-01-01 00:00:00 \\[installer\\] build finished · /out\\\\r\\\\nx\n");
  EXPECT_TRUE(std::regex_match(header, expected)) << header;
}

TEST(InstallerLog, UnsetPathsShowQuestionMarkAndEmptyDirectory) {
  std::regex expected("\n==== \\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} · \\? · \n");
  std::string header = RunHeader(std::nullopt, std::nullopt);
  EXPECT_TRUE(std::regex_match(header, expected)) << header;
}

}  // namespace
}  // namespace vlmr
