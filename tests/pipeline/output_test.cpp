#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <regex>

#include "base/files.h"
#include "pipeline/line_protocol.h"
#include "pipeline/output_lines.h"
#include "platform/installer_log.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using test::ReadFile;
using test::TempDir;

// Everything the line splitter reported for some output.
struct Seen {
  std::vector<std::string> lines;
  std::vector<std::string> events;  // stage calls and lines, in order
  std::optional<std::string> appPath, errorMessage;
};

Seen Feed(const std::vector<std::string>& chunks, bool flush = true) {
  Seen seen;
  BuildEvents events;
  events.line = [&](const std::string& line) {
    seen.lines.push_back(line);
    seen.events.push_back("line:" + line);
  };
  events.stage = [&](int64_t n, int64_t m, const std::string& name) {
    seen.events.push_back("stage:" + std::to_string(n) + "/" + std::to_string(m) + "[" + name +
                          "]");
  };
  OutputLines output(events);
  for (const std::string& chunk : chunks) output.consume(chunk);
  if (flush) output.finish();
  seen.appPath = output.appPath();
  seen.errorMessage = output.errorMessage();
  return seen;
}

std::vector<std::string> Stages(const Seen& seen) {
  std::vector<std::string> stages;
  for (const std::string& event : seen.events) {
    if (event.starts_with("stage:")) stages.push_back(event);
  }
  return stages;
}

TEST(StageLines, FollowTheGrammarExactly) {
  struct Case {
    std::string afterPrefix;
    std::vector<std::string> stages;
  } cases[] = {
      {"2/6 Unpack game files", {"stage:2/6[Unpack game files]"}},
      {"3/6", {}},
      {"3/6 ", {"stage:3/6[]"}},
      {"3/6  Compile", {"stage:3/6[ Compile]"}},
      {"3-6 Compile", {}},
      {"1/2/3 Compile", {}},
      {"x/y Compile", {"stage:0/0[Compile]"}},
      {" 3/6 Compile", {}},
      {"+4/-9 Sign", {"stage:4/-9[Sign]"}},
      {"7x/9 Link", {"stage:7/9[Link]"}},
      {"4/9 Package\r", {"stage:4/9[Package\r]"}},
      {"99999999999999999999/9 Big", {"stage:9223372036854775807/9[Big]"}},
  };
  for (const Case& c : cases) {
    Seen seen = Feed({"##stage " + c.afterPrefix + "\n"});
    EXPECT_EQ(Stages(seen), c.stages) << c.afterPrefix;
    EXPECT_EQ(seen.lines.size(), 1u) << c.afterPrefix;  // every line is reported
  }
  EXPECT_EQ(IntegerValue("  \t-12abc"), -12);
}

TEST(ProtocolLines, DonePrefixesAndErrorsAreMatchedCaseSensitivelyAtTheStart) {
  struct Case {
    std::string output;
    std::optional<std::string> appPath, errorMessage;
  } cases[] = {
      {"##done /out/Velmora 3000.app\n", "/out/Velmora 3000.app", std::nullopt},
      {"##done  /spaced/app.app \r\n", "/spaced/app.app", std::nullopt},
      {"##done \n", "", std::nullopt},
      {"##DONE /x\n", std::nullopt, std::nullopt},
      {" ##done /x\n", std::nullopt, std::nullopt},
      {"##done/x\n", std::nullopt, std::nullopt},
      {"##error first\n##error  second sentence. \n", std::nullopt, "second sentence."},
      {"##done /a\n##done /b\n", "/b", std::nullopt},
  };
  for (const Case& c : cases) {
    Seen seen = Feed({c.output});
    EXPECT_EQ(seen.appPath, c.appPath) << c.output;
    EXPECT_EQ(seen.errorMessage, c.errorMessage) << c.output;
  }
}

TEST(LineSplitting, OnlyLineFeedsEndLinesWhateverTheChunking) {
  struct Case {
    std::vector<std::string> chunks;
    bool flush;
    std::vector<std::string> lines;
  } cases[] = {
      {{"one\ntwo"}, false, {"one"}},
      {{"one\ntwo"}, true, {"one", "two"}},
      {{"one\n"}, true, {"one"}},  // no extra empty line
      {{"spl", "it li", "ne\n"}, true, {"split line"}},
      {{"a\n\nb\n"}, true, {"a", "", "b"}},
      {{"win\r\n"}, true, {"win\r"}},
      {{"50%\r75%\r100%\n"}, true, {"50%\r75%\r100%"}},
      {{"caf\xe9\n", "ok \xc3\xa9\n"}, true, {"caf\u00e9", "ok \u00e9"}},
      {{""}, true, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Feed(c.chunks, c.flush).lines, c.lines);
}

TEST(LineSplitting, StageCallComesBeforeItsLine) {
  Seen seen = Feed({"##stage 1/9 Unpack\n"});
  EXPECT_EQ(seen.events,
            (std::vector<std::string>{"stage:1/9[Unpack]", "line:##stage 1/9 Unpack"}));
}

TEST(LineSplitting, UnterminatedFloodIsCutAtACharacterBoundaryInsteadOfGrowing) {
  std::string flood;
  while (flood.size() < OutputLines::kMaxLineBytes * 2 + 100) flood += "\u20ac";  // 3-byte characters
  std::vector<std::string> chunks;
  for (size_t at = 0; at < flood.size(); at += 4096) chunks.push_back(flood.substr(at, 4096));
  Seen seen = Feed(chunks, false);
  ASSERT_EQ(seen.lines.size(), 2u);
  std::string joined;
  for (const std::string& line : seen.lines) {
    EXPECT_LE(line.size(), OutputLines::kMaxLineBytes);
    EXPECT_EQ(line.size() % 3, 0u);  // no character cut in two
    joined += line;
  }
  Seen flushed = Feed(chunks, true);
  ASSERT_EQ(flushed.lines.size(), 3u);
  EXPECT_EQ(flushed.lines[0] + flushed.lines[1] + flushed.lines[2], flood);
}

// The run's output and the installer's event lines share one log: appended,
// byte for byte, in the order they were written.
TEST(OutputLines, ShareTheInstallerLogWithEventLinesByteForByte) {
  const TempDir home;
  const test::ScopedHome scoped(home.path());
  AppendInstallerLog("app launched");
  std::string path;
  int log = OpenInstallerLog(&path);
  ASSERT_GE(log, 0);
  EXPECT_EQ(path, home / "Library/Logs/Velmora 3000/installer.log");
  WriteAll(log, RunHeader("/Users/p/Downloads/setup_x.exe", "/tmp/stage"));
  OutputLines output(BuildEvents{}, log);
  output.consume("caf\xe9\n##stage 1/9 Unpack\r\n");
  // Appended, never overwritten; a line end inside an event is escaped, so
  // the event stays one line.
  AppendInstallerLog("between\nlines");
  output.consume("tail");
  output.finish();
  close(log);

  std::string stamp = "\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}";
  std::regex expected(stamp + " \\[installer\\] app launched\n" + "\n==== " + stamp +
                      " · setup_x\\.exe · /tmp/stage\n" + "caf\u00e9\n##stage 1/9 Unpack\r\n" +
                      stamp + " \\[installer\\] between\\\\nlines\n" + "tail\n");
  std::string text = ReadFile(path);
  EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

}  // namespace
}  // namespace vlmr
