#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// A bundle of our own and an empty home, with the real ditto stand-in.
class Preparation : public ::testing::Test {
 protected:
  void SetUp() override {
    SetResourceDirectoryForTesting(bundle_.path());
    SetTools(SystemTools::ForPlatform(test::BundledHelpersDir()));
    WriteFile(bundle_ / "src/tools/package_app.sh", "echo build\n", true);
    WriteFile(bundle_ / "src/data/readme.txt", "snapshot v1");
  }
  void TearDown() override {
    SetResourceDirectoryForTesting("");
    SetTools(SystemTools::ForPlatform(HelpersDirectory()));
  }
  std::string sourcesDir(const std::string& version) const {
    return home_ / ("Library/Application Support/Velmora 3000/installer-src/" + version);
  }
  bool prepare() {
    pipeline_ = Pipeline::Create(BuildRequest{"/in/setup.exe", home_ / "out"});
    return pipeline_->prepareSources();
  }
  // The sentence the run ends a failed preparation with, in English.
  std::string failure() {
    EXPECT_FALSE(pipeline_->run());
    return pipeline_->report().startFailure.value_or(Message()).english();
  }

  TempDir bundle_, home_;
  test::ScopedHome scopedHome_{home_.path()};
  std::shared_ptr<Pipeline> pipeline_;
};

TEST_F(Preparation, FirstBuildCopiesAndWritesTheMarkerThenReuses) {
  WriteFile(bundle_ / "VERSION", " 2.1\n");
  WriteFile(bundle_ / "SRC_ID", "snap-7\n");
  ASSERT_TRUE(prepare());
  EXPECT_EQ(pipeline_->report().sourcesRoot, sourcesDir("2.1"));
  EXPECT_EQ(ReadFile(sourcesDir("2.1") + "/.vlmr-src-id"), "snap-7");
  EXPECT_EQ(ReadFile(sourcesDir("2.1") + "/data/readme.txt"), "snapshot v1");

  // What the script leaves in the copy survives a reuse; nothing is copied.
  WriteFile(sourcesDir("2.1") + "/left-by-script", "x");
  WriteFile(bundle_ / "src/data/readme.txt", "snapshot v2");
  ASSERT_TRUE(prepare());
  EXPECT_EQ(ReadFile(sourcesDir("2.1") + "/data/readme.txt"), "snapshot v1");
  EXPECT_TRUE(std::filesystem::exists(sourcesDir("2.1") + "/left-by-script"));
}

// An installer that is not the file it was checked as is refused, on the
// first copy and on a reuse alike, and its refusal holds no lock: the next
// build of the file as it now is prepares at once.
TEST_F(Preparation, InstallerChangedSinceItsCheckIsRefused) {
  const std::string installer = home_ / "setup.exe";
  for (const bool reuse : {false, true}) {
    SCOPED_TRACE(reuse ? "reuse" : "first copy");
    WriteFile(installer, "MZ checked");
    const std::optional<FileIdentity> checked = IdentityOfFileAt(installer);
    ASSERT_TRUE(checked.has_value());
    const std::string other = home_ / "other.exe";
    WriteFile(other, "MZ checked");
    ASSERT_EQ(std::rename(other.c_str(), installer.c_str()), 0);

    auto refused = Pipeline::Create(
        BuildRequest{installer, home_ / "out", std::nullopt, BuildRequest::Mode::Live, checked});
    EXPECT_FALSE(refused->prepareSources());
    EXPECT_FALSE(refused->report().sourcesRoot.has_value());
    EXPECT_FALSE(refused->run());
    EXPECT_EQ(refused->report().startFailure.value_or(Message()).english(),
              "The installer file changed after it was checked. Choose it again.");

    auto next =
        Pipeline::Create(BuildRequest{installer, home_ / "out", std::nullopt,
                                      BuildRequest::Mode::Live, IdentityOfFileAt(installer)});
    EXPECT_TRUE(next->prepareSources());
  }
}

TEST_F(Preparation, TheSnapshotCopyLeavesTheQuarantineAttributeBehind) {
  // The platform's ditto, behind a recorder of its arguments.
  TempDir tools;
  const std::string real = SystemTools::ForPlatform(test::BundledHelpersDir()).ditto;
  WriteFile(tools / "ditto",
            "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + tools / "arguments" + "'\nexec '" + real +
                "' \"$@\"\n",
            true);
  SystemTools table = SystemTools::ForPlatform(test::BundledHelpersDir());
  table.ditto = tools / "ditto";
  SetTools(table);
  ASSERT_TRUE(prepare());
  EXPECT_EQ(ReadFile(tools / "arguments"),
            "--noqtn\n" + bundle_ / "src" + "\n" + sourcesDir("dev") + "\n");
  EXPECT_EQ(ReadFile(sourcesDir("dev") + "/data/readme.txt"), "snapshot v1");
}

