#pragma once

#include <optional>
#include <string>

namespace vlmr {

/// The absolute path of the running executable ("" when it cannot be found).
std::string ExecutablePath();

/// The application bundle around an executable in `executableDir` ("X.app"
/// for "X.app/Contents/MacOS"), or "" when that folder is in none.
std::string BundleAround(const std::string& executableDir);

/// Where an executable in `executableDir` finds its resources: its bundle's
/// "Contents/Resources", or the folder itself for a bare executable.
std::string ResourceDirectoryFor(const std::string& executableDir);

/// The application bundle holding the executable ("X.app" when the executable
/// lives in "X.app/Contents/MacOS/"), or "" for a bare executable.
std::string BundlePath();

/// The bundle's resource directory: "X.app/Contents/Resources" inside a bundle,
/// otherwise the executable's own directory.
std::string ResourceDirectory();

/// Makes `ResourceDirectory` answer `directory` (tests use a bundle of their
/// own); an empty string restores the real one.
void SetResourceDirectoryForTesting(const std::string& directory);

/// The directory of the bundle's helper tools: "X.app/Contents/Helpers" inside a
/// bundle, otherwise the executable's own directory.
std::string HelpersDirectory();

/// The trimmed UTF-8 text of the bundle resource `name`, or nothing when it is
/// missing, undecodable or blank.
std::optional<std::string> BundleText(const std::string& name);

/// The bundle's VERSION text, or "dev".
std::string BundleVersion();

}  // namespace vlmr
