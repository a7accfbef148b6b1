#include "session/app_paths.h"

namespace vlmr {

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

}  // namespace vlmr
