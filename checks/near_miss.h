#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"

namespace vlmr {

/// What a dropped file that cannot be the installer most likely is.
enum class NearMiss {
  None,                ///< nothing recognisable: installer validation decides
  UnfinishedDownload,  ///< .part, .crdownload, .download, .opdownload
  MacInstaller,        ///< .dmg, .pkg, .app
  Archive,             ///< .zip, .7z, .rar, .tar, .gz, or an archive's magic bytes
  DataPart,            ///< a .bin with the .exe of the same stem beside it
};

/// How many leading bytes `ClassifyNearMiss` looks at (a tar header's "ustar"
/// ends at offset 262).
inline constexpr size_t kNearMissHeadSize = 262;

/// Classifies a file from its name (last path component), its first bytes
/// (up to `kNearMissHeadSize`, fewer for a short or unreadable file) and
/// whether an ".exe" of the same stem lies beside it. Extensions count in any
/// case; the name decides before the bytes.
NearMiss ClassifyNearMiss(std::string_view name, std::string_view head, bool exeBeside);

/// Up to `count` leading bytes of the file at `path` (fewer for a shorter
/// file; none when it cannot be read). Never blocks on a FIFO.
std::string ReadFirstBytes(const std::string& path, size_t count);

/// `ClassifyNearMiss` for the item at `path`: reads its first bytes (without
/// blocking on a FIFO) and looks for the ".exe" beside a ".bin".
NearMiss NearMissOfFile(const std::string& path);

/// The verdict line for a near miss: what the file is and what to do; nothing
/// for `NearMiss::None`.
std::optional<MessageText> NearMissSentence(NearMiss kind);

}  // namespace vlmr
