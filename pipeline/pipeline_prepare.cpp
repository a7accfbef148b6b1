// Locating the bundle's resources and unpacking the source snapshot.
#include <utility>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "pipeline/host.h"
#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"

namespace vlmr {

namespace {

constexpr char kProductFolder[] = "Velmora 3000";
constexpr char kMarkerName[] = ".vlmr-src-id";
constexpr char kScriptPath[] = "tools/package_app.sh";

Error InstallerError(int code, std::string message) {
  return Error{kInstallerErrorDomain, code, std::move(message)};
}

}  // namespace

bool LockBuildFolder(FileLock& lock, const std::string& path, Error* error) {
  switch (lock.tryLock(path)) {
    case FileLock::Outcome::Taken:
      return true;
    case FileLock::Outcome::Busy:
      if (error != nullptr) *error = InstallerError(3, kAnotherBuildRunning);
      return false;
    case FileLock::Outcome::Unavailable:
      break;
  }
  // Unlocked, a second build could write the same folder unseen.
  if (error != nullptr) {
    *error = InstallerError(4, "Could not lock the folder " + path + " against another build.");
  }
  return false;
}

std::shared_ptr<Pipeline> Pipeline::Create() {
  return std::make_shared<Pipeline>();
}

void Pipeline::configureBundledTools() {
  std::string resources = ResourceDirectory();
  toolsDir = JoinPath(resources, "tools");
  sdl3Dir = JoinPath(resources, "sdl3");
  wheelsDir = JoinPath(resources, "wheels");
}

std::optional<std::string> Pipeline::bundleText(const std::string& name) const {
  std::optional<std::string> bytes = ReadFileBytes(JoinPath(ResourceDirectory(), name));
  // Missing or not UTF-8: the same as empty.
  if (!bytes || !IsValidUtf8(*bytes)) return std::nullopt;
  std::string text = Trimmed(*bytes);
  if (text.empty()) return std::nullopt;
  return text;
}

std::string Pipeline::bundleVersion() const {
  return bundleText("VERSION").value_or("dev");
}

bool Pipeline::prepareSourcesWithError(Error* error) {
  std::string snapshot = JoinPath(ResourceDirectory(), "src");
  if (!IsDirectory(snapshot)) {
    if (error != nullptr) {
      *error = InstallerError(1, "The installer bundle is damaged (no source snapshot inside).");
    }
    return false;
  }

  std::string version = bundleVersion();
  std::string snapshotId = bundleText("SRC_ID").value_or(version);
  std::string sourcesDir = HomePath(std::string("Library/Application Support/") + kProductFolder +
                                    "/installer-src/" + version);
  std::string marker = JoinPath(sourcesDir, kMarkerName);
  std::string script = JoinPath(sourcesDir, kScriptPath);

  // Another build may be copying these sources or running its script in
  // them. The lock sits on their parent, which is never removed.
  std::string parent = DeletingLastPathComponent(sourcesDir);
  CreateDirectories(parent);
  if (!LockBuildFolder(sourcesLock_, parent, error)) return false;

  std::optional<std::string> markerBytes = ReadFileBytes(marker);
  std::string markerText =
      markerBytes && IsValidUtf8(*markerBytes) ? Trimmed(*markerBytes) : std::string();
  if (markerText == snapshotId && IsFile(script)) {
    srcRoot = sourcesDir;
    return true;
  }

  // Copy afresh. Housekeeping failures are not reported: the checks after the
  // copy decide.
  RemoveItem(sourcesDir);
  CreateDirectories(parent);
  int32_t status = RunCapturing(Tools().ditto, {snapshot, sourcesDir});
  if (status == 0 && IsFile(script)) {
    WriteFileAtomically(marker, snapshotId);
    srcRoot = sourcesDir;
    return true;
  }
  sourcesLock_.release();
  if (error != nullptr) {
    *error = InstallerError(2, "Could not unpack the build sources into Application Support.");
  }
  return false;
}

}  // namespace vlmr
