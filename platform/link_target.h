#pragma once

#include <optional>
#include <string>

namespace vlmr {

/// Where the link at `path` leads, without following it any further: a
/// symbolic link's target (a relative one taken from the link's folder) or,
/// on the Mac, the original a Finder alias file records. Nothing when `path`
/// is neither. The target need not exist.
std::optional<std::string> LinkTarget(const std::string& path);

/// True when `path` lies at or below `folder`, both compared as written and as
/// the file system resolves them (so "/var/..." matches "/private/var/...").
bool LiesWithin(const std::string& path, const std::string& folder);

}  // namespace vlmr
