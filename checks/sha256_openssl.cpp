// The SHA-256 engine on Linux: OpenSSL's EVP interface, which picks the CPU's
// SHA extensions when it has them. The library is opened when the first hash
// starts, not with the program: the window hashes only once a file is chosen,
// and a library loaded at start costs every start its time and memory.
#include <dlfcn.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/opensslv.h>

#include "checks/sha256.h"

namespace vlmr {

namespace {

#define VLMR_SHLIB_NAME(version) "libcrypto.so." #version
#define VLMR_SHLIB_NAME_OF(version) VLMR_SHLIB_NAME(version)
// The library these headers belong to, by its run-time name.
constexpr char kCryptoLibrary[] = VLMR_SHLIB_NAME_OF(OPENSSL_SHLIB_VERSION);

// The few EVP functions a hash needs, bound from the library.
struct Crypto {
  decltype(&OPENSSL_init_crypto) init = nullptr;
  decltype(&EVP_MD_CTX_new) newContext = nullptr;
  decltype(&EVP_MD_CTX_free) freeContext = nullptr;
  decltype(&EVP_sha256) sha256 = nullptr;
  decltype(&EVP_DigestInit_ex) digestInit = nullptr;
  decltype(&EVP_DigestUpdate) digestUpdate = nullptr;
  decltype(&EVP_DigestFinal_ex) digestFinal = nullptr;
  bool ready = false;
};

template <class Function>
bool Bind(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

// Opened once, by whichever thread hashes first, and kept for the rest of
// the process. Not ready when the library is missing: every hash then fails.
const Crypto& LoadedCrypto() {
  static const Crypto crypto = [] {
    Crypto c;
    void* library = dlopen(kCryptoLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return c;
    c.ready = Bind(library, "OPENSSL_init_crypto", c.init) &&
              Bind(library, "EVP_MD_CTX_new", c.newContext) &&
              Bind(library, "EVP_MD_CTX_free", c.freeContext) &&
              Bind(library, "EVP_sha256", c.sha256) &&
              Bind(library, "EVP_DigestInit_ex", c.digestInit) &&
              Bind(library, "EVP_DigestUpdate", c.digestUpdate) &&
              Bind(library, "EVP_DigestFinal_ex", c.digestFinal);
    // OpenSSL otherwise tears its state down in an exit handler registered on
    // first use, which runs before the background pool joins its threads: the
    // per-thread state of a thread that hashed would then never be freed.
    c.ready = c.ready && c.init(OPENSSL_INIT_NO_ATEXIT, nullptr) == 1;
    return c;
  }();
  return crypto;
}

}  // namespace

struct Sha256::Engine {
  const Crypto& crypto = LoadedCrypto();
  EVP_MD_CTX* context = crypto.ready ? crypto.newContext() : nullptr;
  bool ok = context != nullptr && crypto.digestInit(context, crypto.sha256(), nullptr) == 1;
  ~Engine() {
    if (context != nullptr) crypto.freeContext(context);
  }
};

Sha256::Sha256() : engine_(std::make_unique<Engine>()) {}

Sha256::~Sha256() = default;

bool Sha256::update(const void* data, size_t size) {
  if (engine_->ok && size > 0) {
    engine_->ok = engine_->crypto.digestUpdate(engine_->context, data, size) == 1;
  }
  return engine_->ok;
}

bool Sha256::finish(unsigned char (&digest)[32]) {
  if (!engine_->ok) return false;
  unsigned int length = 0;
  engine_->ok =
      engine_->crypto.digestFinal(engine_->context, digest, &length) == 1 && length == 32;
  return engine_->ok;
}

}  // namespace vlmr
