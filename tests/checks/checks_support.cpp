#include "tests/checks/checks_support.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vlmr::checks_test {

namespace fs = std::filesystem;

void WriteSparseFile(const std::string& path, uint64_t size, const std::string& head) {
  WriteFile(path, head);
  if (truncate(path.c_str(), static_cast<off_t>(size)) != 0) std::abort();
}

std::vector<std::string> TreeListing(const std::string& root) {
  std::vector<std::string> listing;
  std::error_code ignored;
  for (auto& entry : fs::recursive_directory_iterator(root, ignored)) {
    std::string line = fs::relative(entry.path(), root).string();
    if (entry.is_symlink(ignored)) {
      line += " link " + fs::read_symlink(entry.path(), ignored).string();
    } else if (entry.is_directory(ignored)) {
      line += " dir";
    } else {
      line += " file " + ReadFile(entry.path());
    }
    listing.push_back(line);
  }
  std::sort(listing.begin(), listing.end());
  return listing;
}

FakeTools::FakeTools() : saved_(Tools()) {
  // Nothing real runs unless a test puts it in the table.
  for (std::string* entry :
       {&table_.python3, &table_.bash, &table_.ditto, &table_.shasum, &table_.xcodeSelect,
        &table_.xcrun, &table_.installNameTool, &table_.plistBuddy, &table_.osascript}) {
    *entry = missing();
  }
}

FakeTools::~FakeTools() {
  SetTools(saved_);
}

std::string FakeTools::make(const std::string& name, const std::string& body) {
  std::string path = dir_ / ("bin/" + name);
  WriteFile(path,
            "#!/bin/sh\n"
            "printf '%s\\n' \"" +
                name + " $*\" >> '" + (dir_ / "runs.log") + "'\n" + body + "\n",
            true);
  return path;
}

std::string FakeTools::runLog() const {
  return ReadFile(dir_ / "runs.log");
}

std::vector<std::string> FakeTools::runs() const {
  std::vector<std::string> lines;
  std::istringstream log(runLog());
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  return lines;
}

}  // namespace vlmr::checks_test
