// Installer validation of a 560 MB file against `shasum -a 256` of the same
// file alone: everything the validation adds around the hash (the file tests,
// the two signature bytes, the known list, the name test) must stay in the noise.
#include <cstdint>
#include <cstring>

#include "bench/bench_support.h"
#include "checks/installer_validation.h"
#include "pipeline/host.h"
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
  std::string list = scratch / "known_installers.sha256";
  std::ofstream(list) << "# known builds\n"
                      << std::string(64, '0') << "  older.exe\n"
                      << std::string(64, '1') << "  other.exe\n";
  const std::string shasum = vlmr::Tools().shasum;
  vlmr::InstallerValidator validator(list);

  // Once each to warm the page cache and check that the file passes.
  std::string summary;
  if (!validator.validateInstaller(installer, &summary, nullptr)) {
    std::printf("validation rejected the sample: %s\n", summary.c_str());
    return 1;
  }
  if (vlmr::RunCapturing(shasum, {"-a", "256", installer}) != 0) {
    std::printf("%s failed\n", shasum.c_str());
    return 1;
  }
  std::printf("%s\n", summary.c_str());

  // Interleaved, so a change in machine load hits both sides alike.
  std::vector<double> validations, hashes;
  for (int i = 0; i < 5; ++i) {
    validations.push_back(
        Seconds([&] { validator.validateInstaller(installer, nullptr, nullptr); }));
    hashes.push_back(Seconds([&] { vlmr::RunCapturing(shasum, {"-a", "256", installer}); }));
  }
  double validation = Median(validations), hash = Median(hashes);
  std::printf("validation %.3f s, shasum -a 256 alone %.3f s (medians of 5)\n", validation, hash);

  if (Shell("command -v openssl >/dev/null 2>&1") == 0) {
    std::vector<double> openssl;
    for (int i = 0; i < 3; ++i) {
      openssl.push_back(
          Seconds([&] { Shell("openssl dgst -sha256 " + Quote(installer) + " >/dev/null"); }));
    }
    std::printf("reference: openssl dgst -sha256 %.3f s (median of 3)\n", Median(openssl));
  }
  PrintRatio(validation / hash, 1.05);
  return 0;
}
