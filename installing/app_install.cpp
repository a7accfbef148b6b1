#include "installing/app_install.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "pipeline/host.h"
#include "platform/queues.h"
#include "platform/system_tools.h"

namespace vlmr {

namespace {

// YES when `destination` itself (not what it may link to) is the item that
// `source` names: replacing it would delete the app we are asked to copy.
bool IsSameItem(const std::string& source, const std::string& destination) {
  struct stat from {
  }, to{};
  return stat(source.c_str(), &from) == 0 && lstat(destination.c_str(), &to) == 0 &&
         from.st_dev == to.st_dev && from.st_ino == to.st_ino;
}

// Renames `from` to `to` only while nothing is at `to`: like the file
// manager's move, it never replaces an item that appeared in the meantime.
bool MoveIntoPlace(const std::string& from, const std::string& to) {
#if defined(__APPLE__)
  if (renamex_np(from.c_str(), to.c_str(), RENAME_EXCL) == 0) return true;
  if (errno != ENOTSUP) return false;
#elif defined(__linux__)
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
#endif
  // A file system without an exclusive rename: test, then rename.
  return !ItemExists(to) && rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

std::optional<std::string> AppPaths::currentAppPath() const {
  if (installedAppPath && !installedAppPath->empty()) return installedAppPath;
  return builtAppPath;
}

bool AppPaths::canMove() const {
  return builtAppPath && !builtAppPath->empty();
}

void AppPaths::moved(const std::string& destination) {
  installedAppPath = destination;
  builtAppPath.reset();
}

AppInstaller::AppInstaller(std::string systemFolder) : systemFolder_(std::move(systemFolder)) {}

std::string AppInstaller::applicationsFolder() const {
  if (access(systemFolder_.c_str(), W_OK) == 0) return systemFolder_;
  return HomePath("Applications");
}

std::string AppInstaller::destination() const {
  return JoinPath(applicationsFolder(), kAppBundleName);
}

std::optional<std::string> AppInstaller::installBuiltAppFrom(const std::string& source,
                                                             const std::string& destination) const {
  if (IsSameItem(source, destination)) return std::nullopt;  // already in place

  struct stat followed {};
  if (stat(destination.c_str(), &followed) == 0) {
    // Ours exactly when its Info.plist names our bundle identifier; a folder
    // or file without one makes PlistBuddy print an error, never the identifier.
    std::string identifier;
    const std::string& plistBuddy = Tools().plistBuddy;
    if (!plistBuddy.empty()) {
      RunCapturing(
          plistBuddy,
          {"-c", "Print :CFBundleIdentifier", JoinPath(destination, "Contents/Info.plist")},
          &identifier);
    }
    if (Trimmed(identifier) != kGameBundleIdentifier) {
      return IsolatedName(destination) +
             " already exists and wasn't made by this installer. Move or rename it "
             "first.";
    }
    RemoveItem(destination);
    // Judged by what is left: a partly removed app still counts as a failure.
    if (ItemExists(destination))
      return IsolatedName(destination) + " couldn't be replaced. Check its permissions.";
  }

  std::string temporary = destination + ".installing";
  RemoveItem(temporary);
  const std::string& ditto = Tools().ditto;
  if (ditto.empty() || RunCapturing(ditto, {source, temporary}) != 0) {
    RemoveItem(temporary);
    return "Copying the app failed. Is the disk full?";
  }
  if (!MoveIntoPlace(temporary, destination)) {
    RemoveItem(temporary);
    return "The app was copied but couldn't be put in place.";
  }
  return std::nullopt;
}

void MoveAppInBackground(const AppInstaller& installer, std::string source, std::string destination,
                         MoveCompletion completion, FreeSpaceMeasure measure) {
  RunInBackground([installer, source = std::move(source), destination = std::move(destination),
                   completion = std::move(completion), measure = std::move(measure)]() mutable {
    // Sizing the app walks its files: done here, off the main thread, before
    // a copy that would stop half way on a full disk.
    std::optional<std::string> failure = MoveSpaceProblem(source, destination, measure);
    if (!failure) failure = installer.installBuiltAppFrom(source, destination);
    RunOnMain([completion = std::move(completion), failure = std::move(failure)] {
      completion(failure);
    });
  });
}

}  // namespace vlmr
