// Force-included (-include) when the Qt-free sources are parsed as the Mac
// would see them (-U__linux__ -D__APPLE__ on a Linux machine): the Darwin-only
// calls and constants our __APPLE__ branches use that Darwin declares in a
// standard header glibc also has (<spawn.h>, <stdio.h>, ...). Calls Darwin
// declares in a header of its own (<mach-o/dyld.h>, <CommonCrypto/...>) get
// a stand-in header of that name under include/ instead.
//
// Only declarations, copied in shape from Apple's documented signatures, never
// definitions: nothing here is linked or run. When an __APPLE__ branch uses a
// new Darwin-only call, add its declaration here (or a header under include/)
// with the signature Apple documents; the darwin_view test then parses it.
#pragma once

#include <spawn.h>
#include <stdio.h>
#include <sys/socket.h>
#include <sys/types.h>

#ifdef __cplusplus
extern "C" {
#endif

// <spawn.h>: keep a descriptor open across POSIX_SPAWN_CLOEXEC_DEFAULT.
int posix_spawn_file_actions_addinherit_np(posix_spawn_file_actions_t* actions, int fd);
#define POSIX_SPAWN_CLOEXEC_DEFAULT 0x4000

// <stdio.h>: rename with flags (macOS 10.12 and later).
int renamex_np(const char* from, const char* to, unsigned int flags);
int renameatx_np(int fromfd, const char* from, int tofd, const char* to, unsigned int flags);
#define RENAME_SECLUDE 0x00000001
#define RENAME_SWAP 0x00000002
#define RENAME_EXCL 0x00000004

// <sys/socket.h>: a write to a socket whose peer has gone fails with EPIPE
// instead of raising SIGPIPE.
#define SO_NOSIGPIPE 0x1022

#ifdef __cplusplus
}
#endif
