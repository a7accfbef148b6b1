#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "checks/installer_validation.h"
#include "checks/sha256.h"
#include "platform/run_capturing.h"
#include "tests/support/fake_tools.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteFile;
using test::WriteSparseFile;

// 50 MiB written out, not kMinimumInstallerSize: the boundary rows below
// test the constant too.
constexpr uint64_t kEnough = 52428800;
const std::string kUnreadable = "That file can't be read. Is it still on this Mac?";
const std::string kTooSmall =
    "That file is too small to be the GOG installer (it should be about 560 MB).";
const std::string kNotExe = "That isn't a Windows installer (.exe) file.";
const std::string kKnown = "GOG 2.0.949(a) installer · 50 MB · ready to build";
const std::string kByName =
    "50 MB · this build is not the known GOG 2.0.949(a) one, so the game files are checked "
    "after extraction";
const std::string kWrongFile =
    "That doesn't look like the GOG SimCity 3000 Unlimited installer. Look for "
    "setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.";

// What the candidate is. kListed is a hard link to one file whose digest the
// lists below may carry ("{D}"; "{U}" is the same digest in upper case).
enum class Item { kListed, kLinkToListed, kOther, kMissing, kDanglingLink, kDirectory, kFifo };

struct Case {
  const char* fault;
  const char* name;  // under the candidate folder
  Item item;
  const char* list;  // nullptr: no list file
  bool hashReads;    // false: the read fails during hashing, which gives no digest
  bool usable;
  std::string summary;
  std::optional<bool> known;  // unset: rejected before the digest was looked up
  uint64_t size = kEnough;
  const char* head = "MZ\x01";
};

// Test names and failure messages show the case by the fault it guards.
void PrintTo(const Case& c, std::ostream* os) {
  *os << c.fault;
}

const char* const kList = "# known builds\n{D}  setup_simcity_3000_unlimited_2.0.949(a).exe\n";

const Case kCases[] = {
    {"missing file is unreadable", "gone.exe", Item::kMissing, kList, true, false, kUnreadable, {}},
    {"dangling link is unreadable",
     "SimCity 3000.exe",
     Item::kDanglingLink,
     kList,
     true,
     false,
     kUnreadable,
     {}},
    {"one byte under 50 MiB is too small",
     "SimCity 3000.exe",
     Item::kOther,
     kList,
     true,
     false,
     kTooSmall,
     {},
     kEnough - 1},
    {"a directory is too small",
     "SimCity 3000.exe",
     Item::kDirectory,
     kList,
     true,
     false,
     kTooSmall,
     {}},
    {"a FIFO neither hangs nor passes",
     "SimCity 3000.exe",
     Item::kFifo,
     kList,
     true,
     false,
     kTooSmall,
     {}},
    {"ZM is not a signature",
     "SimCity 3000.exe",
     Item::kOther,
     kList,
     true,
     false,
     kNotExe,
     {},
     kEnough,
     "ZM"},
    {"mz is not a signature",
     "SimCity 3000.exe",
     Item::kOther,
     kList,
     true,
     false,
     kNotExe,
     {},
     kEnough,
     "mz"},
    {"known digest accepted under any name", "game.exe", Item::kListed, kList, true, true, kKnown,
     true},
    {"a symbolic link to the installer is judged by the file, not the link", "link.exe",
     Item::kLinkToListed, kList, true, true, kKnown, true},
    {"exactly 50 MiB with a good name passes", "setup_simcity_3000_unlimited_2.0.949(a).exe",
     Item::kOther, kList, true, true, kByName, false},
    {"name test ignores case", "SimCity3000.EXE", Item::kOther, kList, true, true, kByName, false},
    {"simcity alone is not enough", "simcity.exe", Item::kOther, kList, true, false, kWrongFile,
     false},
    {"3000 alone is not enough", "3000.exe", Item::kOther, kList, true, false, kWrongFile, false},
    {"indented comment is ignored", "game.exe", Item::kListed, "   # {D}\n", true, false,
     kWrongFile, false},
    {"blank lines do not end the list", "game.exe", Item::kListed, "\n   \n\n{D}\n", true, true,
     kKnown, true},
    {"upper-case entry never matches", "game.exe", Item::kListed, "{U}  game.exe\n", true, false,
     kWrongFile, false},
    {"tab does not separate fields", "game.exe", Item::kListed, "{D}\tgame.exe\n", true, false,
     kWrongFile, false},
    {"CRLF line matches after others", "game.exe", Item::kListed,
     "0000000000000000000000000000000000000000000000000000000000000000  old.exe\r\n{D}  "
     "game.exe\r\n",
     true, true, kKnown, true},
    {"missing list: accepted by name, not known", "SimCity 3000.exe", Item::kListed, nullptr, true,
     true, kByName, false},
    {"failed read while hashing: accepted by name, not known", "SimCity 3000.exe", Item::kListed,
     kList, false, true, kByName, false},
    {"failed read while hashing: bad name rejected", "game.exe", Item::kListed, kList, false, false,
     kWrongFile, false},
    {"backslash in the folder does not hide the digest", "a\\b/game.exe", Item::kListed, kList,
     true, true, kKnown, true},
    {"quotes, spaces and accents are only a name", "\"Sïm\" földer/SimCity 3000 «ü».exe",
     Item::kOther, kList, true, true, kByName, false},
};

