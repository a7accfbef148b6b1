#include <gtest/gtest.h>
#include <unistd.h>

#include "modes/options.h"
#include "platform/home.h"
#include "tests/core/test_support.h"

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

TEST(ArgumentList, InvalidUtf8BecomesEmpty) {
  char a[] = "prog", b[] = "ok\xc3\xa9", c[] = "bad\xff";
  char* argv[] = {a, b, c, nullptr};
  EXPECT_EQ(ArgumentList(3, argv), (std::vector<std::string>{"prog", "ok\u00e9", ""}));
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

}  // namespace
}  // namespace vlmr
