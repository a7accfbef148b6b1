// A build's process life from outside: launchers that ignore SIGCHLD, Ctrl-C
// on the headless build, Cancel and quit against children that will not go,
// the script's signal dispositions, one build at a time, and installers
// killed at the worst moment.
#include "tests/pipeline/build_life_fixture.h"

namespace vlmr {
namespace {

// Every way of ending a build ends it, with the right outcome, in a time far
// below what the script's processes would hold out for (60 s), and leaves
// nothing of it running: not even a descendant that left the script's group.
TEST_F(BuildLife, EveryEndingEndsInTimeWithTheRightOutcome) {
  enum class Drive { CliUnderIgnoredSigchld, CliSignalled, Cancel, Quit, ScriptEnds };
  const std::string pgidFile = state_ / "pgid", strays = state_ / "strays";
  const std::string record = "echo $$ > '" + pgidFile + "'\n";
  const std::string termIgnoringChild =
      record + "(trap '' TERM INT; exec sleep 60) & sleep 60 & echo started; wait\n";
  const std::string setsidDescendant =
      record + "setsid sleep 60 & echo $! >> '" + strays + "'; echo started;";
  struct Case {
    const char* name;
    Drive drive;
    std::string script;
    int signal;     // what the headless build receives
    bool bySignal;  // the outcome is a termination by `expected`, else an exit code
    int expected;
  } cases[] = {
      {"a script exiting 3 under a launcher ignoring SIGCHLD", Drive::CliUnderIgnoredSigchld,
       record + "exit 3\n", 0, false, 3},
      {"Ctrl-C on the headless build", Drive::CliSignalled, termIgnoringChild, SIGINT, true,
       SIGINT},
      {"Ctrl-C on the headless build with a setsid descendant", Drive::CliSignalled,
       setsidDescendant + " sleep 60\n", SIGINT, true, SIGINT},
      {"Ctrl-\\ on the headless build with a setsid descendant", Drive::CliSignalled,
       setsidDescendant + " sleep 60\n", SIGQUIT, true, SIGQUIT},
      {"Cancel with a child ignoring TERM after its shell exits", Drive::Cancel,
       termIgnoringChild, 0, false, SIGTERM},
      {"a script exiting with a setsid descendant holding the output", Drive::ScriptEnds,
       setsidDescendant + " exit 0\n", 0, false, 0},
      {"quit with a setsid descendant, the script still running", Drive::Quit,
       setsidDescendant + " sleep 60\n", 0, false, SIGTERM},
      {"Cancel with a setsid descendant, the script still running", Drive::Cancel,
       setsidDescendant + " sleep 60\n", 0, false, SIGTERM},
      {"a script exiting with a setsid descendant", Drive::ScriptEnds,
       record + "setsid sleep 60 >/dev/null 2>&1 & echo $! >> '" + strays +
           "'; echo started; exit 0\n",
       0, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(pgidFile);
    fs::remove(strays);
    auto started = Clock::now();
    pid_t pgid = 0;
    if (c.drive == Drive::CliUnderIgnoredSigchld || c.drive == Drive::CliSignalled) {
      script(c.script);
      pid_t pid = launchCli(state_ / "out", c.drive == Drive::CliUnderIgnoredSigchld);
      ASSERT_GT(pid, 0);
      pgid = WaitForNumber(pgidFile);
      ASSERT_GT(pgid, 0) << ReadFile(state_ / "cli.log");
      if (c.drive == Drive::CliSignalled) {
        std::this_thread::sleep_for(200ms);  // the children are running
        started = Clock::now();
        kill(pid, c.signal);
      }
      std::optional<int> raw = waitRaw(pid);
      ASSERT_TRUE(raw) << "the installer did not end";
      if (c.bySignal) {
        EXPECT_TRUE(WIFSIGNALED(*raw) && WTERMSIG(*raw) == c.expected) << *raw;
      } else {
        EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == c.expected) << *raw;
      }
    } else {
      finished_.reset();
      auto pipeline = preparedPipeline(c.script);
      ASSERT_TRUE(pipeline->run());
      pgid = WaitForNumber(pgidFile);
      ASSERT_GT(pgid, 0);
      std::this_thread::sleep_for(200ms);
      started = Clock::now();
      if (c.drive == Drive::Cancel) {
        pipeline->cancel();
        ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 20s));
      } else if (c.drive == Drive::Quit) {
        pipeline->stopBeforeQuit();
        EXPECT_LT(Clock::now() - started, 10s);  // quitting may not wait for the stray
        MainQueue().pumpFor([this] { return finished().has_value(); }, 5s);
      } else {
        // Nobody stops it: the run ends with the script and its output, and
        // takes the stray along.
        ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 20s));
        EXPECT_LT(Clock::now() - started, 5s);
      }
      EXPECT_EQ(pipeline->report().cancelled, c.drive != Drive::ScriptEnds);
      EXPECT_EQ(finished(), c.expected);
    }
    EXPECT_TRUE(EventuallyNoLiveMembers(pgid));
    EXPECT_TRUE(EventuallyNoneListedAlive(strays)) << "left running: " << ReadFile(strays);
    EXPECT_LT(Clock::now() - started, 20s);
  }
}

