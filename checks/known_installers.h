#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vlmr {

/// Where the list of known installer digests lies under the bundle's resources.
inline constexpr char kKnownInstallersList[] = "src/packaging/known_installers.sha256";

/// The entries of a known-installer list: per line (split at LF, trimmed),
/// skipping blank lines and lines starting with "#", the text before the first
/// space. Invalid UTF-8 gives no entries.
std::vector<std::string> KnownInstallerEntries(std::string_view text);

/// true when `digest` equals an entry of the list file at `listPath` exactly. A
/// missing or unreadable list, or no digest, is false. The file is read on every call.
bool IsKnownInstallerDigest(const std::string& listPath, const std::optional<std::string>& digest);

/// The SHA-256 digest in the output of `shasum -a 256 FILE`, or nothing when the
/// output does not have that shape: 64 lower-case hexadecimal digits up to the
/// first space, after the backslash shasum puts before the digest of a file
/// whose name holds a backslash or a line feed.
std::optional<std::string> DigestFromShasumOutput(std::string_view output);

}  // namespace vlmr
