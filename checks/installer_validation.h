#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vlmr {

/// Smallest size of a usable installer: 50 MiB (the real one is about 560 MB).
inline constexpr uint64_t kMinimumInstallerSize = 52428800;

/// A byte count for people: "%llu MB" in units of 2^20 rounded up below 2^30
/// bytes, else "%.1f GB" in units of 2^30.
std::string HumanSize(uint64_t bytes);

/// Decides whether a file is usable as the game's offline installer and
/// words the verdict. Holds no state between calls, so validations may run
/// on any thread and overlap.
class InstallerValidator {
 public:
  /// Compares digests with the list among the bundle's resources.
  InstallerValidator() = default;
  /// Compares digests with the list at `knownListPath` instead.
  explicit InstallerValidator(std::string knownListPath);

  /// Checks, in order and stopping at the first rejection, that the file at
  /// `path` is readable, at least 50 MiB, starts with "MZ"; then hashes it
  /// with shasum, looks the digest up in the known list and tests the name.
  /// Returns YES when the digest is known or the name mentions the game.
  /// `summary` (when given) always receives the verdict line; `known` (when
  /// given) is written only once the digest has been looked up. Blocks while
  /// the whole file is hashed.
  bool validateInstaller(const std::string& path, std::string* summary, bool* known) const;

 private:
  std::string knownListPath() const;

  std::optional<std::string> knownListPath_;
};

}  // namespace vlmr
