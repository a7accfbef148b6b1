#include "platform/bundle.h"

#include <unistd.h>
#include <climits>
#include <mutex>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"

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

std::string BundleAround(const std::string& executableDir) {
  // Inside "X.app/Contents/MacOS/exe" the bundle is three components up.
  if (LastPathComponent(executableDir) != "MacOS") return {};
  std::string contents = DeletingLastPathComponent(executableDir);
  if (LastPathComponent(contents) != "Contents") return {};
  std::string bundle = DeletingLastPathComponent(contents);
  std::string name = LastPathComponent(bundle);
  if (name.size() < 5 || name.compare(name.size() - 4, 4, ".app") != 0) return {};
  return bundle;
}

std::string ResourceDirectoryFor(const std::string& executableDir) {
  std::string bundle = BundleAround(executableDir);
  if (!bundle.empty()) return JoinPath(bundle, "Contents/Resources");
  return executableDir;
}

std::string BundlePath() {
  return BundleAround(DeletingLastPathComponent(ExecutablePath()));
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
  return ResourceDirectoryFor(DeletingLastPathComponent(ExecutablePath()));
}

std::string HelpersDirectory() {
  std::string bundle = BundlePath();
  if (!bundle.empty()) return JoinPath(bundle, "Contents/Helpers");
  return DeletingLastPathComponent(ExecutablePath());
}

std::optional<std::string> BundleText(const std::string& name) {
  std::optional<std::string> bytes = ReadFileBytes(JoinPath(ResourceDirectory(), name));
  // Missing or not UTF-8: the same as empty.
  if (!bytes || !IsValidUtf8(*bytes)) return std::nullopt;
  std::string text = Trimmed(*bytes);
  if (text.empty()) return std::nullopt;
  return text;
}

std::string BundleVersion() {
  return BundleText("VERSION").value_or("dev");
}

}  // namespace vlmr
