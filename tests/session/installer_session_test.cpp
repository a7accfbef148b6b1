#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

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
  return {session.selection().verdict,     session.selection().verdictIsError,
          session.selection().usable,      session.buildPhase(),
          session.appPaths().builtAppPath, session.appPaths().installedAppPath};
}

Step Select(std::string path) {
  return [path](InstallerSession& s) { s.select(path); };
}
// The verdict for the selection `back` selections ago (0: the latest).
Step Verdict(uint64_t back, std::string summary, bool usable) {
  return [=](InstallerSession& s) {
    const bool applied = s.applyVerdict(s.selection().generation - back, summary, usable);
    EXPECT_EQ(applied, back == 0) << summary;
  };
}
Step Start() {
  return [](InstallerSession& s) { s.buildStarted("/logs/installer.log"); };
}
Step Finish(int32_t status, BuildResult result) {
  return [=](InstallerSession& s) { s.buildFinished(status, result); };
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
      {"checking", {Select("/d/setup.exe")}, Shows("Checking \u2068setup.exe\u2069…", false, false)},
      {"usable", {Select("/d/a.exe"), Verdict(0, "ok", true)}, Shows("ok", false, true)},
      {"rejected",
       {Select("/d/a.exe"), Verdict(0, "too small", false)},
       Shows("too small", true, false)},
      // The line keeps its red while the next file is checked.
      {"rejected, then a new selection",
       {Select("/d/a.exe"), Verdict(0, "too small", false), Select("/d/b.exe")},
       Shows("Checking \u2068b.exe\u2069…", true, false)},
      {"earlier check ends last: refused",
       {Select("/d/a.exe"), Select("/d/b.exe"), Verdict(0, "b ok", true),
        Verdict(1, "a bad", false)},
       Shows("b ok", false, true)},
      {"same file twice: the first verdict is stale",
       {Select("/d/a.exe"), Select("/d/a.exe"), Verdict(1, "first", true)},
       Shows("Checking \u2068a.exe\u2069…", false, false)},
      {"building",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start()},
       Shows("ok", false, true, BuildPhase::Running)},
      {"cancelling",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(),
        [](InstallerSession& s) { s.cancelRequested(); }},
       Shows("ok", false, true, BuildPhase::Cancelling)},
      {"cancelled: notice, Build still enabled",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(),
        Finish(143, {std::nullopt, false, true, ""})},
       Shows(kBuildCancelledNotice, false, true)},
      {"built",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(), Finish(0, {app, true, false, ""})},
       {"ok", false, true, BuildPhase::Idle, app, {}}},
      {"failed: the verdict stays",
       {Select("/d/a.exe"), Verdict(0, "ok", true), Start(),
        Finish(1, {std::nullopt, false, false, "boom"})},
       Shows("ok", false, true)},
      {"moved",
       {Finish(0, {app, true, false, ""}), [](InstallerSession& s) { s.moved("/A/V.app"); }},
       {"", false, false, BuildPhase::Idle, {}, std::string("/A/V.app")}},
      {"a new selection forgets the app",
       {Finish(0, {app, true, false, ""}), Select("/d/b.exe")},
       Shows("Checking \u2068b.exe\u2069…", false, false)},
      {"done page for an installed copy",
       {Finish(0, {app, true, false, ""}),
        [](InstallerSession& s) { s.showingApp("/A/V.app", true); }},
       {"", false, false, BuildPhase::Idle, {}, std::string("/A/V.app")}},
  };
  for (const FlowRow& row : rows) {
    SCOPED_TRACE(row.name);
    InstallerSession session;
    for (const Step& step : row.steps) step(session);
    EXPECT_EQ(Look(session), row.seen);
  }
}

// Done only for status 0 with an existing app folder, judged before a
// cancellation; the installer page after a cancel; the error page otherwise.
TEST(InstallerSessionTest, BuildEndLeadsToTheRightPage) {
  using Kind = BuildOutcome::Kind;
  const std::string app = "/stage/Velmora 3000.app";
  const struct {
    const char* name;
    int32_t status;
    BuildResult result;
    BuildOutcome outcome;
  } rows[] = {
      {"built", 0, {app, true, false, ""}, {Kind::Done, app, ""}},
      {"built though cancelled", 0, {app, true, true, ""}, {Kind::Done, app, ""}},
      {"app but failed", 1, {app, true, false, ""}, {Kind::Failed, "", kSomethingWrong}},
      {"no ##done", 0, {std::nullopt, false, false, ""}, {Kind::Failed, "", kSomethingWrong}},
      {"##done names a file",
       0,
       {app, false, false, "No space left"},
       {Kind::Failed, "", kDiskAdvice}},
      {"##done names nothing",
       0,
       {std::string(), false, false, ""},
       {Kind::Failed, "", kSomethingWrong}},
      {"cancelled", 143, {std::nullopt, false, true, ""}, {Kind::Cancelled, "", ""}},
      {"cancelled before the script started",
       -1,
       {std::nullopt, false, true, ""},
       {Kind::Cancelled, "", ""}},
      {"failed",
       1,
       {std::nullopt, false, false, "Command Line Tools"},
       {Kind::Failed, "", kToolsAdvice}},
      // The tool's complaint reached only the output; the script blamed its step.
      {"output said the disk is full",
       1,
       {std::nullopt, false, false, "Step 5 (compile) failed.", true},
       {Kind::Failed, "", kDiskAdvice}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    InstallerSession session;
    session.select("/d/setup.exe");
    session.buildStarted("/logs/installer.log");
    EXPECT_EQ(session.buildFinished(row.status, row.result), row.outcome);
    EXPECT_EQ(session.buildPhase(), BuildPhase::Idle);
    EXPECT_EQ(session.logPath(), std::optional<std::string>("/logs/installer.log"));
  }
}

// The early failures: the given text, else the run's error, else the fallback.
TEST(InstallerSessionTest, EarlyFailureExplainsTheFirstTextThereIs) {
  InstallerSession session;
  session.buildStarted("/l");
  EXPECT_EQ(session
                .buildFailed("Could not prepare the sources.",
                             {std::nullopt, false, false, "disk is full"})
                .advice,
            "Could not prepare the sources.");
  EXPECT_EQ(session.buildFailed("", {std::nullopt, false, false, "disk is full"}).advice,
            kDiskAdvice);
  EXPECT_EQ(session.buildFailed("", {}).advice, kSomethingWrong);
  EXPECT_EQ(session.buildPhase(), BuildPhase::Idle);
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
      {"disk is full; Command Line Tools", kToolsAdvice},
      // The causes are matched in their own case only.
      {"no space left, the command line tools, DISK IS FULL",
       "no space left, the command line tools, DISK IS FULL"},
      {"", kSomethingWrong},
      {"Could not start the build.", "Could not start the build."},
  };
  for (const auto& row : rows) EXPECT_EQ(FriendlyMessageFor(row.raw), row.shown) << row.raw;
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
