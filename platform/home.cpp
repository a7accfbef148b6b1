#include "platform/home.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "base/paths.h"

namespace vlmr {

namespace {

// getpwuid/getpwnam return static storage; the _r forms are safe on any thread.
std::string HomeFromPasswd(bool byName, const std::string& name) {
  long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> storage(hint > 0 ? static_cast<size_t>(hint) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  int rc = byName ? getpwnam_r(name.c_str(), &entry, storage.data(), storage.size(), &found)
                  : getpwuid_r(getuid(), &entry, storage.data(), storage.size(), &found);
  if (rc != 0 || found == nullptr || found->pw_dir == nullptr) return {};
  return found->pw_dir;
}

}  // namespace

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  std::string fromDatabase = HomeFromPasswd(false, {});
  return fromDatabase.empty() ? "/" : fromDatabase;
}

std::string HomeDirectoryOfUser(const std::string& user) {
  return HomeFromPasswd(true, user);
}

std::string HomePath(const std::string& relative) {
  return JoinPath(HomeDirectory(), relative);
}

}  // namespace vlmr
