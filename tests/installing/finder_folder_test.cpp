#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "installing/finder_folder.h"
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

// The contents of every AppleScript string literal in `script`, read the way
// AppleScript reads them: a backslash takes the next character literally.
std::vector<std::string> StringLiterals(const std::string& script) {
  std::vector<std::string> literals;
  for (size_t i = 0; i < script.size(); ++i) {
    if (script[i] != '"') continue;
    std::string literal;
    for (++i; i < script.size() && script[i] != '"'; ++i) {
      if (script[i] == '\\' && i + 1 < script.size()) ++i;
      literal += script[i];
    }
    literals.push_back(literal);
  }
  return literals;
}

TEST(FinderScript, FillsTheTemplateExactly) {
  EXPECT_EQ(FinderScript("/Users/p/stage"),
            "tell application \"Finder\"\n"
            "  set box to POSIX file \"/Users/p/stage\"\n"
            "  set b to make alias file at box to (POSIX file \"/Applications\")\n"
            "  set name of b to \"Applications\"\n"
            "end tell");
}

// A path must stay inside its string literal whatever it holds; with quotes
// escaped alone, a trailing backslash or a \" would end the literal early.
TEST(FinderScript, NoPathCanBreakOutOfItsStringLiteral) {
  for (const std::string folder :
       {"/tmp/ends with backslash\\", "/Users/p/a\\\"b",
        "/tmp/x\\\" & (do shell script \"rm\") & \"\\", "/Users/p/%@/ü\nnewline"}) {
    SCOPED_TRACE(folder);
    EXPECT_EQ(StringLiterals(FinderScript(folder)),
              (std::vector<std::string>{"Finder", folder, "/Applications", "Applications"}));
  }
  EXPECT_EQ(AppleScriptEscaped("a\"b\\c\\\"d"), "a\\\"b\\\\c\\\\\\\"d");
}

// The player drags the real app: the folder shown is the one holding it, with
// Applications beside it; no alias of the app is made anywhere, and the
// folder of aliases earlier versions made is gone.
TEST(FinderFolder, ShowsTheAppsOwnFolderWithApplicationsBesideIt) {
  for (bool present : {true, false}) {
    SCOPED_TRACE(present ? "osascript fails" : "no osascript");
    TempDir home;
    ScopedHome scopedHome(home.path());
    FakeTools fakes;
    fakes.table().osascript = present ? fakes.make("osascript", "exit 1") : std::string();
    fakes.install();
    const std::string old = AppFolders::Current().finderFolder();
    std::filesystem::create_directories(old);
    std::filesystem::create_directory_symlink(home / "stage/Velmora 3000.app",
                                              old + "/Velmora 3000.app");
    const std::string stage = home / "stage \"q\" \\";
    WriteFile(stage + "/Velmora 3000.app/Contents/Info.plist", "plist");

    EXPECT_EQ(PrepareFinderFolder(stage + "/Velmora 3000.app"), stage);
    EXPECT_EQ(TreeListing(stage),
              (std::vector<std::string>{"Applications link /Applications", "Velmora 3000.app dir",
                                        "Velmora 3000.app/Contents dir",
                                        "Velmora 3000.app/Contents/Info.plist file plist"}));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(old)));
    EXPECT_EQ(fakes.runLog(), present ? "osascript -e " + FinderScript(stage) + "\n" : "");
  }
}

TEST(FinderFolder, EachPressReplacesTheEarlierAliasButNeverARealFolder) {
  TempDir dir;
  ScopedHome scopedHome(dir.path());
  FakeTools fakes;
  fakes.install();  // no osascript
  const std::string app = dir / "out/Velmora 3000.app";
  std::filesystem::create_directories(app);
  WriteFile(dir / "out/Applications", "an alias file from an earlier press");
  for (int press = 0; press < 2; ++press) PrepareFinderFolder(app);
  EXPECT_EQ(TreeListing(dir / "out"),
            (std::vector<std::string>{"Applications link /Applications", "Velmora 3000.app dir"}));

  std::filesystem::remove(dir / "out/Applications");
  WriteFile(dir / "out/Applications/keep.txt", "keep");
  EXPECT_EQ(PrepareFinderFolder(app), dir / "out");
  EXPECT_EQ(ReadFile(dir / "out/Applications/keep.txt"), "keep");
}

// An installed app is shown where it is, among the other apps.
TEST(FinderFolder, AnInstalledAppIsShownInItsApplicationsFolderAsItIs) {
  TempDir home;
  ScopedHome scopedHome(home.path());
  FakeTools fakes;
  fakes.table().osascript = fakes.make("osascript", "exit 0");
  fakes.install();
  std::filesystem::create_directories(home / "Applications/Velmora 3000.app");
  EXPECT_EQ(PrepareFinderFolder(home / "Applications/Velmora 3000.app"), home / "Applications");
  EXPECT_EQ(TreeListing(home / "Applications"), std::vector<std::string>{"Velmora 3000.app dir"});
  EXPECT_EQ(fakes.runLog(), "");
}

TEST(FinderFolder, FinderAliasReplacesTheLink) {
  TempDir dir;
  ScopedHome scopedHome(dir.path());
  FakeTools fakes;
  fakes.table().osascript = fakes.make("osascript", "exit 0");
  fakes.install();
  std::filesystem::create_directories(dir / "out/V.app");
  EXPECT_EQ(PrepareFinderFolder(dir / "out/V.app"), dir / "out");
  EXPECT_EQ(TreeListing(dir / "out"), std::vector<std::string>{"V.app dir"});
}

}  // namespace
}  // namespace vlmr
