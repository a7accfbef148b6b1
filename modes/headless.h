#pragma once

#include <string>
#include <vector>

namespace vlmr {

/// The headless build: checks the options and the installer, prepares the
/// sources and runs the build script with the terminal as its output.
/// Returns the script's status, 2 for bad usage, 1 when it cannot start.
int RunHeadlessBuild(const std::vector<std::string>& arguments);

}  // namespace vlmr
