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
  EXPECT_EQ(FinderScript("/Users/p/F", "/Users/p/out/Velmora 3000.app"),
            "tell application \"Finder\"\n"
            "  set dest to POSIX file \"/Users/p/F\"\n"
            "  set box to POSIX file \"/Users/p/F\"\n"
            "  set a to make new alias file at box to (POSIX file \"/Users/p/out/Velmora "
            "3000.app\")\n"
            "  set name of a to \"Velmora 3000.app\"\n"
            "  set b to make alias file at box to (POSIX file \"/Applications\")\n"
            "  set name of b to \"Applications\"\n"
            "end tell");
}

// A path must stay inside its string literal whatever it holds; with quotes
// escaped alone, a trailing backslash or a \" would end the literal early.
TEST(FinderScript, NoPathCanBreakOutOfItsStringLiteral) {
  const std::pair<std::string, std::string> rows[] = {
      {"/Users/p/F", "/tmp/ends with backslash\\"},
      {"/Users/p/a\\\"b", "/tmp/\"quoted\" app.app"},
      {"/Users/p/\\\\", "/tmp/x\\\" & (do shell script \"rm\") & \"\\"},
      {"/Users/p/%@", "/tmp/ü\nnewline.app"},
  };
  for (const auto& [folder, app] : rows) {
    SCOPED_TRACE(folder + " | " + app);
    EXPECT_EQ(StringLiterals(FinderScript(folder, app)),
              (std::vector<std::string>{"Finder", folder, folder, app, "Velmora 3000.app",
                                        "/Applications", "Applications"}));
  }
  EXPECT_EQ(AppleScriptEscaped("a\"b\\c\\\"d"), "a\\\"b\\\\c\\\\\\\"d");
}

TEST(FinderFolder, FallsBackToTwoLinksWhenOsascriptFailsOrIsAbsent) {
  const std::string app = "/tmp/out \"q\" \\/Velmora 3000.app";
  for (bool present : {true, false}) {
    SCOPED_TRACE(present ? "osascript fails" : "no osascript");
    TempDir home;
    ScopedHome scopedHome(home.path());
    FakeTools fakes;
    fakes.table().osascript = present ? fakes.make("osascript", "exit 1") : std::string();
    fakes.install();
    std::string folder = AppFolders::Current().finderFolder();
    EXPECT_EQ(folder,
              home.path() + "/Library/Application Support/Velmora 3000/Move to Applications");
    EXPECT_FALSE(PrepareFinderFolder(app, folder));
    EXPECT_EQ(TreeListing(folder), (std::vector<std::string>{"Applications link /Applications",
                                                             "Velmora 3000.app link " + app}));
    EXPECT_EQ(fakes.runLog(), present ? "osascript -e " + FinderScript(folder, app) + "\n" : "");
  }
}

TEST(FinderFolder, EachPressStartsEmptyAndNeverFollowsTheOldLinks) {
  TempDir dir;
  FakeTools fakes;
  fakes.install();  // no osascript
  std::string folder = dir / "F";
  // An earlier folder whose "Applications" link leads somewhere with contents.
  WriteFile(dir / "target/keep.txt", "keep");
  PrepareFinderFolder(dir / "old.app", folder);
  std::filesystem::remove(folder + "/Applications");
  std::filesystem::create_directory_symlink(dir / "target", folder + "/Applications");
  WriteFile(folder + "/stray.txt", "left over");

  for (int press = 0; press < 2; ++press) PrepareFinderFolder(dir / "new.app", folder);
  EXPECT_EQ(TreeListing(folder),
            (std::vector<std::string>{"Applications link /Applications",
                                      "Velmora 3000.app link " + dir / "new.app"}));
  EXPECT_EQ(ReadFile(dir / "target/keep.txt"), "keep");
}

TEST(FinderFolder, FinderAliasesReplaceTheLinks) {
  TempDir dir;
  FakeTools fakes;
  fakes.table().osascript = fakes.make("osascript", "exit 0");
  fakes.install();
  EXPECT_TRUE(PrepareFinderFolder(dir / "V.app", dir / "F"));
  EXPECT_EQ(TreeListing(dir / "F"), std::vector<std::string>{});
}

}  // namespace
}  // namespace vlmr
