// Stand-in for Darwin's <mach-o/dyld.h> in the Darwin-view parse (see
// ../../darwin_declarations.h): declarations only.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

int _NSGetExecutablePath(char* buf, uint32_t* bufsize);

#ifdef __cplusplus
}
#endif
