// The command line: arguments of any bytes (split at NUL) through the argument
// list, the option lookup, the path expansion and the line formatting.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/text.h"
#include "modes/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> raw(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      raw.emplace_back();
    } else {
      raw.back().push_back(static_cast<char>(data[i]));
    }
  }
  std::vector<char*> argv;
  for (std::string& argument : raw) argv.push_back(argument.data());
  argv.push_back(nullptr);
  std::vector<std::string> arguments = vlmr::ArgumentList(static_cast<int>(raw.size()), argv.data());
  if (arguments.size() != raw.size()) std::abort();

  for (const char* option : {"--installer", "--out", "--cache", "--snapshot"}) {
    std::optional<std::string> value = vlmr::ValueForOption(arguments, option);
    if (!value) continue;
    // A value is a whole argument after the option, or the tail of "option=value".
    bool found = false;
    for (size_t i = 0; i < arguments.size() && !found; ++i) {
      found = (arguments[i] == option && i + 1 < arguments.size() && arguments[i + 1] == *value) ||
              arguments[i] == std::string(option) + "=" + *value;
    }
    if (!found) std::abort();
    bool ok = false;
    std::string path = vlmr::ExpandPath(*value, &ok);
    if (ok && !value->starts_with("~") && !path.starts_with("/")) std::abort();
  }
  vlmr::HasArgument(arguments, "--cli");
  if (!arguments.empty()) vlmr::Format(arguments.back(), {"a", "b"});
  return 0;
}