TEST_F(Preparation, MarkerDifferingOnlyByWhitespaceStillMatches) {
  WriteFile(bundle_ / "SRC_ID", "snap-7");
  ASSERT_TRUE(prepare());
  WriteFile(sourcesDir("dev") + "/.vlmr-src-id", "\n  snap-7 \r\n");
  WriteFile(sourcesDir("dev") + "/left-by-script", "x");
  ASSERT_TRUE(prepare());
  EXPECT_TRUE(std::filesystem::exists(sourcesDir("dev") + "/left-by-script"));
}

TEST_F(Preparation, LostOrBrokenScriptOrNewIdentifierCopiesAfresh) {
  struct Case {
    const char* name;
    void (*damage)(const std::string& sources, const std::string& bundle);
  } cases[] = {
      {"script deleted",
       [](const std::string& s, const std::string&) {
         std::filesystem::remove(s + "/tools/package_app.sh");
       }},
      {"script is a directory",
       [](const std::string& s, const std::string&) {
         std::filesystem::remove(s + "/tools/package_app.sh");
         std::filesystem::create_directories(s + "/tools/package_app.sh");
       }},
      {"new SRC_ID",
       [](const std::string&, const std::string& b) { WriteFile(b + "/SRC_ID", "snap-8"); }},
  };
  for (const Case& c : cases) {
    WriteFile(bundle_ / "SRC_ID", "snap-7");
    ASSERT_TRUE(prepare()) << c.name;
    WriteFile(sourcesDir("dev") + "/stale", "x");
    c.damage(sourcesDir("dev"), bundle_.path());
    ASSERT_TRUE(prepare()) << c.name;
    EXPECT_FALSE(std::filesystem::exists(sourcesDir("dev") + "/stale")) << c.name;
    EXPECT_TRUE(std::filesystem::is_regular_file(sourcesDir("dev") + "/tools/package_app.sh"))
        << c.name;
  }
}

TEST_F(Preparation, BlankVersionIsDevAndBlankSourceIdIsTheVersion) {
  WriteFile(bundle_ / "VERSION", "  \n\t\n");
  WriteFile(bundle_ / "SRC_ID", "\n");
  EXPECT_EQ(BundleVersion(), "dev");
  ASSERT_TRUE(prepare());
  EXPECT_EQ(ReadFile(sourcesDir("dev") + "/.vlmr-src-id"), "dev");

  WriteFile(bundle_ / "VERSION", "3.0");
  std::filesystem::remove(bundle_ / "SRC_ID");
  ASSERT_TRUE(prepare());
  EXPECT_EQ(ReadFile(sourcesDir("3.0") + "/.vlmr-src-id"), "3.0");
  EXPECT_TRUE(std::filesystem::exists(sourcesDir("dev")));  // earlier versions stay
}

TEST_F(Preparation, MissingSnapshotFailsAndTouchesNothing) {
  std::filesystem::remove_all(bundle_ / "src");
  EXPECT_FALSE(prepare());
  EXPECT_FALSE(pipeline_->report().sourcesRoot.has_value());
  EXPECT_TRUE(std::filesystem::is_empty(home_.path()));
  EXPECT_EQ(failure(), "The installer bundle is damaged (no source snapshot inside).");
}

TEST_F(Preparation, FailedCopyFailsAndWritesNoMarker) {
  struct Case {
    const char* name;
    std::string ditto;  // replacement copy tool
  } cases[] = {
      {"ditto missing", "/nonexistent/ditto"},
      {"ditto fails", "/bin/false"},
      {"copy lacks the script", "/bin/true"},
  };
  for (const Case& c : cases) {
    SystemTools tools = SystemTools::ForPlatform(test::BundledHelpersDir());
    tools.ditto = c.ditto;
    SetTools(tools);
    EXPECT_FALSE(prepare()) << c.name;
    EXPECT_FALSE(std::filesystem::exists(sourcesDir("dev") + "/.vlmr-src-id")) << c.name;
    EXPECT_FALSE(pipeline_->report().sourcesRoot.has_value()) << c.name;
    EXPECT_EQ(failure(), "Could not unpack the build sources into Application Support.");
  }
}

}  // namespace
}  // namespace vlmr
