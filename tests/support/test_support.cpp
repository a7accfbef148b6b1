// Helpers shared by every test program: temporary folders, files, HOME.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/test_support.h"

namespace vlmr::test {

namespace fs = std::filesystem;

PumpedMainQueue& MainQueue() {
  static PumpedMainQueue queue;
  return queue;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vlmr-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  if (made == nullptr) std::abort();
  path_ = made;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Tests make folders read-only on purpose; give write access back first.
  for (auto& entry : std::filesystem::recursive_directory_iterator(
           path_, std::filesystem::directory_options::skip_permission_denied, ignored)) {
    if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
      chmod(entry.path().c_str(), 0755);
  }
  chmod(path_.c_str(), 0755);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::operator/(const std::string& relative) const {
  return path_ + "/" + relative;
}

void WriteFile(const std::string& path, const std::string& text, bool executable) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
  if (executable) chmod(path.c_str(), 0755);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
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

std::string SourceDir() {
  return VLMR_TEST_SOURCE_DIR;
}
std::string BundledHelpersDir() {
  return BinaryDir() + "/Velmora 3000 Installer.app/Contents/Helpers";
}

std::string BinaryDir() {
  return VLMR_TEST_BINARY_DIR;
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

}  // namespace vlmr::test
