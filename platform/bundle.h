#pragma once

#include <string>

namespace vlmr {

/// The absolute path of the running executable ("" when it cannot be found).
std::string ExecutablePath();

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

/// Appends `component` to `base` with exactly one "/" between them, as path
/// components are joined; an empty base yields the component unchanged.
std::string JoinPath(const std::string& base, const std::string& component);

/// The last path component of `path`, ignoring trailing "/" ("/" stays "/").
std::string LastPathComponent(const std::string& path);

/// The path without its last component ("/" for a top-level item, "" for a bare name).
std::string DeletingLastPathComponent(const std::string& path);

}  // namespace vlmr
