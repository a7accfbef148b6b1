#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/run_capturing.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

struct Result {
  int status;
  std::string out, err;
};

// A copy of the built executable inside a bundle of our own, so each test
// chooses the build script; a private home; the real stand-in tools.
class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(in("Contents/MacOS"));
    fs::copy_file(VLMR_TEST_EXECUTABLE, executable());
    fs::create_directory_symlink(test::BundledHelpersDir(), in("Contents/Helpers"));
    WriteFile(resources("VERSION"), "9.9");
    WriteFile(installer_, "MZ fake");
  }
  std::string executable() const { return in("Contents/MacOS/VelmoraInstaller"); }
  std::string resources(const std::string& name) const { return in("Contents/Resources/" + name); }
  // A resource as the program finds it: through its own resolved path, so the
  // Mac's /var -> /private/var shows in it.
  std::string foundResources(const std::string& name) const {
    return fs::canonical(bundle_).string() + "/Contents/Resources/" + name;
  }
  void script(const std::string& body) {
    WriteFile(resources("src/tools/package_app.sh"), body, true);
  }
  // Runs the executable with `arguments` (already shell-quoted) from `cwd`.
  Result run(const std::string& arguments, const std::string& cwd = "/") {
    std::string command = "cd " + Quote(cwd) + " && HOME=" + Quote(home_.path()) + " " +
                          Quote(executable()) + " " + arguments + " >" + Quote(work_ / "out") +
                          " 2>" + Quote(work_ / "err");
    Result result;
    result.status = RunCapturing("/bin/bash", {"-c", command});
    result.out = ReadFile(work_ / "out");
    result.err = ReadFile(work_ / "err");
    return result;
  }

  TempDir bundleRoot_, home_, work_;
  std::string bundle_ = bundleRoot_ / "Test Installer.app";
  std::string in(const std::string& relative) const { return bundle_ + "/" + relative; }
  std::string installer_ = work_ / "setup.exe";
};

const char kUsage[] =
    "usage: VelmoraInstaller --cli --installer <gog-setup.exe> --out <dir> [--cache <dir>]\n";

TEST_F(Cli, UsageAndMissingInstallerErrorsGiveStatusTwo) {
  script("exit 0\n");
  fs::create_directories(work_ / "folder.exe");
  struct Case {
    std::string arguments;
    std::string err;
  } cases[] = {
      {"--cli", kUsage},
      {"--cli --out /o --installer", kUsage},
      {"--cli --installer " + Quote(installer_) + " --out=", kUsage},
      {"--cli --installer= --out /o", kUsage},
      {"--cli --installer /no/such.exe --out /o", "error: installer not found: /no/such.exe\n"},
      {"--cli --installer " + Quote(work_ / "folder.exe") + " --out /o",
       "error: installer not found: " + work_ / "folder.exe" + "\n"},
  };
  for (const Case& c : cases) {
    Result result = run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_EQ(result.err, c.err) << c.arguments;
    EXPECT_EQ(result.out, "") << c.arguments;
  }
  EXPECT_FALSE(fs::exists(home_ / "Library"));  // nothing written on bad usage
}

TEST_F(Cli, PrintsFiveInstallerLinesBeforeTheScriptAndPassesItsStatusThrough) {
  script(
      "echo \"args:$*\"\n"
      "echo \"pgid:$(ps -o pgid= -p $$ | tr -d ' ') pid:$$\"\n"
      "echo \"path:$PATH\"\n"
      "read -r x; echo \"stdin:$?\"\n"
      "echo to-stderr >&2\n"
      "exit 3\n");
  // Relative installer, "~" output, cache joined by "=", and --snapshot ignored.
  Result result =
      run("--snapshot /snap --out '~/stage' --cli --installer setup.exe --cache=c", work_.path());
  EXPECT_EQ(result.status, 3);
  std::string tools = foundResources("tools");
  std::string sources = home_ / "Library/Application Support/Velmora 3000/installer-src/9.9";
  std::string expected =
      "[installer] bundled tools: " + tools + "\n" + "[installer] SDL3: " + foundResources("sdl3") +
      "\n" + "[installer] wheels: " + foundResources("wheels") + "\n" +
      "[installer] output: " + home_ / "stage" + "\n" + "[installer] build sources: " + sources +
      "\n" + "args:--installer " + installer_ + " --out " + home_ / "stage" + " --cache " +
      work_ / "c" + "\n";
  ASSERT_EQ(result.out.substr(0, expected.size()), expected) << result.out;
  std::string rest = result.out.substr(expected.size());
  std::string pid = rest.substr(rest.find("pid:") + 4, rest.find('\n') - rest.find("pid:") - 4);
  EXPECT_EQ(rest.substr(0, rest.find('\n')), "pgid:" + pid + " pid:" + pid);
  EXPECT_NE(rest.find("path:" + tools + "/bin:/usr/bin:/bin:/usr/sbin:/sbin\n"), std::string::npos);
  EXPECT_NE(rest.find("stdin:1\n"), std::string::npos);
  EXPECT_EQ(result.err, "to-stderr\n");
  EXPECT_FALSE(fs::exists(home_ / "Library/Logs"));  // the headless build keeps no log
  EXPECT_FALSE(fs::exists("/snap"));
}

