#pragma once

#include <string>
#include <string_view>

namespace vlmr {

/// `text` made safe inside an AppleScript string literal: every backslash and
/// every double quotation mark gets a backslash before it.
std::string AppleScriptEscaped(std::string_view text);

/// The Finder script that makes, inside `folder`, an alias of `appPath` named
/// "Velmora 3000.app" and an alias of /Applications named "Applications".
std::string FinderScript(const std::string& folder, const std::string& appPath);

/// The decision behind "Show in Finder": empties and recreates `folder`, asks
/// Finder through osascript for the two aliases and, when that fails or there
/// is no osascript, makes two symbolic links in their place. Returns true when
/// Finder made the aliases. Failures are silent; the caller opens `folder`
/// in every case.
bool PrepareFinderFolder(const std::string& appPath, const std::string& folder);

}  // namespace vlmr
