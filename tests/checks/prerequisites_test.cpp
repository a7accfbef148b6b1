#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "checks/prerequisites.h"
#include "platform/app_folders.h"
#include "tests/support/fake_tools.h"

namespace vlmr {
namespace {

using test::FakeTools;
using test::ReadFile;
using test::ScopedHome;
using test::TempDir;
using test::WriteFile;

const std::string kTools = kMissingCommandLineTools;
const std::string kPython = kMissingPython;
const std::string kSelectRun = "xcode-select -p";
const std::string kXcrunRun = "xcrun -f clang";
const std::string kPythonRun = std::string("python3 -c ") + kPythonProbeScript;

struct ProbeRow {
  bool select, xcrun, nameToolExecutable, python;
  std::vector<std::string> runs;
  std::vector<std::string> missing;
};

// Fakes that pass or fail as the row says; install_name_tool is a file whose
// executable bit decides the file test.
void InstallProbeFakes(FakeTools& fakes, const ProbeRow& row) {
  auto exitWith = [](bool ok) { return ok ? "exit 0" : "exit 1"; };
  fakes.table().xcodeSelect = fakes.make("xcode-select", exitWith(row.select));
  fakes.table().xcrun = fakes.make("xcrun", exitWith(row.xcrun));
  fakes.table().python3 = fakes.make("python3", exitWith(row.python));
  std::string nameTool = fakes.dir() / "bin/install_name_tool";
  WriteFile(nameTool, "#!/bin/sh\nexit 0\n", row.nameToolExecutable);
  fakes.table().installNameTool = nameTool;
  fakes.install();
}

// Without the tools a Mac's python3 is Apple's shim, which puts up the
// system's install dialog when run: it is reported missing, never run.
TEST(PrerequisiteProbe, RunsEachProbeOnlyWhenDueAndNeverPythonWithoutTheTools) {
  const ProbeRow rows[] = {
      {false, false, false, true, {kSelectRun}, {kTools, kPython}},
      {false, false, false, false, {kSelectRun}, {kTools, kPython}},
      {true, false, false, true, {kSelectRun, kXcrunRun, kPythonRun}, {kTools}},
      {true, false, false, false, {kSelectRun, kXcrunRun, kPythonRun}, {kTools, kPython}},
      {true, true, false, true, {kSelectRun, kXcrunRun, kPythonRun}, {kTools}},
      {true, true, false, false, {kSelectRun, kXcrunRun, kPythonRun}, {kTools, kPython}},
      {true, true, true, false, {kSelectRun, kXcrunRun, kPythonRun}, {kPython}},
      {true, true, true, true, {kSelectRun, kXcrunRun, kPythonRun}, {}},
  };
  for (const ProbeRow& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "select " << row.select << " xcrun " << row.xcrun << " name tool "
                 << row.nameToolExecutable << " python " << row.python);
    FakeTools fakes;
    InstallProbeFakes(fakes, row);
    EXPECT_EQ(PrerequisiteProbe().prerequisiteProblems(), row.missing);
    EXPECT_EQ(fakes.runs(), row.runs);
  }
}

TEST(PrerequisiteProbe, AbsentToolsAreMissingPrerequisitesNotErrors) {
  FakeTools fakes;  // every entry names a tool that does not exist
  fakes.table().xcrun.clear();
  fakes.table().installNameTool.clear();
  fakes.install();
  EXPECT_FALSE(PrerequisiteProbe().hasCommandLineTools());
  EXPECT_EQ(PrerequisiteProbe().prerequisiteProblems(),
            (std::vector<std::string>{kTools, kPython}));
}

TEST(PrerequisiteProbe, CheckLogsExactlyOneLineNamingWhatIsMissing) {
  struct Row {
    bool toolsOk, pythonOk;
    std::string line;
  };
  const Row rows[] = {
      {true, true, "prerequisites: ok (Xcode Command Line Tools, clang, /usr/bin/python3)"},
      {false, false,
       "prerequisites: missing Xcode Command Line Tools (clang, install_name_tool), the Python 3 "
       "that comes with the Xcode Command Line Tools"},
      {true, false,
       "prerequisites: missing the Python 3 that comes with the Xcode Command Line Tools"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    TempDir home;
    ScopedHome scopedHome(home.path());
    FakeTools fakes;
    InstallProbeFakes(fakes, {row.toolsOk, row.toolsOk, row.toolsOk, row.pythonOk, {}, {}});
    std::vector<std::string> missing = PrerequisiteProbe().checkPrerequisites().missing;
    EXPECT_EQ(missing.empty(), row.toolsOk && row.pythonOk);
    std::string log = ReadFile(AppFolders::Current().installerLog());
    // One line: "<yyyy-MM-dd HH:mm:ss> [installer] <message>\n".
    ASSERT_EQ(log.size(), 19 + std::string(" [installer] ").size() + row.line.size() + 1) << log;
    EXPECT_EQ(log.substr(19), " [installer] " + row.line + "\n");
  }
}

// The welcome page's Python row: the lighter, version-only test, asked only
// when the full probe failed, and never without the tools.
TEST(PrerequisiteProbe, CheckTellsThePythonRowWithoutRunningTheShim) {
  const std::string kVersionRun = std::string("python3 -c ") + kPythonVersionScript;
  struct Row {
    bool tools;
    const char* python;  // the fake interpreter: fails the venv import, or every script
    bool ready;
    std::vector<std::string> runs;
  };
  const Row rows[] = {
      {true, "exit 0", true, {kSelectRun, kXcrunRun, kPythonRun}},
      {true,
       "case \"$2\" in *venv*) exit 1;; esac; exit 0",
       true,
       {kSelectRun, kXcrunRun, kPythonRun, kVersionRun}},
      {true, "exit 1", false, {kSelectRun, kXcrunRun, kPythonRun, kVersionRun}},
      {false, "exit 0", false, {kSelectRun}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "tools " << row.tools << " python " << row.python);
    TempDir home;
    ScopedHome scopedHome(home.path());
    FakeTools fakes;
    InstallProbeFakes(fakes, {row.tools, true, true, true, {}, {}});
    fakes.table().python3 = fakes.make("python3", row.python);
    fakes.install();
    PrerequisiteReport report = PrerequisiteProbe().checkPrerequisites();
    EXPECT_EQ(report.pythonReady, row.ready);
    EXPECT_EQ(fakes.runs(), row.runs);
  }
}

// Xcode installed but its license not accepted: xcode-select -p passes, and
// xcrun and the python3 shim refuse with Apple's license text. The verdict
// stays what it was; the hint says how to accept, and nothing else does.
TEST(PrerequisiteProbe, TheLicenseRefusalGivesTheAcceptHintAndNothingElse) {
  const std::string kRefusal =
      "echo 'You have not agreed to the Xcode license agreements, please run \"sudo "
      "xcodebuild -license\" from within a Terminal window to review and agree to the Xcode "
      "license agreements.' >&2; exit 69";
  const std::string kAdminRefusal =
      "echo 'Agreeing to the Xcode/iOS license requires admin privileges, please run "
      "\"sudo xcodebuild -license\" and then retry this command.'; exit 69";
  const std::string kNoClang = "echo 'xcrun: error: unable to find utility \"clang\"' >&2; exit 72";
  struct Row {
    std::string xcrun, python;
    std::vector<std::string> missing;
    std::string hint;
  };
  const std::string kAccept =
      "Accept Xcode's license first: open Xcode once, or run sudo xcodebuild -license accept.";
  const Row rows[] = {
      {kRefusal, kRefusal, {kTools, kPython}, kAccept},
      {kAdminRefusal, kAdminRefusal, {kTools, kPython}, kAccept},
      {"exit 0", kRefusal, {kPython}, kAccept},
      {kNoClang, "exit 0", {kTools}, ""},
      {kNoClang, "echo 'license expired for another product'; exit 1", {kTools, kPython}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.xcrun + " | " + row.python);
    TempDir home;
    ScopedHome scopedHome(home.path());
    FakeTools fakes;
    InstallProbeFakes(fakes, {true, true, true, true, {}, {}});
    fakes.table().xcrun = fakes.make("xcrun", row.xcrun);
    fakes.table().python3 = fakes.make("python3", row.python);
    fakes.install();
    PrerequisiteReport report = PrerequisiteProbe().checkPrerequisites();
    EXPECT_EQ(report.missing, row.missing);
    EXPECT_EQ(report.hint.english(), row.hint);
    EXPECT_EQ(PrerequisitesLogLine(report.missing).find("license"), std::string::npos);
  }
}

TEST(PrerequisiteProbe, InstallRequestPicksTheHintByHowXcodeSelectWent) {
  struct Row {
    const char* body;  // nullptr: no tool there
    InstallRequestOutcome outcome;
    std::string hint;
  };
  const Row rows[] = {
      {"exit 0", InstallRequestOutcome::PromptShown,
       "Follow Apple's prompt, then choose Check again when it finishes."},
      {"exit 1", InstallRequestOutcome::AlreadyUnderway,
       "Apple says the tools may already be installed or being installed. Choose Check again."},
      {nullptr, InstallRequestOutcome::NotStarted,
       "macOS could not open the installation. Run xcode-select --install in Terminal."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.hint);
    FakeTools fakes;
    if (row.body != nullptr) fakes.table().xcodeSelect = fakes.make("xcode-select", row.body);
    fakes.install();
    InstallRequestOutcome outcome = PrerequisiteProbe().installCommandLineTools();
    EXPECT_EQ(outcome, row.outcome);
    EXPECT_EQ(std::string(InstallHintText(outcome).source), row.hint);
    if (row.body != nullptr) {
      EXPECT_EQ(fakes.runs(), std::vector<std::string>{"xcode-select --install"});
    }
  }
}

// Apple's installer speaks to the user through the installer's own output,
// which must not be swallowed by a capture pipe.
TEST(PrerequisiteProbe, InstallRequestWritesToTheInstallersOwnOutput) {
  FakeTools fakes;
  fakes.table().xcodeSelect = fakes.make("xcode-select", "echo 'follow the prompt'; exit 0");
  fakes.install();
  std::string captured = fakes.dir() / "stdout.txt";
  std::fflush(stdout);
  int saved = dup(1);
  FILE* file = std::fopen(captured.c_str(), "w");
  ASSERT_NE(file, nullptr);
  dup2(fileno(file), 1);
  InstallRequestOutcome outcome = PrerequisiteProbe().installCommandLineTools();
  dup2(saved, 1);
  close(saved);
  std::fclose(file);
  EXPECT_EQ(outcome, InstallRequestOutcome::PromptShown);
  EXPECT_EQ(ReadFile(captured), "follow the prompt\n");
}

}  // namespace
}  // namespace vlmr
