#include "installing/finder_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "installing/app_install.h"
#include "platform/app_folders.h"
#include "platform/home.h"
#include "platform/link_target.h"
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
    "  set box to POSIX file \"%@\"\n"
    "  set b to make alias file at box to (POSIX file \"/Applications\")\n"
    "  set name of b to \"Applications\"\n"
    "end tell";

// True when `folder` is one of the Applications folders an app is installed into.
bool IsApplicationsFolder(const std::string& folder) {
  for (const std::string& applications :
       {std::string(kSystemApplicationsFolder), HomePath("Applications")}) {
    if (LiesWithin(folder, applications) && LiesWithin(applications, folder)) return true;
  }
  return false;
}

}  // namespace

std::string FinderScript(const std::string& folder) {
  // Filled left to right; a "%@" inside a value is never filled again.
  return Format(kFinderScript, {AppleScriptEscaped(folder)});
}

std::string PrepareFinderFolder(const std::string& appPath) {
  // The folder of aliases earlier versions made: an alias of the app there
  // is what a player must never drag into Applications.
  RemoveItem(AppFolders::Current().finderFolder());

  const std::string folder = DeletingLastPathComponent(appPath);
  if (IsApplicationsFolder(folder)) return folder;

  // An earlier press's alias or link goes; a real folder of that name stays.
  const std::string alias = JoinPath(folder, "Applications");
  struct stat info {};
  if (lstat(alias.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return folder;
    unlink(alias.c_str());
  }
  const std::string& osascript = Tools().osascript;
  bool scripted = !osascript.empty() && RunCapturing(osascript, {"-e", FinderScript(folder)}) == 0;
  // No Finder to ask: a plain link serves the same drag. A name Finder got
  // to before failing is left as it is.
  if (!scripted) (void)symlink(kSystemApplicationsFolder, alias.c_str());
  return folder;
}

}  // namespace vlmr
