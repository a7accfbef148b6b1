#pragma once

#include <string>
#include <type_traits>
#include <utility>

namespace vlmr {

/// A failure handed back to the caller: where it comes from, a small code and
/// one sentence for the user.
struct Error {
  std::string domain;
  int code = 0;
  std::string message;
};

/// The domain of the installer's own errors. Each module numbers its errors
/// in an enum of its own, from 1: a code means something only together with
/// the call that returned it.
inline constexpr char kInstallerErrorDomain[] = "VelmoraInstaller";

/// The number an `Error` carries for one of a module's codes.
template <typename Code>
constexpr int ErrorCode(Code code) {
  static_assert(std::is_enum_v<Code>, "a module's error codes are an enum");
  return static_cast<int>(code);
}

/// An installer error: one of a module's codes and the sentence for the user.
template <typename Code>
Error InstallerError(Code code, std::string message) {
  return Error{kInstallerErrorDomain, ErrorCode(code), std::move(message)};
}

/// The domain of system failures, whose code is the `errno`. Spelled as Cocoa
/// spells it, so an error reads the same on the Mac as the system's own.
inline constexpr char kPosixErrorDomain[] = "NSPOSIXErrorDomain";

}  // namespace vlmr
