// The known-installers list and shasum's output, as read from files and tools
// we do not control.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "checks/known_installers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string& entry : vlmr::KnownInstallerEntries(text)) {
    // An entry is the first word of a line of its own, never blank.
    if (entry.empty() || entry.find_first_of(" \n") != std::string::npos) std::abort();
    if (text.find(entry) == std::string_view::npos) std::abort();
  }
  if (std::optional<std::string> digest = vlmr::DigestFromShasumOutput(text)) {
    if (digest->size() != 64) std::abort();
    for (char c : *digest) {
      if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) std::abort();
    }
  }
  return 0;
}
