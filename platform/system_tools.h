#pragma once

#include <string>

namespace vlmr {

/// Absolute paths of every external tool the installer runs. An empty entry
/// means the platform has no such tool and callers take their fallback.
struct SystemTools {
  std::string python3;
  std::string bash;
  std::string ditto;
  std::string shasum;
  std::string xcodeSelect;
  std::string xcrun;
  std::string installNameTool;
  std::string plistBuddy;
  std::string osascript;
  /// Not a system tool: our own helper at the head of every build
  /// (platform/supervision.h), in the bundle's Helpers folder on every platform.
  std::string supervisor;

  /// The documented macOS locations.
  static SystemTools MacOS();

  /// The table for the platform we run on: macOS paths there; on Linux the
  /// system tools plus our stand-ins in `helpersDir`. The supervisor is in
  /// `helpersDir` everywhere.
  static SystemTools ForPlatform(const std::string& helpersDir);

  /// Replaces every entry whose tool name exists as a file in `dir` with that file.
  void overrideFrom(const std::string& dir);
};

/// The environment variable naming a directory of replacement tools, for
/// end-to-end tests.
inline constexpr char kToolOverrideVariable[] = "VLMR_TOOLS_OVERRIDE";

/// The process-wide table: the platform's table for this bundle, with the
/// override directory applied when the variable is set.
const SystemTools& Tools();

/// Replaces the process-wide table (tests build tables with fake tools).
void SetTools(const SystemTools& tools);

}  // namespace vlmr
