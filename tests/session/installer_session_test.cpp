#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/pipeline.h"
#include "session/app_paths.h"
#include "session/build_advice.h"
#include "session/installer_session.h"

namespace vlmr {
namespace {

constexpr char kToolsAdvice[] =
    "The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then "
    "reopen this installer.";
constexpr char kDiskAdvice[] = "Your disk is full. Free about 5 GB, then build again.";
constexpr char kSomethingWrong[] = "Something went wrong while building the app.";

using Step = std::function<void(InstallerSession&)>;

// What the window shows of a session: the verdict line, "Build", the phase
// and the app paths.
struct Seen {
  std::string verdict;
  bool verdictIsError = false;
  bool usable = false;
  BuildPhase phase = BuildPhase::Idle;
  std::optional<std::string> built, installed;
  bool operator==(const Seen&) const = default;
};

Seen Shows(std::string verdict, bool error, bool usable, BuildPhase phase = BuildPhase::Idle,
           std::optional<std::string> built = {}, std::optional<std::string> installed = {}) {
  return {std::move(verdict), error, usable, phase, std::move(built), std::move(installed)};
}

Seen Look(const InstallerSession& session) {
  return {session.selection().verdict.english(),
          session.selection().verdictIsError,
          session.selection().usable,
          session.buildPhase(),
          session.appPaths().builtAppPath,
          session.appPaths().installedAppPath};
}

Step Select(std::string path) {
  return [path](InstallerSession& s) { s.select(path); };
}
// The verdict for the selection `back` selections ago (0: the latest).
Step Verdict(uint64_t back, std::string summary, bool usable) {
  return [=](InstallerSession& s) {
    const bool applied =
        s.applyVerdict(s.selection().generation - back, Message::Verbatim(summary), usable);
    EXPECT_EQ(applied, back == 0) << summary;
  };
}
Step Start() {
  return [](InstallerSession& s) { s.buildStarted("/logs/installer.log"); };
}
// A report as the pipeline gives it at the end of a run that started.
BuildReport Ended(int32_t status, std::optional<std::string> app = {}, bool appIsFolder = false,
                  bool cancelled = false, std::optional<std::string> error = {},
                  bool outOfSpace = false) {
  BuildReport report;
  report.status = status;
  report.appPath = std::move(app);
  report.appIsFolder = appIsFolder;
  report.cancelled = cancelled;
  report.errorMessage = std::move(error);
  report.outOfSpace = outOfSpace;
  return report;
}
// A report of a build that could not start, saying `why`.
BuildReport NotStarted(std::string why, std::optional<std::string> error = {}) {
  BuildReport report = Ended(-1, {}, false, false, std::move(error));
  if (!why.empty())
    report.startFailure = Message::Verbatim(std::move(why));
  else
    report.startFailure = Message();
  return report;
}
Step Finish(BuildReport report) {
  return [=](InstallerSession& s) { s.buildEnded(report); };
}

struct FlowRow {
  const char* name;
  std::vector<Step> steps;
  Seen seen;
};

// Each row runs its steps on a fresh session and compares what the window
// would show afterwards.
TEST(InstallerSessionTest, TransitionsLeaveTheWindowInTheRightState) {
  const std::string app = "/stage/Velmora 3000.app";
  const FlowRow rows[] = {
      {"nothing chosen", {}, Shows("", false, false)},
      {"checking", {Select("/d/setup.exe")}, Shows("Checking setup.exe…", false, false)},
      {"usable", {Select("/d/a.exe"), Verdict(0, "ok", true)}, Shows("ok", false, true)},
      {"rejected",
       {Select("/d/a.exe"), Verdict(0, "too small", false)},
       Shows("too small", true, false)},
      // The line keeps its red while the next file is checked.
      {"rejected, then a new selection",
       {Select("/d/a.exe"), Verdict(0, "too small", false), Select("/d/b.exe")},
       Shows("Checking b.exe…", true, false)},
      {"earlier check ends last: refused",
       {Select("/d/a.exe"), Select("/d/b.exe"), Verdict(0, "b ok", true),
        Verdict(1, "a bad", false)},
       Shows("b ok", false, true)},
      {"same file twice: the first verdict is stale",
       {Select("/d/a.exe"), Select("/d/a.exe"), Verdict(1, "first", true)},
       Shows("Checking a.exe…", false, false)},
      {"building",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start()},
       Shows("ok", false, true, BuildPhase::Running)},
      {"cancelling",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(),
        [](InstallerSession& s) { s.cancelRequested(); }},
       Shows("ok", false, true, BuildPhase::Cancelling)},
      {"cancelled: notice, Build still enabled",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(), Finish(Ended(143, {}, false, true))},
       Shows(kBuildCancelledNotice.source, false, true)},
      {"built",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(), Finish(Ended(0, app, true))},
       {"ok", false, true, BuildPhase::Idle, app, {}}},
      {"failed: the verdict stays",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(),
        Finish(Ended(1, {}, false, false, "boom"))},
       Shows("ok", false, true)},
      {"moved",
       {Finish(Ended(0, app, true)), [](InstallerSession& s) { s.moved("/A/V.app"); }},
       {"", false, false, BuildPhase::Idle, {}, std::string("/A/V.app")}},
      {"a new selection forgets the app",
       {Finish(Ended(0, app, true)), Select("/d/b.exe")},
       Shows("Checking b.exe…", false, false)},
  };
  for (const FlowRow& row : rows) {
    SCOPED_TRACE(row.name);
    InstallerSession session;
    for (const Step& step : row.steps) step(session);
    EXPECT_EQ(Look(session), row.seen);
  }
}

