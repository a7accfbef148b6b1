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

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "vlmr-checks-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests take permissions away on purpose; give them back first.
  for (auto& entry : fs::recursive_directory_iterator(
           path_, fs::directory_options::skip_permission_denied, ignored)) {
    if (!entry.is_symlink(ignored)) chmod(entry.path().c_str(), 0755);
  }
  chmod(path_.c_str(), 0755);
  fs::remove_all(path_, ignored);
}

void WriteFile(const std::string& path, const std::string& text, bool executable) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
  if (executable) chmod(path.c_str(), 0755);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

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

ScopedHome::ScopedHome(const std::string& home) {
  const char* current = std::getenv("HOME");
  hadHome_ = current != nullptr;
  if (hadHome_) saved_ = current;
  setenv("HOME", home.c_str(), 1);
}

ScopedHome::~ScopedHome() {
  if (hadHome_) {
    setenv("HOME", saved_.c_str(), 1);
  } else {
    unsetenv("HOME");
  }
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

PumpedMainQueue& MainQueue() {
  static PumpedMainQueue queue;
  return queue;
}

std::string SourceDir() {
  return VLMR_CHECKS_SOURCE_DIR;
}

}  // namespace vlmr::checks_test
