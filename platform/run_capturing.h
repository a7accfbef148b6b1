#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vlmr {

/// Runs `tool` with `arguments`, standard input from the null device and
/// standard output and error in one pipe; waits for it and returns its
/// termination status (exit code or signal number), or -1 when it cannot be
/// launched. When `output` is given, the trimmed output (UTF-8, else ISO
/// Latin-1) is stored there, unless the launch failed. It waits: never call
/// it on the main thread.
int32_t RunCapturing(const std::string& tool, const std::vector<std::string>& arguments,
                     std::string* output = nullptr);

}  // namespace vlmr
