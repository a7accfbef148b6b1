#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "base/text.h"
#include "modes/options.h"
#include "platform/home.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

TEST(ValueForOption, FirstMatchOfEitherFormDecides) {
  using Args = std::vector<std::string>;
  struct Case {
    Args arguments;
    const char* option;
    std::optional<std::string> value;
  } cases[] = {
      {{"prog", "--cli", "--out=/o"}, "--out", "/o"},
      {{"prog", "--installer"}, "--installer", std::nullopt},
      {{"prog", "--out", "--cache", "/c"}, "--out", "--cache"},
      {{"prog", "--out="}, "--out", ""},
      {{"prog", "--out", "/a", "--out", "/b"}, "--out", "/a"},
      {{"prog", "--out=/a", "--out", "/b"}, "--out", "/a"},
      {{"prog", "--output", "/x"}, "--out", std::nullopt},
      {{"--out", "/first-is-program-path"}, "--out", "/first-is-program-path"},
  };
  for (const Case& c : cases) EXPECT_EQ(ValueForOption(c.arguments, c.option), c.value);
}

TEST(ArgumentList, KeepsEveryArgumentAsItsBytes) {
  char a[] = "prog", b[] = "ok\xc3\xa9", c[] = "bad\xff";
  char* argv[] = {a, b, c, nullptr};
  EXPECT_EQ(ArgumentList(3, argv), (std::vector<std::string>{"prog", "ok\u00e9", "bad\xff"}));
}

TEST(ExpandPath, TildeAbsoluteAndRelative) {
  test::ScopedHome home("/home/tester");
  char buffer[4096];
  std::string cwd = getcwd(buffer, sizeof buffer);
  EXPECT_EQ(ExpandPath("~"), "/home/tester");
  EXPECT_EQ(ExpandPath("~/Downloads/setup.exe"), "/home/tester/Downloads/setup.exe");
  EXPECT_EQ(ExpandPath("~root/x"), HomeDirectoryOfUser("root") + "/x");
  EXPECT_EQ(ExpandPath("/abs/../x"), "/abs/../x");
  EXPECT_EQ(ExpandPath("./rel/../x"), cwd + "/./rel/../x");
  EXPECT_EQ(Format("[installer] output: %@", {"/o"}), "[installer] output: /o");
}

// A working directory deeper than any fixed buffer still gives an absolute
// path; a removed one gives none instead of a relative path.
TEST(ExpandPath, LongOrVanishedWorkingDirectory) {
  test::TempDir root;
  std::string saved = std::filesystem::current_path().string();
  // The working directory is known only as the system resolves it.
  const std::string resolved = std::filesystem::canonical(root.path()).string();
  std::string deep = resolved;
  ASSERT_EQ(chdir(deep.c_str()), 0);
  const std::string component(200, 'd');
  while (deep.size() <= 5000) {
    ASSERT_EQ(mkdir(component.c_str(), 0755), 0);
    ASSERT_EQ(chdir(component.c_str()), 0);
    deep += "/" + component;
  }
  bool ok = false;
  EXPECT_EQ(ExpandPath("out", &ok), deep + "/out");
  EXPECT_TRUE(ok);

  int deepest = open(".", O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(mkdir("gone", 0755), 0);
  ASSERT_EQ(chdir("gone"), 0);
  ASSERT_EQ(rmdir("../gone"), 0);
  EXPECT_EQ(ExpandPath("out", &ok), "out");
  EXPECT_FALSE(ok);
  EXPECT_EQ(ExpandPath("/abs", &ok), "/abs");
  EXPECT_TRUE(ok);

  // Too deep for removal by full path: climb out one level at a time.
  ASSERT_EQ(fchdir(deepest), 0);
  close(deepest);
  while (std::filesystem::current_path() != resolved) {
    ASSERT_EQ(chdir(".."), 0);
    ASSERT_EQ(rmdir(component.c_str()), 0);
  }
  ASSERT_EQ(chdir(saved.c_str()), 0);
}

// A relative path is made absolute in the spelling the user's shell went to
// the folder by ($PWD, such as /var/... where the system resolves
// /private/var/...) whenever $PWD names the working directory.
TEST(ExpandPath, KeepsTheShellsSpellingOfTheWorkingDirectory) {
  test::TempDir root;
  const std::string saved = std::filesystem::current_path().string();
  const char* savedPwd = std::getenv("PWD");
  const std::string oldPwd = savedPwd != nullptr ? savedPwd : "";
  std::filesystem::create_directories(root / "real/here");
  std::filesystem::create_directories(root / "other");
  std::filesystem::create_directory_symlink(root / "real", root / "link");
  ASSERT_EQ(chdir((root / "real/here").c_str()), 0);
  const std::string resolved = std::filesystem::canonical(root / "real/here").string();
  const std::pair<std::string, std::string> rows[] = {
      {root / "link/here", root / "link/here/out"},     // the shell's spelling
      {root / "other", resolved + "/out"},              // stale: another folder
      {root / "link/../link/here", resolved + "/out"},  // not trusted, as by pwd
      {"link/here", resolved + "/out"},                 // not absolute
      {root / "gone", resolved + "/out"},               // names nothing
  };
  for (const auto& [pwd, expected] : rows) {
    setenv("PWD", pwd.c_str(), 1);
    EXPECT_EQ(ExpandPath("out"), expected) << pwd;
  }
  setenv("PWD", oldPwd.c_str(), 1);
  ASSERT_EQ(chdir(saved.c_str()), 0);
}

// The installers named on the command line: regular files only, made
// absolute, in order; the program path, options, folders, devices, pipes and
// names of nothing are ignored.
TEST(ExistingFileArguments, OnlyRegularFilesCount) {
  test::TempDir root;
  const std::string saved = std::filesystem::current_path().string();
  test::WriteFile(root / "setup.exe", "MZ");
  test::WriteFile(root / "later.exe", "MZ");
  ASSERT_EQ(mkfifo((root / "pipe.exe").c_str(), 0600), 0);
  std::filesystem::create_symlink(root / "setup.exe", root / "link.exe");
  std::filesystem::create_symlink(root / "nothing.exe", root / "dangling.exe");
  ASSERT_EQ(chdir(root.path().c_str()), 0);

  const std::vector<std::string> arguments = {
      root / "setup.exe",  // the program path is never an installer
      "--verbose",          "",
      root.path(),          "/dev/null",
      root / "pipe.exe",    root / "dangling.exe",
      root / "missing.exe", "setup.exe",
      root / "link.exe",    root / "later.exe"};
  // A relative name is made absolute from the working directory, which is
  // known only as the system resolves it; an absolute one keeps its spelling.
  EXPECT_EQ(
      ExistingFileArguments(arguments),
      (std::vector<std::string>{std::filesystem::canonical(root.path()).string() + "/setup.exe",
                                root / "link.exe", root / "later.exe"}));
  EXPECT_TRUE(ExistingFileArguments({"prog"}).empty());
  ASSERT_EQ(chdir(saved.c_str()), 0);
}

}  // namespace
}  // namespace vlmr
