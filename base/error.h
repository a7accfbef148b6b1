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

}  // namespace vlmr