TEST_F(BuildLife, WaitWhoseStatusWasTakenByTheKernelIsNotSuccess) {
  struct sigaction ignore {}, saved{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGCHLD, &ignore, &saved);
  Process process(TaskSpec{"/bin/sh", {"-c", "exit 0"}, std::nullopt});
  ASSERT_TRUE(process.launch(nullptr));
  int status = process.waitUntilExit();
  sigaction(SIGCHLD, &saved, nullptr);
  EXPECT_EQ(status, -1);
}

TEST_F(BuildLife, ScriptStartsWithoutSigpipeOrSigxfszIgnored) {
  std::string report = state_ / "report";
  auto pipeline = preparedPipeline("grep SigIgn /proc/$$/status > '" + report +
                                  "'; yes | head -1 >/dev/null; echo \"${PIPESTATUS[0]}\" >> '" +
                                  report + "'\n");
  ASSERT_TRUE(pipeline->run());
  ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 10s));
  std::istringstream lines(ReadFile(report));
  std::string label, mask, yesStatus;
  lines >> label >> mask >> yesStatus;
  ASSERT_EQ(label, "SigIgn:");
  unsigned long long ignored = std::stoull(mask, nullptr, 16);
  EXPECT_EQ(ignored & (1ull << (SIGPIPE - 1)), 0u) << mask;
  EXPECT_EQ(ignored & (1ull << (SIGXFSZ - 1)), 0u) << mask;
  EXPECT_EQ(yesStatus, std::to_string(128 + SIGPIPE));  // ended by the signal, quietly
}

// Two builds that would share the sources or the output folder: the second is
// refused with one sentence, by the window's run and by the headless build,
// and the locks die with their holder.
TEST_F(BuildLife, SecondBuildSharingSourcesOrOutputIsRefused) {
  script("touch '" + state_ / "running" + "'; while [ ! -e '" + state_ / "go" + "' ]; do sleep 0.05; done\n");
  auto first = livePipeline(state_ / "out");
  ASSERT_TRUE(first->prepareSources());

  auto second = livePipeline(state_ / "elsewhere");
  EXPECT_FALSE(second->prepareSources());
  EXPECT_FALSE(second->run());
  EXPECT_EQ(second->report().startFailure.value_or(Message()).english(),
            "Another build is already running.");

  ASSERT_TRUE(first->run());
  ASSERT_TRUE(MainQueue().pumpFor([this] { return fs::exists(state_ / "running"); }, 10s));
  // A build with sources of its own (another home) into the same output folder.
  TempDir otherHome;
  std::shared_ptr<Pipeline> third;
  {
    test::ScopedHome scoped(otherHome.path());
    third = livePipeline(state_ / "out");
    ASSERT_TRUE(third->prepareSources());
    EXPECT_FALSE(third->run());
  }
  EXPECT_EQ(third->report().startFailure.value_or(Message()).english(),
            "Another build is already running.");

  // The headless build says so and exits 1.
  pid_t cli = launchCli(state_ / "elsewhere");
  std::optional<int> raw = waitRaw(cli);
  ASSERT_TRUE(raw);
  EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 1);
  EXPECT_NE(ReadFile(state_ / "cli.log").find("error: Another build is already running.\n"),
            std::string::npos);

  WriteFile(state_ / "go", "");
  ASSERT_TRUE(MainQueue().pumpFor([this] { return finished().has_value(); }, 10s));
  EXPECT_EQ(finished(), 0);
  // Both locks died with the run.
  second = livePipeline(state_ / "elsewhere");
  EXPECT_TRUE(second->prepareSources());
  test::ScopedHome scoped(otherHome.path());
  third = livePipeline(state_ / "out");
  ASSERT_TRUE(third->prepareSources());
  EXPECT_TRUE(third->run());
}