// Done only for status 0 with an existing app folder, judged before a
// cancellation; the installer page after a cancel; the error page otherwise,
// with the first text there is: the start failure, the script's error, the
// general sentence; a full disk in the output whatever the error says.
TEST(InstallerSessionTest, BuildEndLeadsToTheRightPage) {
  const std::string app = "/stage/Velmora 3000.app";
  // What the outcome says, in English; `ownWords`: the script's own words, which
  // the error page shows beneath a headline in other languages.
  struct Expected {
    BuildEnd end;
    std::string app;
    std::string shown;
    bool ownWords = false;
  };
  const std::string notice = kBuildCancelledNotice.source;
  const struct {
    const char* name;
    BuildReport report;
    Expected outcome;
  } rows[] = {
      {"built", Ended(0, app, true), {BuildEnd::Done, app, ""}},
      {"built though cancelled", Ended(0, app, true, true), {BuildEnd::Done, app, ""}},
      {"app but failed", Ended(1, app, true), {BuildEnd::Failed, "", kSomethingWrong}},
      {"no ##done", Ended(0), {BuildEnd::Failed, "", kSomethingWrong}},
      {"##done names a file",
       Ended(0, app, false, false, "No space left"),
       {BuildEnd::Failed, "", kDiskAdvice}},
      {"##done names nothing", Ended(0, std::string()), {BuildEnd::Failed, "", kSomethingWrong}},
      {"cancelled", Ended(143, {}, false, true), {BuildEnd::Cancelled, "", notice}},
      {"cancelled before the script started",
       Ended(-1, {}, false, true),
       {BuildEnd::Cancelled, "", notice}},
      {"failed",
       Ended(1, {}, false, false, "Command Line Tools"),
       {BuildEnd::Failed, "", kToolsAdvice}},
      {"the script's own words",
       Ended(1, {}, false, false, "Step 5 (compile) failed."),
       {BuildEnd::Failed, "", "Step 5 (compile) failed.", true}},
      // The tool's complaint reached only the output; the script blamed its step.
      {"output said the disk is full",
       Ended(1, {}, false, false, "Step 5 (compile) failed.", true),
       {BuildEnd::Failed, "", kDiskAdvice}},
      {"could not start",
       NotStarted("Could not prepare the sources.", "disk is full"),
       {BuildEnd::Failed, "", "Could not prepare the sources.", true}},
      {"could not start, said nothing",
       NotStarted("", "disk is full"),
       {BuildEnd::Failed, "", kDiskAdvice}},
      {"could not start, nothing at all", NotStarted(""), {BuildEnd::Failed, "", kSomethingWrong}},
      // A start that failed is no build, whatever else the report holds.
      {"could not start, though cancelled and with an app",
       [&] {
         BuildReport report = NotStarted("");
         report.startFailure = Message(kAnotherBuildRunning);
         report.status = 0;
         report.cancelled = true;
         report.appPath = app;
         report.appIsFolder = true;
         return report;
       }(),
       {BuildEnd::Failed, "", "Another build is already running."}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    InstallerSession session;
    session.select("/d/setup.exe");
    session.buildStarted("/logs/installer.log");
    const BuildOutcome outcome = session.buildEnded(row.report);
    EXPECT_EQ(outcome.end, row.outcome.end);
    EXPECT_EQ(outcome.appPath, row.outcome.app);
    EXPECT_EQ(outcome.message.english(), row.outcome.shown);
    EXPECT_EQ(outcome.message.isVerbatim(), row.outcome.ownWords);
    EXPECT_EQ(session.buildPhase(), BuildPhase::Idle);
    EXPECT_EQ(session.logPath(), std::optional<std::string>("/logs/installer.log"));
    EXPECT_EQ(session.appPaths().builtAppPath,
              row.outcome.end == BuildEnd::Done ? std::optional(app) : std::nullopt);
  }
}

TEST(BuildAdviceTest, KnownCausesGetPlainAdvice) {
  const struct {
    const char* raw;
    const char* shown;
  } rows[] = {
      {"The installer does not contain Apps/SC3U.exe.",
       "That installer doesn't contain the SimCity 3000 Unlimited game files. Use the GOG offline "
       "backup installer for SimCity 3000 Unlimited."},
      {"Apps/SC3U.exe is not GOG 2.0.949(a) (build 1.0)",
       "The game files in that installer aren't version 2.0.949(a), which is the release this "
       "project can build. Update it from GOG and try again."},
      {"xcrun: the Command Line Tools are broken", kToolsAdvice},
      {"write failed: No space left on device", kDiskAdvice},
      {"the disk is full", kDiskAdvice},
      {"cp: error writing game.dat: No space left on device", kDiskAdvice},
      {"disk is full; Command Line Tools", kToolsAdvice},
      // The causes are matched in their own case only.
      {"no space left, the command line tools, DISK IS FULL",
       "no space left, the command line tools, DISK IS FULL"},
      {"", kSomethingWrong},
      {"Could not start the build.", "Could not start the build."},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FriendlyMessageFor(Message::Verbatim(row.raw)).english(), row.shown) << row.raw;
  }
}

TEST(AppPaths, CurrentAppIsTheInstalledOneUnlessItIsEmpty) {
  using Path = std::optional<std::string>;
  struct Row {
    Path installed, built, current;
  };
  const Row rows[] = {
      {"/A/V.app", "/b/V.app", "/A/V.app"},
      {"", "/b/V.app", "/b/V.app"},
      {std::nullopt, "/b/V.app", "/b/V.app"},
      {"", std::nullopt, std::nullopt},
  };
  for (const Row& row : rows)
    EXPECT_EQ((AppPaths{row.built, row.installed}.currentAppPath()), row.current);

  AppPaths paths{"/b/V.app", std::nullopt};
  EXPECT_TRUE(paths.canMove());
  paths.moved("/A/V.app");
  EXPECT_FALSE(paths.canMove());
  EXPECT_EQ(paths.currentAppPath(), "/A/V.app");
  EXPECT_FALSE((AppPaths{"", std::nullopt}.canMove()));
}

}  // namespace
}  // namespace vlmr
