// The script's launch: the bundled tools, its environment and arguments.
#include "pipeline/script_task.h"

#include <cstring>

#include "base/paths.h"
#include "platform/bundle.h"
#include "platform/home.h"
#include "platform/system_tools.h"

extern char** environ;

namespace vlmr {

namespace {

// Makes the launched python3 the leader of a new process group, then becomes
// bash with the same process id, so cancelling can signal the whole group.
// Python starts with SIGPIPE and SIGXFSZ ignored and exec keeps that, so both
// go back to their default first: `yes | head -1` in the script ends quietly.
constexpr char kTrampoline[] =
    "import os,signal,sys; os.setpgrp(); "
    "signal.signal(signal.SIGPIPE, signal.SIG_DFL); signal.signal(signal.SIGXFSZ, signal.SIG_DFL); "
    "os.execv(sys.argv[1], sys.argv[1:])";

// Variables that would point the script's CMake or Python at the wrong place.
constexpr const char* kRemovedVariables[] = {"CMAKE_PREFIX_PATH", "SDL3_DIR", "PYTHONHOME",
                                             "PYTHONPATH", "VIRTUAL_ENV"};

}  // namespace

BundledTools BundledTools::InBundle() {
  std::string resources = ResourceDirectory();
  return {JoinPath(resources, "tools"), JoinPath(resources, "sdl3"),
          JoinPath(resources, "wheels")};
}

std::map<std::string, std::string> ScriptEnvironment(const BundledTools& tools) {
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

  environment["PATH"] = tools.tools + "/bin:/usr/bin:/bin:/usr/sbin:/sbin";
  environment["VLMR_TOOLS_DIR"] = tools.tools;
  environment["VLMR_SDL3_DIR"] = tools.sdl3;
  environment["VLMR_WHEELS_DIR"] = tools.wheels;
  for (const char* name : kRemovedVariables) environment.erase(name);
  return environment;
}

std::vector<std::string> ScriptArguments(const BuildRequest& request,
                                         const std::string& sourcesRoot) {
  std::vector<std::string> arguments = {
      "-c",          kTrampoline,       Tools().bash, JoinPath(sourcesRoot, kBuildScriptPath),
      "--installer", request.installer, "--out",      request.outputFolder,
  };
  if (request.cacheFolder && !request.cacheFolder->empty()) {
    arguments.push_back("--cache");
    arguments.push_back(*request.cacheFolder);
  }
  return arguments;
}

TaskSpec ScriptTask(const BuildRequest& request, const BundledTools& tools,
                    const std::string& sourcesRoot) {
  TaskSpec launch;
  launch.executable = Tools().python3;
  launch.arguments = ScriptArguments(request, sourcesRoot);
  launch.environment = ScriptEnvironment(tools);
  return launch;
}

}  // namespace vlmr
