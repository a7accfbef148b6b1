#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/cancel_token.h"
#include "base/error.h"
#include "base/translatable.h"

namespace vlmr {

/// Smallest size of a usable installer: 50 MiB (the real one is about 560 MB).
inline constexpr uint64_t kMinimumInstallerSize = 50ull << 20;

/// The refusal of a file the system does not let us read: on the Mac, one in
/// a folder the privacy settings keep from the installer.
inline constexpr MessageText kNotPermittedSentence = VLMR_TRANSLATABLE(
    "InstallerValidation",
    "macOS doesn't let the installer read that file. Allow it in System Settings → Privacy & "
    "Security → Files and Folders.");

/// The sentence for a file that cannot be opened for reading, by the `errno`
/// the open failed with.
MessageText UnreadableReason(int error);

/// The message of a check stopped before its end.
inline constexpr MessageText kCheckStopped =
    VLMR_TRANSLATABLE("InstallerValidation", "The check was stopped.");
/// The summary of the known installer; "%1" takes its size.
inline constexpr MessageText kKnownInstallerSummary =
    VLMR_TRANSLATABLE("InstallerValidation", "GOG 2.0.949(a) installer · %1 · ready to build");
/// The summary of an installer whose name tells the game but whose build is
/// not the known one; "%1" takes its size.
inline constexpr MessageText kUnknownBuildSummary = VLMR_TRANSLATABLE(
    "InstallerValidation",
    "%1 · this build is not the known GOG 2.0.949(a) one, so the game files are checked after "
    "extraction");

/// What validation found out about a usable installer.
struct InstallerAcceptance {
  /// The verdict line: "GOG 2.0.949(a) installer · <size> · ready to build",
  /// or the line of a build accepted by its name alone.
  Message summary;
  /// Its digest is on the known list.
  bool known = false;
};

/// The SHA-256 of a file as 64 lower-case hexadecimal digits, or nothing when
/// it cannot be read to its end.
using FileDigest = std::function<std::optional<std::string>(const std::string& path)>;

/// Replaces the digest every validator without one of its own takes (an
/// empty function restores `Sha256OfFile`). For window tests that need a slow
/// or failing hash; safe to call from any thread.
void SetFileDigestForTesting(FileDigest digest);

/// Decides whether a file is usable as the game's offline installer and
/// words the verdict. Holds no state between calls, so validations may run
/// on any thread and overlap.
class InstallerValidator {
 public:
  /// Compares digests with the list among the bundle's resources.
  InstallerValidator() = default;
  /// Compares digests with the list at `knownListPath` instead, and takes them
  /// from `digest` (tests make reads fail there) instead of `Sha256OfFile`.
  explicit InstallerValidator(std::string knownListPath, FileDigest digest = {});

  /// Checks, in order and stopping at the first rejection, that the file at
  /// `path` is readable, at least `kMinimumInstallerSize`, starts with "MZ";
  /// then hashes it in process (a failed read leaves it without a digest),
  /// looks the digest up in the known list and tests the name.
  /// Returns true when the digest is known or the name mentions the game, with
  /// the verdict line and the known flag in `accepted` (when given); else false
  /// with the rejection's sentence in `error` (when given). Blocks while the
  /// whole file is hashed; once `cancel` is cancelled the hash stops within a
  /// block and the answer is false with `kCheckStopped`, which is for nobody to
  /// see: the check is no longer wanted.
  bool validateInstaller(const std::string& path, InstallerAcceptance* accepted, Error* error,
                         const CancelToken& cancel = {}) const;

 private:
  std::string knownListPath() const;

  std::optional<std::string> knownListPath_;
  FileDigest digest_;
};

}  // namespace vlmr
