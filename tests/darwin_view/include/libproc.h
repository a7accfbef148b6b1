// Stand-in for Darwin's <libproc.h>, for parsing only (see ../darwin_declarations.h).
#pragma once

#include <sys/types.h>

#ifdef __cplusplus
extern "C" {
#endif

// The process ids of `ppid`'s children into `buffer` (`buffersize` bytes); returns their count.
int proc_listchildpids(pid_t ppid, void* buffer, int buffersize);

#ifdef __cplusplus
}
#endif
