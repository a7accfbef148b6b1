#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/cancel_token.h"

namespace vlmr {

/// The size of the blocks a file is read in while it is hashed.
inline constexpr size_t kHashReadBlock = 1 << 20;

/// An incremental SHA-256 over bytes fed in pieces. The engine is the
/// platform's own: OpenSSL's EVP on Linux (sha256_openssl.cpp), CommonCrypto
/// on macOS (sha256_commoncrypto.cpp); both use the CPU's SHA instructions.
class Sha256 {
 public:
  /// A fresh hash of no bytes.
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  /// Adds `size` bytes. Returns false when the engine failed; the hash then has no digest.
  bool update(const void* data, size_t size);

  /// Ends the hash and stores the 32 raw digest bytes in `digest`. Returns false
  /// when the engine failed at any point.
  bool finish(unsigned char (&digest)[32]);

 private:
  struct Engine;
  std::unique_ptr<Engine> engine_;
};

/// The SHA-256 of `bytes` as 64 lower-case hexadecimal digits, as shasum prints
/// it, or nothing when the engine failed.
std::optional<std::string> Sha256OfBytes(std::string_view bytes);

/// Asked before each block of a file is read, with the number read so far;
/// hashing stops, without a digest, when it answers false.
using KeepHashing = std::function<bool(uint64_t blocksRead)>;

/// The SHA-256 of the regular file at `path` (a final symbolic link is
/// followed), read to its end in `kHashReadBlock` pieces. Nothing when the
/// file cannot be opened, is not a regular file, or a read fails: a partial
/// file never yields a digest. Once `cancel` is cancelled it stops before the
/// next block, also with nothing, so a hash nobody waits for any more ends
/// within one block.
std::optional<std::string> Sha256OfFile(const std::string& path, const CancelToken& cancel = {});

/// The same, asking `keepGoing` before each block instead of a token.
std::optional<std::string> Sha256OfFile(const std::string& path, const KeepHashing& keepGoing);

}  // namespace vlmr