// An installer killed while it copies the sources leaves no marker, so the
// next build copies again; a build killed mid-run runs again into the same
// output folder. Neither leaves a lock behind.
TEST_F(BuildLife, KilledInstallerNeitherHalfReusesSourcesNorBlocksTheNextBuild) {
  // The first run stops half-way (and says so); the next one completes.
  script("mkdir -p \"$4\"; echo half > \"$4/app\"\n"
         "[ -e \"$4/.again\" ] || { touch \"$4/.again\"; echo \"$$\" > '" + state_ / "pgid" +
         "'; exec sleep 60; }\n"
         "echo whole > \"$4/app\"\n");
  WriteFile(resources() + "/src/complete", "the last file of the copy");

  // A ditto that copies the script, then hangs before the rest.
  TempDir fakeTools;
  WriteFile(fakeTools / "ditto",
            "#!/bin/sh\n[ \"$1\" != --noqtn ] || shift\n"
            "mkdir -p \"$2/tools\"; cp \"$1/tools/package_app.sh\" \"$2/tools/\"\n"
            "echo $$ >> '" + state_ / "strays" + "'\necho $$ > '" + state_ / "ditto" +
                "'\nexec sleep 60\n",
            true);
  pid_t copying = launchCli(state_ / "out", false, {{"VLMR_TOOLS_OVERRIDE", fakeTools.path()}});
  ASSERT_GT(WaitForNumber(state_ / "ditto"), 0);
  kill(copying, SIGKILL);
  waitRaw(copying);
  EXPECT_FALSE(fs::exists(sourcesDir() + "/.vlmr-src-id"));
  EXPECT_TRUE(fs::exists(sourcesDir() + "/tools/package_app.sh"));

  // The next build copies afresh; it is killed, script and all, mid-run.
  pid_t running = launchCli(state_ / "out");
  pid_t pgid = WaitForNumber(state_ / "pgid");
  ASSERT_GT(pgid, 0) << ReadFile(state_ / "cli.log");
  EXPECT_EQ(ReadFile(sourcesDir() + "/complete"), "the last file of the copy");
  EXPECT_EQ(ReadFile(sourcesDir() + "/.vlmr-src-id"), "snapshot-1");
  kill(running, SIGKILL);
  killpg(pgid, SIGKILL);
  waitRaw(running);
  EXPECT_EQ(ReadFile(state_ / "out/app"), "half\n");
  // The build's supervisor lets the folders go once its build is gone.
  EXPECT_TRUE(EventuallyUnlocked(state_ / "out"));

  // Run again into the same folder: it completes.
  pid_t again = launchCli(state_ / "out");
  std::optional<int> raw = waitRaw(again);
  ASSERT_TRUE(raw);
  EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 0) << ReadFile(state_ / "cli.log");
  EXPECT_EQ(ReadFile(state_ / "out/app"), "whole\n");
}

// An installer killed outright (SIGKILL, nothing of it runs any more) takes
// its build along within seconds, a descendant that left the group included,
// and its folders stay locked until the build is gone: a second build into
// them is refused meanwhile and starts once it is gone.
TEST_F(BuildLife, KilledInstallerTakesItsBuildAlongAndKeepsItsFoldersUntilThen) {
  const std::string strays = state_ / "strays";
  script("[ -e '" + state_ / "again" + "' ] && exit 0\n"
         // Holds out against SIGTERM, so the group outlives the installer a while.
         "trap '' TERM\n"
         "echo $$ > '" + state_ / "pgid" + "'\n"
         "setsid sleep 60 & echo $! >> '" + strays + "'\n"
         "echo started; sleep 60\n");
  pid_t installer = launchCli(state_ / "out");
  pid_t pgid = WaitForNumber(state_ / "pgid");
  ASSERT_GT(pgid, 0) << ReadFile(state_ / "cli.log");
  ASSERT_GT(WaitForNumber(strays), 0);
  kill(installer, SIGKILL);
  ASSERT_TRUE(waitRaw(installer));
  auto killed = Clock::now();
  WriteFile(state_ / "again", "");

  // While the group lives: refused by the sources' lock (headless), and by the
  // output folder's lock (a run with sources of its own).
  ASSERT_GT(LiveMembers(pgid), 0);
  pid_t second = launchCli(state_ / "out");
  std::optional<int> raw = waitRaw(second);
  ASSERT_TRUE(raw);
  EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 1) << ReadFile(state_ / "cli.log");
  EXPECT_NE(ReadFile(state_ / "cli.log").find("error: Another build is already running.\n"),
            std::string::npos)
      << ReadFile(state_ / "cli.log");
  {
    TempDir otherHome;
    test::ScopedHome elsewhere{otherHome.path()};
    auto beside = preparedPipeline("exit 0\n");
    EXPECT_FALSE(beside->run());
    EXPECT_EQ(beside->report().startFailure.value_or(Message()).english(),
              "Another build is already running.");
  }
  EXPECT_GT(LiveMembers(pgid), 0) << "the group ended before the refusals were seen";

  // Gone within seconds, stray and all.
  EXPECT_TRUE(EventuallyNoLiveMembers(pgid, 8s));
  EXPECT_TRUE(EventuallyNoneListedAlive(strays, 2s)) << "left running: " << ReadFile(strays);
  EXPECT_LT(Clock::now() - killed, 8s);

  // Then the next build starts.
  ASSERT_TRUE(EventuallyUnlocked(state_ / "out", 2s));
  pid_t third = launchCli(state_ / "out");
  raw = waitRaw(third);
  ASSERT_TRUE(raw);
  EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 0) << ReadFile(state_ / "cli.log");
}

