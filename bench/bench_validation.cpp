// Installer validation of a 560 MB file, which now hashes in process, against
// `shasum -a 256` of the same file, the tool it used to run: the in-process
// digest must take at most 0.4 of shasum's time. `openssl dgst -sha256` on the
// same file is the reference for what the disk and the CPU's SHA instructions
// allow.
#include <cstdint>
#include <cstring>

#include "bench/bench_support.h"
#include "checks/installer_validation.h"
#include "checks/sha256.h"
#include "platform/run_capturing.h"
#include "platform/system_tools.h"

using namespace vlmr::bench;

namespace {

constexpr uint64_t kInstallerSize = 560ull * 1000 * 1000;

// "MZ" and then deterministic bytes that do not compress or repeat, written
// for real (not sparse), as an installer would be.
void MakeInstaller(const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  std::vector<uint64_t> block(1 << 17);
  uint64_t state = 0x9E3779B97F4A7C15ull;
  for (uint64_t written = 0; written < kInstallerSize;) {
    for (uint64_t& word : block) {
      state ^= state << 13, state ^= state >> 7, state ^= state << 17;
      word = state;
    }
    if (written == 0) std::memcpy(block.data(), "MZ", 2);
    size_t bytes = std::min<uint64_t>(block.size() * sizeof(uint64_t), kInstallerSize - written);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(bytes));
    written += bytes;
  }
}

}  // namespace

int main() {
  Scratch scratch;
  std::string installer = scratch / "setup_simcity_3000_unlimited_2.0.949(a).exe";
  MakeInstaller(installer);
  const std::string shasum = vlmr::Tools().shasum;
  const bool haveOpenssl = Shell("command -v openssl >/dev/null 2>&1") == 0;
  const std::string opensslCommand = "openssl dgst -sha256 " + Quote(installer) + " >/dev/null";

  // Once each to warm the page cache and to check that all agree.
  std::string output;
  if (vlmr::RunCapturing(shasum, {"-a", "256", installer}, &output) != 0) {
    std::printf("%s failed\n", shasum.c_str());
    return 1;
  }
  const std::string digest = output.substr(0, 64);
  if (vlmr::Sha256OfFile(installer) != digest) {
    std::printf("the in-process digest differs from shasum's %s\n", digest.c_str());
    return 1;
  }
  std::string list = scratch / "known_installers.sha256";
  std::ofstream(list) << "# known builds\n"
                      << std::string(64, '0') << "  older.exe\n"
                      << digest << "  setup_simcity_3000_unlimited_2.0.949(a).exe\n";
  vlmr::InstallerValidator validator(list);
  vlmr::InstallerAcceptance accepted;
  vlmr::Error rejection;
  if (!validator.validateInstaller(installer, &accepted, &rejection)) {
    std::printf("validation rejected the sample: %s\n", rejection.message.english().c_str());
    return 1;
  }
  std::printf("%s\n", accepted.summary.english().c_str());

  // Interleaved, so a change in machine load hits every side alike.
  std::vector<double> validations, hashes, shasums, openssls;
  for (int i = 0; i < 5; ++i) {
    validations.push_back(
        Seconds([&] { validator.validateInstaller(installer, nullptr, nullptr); }));
    hashes.push_back(Seconds([&] { vlmr::Sha256OfFile(installer); }));
    shasums.push_back(Seconds([&] { vlmr::RunCapturing(shasum, {"-a", "256", installer}); }));
    if (haveOpenssl) openssls.push_back(Seconds([&] { Shell(opensslCommand); }));
  }
  const double validation = Median(validations), hash = Median(hashes), reference = Median(shasums);
  const double megabytes = kInstallerSize / 1e6;
  std::printf("validation (in-process SHA-256) %.3f s, %.0f MB/s\n", validation,
              megabytes / validation);
  std::printf("Sha256OfFile alone              %.3f s, %.0f MB/s\n", hash, megabytes / hash);
  std::printf("shasum -a 256                   %.3f s, %.0f MB/s\n", reference,
              megabytes / reference);
  if (haveOpenssl) {
    const double openssl = Median(openssls);
    std::printf("openssl dgst -sha256            %.3f s, %.0f MB/s (ratio to shasum %.3f)\n",
                openssl, megabytes / openssl, openssl / reference);
  }
  std::printf("(medians of 5, %.0f MB file)\n", megabytes);
  PrintRatio(validation / reference, 0.4);
  return 0;
}
