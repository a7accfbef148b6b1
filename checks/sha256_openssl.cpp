// The SHA-256 engine on Linux: OpenSSL's EVP interface, which picks the CPU's
// SHA extensions when it has them.
#include <openssl/crypto.h>
#include <openssl/evp.h>

#include "checks/sha256.h"

namespace vlmr {

namespace {

// OpenSSL otherwise tears its state down in an exit handler registered on
// first use, which runs before the background pool joins its threads: the
// per-thread state of a thread that hashed would then never be freed.
bool InitialiseOnce() {
  static const bool ready = OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr) == 1;
  return ready;
}

}  // namespace

struct Sha256::Engine {
  bool initialised = InitialiseOnce();
  EVP_MD_CTX* context = initialised ? EVP_MD_CTX_new() : nullptr;
  bool ok = context != nullptr && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1;
  ~Engine() { EVP_MD_CTX_free(context); }
};

Sha256::Sha256() : engine_(std::make_unique<Engine>()) {}

Sha256::~Sha256() = default;

bool Sha256::update(const void* data, size_t size) {
  if (engine_->ok && size > 0) engine_->ok = EVP_DigestUpdate(engine_->context, data, size) == 1;
  return engine_->ok;
}

bool Sha256::finish(unsigned char (&digest)[32]) {
  if (!engine_->ok) return false;
  unsigned int length = 0;
  engine_->ok = EVP_DigestFinal_ex(engine_->context, digest, &length) == 1 && length == 32;
  return engine_->ok;
}

}  // namespace vlmr