class InstallerValidation : public testing::TestWithParam<Case> {
 protected:
  static void SetUpTestSuite() {
    listed_ = new TempDir;
    listedFile_ = *listed_ / "listed.exe";
    WriteSparseFile(listedFile_, kEnough, "MZ");
    // Another implementation than the one under test, so a shared slip cannot hide:
    // shasum, which Linux (Perl's) and the Mac both have.
    std::string output;
    ASSERT_EQ(RunCapturing("/usr/bin/shasum", {"-a", "256", listedFile_}, &output), 0);
    digest_ = output.substr(0, 64);
  }
  static void TearDownTestSuite() { delete listed_; }

  static std::string Expand(std::string list) {
    std::string upper = digest_;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    for (auto [key, value] : {std::pair{"{D}", digest_}, std::pair{"{U}", upper}}) {
      for (size_t at; (at = list.find(key)) != std::string::npos;) list.replace(at, 3, value);
    }
    return list;
  }

  // Makes the candidate of `c` and returns its path.
  static std::string MakeCandidate(const TempDir& dir, const Case& c) {
    std::string path = dir / ("candidates/" + std::string(c.name));
    WriteFile(path, "");
    unlink(path.c_str());
    switch (c.item) {
      case Item::kListed:
        EXPECT_EQ(link(listedFile_.c_str(), path.c_str()), 0);
        break;
      case Item::kLinkToListed:
        EXPECT_EQ(symlink(listedFile_.c_str(), path.c_str()), 0);
        break;
      case Item::kOther:
        WriteSparseFile(path, c.size, c.head);
        break;
      case Item::kMissing:
        break;
      case Item::kDanglingLink:
        EXPECT_EQ(symlink("/nonexistent/x", path.c_str()), 0);
        break;
      case Item::kDirectory:
        mkdir(path.c_str(), 0755);
        break;
      case Item::kFifo:
        mkfifo(path.c_str(), 0644);
        break;
    }
    return path;
  }

  static TempDir* listed_;
  static std::string listedFile_;
  static std::string digest_;
};

TempDir* InstallerValidation::listed_ = nullptr;
std::string InstallerValidation::listedFile_;
std::string InstallerValidation::digest_;

