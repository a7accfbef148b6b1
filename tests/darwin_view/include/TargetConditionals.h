// Stand-in for Darwin's <TargetConditionals.h> in the Darwin-view parse (see
// ../darwin_declarations.h): a Mac, so Qt's headers define Q_OS_MACOS.
#pragma once

#define TARGET_OS_MAC 1
#define TARGET_OS_OSX 1
#define TARGET_OS_IPHONE 0
#define TARGET_OS_IOS 0
#define TARGET_OS_TV 0
#define TARGET_OS_WATCH 0
#define TARGET_OS_VISION 0
#define TARGET_OS_SIMULATOR 0
