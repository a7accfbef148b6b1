#include "checks/installer_validation.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <mutex>
#include <utility>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "base/translatable.h"
#include "checks/known_installers.h"
#include "checks/near_miss.h"
#include "checks/sha256.h"
#include "platform/bundle.h"

namespace vlmr {

namespace {

constexpr MessageText kUnreadable =
    VLMR_TRANSLATABLE("InstallerValidation", "That file can't be read. Is it still on this Mac?");
constexpr MessageText kTooSmall = VLMR_TRANSLATABLE(
    "InstallerValidation",
    "That file is too small to be the GOG installer (it should be about 560 MB).");
constexpr MessageText kNotExecutable =
    VLMR_TRANSLATABLE("InstallerValidation", "That isn't a Windows installer (.exe) file.");
constexpr MessageText kWrongFile =
    VLMR_TRANSLATABLE("InstallerValidation",
                      "That doesn't look like the GOG SimCity 3000 Unlimited installer. Look for "
                      "setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.");

// The first two bytes of the file are "MZ", the DOS executable signature that
// every Windows installer carries.
bool StartsWithMZ(const std::string& path) {
  // Read without blocking, so an item swapped for a FIFO since the size test
  // cannot hold the validation up.
  return ReadFirstBytes(path, 2) == "MZ";
}

std::mutex gDigestMutex;
FileDigest gDigestOverride;

// The process-wide digest: the test override when one is set.
std::optional<std::string> DefaultDigest(const std::string& path, const CancelToken& cancel) {
  FileDigest digest;
  {
    std::lock_guard lock(gDigestMutex);
    digest = gDigestOverride;
  }
  return digest ? digest(path) : Sha256OfFile(path, cancel);
}

// The file name mentions the game: "simcity" and "3000" in any case, anywhere.
bool NameMentionsGame(const std::string& path) {
  std::string name = LastPathComponent(path);
  // Only ASCII letters matter for these two words, so ASCII lower-casing
  // decides exactly as full Unicode lower-casing would.
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name.find("simcity") != std::string::npos && name.find("3000") != std::string::npos;
}

// 0 when `path` opens for reading, else the errno. An open, not access(): the
// Mac's privacy settings refuse the open (EPERM) of a file access() allows.
int OpenFailure(const std::string& path) {
  // Without blocking, so a FIFO cannot hold the validation up.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  close(fd);
  return 0;
}

}  // namespace

MessageText UnreadableReason(int error) {
  return error == EPERM ? kNotPermittedSentence : kUnreadable;
}

void SetFileDigestForTesting(FileDigest digest) {
  std::lock_guard lock(gDigestMutex);
  gDigestOverride = std::move(digest);
}

InstallerValidator::InstallerValidator(std::string knownListPath, FileDigest digest)
    : knownListPath_(std::move(knownListPath)), digest_(std::move(digest)) {}

std::string InstallerValidator::knownListPath() const {
  // Looked up on every validation, like the list itself.
  return knownListPath_ ? *knownListPath_ : JoinPath(ResourceDirectory(), kKnownInstallersList);
}

bool InstallerValidator::validateInstaller(const std::string& path, InstallerAcceptance* accepted,
                                           Error* error, const CancelToken& cancel) const {
  auto reject = [error](MessageText sentence) {
    if (error != nullptr) *error = {Message(sentence)};
    return false;
  };
  auto accept = [accepted](Message summary, bool known) {
    if (accepted != nullptr) *accepted = InstallerAcceptance{std::move(summary), known};
    return true;
  };
  if (path.empty()) return reject(kUnreadable);
  if (const int failure = OpenFailure(path); failure != 0) return reject(UnreadableReason(failure));
  // An item whose attributes cannot be read counts as empty.
  uint64_t size = SizeOfFileAt(path).value_or(0);
  if (size < kMinimumInstallerSize) return reject(kTooSmall);
  if (!StartsWithMZ(path)) return reject(kNotExecutable);

  // Hashed in process, in large blocks: as fast as the disk reads, where the
  // shasum tool took several times as long for the same digest.
  std::optional<std::string> digest = digest_ ? digest_(path) : DefaultDigest(path, cancel);
  // A stopped hash has no digest; that must not read as an unknown build.
  if (cancel.cancelled()) return reject(kCheckStopped);
  const bool known = IsKnownInstallerDigest(knownListPath(), digest);
  const SizeFigure shownSize = HumanSizeFigure(size);
  if (known) return accept(Message(kKnownInstallerSummary, {shownSize}), true);
  if (NameMentionsGame(path)) return accept(Message(kUnknownBuildSummary, {shownSize}), false);
  return reject(kWrongFile);
}

}  // namespace vlmr
