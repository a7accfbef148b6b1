#pragma once

// The processes of the machine as Linux's /proc shows them. Shared by the
// installer and the build supervisor, which links no other part of platform/.

#include <sys/types.h>

#include <vector>

#if defined(__linux__)
namespace vlmr {

/// One process as its /proc/<pid>/stat line describes it.
struct ProcessEntry {
  pid_t pid = 0;
  char state = 0;  ///< 'R', 'S', 'Z' ...
  pid_t parent = 0;
  pid_t group = 0;
  unsigned long long start = 0;  ///< clock ticks after boot: with the id, names one process
};

/// Reads what /proc says of `pid` into `entry`; false when it is gone or the
/// line does not read.
bool ReadProcessEntry(pid_t pid, ProcessEntry* entry);

/// Every process /proc lists now. A process forked during the scan may be
/// missing: callers that must find every one scan again.
std::vector<ProcessEntry> ProcessTable();

}  // namespace vlmr
#endif
