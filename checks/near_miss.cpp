#include "checks/near_miss.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

#include "base/paths.h"
#include "base/translatable.h"
#include "platform/bundle.h"

namespace vlmr {

namespace {

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool EndsWithAny(const std::string& lowerName, std::initializer_list<std::string_view> suffixes) {
  for (std::string_view suffix : suffixes) {
    if (lowerName.size() > suffix.size() &&
        lowerName.compare(lowerName.size() - suffix.size(), suffix.size(), suffix) == 0) {
      return true;
    }
  }
  return false;
}

bool HasArchiveMagic(std::string_view head) {
  using namespace std::string_view_literals;
  for (std::string_view magic :
       {"PK\x03\x04"sv, "7z\xBC\xAF\x27\x1C"sv, "Rar!\x1A\x07"sv, "\x1F\x8B"sv}) {
    if (head.substr(0, magic.size()) == magic) return true;
  }
  return head.size() >= 262 && head.substr(257, 5) == "ustar";
}

// GOG names the data parts of "setup_x.exe" "setup_x-1.bin", "setup_x-2.bin"…:
// the stem without its "-N" part number.
std::string WithoutPartNumber(const std::string& stem) {
  size_t dash = stem.find_last_of('-');
  if (dash == std::string::npos || dash + 1 == stem.size() ||
      stem.find_first_not_of("0123456789", dash + 1) != std::string::npos) {
    return stem;
  }
  return stem.substr(0, dash);
}

// true when the folder holds "<stem>.exe", the extension in any case.
bool ExeBeside(const std::string& folder, const std::string& stem) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return false;
  bool found = false;
  while (dirent* entry = readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name.size() == stem.size() + 4 && name.substr(0, stem.size()) == stem &&
        AsciiLower(name.substr(stem.size())) == ".exe") {
      found = true;
      break;
    }
  }
  closedir(dir);
  return found;
}

}  // namespace

std::string ReadFirstBytes(const std::string& path, size_t count) {
  // Non-blocking, so an item that is (or was swapped for) a FIFO cannot hold
  // the check up.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return {};
  std::string head(count, '\0');
  size_t got = 0;
  while (got < head.size()) {
    ssize_t n = read(fd, head.data() + got, head.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  head.resize(got);
  return head;
}

NearMiss ClassifyNearMiss(std::string_view name, std::string_view head, bool exeBeside) {
  const std::string lower = AsciiLower(name);
  // First, so "setup.exe.part" and "game.zip.crdownload" read as downloads.
  if (EndsWithAny(lower, {".part", ".crdownload", ".download", ".opdownload"})) {
    return NearMiss::UnfinishedDownload;
  }
  if (EndsWithAny(lower, {".dmg", ".pkg", ".app"})) return NearMiss::MacInstaller;
  if (EndsWithAny(lower, {".zip", ".7z", ".rar", ".tar", ".gz"})) return NearMiss::Archive;
  if (EndsWithAny(lower, {".bin"}) && exeBeside) return NearMiss::DataPart;
  // A real installer starts "MZ", so these bytes never turn one away.
  if (HasArchiveMagic(head)) return NearMiss::Archive;
  return NearMiss::None;
}

NearMiss NearMissOfFile(const std::string& path) {
  const std::string name = LastPathComponent(path);
  bool exeBeside = false;
  if (EndsWithAny(AsciiLower(name), {".bin"})) {
    const std::string folder = DeletingLastPathComponent(path);
    const std::string stem = name.substr(0, name.size() - 4);
    const std::string installerStem = WithoutPartNumber(stem);
    exeBeside =
        ExeBeside(folder, stem) || (installerStem != stem && ExeBeside(folder, installerStem));
  }
  return ClassifyNearMiss(name, ReadFirstBytes(path, kNearMissHeadSize), exeBeside);
}

std::optional<MessageText> NearMissSentence(NearMiss kind) {
  switch (kind) {
    case NearMiss::None:
      return std::nullopt;
    case NearMiss::UnfinishedDownload:
      return VLMR_TRANSLATABLE("NearMiss",
                               "That download hasn't finished yet. Wait for it, then try again.");
    case NearMiss::MacInstaller:
      return VLMR_TRANSLATABLE(
          "NearMiss", "That's a Mac installer. This needs the Windows offline installer from GOG.");
    case NearMiss::Archive:
      return VLMR_TRANSLATABLE("NearMiss",
                               "That's an archive. Open it and use the installer (.exe) inside.");
    case NearMiss::DataPart:
      return VLMR_TRANSLATABLE("NearMiss",
                               "That's a data part of the installer. Use the .exe beside it.");
  }
  return std::nullopt;
}

}  // namespace vlmr
