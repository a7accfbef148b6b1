#include "installing/app_install.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "base/translatable.h"
#include "platform/app_folders.h"
#include "platform/home.h"
#include "platform/link_target.h"
#include "platform/queues.h"
#include "platform/run_capturing.h"
#include "platform/system_tools.h"

namespace vlmr {

namespace {

namespace fs = std::filesystem;

// true when `destination` itself (not what it may link to) is the item that
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

// The system's exchange of two existing items in one step. false with errno
// ENOTSUP when this system or file system has none.
bool SystemSwap(const std::string& a, const std::string& b) {
#if defined(__APPLE__)
  if (renamex_np(a.c_str(), b.c_str(), RENAME_SWAP) == 0) return true;
  if (errno == EINVAL) errno = ENOTSUP;
  return false;
#elif defined(__linux__)
  if (renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0) return true;
  if (errno == EINVAL || errno == ENOSYS) errno = ENOTSUP;
  return false;
#else
  (void)a;
  (void)b;
  errno = ENOTSUP;
  return false;
#endif
}

// true when every folder of the tree at `path` (links not followed) lets us
// remove what it holds: an earlier copy we could not delete after the
// exchange would be left beside the new one.
bool TreeIsRemovable(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return true;
  if (access(path.c_str(), W_OK | X_OK) != 0) return false;
  std::error_code error;
  for (fs::recursive_directory_iterator it(path, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_directory(error) && !it->is_symlink(error) &&
        access(it->path().c_str(), W_OK | X_OK) != 0) {
      return false;
    }
  }
  // A folder we cannot even list cannot be emptied either.
  return !error;
}

constexpr MessageText kNotPutInPlace =
    VLMR_TRANSLATABLE("Installing", "The app was copied but couldn't be put in place.");

// True when `destination` is a symbolic link or a Finder alias leading to
// `source` or into the stage folder builds are made in: the player dragged
// one there from "Show in Finder" in place of the app. It is ours to replace
// by the real app, even when what it led to has gone.
bool IsLinkToOurApp(const std::string& source, const std::string& destination) {
  const std::optional<std::string> target = LinkTarget(destination);
  if (!target) return false;
  struct stat from {
  }, to{};
  if (stat(source.c_str(), &from) == 0 && stat(target->c_str(), &to) == 0 &&
      from.st_dev == to.st_dev && from.st_ino == to.st_ino) {
    return true;
  }
  return LiesWithin(*target, AppFolders::Current().stage());
}

bool Fail(Error* error, Error failure) {
  if (error != nullptr) *error = std::move(failure);
  return false;
}

// Why a copy to `destination` failed, as far as its folder tells: not a
// folder, or one we may not write to. Anything else is most often a full
// disk, which the sentence asks about.
Message CopyFailure(const std::string& destination) {
  const std::string folder = DeletingLastPathComponent(destination);
  struct stat info {};
  // A missing folder is made by the copy; a file in its place, or on its
  // way, is not.
  const bool found = stat(folder.c_str(), &info) == 0;
  if ((found && !S_ISDIR(info.st_mode)) || (!found && errno == ENOTDIR)) {
    return Message(kNotAFolderSentence, {FileName{folder}});
  }
  if (access(folder.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    return Message(kFolderReadOnlySentence, {FileName{folder}});
  }
  return Message(VLMR_TRANSLATABLE("Installing", "Copying the app failed. Is the disk full?"));
}

}  // namespace

AppInstaller::AppInstaller(std::string systemFolder) : systemFolder_(std::move(systemFolder)) {}

std::string AppInstaller::applicationsFolder() const {
  if (access(systemFolder_.c_str(), W_OK) == 0) return systemFolder_;
  return HomePath("Applications");
}

std::string AppInstaller::destination() const {
  return JoinPath(applicationsFolder(), kAppBundleName);
}

std::vector<std::string> AppCopyArguments(const std::string& source, const std::string& copy) {
  return {"--noqtn", source, copy};
}

int SwapIntoPlace(const std::string& replacement, const std::string& existing, SwapMethod method) {
  if (method == SwapMethod::System) {
    if (SystemSwap(replacement, existing)) return 0;
    if (errno != ENOTSUP) return errno;
  }
  // No exchange in one step: the existing item goes aside under a third
  // name, so that at every moment one of the two is at `existing` or can be
  // brought back there.
  const std::string aside = replacement + ".previous";
  RemoveItem(aside);
  if (!MoveIntoPlace(existing, aside)) return errno;
  if (!MoveIntoPlace(replacement, existing)) {
    const int failure = errno;
    (void)MoveIntoPlace(aside, existing);
    return failure;
  }
  // `replacement` was just vacated; should this fail, the earlier item stays aside.
  (void)MoveIntoPlace(aside, replacement);
  return 0;
}

bool AppInstaller::installBuiltAppFrom(const std::string& source, const std::string& destination,
                                       Error* error) const {
  if (IsSameItem(source, destination)) return true;  // already in place

  const bool ourLink = IsLinkToOurApp(source, destination);
  struct stat followed {};
  const bool replacing = ourLink || stat(destination.c_str(), &followed) == 0;
  if (replacing && !ourLink) {
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
      return Fail(error, {Message(kNotOursSentence, {FileName{destination}})});
    }
    // Found out before copying: the earlier copy stays until the new one is
    // in place, and then it must go.
    if (!TreeIsRemovable(destination)) {
      return Fail(error, {Message(kNotReplaceableSentence, {FileName{destination}})});
    }
  }

  // The copy goes to a sibling first; until it is complete, nothing at the
  // destination changes.
  const std::string temporary = destination + ".installing";
  RemoveItem(temporary);
  RemoveItem(temporary + ".previous");
  const std::string& ditto = Tools().ditto;
  if (ditto.empty() || RunCapturing(ditto, AppCopyArguments(source, temporary)) != 0) {
    RemoveItem(temporary);
    return Fail(error, {CopyFailure(destination)});
  }
  if (!replacing) {
    if (!MoveIntoPlace(temporary, destination)) {
      RemoveItem(temporary);
      return Fail(error, {Message(kNotPutInPlace)});
    }
    return true;
  }
  // The complete copy and the earlier one trade places; only then does the
  // earlier one, now at the temporary name, go.
  if (SwapIntoPlace(temporary, destination) != 0) {
    RemoveItem(temporary);
    return Fail(error, {Message(kNotPutInPlace)});
  }
  RemoveItem(temporary);
  RemoveItem(temporary + ".previous");
  return true;
}

void MoveAppInBackground(const AppInstaller& installer, std::string source, std::string destination,
                         MoveCompletion completion, FreeSpaceMeasure measure) {
  RunInBackground([installer, source = std::move(source), destination = std::move(destination),
                   completion = std::move(completion), measure = std::move(measure)]() mutable {
    // Sizing the app walks its files: done here, off the main thread, before
    // a copy that would stop half way on a full disk.
    Error error;
    const bool moved = CheckMoveSpace(source, destination, &error, measure) &&
                       installer.installBuiltAppFrom(source, destination, &error);
    RunOnMain([completion = std::move(completion), moved, error = std::move(error)] {
      completion(moved, error);
    });
  });
}

}  // namespace vlmr
