#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "pipeline/script_task.h"
#include "platform/bundle.h"
#include "platform/home.h"
#include "platform/system_tools.h"
#include "tests/support/test_support.h"

namespace vlmr {
namespace {

// Sets variables for one test and restores them afterwards.
class ScopedEnv {
 public:
  void set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        setenv(it->first.c_str(), it->second->c_str(), 1);
      } else {
        unsetenv(it->first.c_str());
      }
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

const BundledTools kTools{"/B/tools", "/B/sdl3", "/B/wheels"};

TEST(ChildEnvironment, ReplacesPathEnsuresHomeAndDropsInterferingVariables) {
  ScopedEnv env;
  env.set("HOME", "");
  env.set("PATH", "/evil/bin:/usr/bin");
  env.set("VLMR_KEEP_ME", "kept");
  for (const char* name :
       {"CMAKE_PREFIX_PATH", "SDL3_DIR", "PYTHONHOME", "PYTHONPATH", "VIRTUAL_ENV"}) {
    env.set(name, "/somewhere");
  }
  auto environment = ScriptEnvironment(kTools);
  EXPECT_EQ(environment["HOME"], HomeDirectory());
  EXPECT_FALSE(environment["HOME"].empty());
  EXPECT_EQ(environment["PATH"], "/B/tools/bin:/usr/bin:/bin:/usr/sbin:/sbin");
  EXPECT_EQ(environment["VLMR_TOOLS_DIR"], "/B/tools");
  EXPECT_EQ(environment["VLMR_SDL3_DIR"], "/B/sdl3");
  EXPECT_EQ(environment["VLMR_WHEELS_DIR"], "/B/wheels");
  EXPECT_EQ(environment["VLMR_KEEP_ME"], "kept");
  for (const char* name :
       {"CMAKE_PREFIX_PATH", "SDL3_DIR", "PYTHONHOME", "PYTHONPATH", "VIRTUAL_ENV"}) {
    EXPECT_EQ(environment.count(name), 0u) << name;
  }
  env.set("HOME", "/custom/home");
  EXPECT_EQ(ScriptEnvironment(kTools)["HOME"], "/custom/home");
}

TEST(ScriptArguments, TrampolineThenBashThenOptionsWithCacheOnlyWhenNonEmpty) {
  SetTools(SystemTools::ForPlatform(HelpersDirectory()));
  const std::string trampoline =
      "import os,signal,sys; os.setpgrp(); signal.signal(signal.SIGPIPE, signal.SIG_DFL); "
      "signal.signal(signal.SIGXFSZ, signal.SIG_DFL); os.execv(sys.argv[1], sys.argv[1:])";
  std::vector<std::string> base = {
      "-c",          trampoline,
      "/bin/bash",   "/S/tools/package_app.sh",
      "--installer", "/I/setup.exe",
      "--out",       "/O"};
  BuildRequest request{"/I/setup.exe", "/O", std::nullopt, BuildRequest::Mode::Headless};
  EXPECT_EQ(ScriptArguments(request, "/S"), base);
  request.cacheFolder = "";
  EXPECT_EQ(ScriptArguments(request, "/S"), base);
  request.cacheFolder = "/C";
  std::vector<std::string> withCache = base;
  withCache.insert(withCache.end(), {"--cache", "/C"});
  EXPECT_EQ(ScriptArguments(request, "/S"), withCache);
  EXPECT_EQ(std::count(withCache.begin(), withCache.end(), "/usr/bin/python3"), 0);

  TaskSpec task = ScriptTask(request, kTools, "/S");
  EXPECT_EQ(task.executable, "/usr/bin/python3");
  EXPECT_EQ(task.arguments, withCache);
  ASSERT_TRUE(task.environment.has_value());
  EXPECT_EQ((*task.environment)["VLMR_SDL3_DIR"], "/B/sdl3");
  EXPECT_EQ(task.stdoutFd, -1);  // streams are left to the run
}

}  // namespace
}  // namespace vlmr
