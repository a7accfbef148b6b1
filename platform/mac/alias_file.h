#pragma once

#include <optional>
#include <string>

namespace vlmr {

/// Mac only (alias_file.mm): the path a Finder alias file at `path` records
/// for its original, read from the alias without resolving it (so an alias
/// whose original has gone still tells where it led). Nothing when `path` is
/// no alias file.
std::optional<std::string> MacAliasOriginal(const std::string& path);

}  // namespace vlmr
