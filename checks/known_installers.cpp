#include "checks/known_installers.h"

#include "base/files.h"
#include "base/text.h"

namespace vlmr {

namespace {

bool IsLowerHexDigest(std::string_view text) {
  if (text.size() != 64) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> KnownInstallerEntries(std::string_view text) {
  std::vector<std::string> entries;
  if (!IsValidUtf8(text)) return entries;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line = Trimmed(std::string(text.substr(start, end - start)));
    start = end + 1;
    if (line.empty() || line.front() == '#') continue;
    // Only a space separates fields: "DIGEST  name" as shasum prints it.
    entries.push_back(line.substr(0, line.find(' ')));
  }
  return entries;
}

bool IsKnownInstallerDigest(const std::string& listPath, const std::optional<std::string>& digest) {
  if (!digest) return false;
  std::optional<std::string> bytes = ReadFileBytes(listPath);
  if (!bytes) return false;
  bool known = false;
  for (const std::string& entry : KnownInstallerEntries(*bytes)) known = known || entry == *digest;
  return known;
}

std::optional<std::string> DigestFromShasumOutput(std::string_view output) {
  // shasum marks an escaped file name ("\" and LF written as "\\" and "\n") with
  // a backslash before the digest; without skipping it a known installer in a
  // folder whose name holds a backslash would never be recognised.
  if (!output.empty() && output.front() == '\\') output.remove_prefix(1);
  std::string_view digest = output.substr(0, output.find(' '));
  if (!IsLowerHexDigest(digest)) return std::nullopt;
  return std::string(digest);
}

}  // namespace vlmr