TEST_F(Cli, PreparationAndLaunchFailuresGiveStatusOneAndOneLine) {
  // No snapshot in the bundle.
  Result result = run("--cli --installer " + Quote(installer_) + " --out /o");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "error: The installer bundle is damaged (no source snapshot inside).\n");

  // A snapshot whose script is missing cannot be unpacked.
  WriteFile(resources("src/readme"), "x");
  result = run("--cli --installer " + Quote(installer_) + " --out /o");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "error: Could not unpack the build sources into Application Support.\n");
  EXPECT_FALSE(fs::exists(
      home_ / "Library/Application Support/Velmora 3000/installer-src/9.9/.vlmr-src-id"));

  // python3 cannot be launched.
  script("exit 0\n");
  TempDir tools;
  WriteFile(tools / "python3", "not a program", false);
  std::string command = "VLMR_TOOLS_OVERRIDE=" + Quote(tools.path()) + " " + Quote(executable()) +
                        " --cli --installer " + Quote(installer_) + " --out " + Quote(work_ / "o");
  std::string output;
  EXPECT_EQ(
      RunCapturing("/bin/bash", {"-c", "HOME=" + Quote(home_.path()) + " " + command}, &output), 1);
  EXPECT_NE(output.find("error: Could not launch " + tools / "python3"), std::string::npos)
      << output;
}

// An output folder that cannot be made is refused before the script starts,
// not found out by the script many minutes into the build.
TEST_F(Cli, OutputFolderThatCannotBeCreatedIsRefusedBeforeTheScriptRuns) {
  std::string marker = work_ / "script-ran";
  script("touch " + Quote(marker) + "\n");
  WriteFile(work_ / "a-file", "x");
  for (const std::string& out : {work_ / "a-file", work_ / "a-file/out"}) {
    Result result = run("--cli --installer " + Quote(installer_) + " --out " + Quote(out));
    EXPECT_EQ(result.status, 1) << out;
    EXPECT_EQ(result.err, "error: Could not create the output folder " + out + ".\n");
    EXPECT_FALSE(fs::exists(marker)) << out;
  }
}

TEST_F(Cli, RelativePathFromARemovedDirectoryIsBadUsage) {
  script("exit 0\n");
  std::string gone = work_ / "gone";
  std::string output;
  std::string command = "mkdir " + Quote(gone) + " && cd " + Quote(gone) + " && rmdir " +
                        Quote(gone) + " && HOME=" + Quote(home_.path()) + " exec " +
                        Quote(executable()) + " --cli --installer " + Quote(installer_) +
                        " --out out";
  EXPECT_EQ(RunCapturing("/bin/bash", {"-c", command}, &output), 2);
  EXPECT_EQ(output, "error: cannot find out: the current directory no longer exists");
}

// A POSIX path is bytes: names that are not UTF-8 reach the script as they
// are, and are shown escaped.
TEST_F(Cli, PathsThatAreNotUtf8AreTakenAsTheirBytes) {
  script(
      "[ -f \"$2\" ] && [ \"$(basename \"$4\")\" = \"out-$(printf '\\377')\" ] || exit 7; echo "
      "ok\n");
  const std::string odd = work_ / "setup-\xff.exe";
  WriteFile(odd, "MZ fake");
  Result result = run("--cli --installer " + Quote(odd) + " --out $'out-\\xff'", work_.path());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("[installer] output: " + work_ / "out-\\xFF\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("ok\n"), std::string::npos);
  fs::remove(odd);
  result = run("--cli --installer " + Quote(odd) + " --out /o");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "error: installer not found: " + work_ / "setup-\\xFF.exe\n");
}

// The real demo bundle from the build tree with a sample installer.
TEST(CliDemo, DemoBundleBuildsTheAppFromTheSampleInstaller) {
  std::string executable = VLMR_TEST_EXECUTABLE;
  TempDir home, work;
  std::string sample = work / "setup_simcity_3000_unlimited_2.0.949(a).exe";
  ASSERT_EQ(RunCapturing("/usr/bin/python3",
                         {test::SourceDir() + "/demo/make-sample-installer.py", sample}),
            0);
  std::string output;
  std::string command = "HOME=" + Quote(home.path()) + " VLMR_DEMO_FAST=1 " + Quote(executable) +
                        " --cli --installer " + Quote(sample) + " --out " + Quote(work / "out");
  ASSERT_EQ(RunCapturing("/bin/bash", {"-c", command}, &output), 0) << output;
  std::string app = work / "out/Velmora 3000.app";
  EXPECT_TRUE(fs::is_regular_file(app + "/Contents/Info.plist"));
  EXPECT_NE(output.find("##done " + app), std::string::npos) << output;
  EXPECT_NE(ReadFile(app + "/Contents/Info.plist").find(VLMR_GAME_BUNDLE_ID), std::string::npos);
}

}  // namespace
}  // namespace vlmr