TEST_P(InstallerValidation, VerdictSummaryAndKnownFlagFollowTheChecksInOrder) {
  const Case& c = GetParam();
  TempDir dir;
  std::string listPath = dir / "known_installers.sha256";
  if (c.list != nullptr) WriteFile(listPath, Expand(c.list));
  std::vector<std::string> hashed;
  FileDigest digest = [&](const std::string& file) -> std::optional<std::string> {
    hashed.push_back(file);
    return c.hashReads ? Sha256OfFile(file) : std::nullopt;
  };
  std::string path = MakeCandidate(dir, c);

  bool earlyRejection = !c.known.has_value();
  InstallerAcceptance accepted{Message::Verbatim("unset"), !c.known.value_or(false)};
  Error error;
  bool usable = InstallerValidator(listPath, digest).validateInstaller(path, &accepted, &error);
  EXPECT_EQ(usable, c.usable);
  if (usable) {
    EXPECT_EQ(accepted.summary.english(), c.summary);
    EXPECT_EQ(accepted.known, c.known.value_or(false));
  } else {
    EXPECT_EQ(error.message.english(), c.summary);
    // A rejected file is never a known one.
    EXPECT_EQ(c.known.value_or(false), false);
  }
  // The full-file hash runs only after the cheap checks have passed.
  EXPECT_EQ(hashed, std::vector<std::string>(earlyRejection ? 0 : 1, path));
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char* p = info.param.fault; *p != 0; ++p)
    name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, InstallerValidation, testing::ValuesIn(kCases), CaseName);

// A check stopped while hashing has no digest: it must end as stopped, not
// accept the file by its name as a build of unknown digest.
TEST(InstallerValidationStop, StoppedHashEndsAsStoppedNotAcceptedByName) {
  TempDir dir;
  const std::string path = dir / "SimCity 3000.exe";
  WriteSparseFile(path, kEnough, "MZ");
  CancelToken cancel;
  FileDigest stoppedHash = [&cancel](const std::string&) -> std::optional<std::string> {
    cancel.cancel();
    return std::nullopt;
  };
  InstallerAcceptance accepted{Message::Verbatim("unset"), false};
  Error error;
  EXPECT_FALSE(InstallerValidator(dir / "list", stoppedHash)
                   .validateInstaller(path, &accepted, &error, cancel));
  EXPECT_EQ(error.message.english(), "The check was stopped.");
  EXPECT_EQ(accepted.summary, Message::Verbatim("unset"));
}

// Window tests slow the hash down or make it fail for every validator at once.
TEST(InstallerValidationOverride, ReplacesTheDigestOfValidatorsWithoutTheirOwn) {
  TempDir dir;
  const std::string path = dir / "SimCity 3000.exe";
  WriteSparseFile(path, kEnough, "MZ");
  WriteFile(dir / "list", std::string(64, 'a') + "\n");
  InstallerAcceptance accepted;
  SetFileDigestForTesting([](const std::string&) { return std::nullopt; });
  ASSERT_TRUE(InstallerValidator(dir / "list").validateInstaller(path, &accepted, nullptr));
  EXPECT_FALSE(accepted.known);
  SetFileDigestForTesting([](const std::string&) { return std::string(64, 'a'); });
  ASSERT_TRUE(InstallerValidator(dir / "list").validateInstaller(path, &accepted, nullptr));
  EXPECT_TRUE(accepted.known);
  SetFileDigestForTesting({});
  ASSERT_TRUE(InstallerValidator(dir / "list").validateInstaller(path, &accepted, nullptr));
  const bool known = accepted.known;
  EXPECT_FALSE(known) << "the real digest of the file is back";
}

// The Mac's privacy settings refuse the open (EPERM) of a file that access()
// allows: the sentence then says where to allow it, never "not an .exe".
TEST(InstallerValidationUnreadable, ThePrivacyRefusalPointsToItsSetting) {
  const struct {
    int error;
    std::string sentence;
  } rows[] = {
      {EPERM,
       "macOS doesn't let the installer read that file. Allow it in System Settings → Privacy & "
       "Security → Files and Folders."},
      {EACCES, kUnreadable},
      {ENOENT, kUnreadable},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Message(UnreadableReason(row.error)).english(), row.sentence) << row.error;
  }
}

}  // namespace
}  // namespace vlmr
