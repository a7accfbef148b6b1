// The script's environment, argument list and the synchronous run.
#include <cstring>

#include "base/paths.h"
#include "pipeline/pipeline.h"
#include "platform/home.h"
#include "platform/system_tools.h"

extern char** environ;

namespace vlmr {

namespace {

// Makes the launched python3 the leader of a new process group, then becomes
// bash with the same process id, so cancelling can signal the whole group.
constexpr char kTrampoline[] = "import os,sys; os.setpgrp(); os.execv(sys.argv[1], sys.argv[1:])";

// Variables that would point the script's CMake or Python at the wrong place.
constexpr const char* kRemovedVariables[] = {"CMAKE_PREFIX_PATH", "SDL3_DIR", "PYTHONHOME",
                                             "PYTHONPATH", "VIRTUAL_ENV"};

}  // namespace

std::map<std::string, std::string> Pipeline::childEnvironment() const {
  std::map<std::string, std::string> environment;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const char* equals = std::strchr(*entry, '=');
    if (equals == nullptr) continue;
    // The first definition wins, as getenv sees it.
    environment.emplace(std::string(*entry, static_cast<size_t>(equals - *entry)),
                        std::string(equals + 1));
  }
  auto home = environment.find("HOME");
  if (home == environment.end() || home->second.empty()) environment["HOME"] = HomeDirectory();

  std::string tools = toolsDir.value_or("");
  environment["PATH"] = tools + "/bin:/usr/bin:/bin:/usr/sbin:/sbin";
  environment["VLMR_TOOLS_DIR"] = tools;
  environment["VLMR_SDL3_DIR"] = sdl3Dir.value_or("");
  environment["VLMR_WHEELS_DIR"] = wheelsDir.value_or("");
  for (const char* name : kRemovedVariables) environment.erase(name);
  return environment;
}

std::vector<std::string> Pipeline::scriptArguments() const {
  std::vector<std::string> arguments = {
      "-c",          kTrampoline,
      Tools().bash,  JoinPath(srcRoot.value_or(""), "tools/package_app.sh"),
      "--installer", installerPath.value_or(""),
      "--out",       stageDir.value_or(""),
  };
  if (cacheDir && !cacheDir->empty()) {
    arguments.push_back("--cache");
    arguments.push_back(*cacheDir);
  }
  return arguments;
}

TaskSpec Pipeline::makeTask() const {
  TaskSpec launch;
  launch.executable = Tools().python3;
  launch.arguments = scriptArguments();
  launch.environment = childEnvironment();
  return launch;
}

int32_t Pipeline::runHeadlessWithError(Error* error) {
  // Standard output and error stay the installer's own; nothing is read.
  Process process(makeTask());
  if (!process.launch(error)) return 1;
  return process.waitUntilExit();
}

}  // namespace vlmr
