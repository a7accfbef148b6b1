#include "platform/lost_build.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#if defined(__linux__)
#include <dirent.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#endif

namespace vlmr {

namespace {

constexpr auto kLookEvery = std::chrono::milliseconds(25);

#if defined(__linux__)
struct Stat {
  char state = 0;
  pid_t parent = 0;
  pid_t group = 0;
  unsigned long long start = 0;
};

// What /proc/<pid>/stat says; false when the process is gone.
bool ReadStat(pid_t pid, Stat* stat) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
  FILE* file = std::fopen(path, "re");
  if (file == nullptr) return false;
  char line[1024];
  size_t length = std::fread(line, 1, sizeof line - 1, file);
  std::fclose(file);
  line[length] = '\0';
  // "pid (name) state ppid pgrp ...": the name may hold anything.
  char* close = nullptr;
  for (char* at = line; *at != '\0'; ++at) {
    if (*at == ')') close = at;
  }
  int parent = 0, group = 0;
  if (close == nullptr ||
      std::sscanf(close + 1,
                  " %c %d %d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d "
                  "%*d %llu",
                  &stat->state, &parent, &group, &stat->start) != 4) {
    return false;
  }
  stat->parent = parent;
  stat->group = group;
  return true;
}

// True while the process known by `id` and `start` has not ended.
bool StillRuns(pid_t id, unsigned long long start) {
  Stat stat;
  return ReadStat(id, &stat) && stat.start == start && stat.state != 'Z';
}
#endif

}  // namespace

void LostBuild::findStrays() {
#if defined(__linux__)
  // Every process below a member of the group that is not a member itself.
  std::map<pid_t, std::vector<pid_t>> children;
  std::map<pid_t, Stat> all;
  std::vector<pid_t> pending;
  if (DIR* proc = opendir("/proc")) {
    while (dirent* entry = readdir(proc)) {
      char* end = nullptr;
      long pid = std::strtol(entry->d_name, &end, 10);
      Stat stat;
      if (pid <= 0 || *end != '\0' || !ReadStat(static_cast<pid_t>(pid), &stat)) continue;
      all[static_cast<pid_t>(pid)] = stat;
      children[stat.parent].push_back(static_cast<pid_t>(pid));
      if (stat.group == group_) pending.push_back(static_cast<pid_t>(pid));
    }
    closedir(proc);
  }
  while (!pending.empty()) {
    pid_t parent = pending.back();
    pending.pop_back();
    for (pid_t child : children[parent]) {
      const Stat& stat = all[child];
      if (stat.group == group_) continue;  // reached through the group
      std::pair<pid_t, unsigned long long> known{child, stat.start};
      if (std::find(strays_.begin(), strays_.end(), known) == strays_.end()) {
        strays_.push_back(known);
      }
      pending.push_back(child);
    }
  }
#endif
}

bool LostBuild::alive() {
  // The group's id stays the group's while it has a member.
  if (killpg(group_, 0) == 0) return true;
#if defined(__linux__)
  for (const auto& [id, start] : strays_) {
    if (StillRuns(id, start)) return true;
  }
#endif
  return false;
}

void LostBuild::signal(int signal) {
  // Found while their ancestors in the group still live: once those have
  // ended, a stray's parent is init and it can no longer be told apart.
  findStrays();
  killpg(group_, signal);
#if defined(__linux__)
  for (const auto& [id, start] : strays_) {
    if (StillRuns(id, start)) kill(id, signal);
  }
#endif
}

bool LostBuild::goneBy(Clock::time_point until) {
  for (;;) {
    if (!alive()) return true;
    if (Clock::now() >= until) return false;
    std::this_thread::sleep_for(kLookEvery);
  }
}

}  // namespace vlmr
