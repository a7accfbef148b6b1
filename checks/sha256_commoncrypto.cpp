// The SHA-256 engine on macOS: CommonCrypto, which uses the CPU's SHA
// instructions on Apple Silicon. Built only on Apple platforms (see
// CMakeLists.txt); Linux builds sha256_openssl.cpp instead.
#include <CommonCrypto/CommonDigest.h>

#include <algorithm>

#include "checks/sha256.h"

namespace vlmr {

struct Sha256::Engine {
  CC_SHA256_CTX context{};
  bool ok = CC_SHA256_Init(&context) == 1;
};

Sha256::Sha256() : engine_(std::make_unique<Engine>()) {}

Sha256::~Sha256() = default;

bool Sha256::update(const void* data, size_t size) {
  // CC_LONG is 32 bits wide: feed larger spans in pieces.
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (engine_->ok && size > 0) {
    const CC_LONG piece = static_cast<CC_LONG>(std::min<size_t>(size, 1u << 30));
    engine_->ok = CC_SHA256_Update(&engine_->context, bytes, piece) == 1;
    bytes += piece;
    size -= piece;
  }
  return engine_->ok;
}

bool Sha256::finish(unsigned char (&digest)[32]) {
  if (!engine_->ok) return false;
  engine_->ok = CC_SHA256_Final(digest, &engine_->context) == 1;
  return engine_->ok;
}

}  // namespace vlmr
