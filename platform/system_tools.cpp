#include "platform/system_tools.h"

#include <cstdlib>
#include <deque>
#include <mutex>
#include <utility>

#include "base/files.h"
#include "base/paths.h"
#include "platform/bundle.h"
#include "platform/supervision.h"

namespace vlmr {

namespace {

struct Entry {
  const char* name;
  std::string SystemTools::*field;
};

// The tool names as they appear on macOS; an override directory uses them too.
constexpr Entry kEntries[] = {
    {"python3", &SystemTools::python3},
    {"bash", &SystemTools::bash},
    {"ditto", &SystemTools::ditto},
    {"shasum", &SystemTools::shasum},
    {"xcode-select", &SystemTools::xcodeSelect},
    {"xcrun", &SystemTools::xcrun},
    {"install_name_tool", &SystemTools::installNameTool},
    {"PlistBuddy", &SystemTools::plistBuddy},
    {"osascript", &SystemTools::osascript},
};

std::mutex gToolsMutex;
// Every table ever installed stays alive (a deque never moves its elements):
// callers may still hold a reference to an earlier one.
std::deque<SystemTools>& Tables() {
  static std::deque<SystemTools> tables;
  return tables;
}

}  // namespace

SystemTools SystemTools::MacOS() {
  SystemTools tools;
  tools.python3 = "/usr/bin/python3";
  tools.bash = "/bin/bash";
  tools.ditto = "/usr/bin/ditto";
  tools.shasum = "/usr/bin/shasum";
  tools.xcodeSelect = "/usr/bin/xcode-select";
  tools.xcrun = "/usr/bin/xcrun";
  tools.installNameTool = "/usr/bin/install_name_tool";
  tools.plistBuddy = "/usr/libexec/PlistBuddy";
  tools.osascript = "/usr/bin/osascript";
  return tools;
}

SystemTools SystemTools::ForPlatform(const std::string& helpersDir) {
  SystemTools tools = MacOS();
  tools.supervisor = JoinPath(helpersDir, kSupervisorName);
#if !defined(__APPLE__)
  // Linux: the same python3, bash and shasum; our stand-ins for the Apple-only
  // tools; patchelf rewrites library paths; there is no Finder to script.
  tools.ditto = JoinPath(helpersDir, "ditto");
  tools.xcodeSelect = JoinPath(helpersDir, "xcode-select");
  tools.xcrun = JoinPath(helpersDir, "xcrun");
  tools.plistBuddy = JoinPath(helpersDir, "PlistBuddy");
  tools.installNameTool = "/usr/bin/patchelf";
  tools.osascript.clear();
#endif
  return tools;
}

void SystemTools::overrideFrom(const std::string& dir) {
  if (dir.empty()) return;
  for (const Entry& entry : kEntries) {
    std::string candidate = JoinPath(dir, entry.name);
    if (IsFile(candidate)) this->*entry.field = candidate;
  }
}

const SystemTools& Tools() {
  std::lock_guard lock(gToolsMutex);
  if (Tables().empty()) {
    SystemTools tools = SystemTools::ForPlatform(HelpersDirectory());
    if (const char* dir = std::getenv(kToolOverrideVariable)) tools.overrideFrom(dir);
    Tables().push_back(std::move(tools));
  }
  return Tables().back();
}

void SetTools(const SystemTools& tools) {
  std::lock_guard lock(gToolsMutex);
  Tables().push_back(tools);
}

}  // namespace vlmr
