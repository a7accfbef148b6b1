#pragma once

#include <string>

namespace vlmr {

/// Appends `component` to `base` with exactly one "/" between them, as path
/// components are joined; an empty base yields the component unchanged.
std::string JoinPath(const std::string& base, const std::string& component);

/// The last path component of `path`, ignoring trailing "/" ("/" stays "/").
std::string LastPathComponent(const std::string& path);

/// The path without its last component ("/" for a top-level item, "" for a bare name).
std::string DeletingLastPathComponent(const std::string& path);

}  // namespace vlmr
