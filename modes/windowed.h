#pragma once

#include <functional>

namespace vlmr {

class InstallerController;

/// Runs the windowed application until it quits. Returns 0. SIGTERM, SIGHUP
/// and SIGINT end it as Quit does (a running build is stopped first), and the
/// process then ends by that signal. `launched`, when set, runs on the main
/// thread right after the controller's launch (tests drive the window with it).
int RunWindowedApplication(int argc, char** argv,
                           const std::function<void(InstallerController&)>& launched = {});

}  // namespace vlmr
