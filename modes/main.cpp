// Program entry: the headless build, the page snapshots or the window.
#include "modes/headless.h"
#include "modes/options.h"
#include "modes/snapshot.h"
#include "modes/windowed.h"

#include <csignal>

int main(int argc, char** argv) {
  // A launcher that ignores SIGCHLD passes that on through exec; the kernel
  // would then reap our children itself and every exit status would be lost.
  std::signal(SIGCHLD, SIG_DFL);
  std::vector<std::string> arguments = vlmr::ArgumentList(argc, argv);
  // The headless build never creates the application object.
  if (vlmr::HasArgument(arguments, "--cli")) return vlmr::RunHeadlessBuild(arguments);
  if (vlmr::HasArgument(arguments, "--snapshot")) return vlmr::RunSnapshots(argc, argv, arguments);
  return vlmr::RunWindowedApplication(argc, argv);
}
