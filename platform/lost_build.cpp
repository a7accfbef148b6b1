#include "platform/lost_build.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#if defined(__linux__)
#include <map>

#include "platform/process_table.h"
#endif

namespace vlmr {

namespace {

constexpr auto kLookEvery = std::chrono::milliseconds(25);

#if defined(__linux__)
// True while the process known by `id` and `start` has not ended.
bool StillRuns(pid_t id, unsigned long long start) {
  ProcessEntry entry;
  return ReadProcessEntry(id, &entry) && entry.start == start && entry.state != 'Z';
}
#endif

}  // namespace

void LostBuild::findStrays() {
#if defined(__linux__)
  // Every process below a member of the group that is not a member itself.
  std::map<pid_t, std::vector<pid_t>> children;
  std::map<pid_t, ProcessEntry> all;
  std::vector<pid_t> pending;
  for (const ProcessEntry& entry : ProcessTable()) {
    all[entry.pid] = entry;
    children[entry.parent].push_back(entry.pid);
    if (entry.group == group_) pending.push_back(entry.pid);
  }
  while (!pending.empty()) {
    pid_t parent = pending.back();
    pending.pop_back();
    for (pid_t child : children[parent]) {
      const ProcessEntry& entry = all[child];
      if (entry.group == group_) continue;  // reached through the group
      std::pair<pid_t, unsigned long long> known{child, entry.start};
      if (std::find(strays_.begin(), strays_.end(), known) == strays_.end()) {
        strays_.push_back(known);
        // Left the group after the others were signalled: sent the same.
        if (sent_ != 0) kill(child, sent_);
      }
      pending.push_back(child);
    }
  }
#endif
}

bool LostBuild::alive() {
  // The group's id stays the group's while it has a member. While it has one,
  // a process that leaves the group now is still found below it.
  if (killpg(group_, 0) == 0) {
    findStrays();
    return true;
  }
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
  sent_ = 0;  // those found now are signalled below, once
  findStrays();
  sent_ = signal;
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
