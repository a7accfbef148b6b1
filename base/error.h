#pragma once

#include <string>

namespace vlmr {

/// A failure handed back to the caller: where it comes from, a small code and
/// one sentence for the user.
struct Error {
  std::string domain;
  int code = 0;
  std::string message;
};

/// The domain of the installer's own errors.
inline constexpr char kInstallerErrorDomain[] = "VelmoraInstaller";

/// The domain of system failures, whose code is the `errno`. Spelled as Cocoa
/// spells it, so an error reads the same on the Mac as the system's own.
inline constexpr char kPosixErrorDomain[] = "NSPOSIXErrorDomain";

}  // namespace vlmr
