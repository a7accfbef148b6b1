#pragma once

#include <string>
#include <vector>

namespace vlmr {

/// Renders every page in light and dark appearance to PNG files in the
/// directory given after "--snapshot". Returns 0, 1 (a file not written) or 2.
int RunSnapshots(int argc, char** argv, const std::vector<std::string>& arguments);

}  // namespace vlmr
