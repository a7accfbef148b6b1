#pragma once

#include <map>
#include <string>
#include <vector>

#include "pipeline/build_request.h"
#include "platform/process.h"

namespace vlmr {

/// The build script, relative to the sources folder: prepared sources
/// without it are copied afresh, and the build runs it.
inline constexpr char kBuildScriptPath[] = "tools/package_app.sh";

/// The prepared tools inside the application bundle, handed to the script.
struct BundledTools {
  std::string tools;   ///< the `tools` resource; its `bin` leads the script's PATH
  std::string sdl3;    ///< the `sdl3` resource
  std::string wheels;  ///< the `wheels` resource

  /// The three resource folders of the running bundle (not tested for).
  static BundledTools InBundle();
};

/// The script's environment: ours, with HOME ensured, PATH replaced, the tool
/// folders named and variables that would mislead its CMake or Python removed.
std::map<std::string, std::string> ScriptEnvironment(const BundledTools& tools);

/// The arguments for python3: the process-group trampoline, bash, the script
/// in `sourcesRoot` and its options ("--cache" only with a non-empty folder).
std::vector<std::string> ScriptArguments(const BuildRequest& request,
                                         const std::string& sourcesRoot);

/// The launch description of the script: python3 with those arguments and
/// that environment, stdin the null device, inherited working directory and
/// streams.
TaskSpec ScriptTask(const BuildRequest& request, const BundledTools& tools,
                    const std::string& sourcesRoot);

}  // namespace vlmr
