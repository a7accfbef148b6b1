#include "modes/options.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/paths.h"
#include "base/text.h"
#include "platform/home.h"

namespace vlmr {

std::vector<std::string> ArgumentList(int argc, char** argv) {
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<size_t>(argc));
  for (int i = 0; i < argc; ++i) {
    // A path is bytes: one that is not UTF-8 is still a path.
    arguments.emplace_back(argv[i] != nullptr ? argv[i] : "");
  }
  return arguments;
}

std::optional<std::string> ValueForOption(const std::vector<std::string>& arguments,
                                          std::string_view option) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (argument == option) {
      if (i + 1 < arguments.size()) return arguments[i + 1];
      return std::nullopt;
    }
    if (argument.size() > option.size() && argument.starts_with(option) &&
        argument[option.size()] == '=') {
      return std::string(argument.substr(option.size() + 1));
    }
  }
  return std::nullopt;
}

bool HasArgument(const std::vector<std::string>& arguments, std::string_view option) {
  for (const std::string& argument : arguments) {
    if (argument == option) return true;
  }
  return false;
}

std::vector<std::string> ExistingFileArguments(const std::vector<std::string>& arguments) {
  std::vector<std::string> files;
  for (size_t i = 1; i < arguments.size(); ++i) {
    // The window takes names as text: one that is not UTF-8 would reach it changed.
    if (arguments[i].empty() || !IsValidUtf8(arguments[i])) continue;
    bool ok = false;
    std::string path = ExpandPath(arguments[i], &ok);
    if (!ok) continue;
    // Only a regular file: reading a pipe or a device could block the check forever.
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) files.push_back(std::move(path));
  }
  return files;
}

namespace {

// True when `path` has a "." or ".." component, which `pwd` never trusts.
bool HasDotComponent(std::string_view path) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view component = path.substr(start, end - start);
    if (component == "." || component == "..") return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::string ExpandPath(const std::string& path, bool* ok) {
  if (ok != nullptr) *ok = true;
  if (path.starts_with("~")) {
    size_t slash = path.find('/');
    std::string user = path.substr(1, slash == std::string::npos ? std::string::npos : slash - 1);
    std::string home = user.empty() ? HomeDirectory() : HomeDirectoryOfUser(user);
    if (home.empty()) return path;  // unknown user: left as typed
    if (slash == std::string::npos) return home;
    return JoinPath(home, path.substr(slash + 1));
  }
  if (path.starts_with("/")) return path;
  // Sized by the system, so a directory deeper than any fixed buffer works.
  std::unique_ptr<char, decltype(&std::free)> current(getcwd(nullptr, 0), &std::free);
  if (current == nullptr) {
    if (ok != nullptr) *ok = false;
    return path;
  }
  // getcwd resolves links ("/private/var/..." on the Mac); the shell's $PWD
  // keeps the spelling the user went there by, so it is used whenever it
  // names this same directory, as `pwd` does.
  const char* shown = std::getenv("PWD");
  struct stat here {
  }, named{};
  if (shown != nullptr && shown[0] == '/' && !HasDotComponent(shown) && stat(".", &here) == 0 &&
      stat(shown, &named) == 0 && here.st_dev == named.st_dev && here.st_ino == named.st_ino) {
    return JoinPath(shown, path);
  }
  return JoinPath(current.get(), path);
}

void PrintCLI(std::string_view format, std::initializer_list<std::string_view> values) {
  std::string line = Format(format, values) + "\n";
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

void PrintError(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

}  // namespace vlmr
