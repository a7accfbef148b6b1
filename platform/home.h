#pragma once

#include <string>

namespace vlmr {

/// The home directory of the user running the installer: `HOME` when it is set
/// and not empty, otherwise the user database entry, otherwise "/".
std::string HomeDirectory();

/// The home directory of the named user from the user database, or empty when
/// there is no such user.
std::string HomeDirectoryOfUser(const std::string& user);

/// The user's home directory with `relative` appended as path components.
std::string HomePath(const std::string& relative);

}  // namespace vlmr
