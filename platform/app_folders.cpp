#include "platform/app_folders.h"

#include "base/paths.h"
#include "platform/home.h"

namespace vlmr {

AppFolders AppFolders::Current() {
  return AppFolders(HomeDirectory());
}

std::string AppFolders::applicationSupport() const {
  return JoinPath(home_, std::string("Library/Application Support/") + kAppFolderName);
}

std::string AppFolders::installerLog() const {
  return JoinPath(home_, std::string("Library/Logs/") + kAppFolderName + "/installer.log");
}

std::string AppFolders::buildTimings() const {
  return JoinPath(applicationSupport(), "build-timings");
}

std::string AppFolders::finderFolder() const {
  return JoinPath(applicationSupport(), "Move to Applications");
}

std::string AppFolders::sources() const {
  return JoinPath(applicationSupport(), "installer-src");
}

std::string AppFolders::sourcesOf(const std::string& version) const {
  return JoinPath(sources(), version);
}

std::string AppFolders::stage() const {
  return JoinPath(applicationSupport(), "installer-stage");
}

}  // namespace vlmr
