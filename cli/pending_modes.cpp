// The snapshot mode is not built yet: say so plainly.
#include "cli/modes.h"
#include "cli/options.h"

namespace vlmr {

int RunSnapshots(int, char**, const std::vector<std::string>&) {
  PrintError("error: page snapshots are not available in this build yet\n");
  return 1;
}

}  // namespace vlmr
