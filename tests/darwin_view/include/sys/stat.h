// Stand-in for Darwin's <sys/stat.h> over the host's: Darwin names a file's times
// st_mtimespec and st_ctimespec, where POSIX (and glibc) say st_mtim, st_ctim.
#pragma once
#include_next <sys/stat.h>

#ifndef st_mtimespec
#define st_mtimespec st_mtim
#endif
#ifndef st_ctimespec
#define st_ctimespec st_ctim
#endif
#ifndef st_atimespec
#define st_atimespec st_atim
#endif
