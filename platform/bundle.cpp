#include "platform/bundle.h"

#include <unistd.h>
#include <climits>
#include <mutex>
#include <string_view>

#if defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace vlmr {

std::string ExecutablePath() {
#if defined(__APPLE__)
  char buffer[PATH_MAX];
  uint32_t size = sizeof buffer;
  if (_NSGetExecutablePath(buffer, &size) != 0) return {};
  char resolved[PATH_MAX];
  return realpath(buffer, resolved) != nullptr ? resolved : buffer;
#else
  char buffer[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  return std::string(buffer, static_cast<size_t>(length));
#endif
}

std::string BundlePath() {
  // Inside "X.app/Contents/MacOS/exe" the bundle is three components up.
  std::string macos = DeletingLastPathComponent(ExecutablePath());
  if (LastPathComponent(macos) != "MacOS") return {};
  std::string contents = DeletingLastPathComponent(macos);
  if (LastPathComponent(contents) != "Contents") return {};
  std::string bundle = DeletingLastPathComponent(contents);
  std::string name = LastPathComponent(bundle);
  if (name.size() < 5 || name.compare(name.size() - 4, 4, ".app") != 0) return {};
  return bundle;
}

namespace {

std::mutex gOverrideMutex;
std::string gResourceOverride;

}  // namespace

void SetResourceDirectoryForTesting(const std::string& directory) {
  std::lock_guard lock(gOverrideMutex);
  gResourceOverride = directory;
}

std::string ResourceDirectory() {
  {
    std::lock_guard lock(gOverrideMutex);
    if (!gResourceOverride.empty()) return gResourceOverride;
  }
  std::string bundle = BundlePath();
  if (!bundle.empty()) return JoinPath(bundle, "Contents/Resources");
  return DeletingLastPathComponent(ExecutablePath());
}

std::string HelpersDirectory() {
  std::string bundle = BundlePath();
  if (!bundle.empty()) return JoinPath(bundle, "Contents/Helpers");
  return DeletingLastPathComponent(ExecutablePath());
}

std::string JoinPath(const std::string& base, const std::string& component) {
  if (base.empty()) return component;
  std::string_view tail = component;
  while (!tail.empty() && tail.front() == '/') tail.remove_prefix(1);
  std::string joined = base;
  while (joined.size() > 1 && joined.back() == '/') joined.pop_back();
  if (tail.empty()) return joined;
  if (joined.back() != '/') joined += '/';
  joined += tail;
  return joined;
}

std::string LastPathComponent(const std::string& path) {
  std::string_view view = path;
  while (view.size() > 1 && view.back() == '/') view.remove_suffix(1);
  if (view == "/") return "/";
  size_t slash = view.rfind('/');
  return std::string(slash == std::string_view::npos ? view : view.substr(slash + 1));
}

std::string DeletingLastPathComponent(const std::string& path) {
  std::string_view view = path;
  while (view.size() > 1 && view.back() == '/') view.remove_suffix(1);
  size_t slash = view.rfind('/');
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(view.substr(0, slash));
}

}  // namespace vlmr
