// Stand-in for Darwin's <Availability.h> in the Darwin-view parse (see
// ../darwin_declarations.h): the installer's deployment target, macOS 15.
#pragma once

#define __MAC_10_6 1060
#define __MAC_15_0 150000
#define __MAC_OS_X_VERSION_MIN_REQUIRED __MAC_15_0
#define __MAC_OS_X_VERSION_MAX_ALLOWED __MAC_15_0
#define API_AVAILABLE(...)
#define API_UNAVAILABLE(...)
