#pragma once

namespace vlmr {

/// Runs the windowed application until it quits. Returns 0.
int RunWindowedApplication(int argc, char** argv);

}  // namespace vlmr
