#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "installing/app_install.h"
#include "platform/app_folders.h"
#include "tests/support/fake_tools.h"

namespace vlmr {
namespace {

using test::FakeTools;
using test::ReadFile;
using test::ScopedHome;
using test::TempDir;
using test::TreeListing;
using test::WriteFile;

std::string InfoPlist(const std::string& identifier) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
         "<plist version=\"1.0\"><dict>\n"
         "  <key>CFBundleIdentifier</key><string>" +
         identifier + "</string>\n</dict></plist>\n";
}

// An app bundle with an Info.plist and one file that tells copies apart.
void MakeApp(const std::string& path, const std::string& identifier, const std::string& mark) {
  WriteFile(path + "/Contents/Info.plist", InfoPlist(identifier));
  WriteFile(path + "/Contents/MacOS/mark", mark);
}

// The real PlistBuddy and ditto of the platform: Apple's on macOS, our
// stand-ins on Linux.
std::string PlatformTool(const std::string& name) {
#if defined(__APPLE__)
  return name == "ditto" ? SystemTools::MacOS().ditto : SystemTools::MacOS().plistBuddy;
#else
  return test::SourceDir() + "/platform/linux/" + name;
#endif
}

class Installing : public testing::Test {
 protected:
  void SetUp() override {
    source_ = dir_ / "build/out/Velmora 3000.app";
    MakeApp(source_, kGameBundleIdentifier, "new build");
    applications_ = dir_ / "Applications";
    destination_ = applications_ + "/Velmora 3000.app";
    fakes_.table().plistBuddy = PlatformTool("PlistBuddy");
    fakes_.table().ditto = fakes_.make("ditto", "exec '" + PlatformTool("ditto") + "' \"$@\"");
    fakes_.install();
  }

  // The failure's sentence in English, or nothing on success.
  std::optional<std::string> Install() {
    Error error;
    if (AppInstaller().installBuiltAppFrom(source_, destination_, &error)) return std::nullopt;
    return error.message.english();
  }

  void ExpectNewCopyInPlace() const {
    EXPECT_EQ(ReadFile(destination_ + "/Contents/MacOS/mark"), "new build");
    EXPECT_EQ(TreeListing(destination_), TreeListing(source_));
    EXPECT_FALSE(IsFile(destination_ + ".installing") || IsDirectory(destination_ + ".installing"));
    EXPECT_EQ(ReadFile(source_ + "/Contents/MacOS/mark"), "new build");
  }

