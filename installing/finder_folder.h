#pragma once

#include <string>
#include <string_view>

namespace vlmr {

/// `text` made safe inside an AppleScript string literal: every backslash and
/// every double quotation mark gets a backslash before it.
std::string AppleScriptEscaped(std::string_view text);

/// The Finder script that makes, inside `folder`, an alias of /Applications
/// named "Applications".
std::string FinderScript(const std::string& folder);

/// The decision behind "Show in Finder": the folder to show, the one that
/// holds the app at `appPath`, so the player drags the real app and never an
/// alias of it. Unless that folder is an Applications folder already, an
/// alias of /Applications named "Applications" is put beside the app
/// (replacing an earlier one, never a real folder of that name), asked of
/// Finder through osascript and made a symbolic link when that fails or there
/// is no osascript. The folder earlier versions filled with aliases is
/// removed, so no alias into the stage is left to drag. Failures are silent;
/// the caller opens the folder in every case.
std::string PrepareFinderFolder(const std::string& appPath);

}  // namespace vlmr
