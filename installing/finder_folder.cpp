#include "installing/finder_folder.h"

#include <unistd.h>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "installing/app_install.h"
#include "platform/run_capturing.h"
#include "platform/system_tools.h"

namespace vlmr {

std::string AppleScriptEscaped(std::string_view text) {
  // Backslashes too: a path ending in "\" would otherwise escape the closing
  // quote and let the rest of the line run on as script.
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '\\' || c == '"') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

namespace {

// The script; each "%@" takes the next value.
constexpr std::string_view kFinderScript =
    "tell application \"Finder\"\n"
    "  set dest to POSIX file \"%@\"\n"
    "  set box to POSIX file \"%@\"\n"
    "  set a to make new alias file at box to (POSIX file \"%@\")\n"
    "  set name of a to \"%@.app\"\n"
    "  set b to make alias file at box to (POSIX file \"/Applications\")\n"
    "  set name of b to \"Applications\"\n"
    "end tell";

}  // namespace

std::string FinderScript(const std::string& folder, const std::string& appPath) {
  const std::string box = AppleScriptEscaped(folder);
  // Filled left to right; a "%@" inside a value is never filled again.
  return Format(kFinderScript, {box, box, AppleScriptEscaped(appPath), kAppDisplayName});
}

bool PrepareFinderFolder(const std::string& appPath, const std::string& folder) {
  // Every press starts from an empty folder, so aliases never pile up. The
  // removal does not follow links: the old "Applications" link goes, not
  // what it points to.
  RemoveItem(folder);
  CreateDirectories(folder);

  const std::string& osascript = Tools().osascript;
  bool scripted =
      !osascript.empty() && RunCapturing(osascript, {"-e", FinderScript(folder, appPath)}) == 0;
  if (!scripted) {
    // No Finder to ask: plain links serve the same drag. A name Finder got
    // to before failing is left as it is.
    (void)symlink(appPath.c_str(), JoinPath(folder, kAppBundleName).c_str());
    (void)symlink(kSystemApplicationsFolder, JoinPath(folder, "Applications").c_str());
  }
  return scripted;
}

}  // namespace vlmr
