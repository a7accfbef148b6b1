#include "platform/process_table.h"

#if defined(__linux__)
#include <dirent.h>

#include <cstdio>
#include <cstdlib>

namespace vlmr {

bool ReadProcessEntry(pid_t pid, ProcessEntry* entry) {
  char path[64];
  std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
  FILE* file = std::fopen(path, "re");
  if (file == nullptr) return false;
  char line[1024];
  const size_t length = std::fread(line, 1, sizeof line - 1, file);
  std::fclose(file);
  line[length] = '\0';
  // "pid (name) state ppid pgrp ...": the name may hold anything, ")" too, so
  // the fields are read after its last ")".
  char* close = nullptr;
  for (char* at = line; *at != '\0'; ++at) {
    if (*at == ')') close = at;
  }
  int parent = 0, group = 0;
  if (close == nullptr ||
      std::sscanf(close + 1,
                  " %c %d %d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d "
                  "%*d %llu",
                  &entry->state, &parent, &group, &entry->start) != 4) {
    return false;
  }
  entry->pid = pid;
  entry->parent = parent;
  entry->group = group;
  return true;
}

std::vector<ProcessEntry> ProcessTable() {
  std::vector<ProcessEntry> table;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return table;
  while (dirent* item = readdir(proc)) {
    char* end = nullptr;
    const long pid = std::strtol(item->d_name, &end, 10);
    ProcessEntry entry;
    if (pid <= 0 || *end != '\0' || !ReadProcessEntry(static_cast<pid_t>(pid), &entry)) continue;
    table.push_back(entry);
  }
  closedir(proc);
  return table;
}

}  // namespace vlmr
#endif