  TempDir dir_;
  FakeTools fakes_;
  std::string source_, applications_, destination_;
};

TEST_F(Installing, CopiesIntoPlaceEvenWhereNamesHoldQuotesBackslashesAndAccents) {
  for (std::string folder : {"Applications", "Apps \"quoted\" \\ slash ünïcode"}) {
    SCOPED_TRACE(folder);
    applications_ = dir_ / folder;
    destination_ = applications_ + "/Velmora 3000.app";
    EXPECT_EQ(Install(), std::nullopt);
    ExpectNewCopyInPlace();
  }
}

TEST_F(Installing, ReplacesOnlyItsOwnEarlierCopyAndDropsAStaleTemporary) {
  MakeApp(destination_, kGameBundleIdentifier, "old build");
  WriteFile(destination_ + "/Contents/Resources/only-in-old", "x");
  WriteFile(destination_ + ".installing/junk", "left by an earlier run");
  EXPECT_EQ(Install(), std::nullopt);
  ExpectNewCopyInPlace();
}

TEST_F(Installing, RefusesAnythingItDidNotMakeAndChangesNothing) {
  struct Row {
    const char* what;
    void (*make)(const std::string& path);
  };
  const Row rows[] = {
      {"another app", [](const std::string& p) { MakeApp(p, "com.example.other", "theirs"); }},
      {"a plain folder", [](const std::string& p) { WriteFile(p + "/notes.txt", "mine"); }},
      {"a file", [](const std::string& p) { WriteFile(p, "just a file"); }},
      {"an Info.plist that is not a plist",
       [](const std::string& p) { WriteFile(p + "/Contents/Info.plist", "\x01garbage<plist"); }},
      {"an identifier that differs in case",
       [](const std::string& p) { MakeApp(p, "ORG.VELMORA.VELMORA3000", "theirs"); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir scratch;
    applications_ = scratch / "Applications";
    destination_ = applications_ + "/Velmora 3000.app";
    row.make(destination_);
    std::vector<std::string> before = TreeListing(applications_);
    EXPECT_EQ(Install(), destination_ +
                             " already exists and wasn't made by this installer. Move or rename "
                             "it first.");
    EXPECT_EQ(TreeListing(applications_), before);
  }
}

// A link the player dragged into Applications in place of the app (as an
// earlier "Show in Finder" offered): ours when it leads to the built app or
// into the stage builds are made in, even once the stage was cleared. The
// real app takes its place; what it led to is left alone.
TEST_F(Installing, ALinkToOurStageAppIsReplacedByTheRealApp) {
  ScopedHome home(dir_ / "home");
  const std::string stageApp = AppFolders::Current().stage() + "/Velmora 3000.app";
  const struct {
    const char* what;
    std::string target;
    bool stageAppExists;
  } rows[] = {
      {"the built app", source_, false},
      {"an app in the stage", stageApp, true},
      {"a stage app that was cleared", stageApp, false},
      {"a relative link into the stage",
       "../home/Library/Application Support/Velmora 3000/"
       "installer-stage/Velmora 3000.app",
       true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    std::filesystem::remove_all(applications_);
    std::filesystem::remove_all(AppFolders::Current().stage());
    if (row.stageAppExists) MakeApp(stageApp, kGameBundleIdentifier, "staged");
    std::filesystem::create_directories(applications_);
    std::filesystem::create_directory_symlink(row.target, destination_);
    EXPECT_EQ(Install(), std::nullopt);
    EXPECT_FALSE(std::filesystem::is_symlink(destination_));
    ExpectNewCopyInPlace();
    if (row.stageAppExists) {
      EXPECT_EQ(ReadFile(stageApp + "/Contents/MacOS/mark"), "staged");
    }
  }
}

TEST_F(Installing, FailedCopyKeepsTheInstalledAppExactlyAsItWasAndLeavesNoTemporary) {
  struct Row {
    const char* what;
    bool installedBefore;
    bool dittoExists;
  };
  const Row rows[] = {
      {"copy tool fails half way over an installed app", true, true},
      {"copy tool missing with an installed app", true, false},
      {"copy tool fails half way into an empty folder", false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TempDir scratch;
    applications_ = scratch / "Applications";
    destination_ = applications_ + "/Velmora 3000.app";
    if (row.installedBefore) {
      MakeApp(destination_, kGameBundleIdentifier, "old build");
      WriteFile(destination_ + "/Contents/Resources/only-in-old", "x");
    } else {
      WriteFile(applications_ + "/Other.app/keep", "theirs");
    }
    const std::vector<std::string> before = TreeListing(applications_);
    // Half a copy, then a failure, as a full disk or an I/O error would leave it.
    fakes_.table().ditto =
        row.dittoExists
            ? fakes_.make("ditto", "eval dst=\\${$#}; mkdir -p \"$dst/Contents\"; exit 1")
            : fakes_.missing();
    fakes_.install();
    EXPECT_EQ(Install(), "Copying the app failed. Is the disk full?");
    EXPECT_EQ(TreeListing(applications_), before);
    EXPECT_EQ(ReadFile(source_ + "/Contents/MacOS/mark"), "new build");
  }
}

// A copy that fails because of its folder says what is wrong with the
// folder; a full disk is only asked about when the folder is fine.
TEST_F(Installing, FailedCopyNamesAFolderThatIsNoneOrReadOnly) {
  fakes_.table().ditto = fakes_.make("ditto", "exit 1");
  fakes_.install();
  // Not a folder at all.
  WriteFile(applications_ + ".file", "a file");
  std::string folder = applications_ + ".file";
  destination_ = folder + "/Velmora 3000.app";
  EXPECT_EQ(Install(), "Copying the app failed: " + folder + " is not a folder.");

  // Read-only: tried as a user the folder's mode bars (root writes anywhere).
  folder = applications_;
  destination_ = folder + "/Velmora 3000.app";
  CreateDirectories(folder);
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  std::string said;
  if (geteuid() != 0) {
    said = Install().value_or("");
  } else {
    for (std::string path = source_; path.size() > 1; path = DeletingLastPathComponent(path)) {
      struct stat info {};
      if (stat(path.c_str(), &info) == 0) chmod(path.c_str(), info.st_mode | 0555);
    }
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const uid_t nobody = 65534;
      if (setgroups(0, nullptr) != 0 || setresgid(nobody, nobody, nobody) != 0 ||
          setresuid(nobody, nobody, nobody) != 0) {
        _exit(1);
      }
      Error error;
      AppInstaller().installBuiltAppFrom(source_, destination_, &error);
      const std::string sentence = error.message.english();
      (void)!write(fds[1], sentence.data(), sentence.size());
      _exit(0);
    }
    close(fds[1]);
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
    close(fds[0]);
    waitpid(child, nullptr, 0);
  }
  chmod(folder.c_str(), 0755);
  EXPECT_EQ(said, "Copying the app failed: " + folder + " is read-only.");

  // A writable folder: the disk is the likely cause.
  EXPECT_EQ(Install(), "Copying the app failed. Is the disk full?");
}

TEST_F(Installing, OnlyTheApplicationsCopyDropsTheQuarantineAttribute) {
  MakeApp(destination_, kGameBundleIdentifier, "old build");
  EXPECT_EQ(Install(), std::nullopt);
  ExpectNewCopyInPlace();
  std::vector<std::string> copies;
  for (const std::string& run : fakes_.runs()) {
    if (run.rfind("ditto ", 0) == 0) copies.push_back(run);
  }
  EXPECT_EQ(copies, (std::vector<std::string>{"ditto --noqtn " + source_ + " " + destination_ +
                                              ".installing"}));
}

TEST_F(Installing, AnEarlierCopyThatCannotBeRemovedIsRefusedBeforeCopying) {
  if (geteuid() == 0) GTEST_SKIP() << "root may remove whatever the modes say";
  MakeApp(destination_, kGameBundleIdentifier, "old build");
  ASSERT_EQ(chmod((destination_ + "/Contents/MacOS").c_str(), 0555), 0);
  const std::vector<std::string> before = TreeListing(applications_);
  EXPECT_EQ(Install(), destination_ + " couldn't be replaced. Check its permissions.");
  EXPECT_EQ(TreeListing(applications_), before);
  chmod((destination_ + "/Contents/MacOS").c_str(), 0755);
}

// The exchange of a complete copy with the installed one: in one step where
// the system has it, else by renaming aside; both leave the two whole.
TEST(SwapIntoPlace, ExchangesTwoFoldersEitherWayAndFailsWithoutLosingEither) {
  for (SwapMethod method : {SwapMethod::System, SwapMethod::Aside}) {
    SCOPED_TRACE(method == SwapMethod::System ? "system" : "aside");
    TempDir dir;
    WriteFile(dir / "A.app.installing/new", "new");
    WriteFile(dir / "A.app/old", "old");
    EXPECT_EQ(SwapIntoPlace(dir / "A.app.installing", dir / "A.app", method), 0);
    EXPECT_EQ(TreeListing(dir.path()),
              (std::vector<std::string>{"A.app dir", "A.app.installing dir",
                                        "A.app.installing/old file old", "A.app/new file new"}));
    // Nothing to exchange with: both stay where they were.
    EXPECT_EQ(SwapIntoPlace(dir / "A.app.installing", dir / "missing.app", method), ENOENT);
    EXPECT_EQ(TreeListing(dir.path()),
              (std::vector<std::string>{"A.app dir", "A.app.installing dir",
                                        "A.app.installing/old file old", "A.app/new file new"}));
  }
}

TEST_F(Installing, NeverMovesOverAnItemThatAppearedDuringTheCopy) {
  // An empty folder: a plain rename would silently replace it.
  fakes_.table().ditto =
      fakes_.make("ditto", "'" + PlatformTool("ditto") +
                               "' \"$@\" && eval dst=\\${$#} && mkdir \"${dst%.installing}\"");
  fakes_.install();
  EXPECT_EQ(Install(), "The app was copied but couldn't be put in place.");
  EXPECT_EQ(TreeListing(applications_), std::vector<std::string>{"Velmora 3000.app dir"});
}

TEST_F(Installing, SourceAlreadyAtTheDestinationIsKeptNotDeleted) {
  destination_ = source_;
  EXPECT_EQ(Install(), std::nullopt);
  EXPECT_EQ(ReadFile(source_ + "/Contents/MacOS/mark"), "new build");
}

TEST(ApplicationsFolder, SystemFolderWhenWritableElsePerUserFolder) {
  TempDir home, system;
  ScopedHome scopedHome(home.path());
  EXPECT_EQ(AppInstaller(system.path()).destination(), system.path() + "/Velmora 3000.app");
  EXPECT_EQ(AppInstaller(system / "absent").destination(),
            home.path() + "/Applications/Velmora 3000.app");
}

TEST_F(Installing, BackgroundMoveReportsOnTheMainThread) {
  fakes_.table().ditto = fakes_.missing();
  fakes_.install();
  bool ended = false;
  bool movedIt = true;
  std::string failure;
  std::thread::id ranOn;
  MoveAppInBackground(AppInstaller(), source_, destination_, [&](bool moved, const Error& error) {
    ended = true;
    movedIt = moved;
    failure = error.message.english();
    ranOn = std::this_thread::get_id();
  });
  ASSERT_TRUE(test::MainQueue().pumpFor([&] { return ended; }, std::chrono::seconds(20)));
  EXPECT_FALSE(movedIt);
  EXPECT_EQ(failure, "Copying the app failed. Is the disk full?");
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

}  // namespace
}  // namespace vlmr
