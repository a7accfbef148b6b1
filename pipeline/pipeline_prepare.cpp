// Creating a pipeline and unpacking the source snapshot.
#include <utility>

#include "base/files.h"

#include "base/paths.h"
#include "base/text.h"
#include "base/translatable.h"
#include "pipeline/output_lines.h"
#include "pipeline/pipeline.h"
#include "pipeline/script_task.h"
#include "platform/app_folders.h"
#include "platform/bundle.h"
#include "platform/run_capturing.h"
#include "platform/system_tools.h"

namespace vlmr {

namespace {

constexpr char kMarkerName[] = ".vlmr-src-id";

}  // namespace

bool LockBuildFolder(FileLock& lock, const std::string& path, Error* error) {
  switch (lock.tryLock(path)) {
    case FileLock::Outcome::Taken:
      return true;
    case FileLock::Outcome::Busy:
      if (error != nullptr) *error = {Message(kAnotherBuildRunning)};
      return false;
    case FileLock::Outcome::Unavailable:
      break;
  }
  // Unlocked, a second build could write the same folder unseen.
  if (error != nullptr) {
    *error = {Message(
        VLMR_TRANSLATABLE("Pipeline", "Could not lock the folder %1 against another build."),
        {FileName{path}})};
  }
  return false;
}

std::shared_ptr<Pipeline> Pipeline::Create(BuildRequest request, BuildEvents events) {
  return std::shared_ptr<Pipeline>(new Pipeline(std::move(request), std::move(events)));
}

Pipeline::Pipeline(BuildRequest request, BuildEvents events)
    : request_(std::move(request)), events_(std::move(events)), tools_(BundledTools::InBundle()) {}

bool Pipeline::prepareSources() {
  // A failure is kept for `run`, which ends the build with it.
  auto fail = [this](Error failure) {
    preparationError_ = std::move(failure);
    return false;
  };
  // Last before the script would read it: a file replaced or rewritten since
  // it was checked is refused, not built unseen.
  auto ready = [this, &fail](const std::string& sourcesDir) {
    if (request_.installerIdentity &&
        IdentityOfFileAt(request_.installer) != request_.installerIdentity) {
      sourcesLock_.release();
      return fail({Message(kInstallerChanged)});
    }
    report_.sourcesRoot = sourcesDir;
    return true;
  };
  std::string snapshot = JoinPath(ResourceDirectory(), "src");
  if (!IsDirectory(snapshot)) {
    return fail({Message(VLMR_TRANSLATABLE(
        "Pipeline", "The installer bundle is damaged (no source snapshot inside)."))});
  }

  std::string version = BundleVersion();
  std::string snapshotId = BundleText("SRC_ID").value_or(version);
  std::string sourcesDir = AppFolders::Current().sourcesOf(version);
  std::string marker = JoinPath(sourcesDir, kMarkerName);
  std::string script = JoinPath(sourcesDir, kBuildScriptPath);

  // Another build may be copying these sources or running its script in
  // them. The lock sits on their parent, which is never removed.
  std::string parent = DeletingLastPathComponent(sourcesDir);
  CreateDirectories(parent);
  if (Error lockError; !LockBuildFolder(sourcesLock_, parent, &lockError)) {
    return fail(std::move(lockError));
  }

  std::optional<std::string> markerBytes = ReadFileBytes(marker);
  std::string markerText =
      markerBytes && IsValidUtf8(*markerBytes) ? Trimmed(*markerBytes) : std::string();
  if (markerText == snapshotId && IsFile(script)) return ready(sourcesDir);

  // Copy afresh. Housekeeping failures are not reported: the checks after the
  // copy decide.
  RemoveItem(sourcesDir);
  CreateDirectories(parent);
  // Without the quarantine attribute a downloaded installer carries: copied
  // along, it would mark the sources, and with them what the build makes, as
  // downloaded files that Gatekeeper stops.
  int32_t status = RunCapturing(Tools().ditto, {"--noqtn", snapshot, sourcesDir});
  if (status == 0 && IsFile(script)) {
    WriteFileAtomically(marker, snapshotId);
    return ready(sourcesDir);
  }
  sourcesLock_.release();
  return fail({Message(VLMR_TRANSLATABLE(
      "Pipeline", "Could not unpack the build sources into Application Support."))});
}

}  // namespace vlmr