// A folder that cannot be locked (unreadable, or not a folder at all) refuses
// the build with a sentence naming it, for the sources and for the output:
// an unlocked build could share its folders with another unseen.
TEST_F(BuildLife, UnlockableFolderRefusesTheBuild) {
  script("touch '" + state_ / "ran" + "'\n");
  const std::string sourcesFolder = home_ / "Library/Application Support/Velmora 3000/installer-src";
  const std::string barredOut = state_ / "barred";
  const std::string underFile = state_ / "file/out";
  WriteFile(state_ / "file", "not a folder");
  // The installer runs as a user whom the modes bar (root reads any folder).
  auto giveAway = [](const std::string& path) {
    if (geteuid() == 0) {
      EXPECT_EQ(chown(path.c_str(), kNobody, kNobody), 0) << path;
    }
  };
  // The build tree may lie in a folder only its owner can enter (a clone in
  // `mktemp -d`): the bundle gets a copy of the helpers that user can run.
  fs::remove(bundle_ + "/Contents/Helpers");
  fs::copy(test::BundledHelpersDir(), bundle_ + "/Contents/Helpers", fs::copy_options::recursive);
  chmod(bundleRoot_.path().c_str(), 0755);
  chmod(state_.path().c_str(), 0777);
  fs::create_directories(sourcesFolder);
  fs::create_directories(barredOut);
  for (const std::string& mine :
       {home_.path(), home_ / "Library", home_ / "Library/Application Support",
        home_ / "Library/Application Support/Velmora 3000", sourcesFolder, barredOut}) {
    giveAway(mine);
  }
  struct Case {
    const char* name;
    std::string out;
    std::string barred;  // a folder made unreadable, or ""
    std::string sentence;
  } cases[] = {
      {"the sources' folder unreadable", state_ / "out", sourcesFolder,
       "Could not lock the folder " + sourcesFolder + " against another build."},
      {"the output folder unreadable", barredOut, barredOut,
       "Could not lock the folder " + barredOut + " against another build."},
      {"the output folder inside a file", underFile, "",
       "Could not create the output folder " + underFile + "."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(state_ / "ran");
    fs::remove(state_ / "cli.log");
    if (!c.barred.empty()) chmod(c.barred.c_str(), 0311);
    pid_t cli = launchCli(c.out, false, {}, true);
    std::optional<int> raw = waitRaw(cli);
    if (!c.barred.empty()) chmod(c.barred.c_str(), 0755);
    ASSERT_TRUE(raw);
    EXPECT_TRUE(WIFEXITED(*raw) && WEXITSTATUS(*raw) == 1) << ReadFile(state_ / "cli.log");
    EXPECT_NE(ReadFile(state_ / "cli.log")
                  .find("error: " + c.sentence + "\n"),
              std::string::npos)
        << ReadFile(state_ / "cli.log");
    EXPECT_FALSE(fs::exists(state_ / "ran")) << "the script ran";
  }

  // The window's run says the same.
  script("touch '" + state_ / "ran" + "'\n");
  auto pipeline = livePipeline(underFile);
  ASSERT_TRUE(pipeline->prepareSources());
  EXPECT_FALSE(pipeline->run());
  EXPECT_EQ(pipeline->report().startFailure.value_or(Message()).english(),
            "Could not create the output folder " + underFile + ".");
  EXPECT_FALSE(fs::exists(state_ / "ran")) << "the script ran";
}

}  // namespace
}  // namespace vlmr
