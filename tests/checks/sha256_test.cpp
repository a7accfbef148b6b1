#include "checks/sha256.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>

#include "base/files.h"
#include "checks/known_installers.h"
#include "platform/run_capturing.h"
#include "tests/support/fake_tools.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteFile;

// Deterministic bytes that do not repeat within a block.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 2463534242u;
  for (char& c : bytes) {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    c = static_cast<char>(state);
  }
  return bytes;
}

TEST(Sha256, KnownVectorsWholeAndInPieces) {
  const std::pair<std::string, const char*> rows[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      // 56 bytes: the padding spills into a second block.
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'),
       "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& [input, digest] : rows) {
    EXPECT_EQ(Sha256OfBytes(input), digest) << input.size() << " bytes";
    // Fed in uneven pieces, as the file reader does, the digest is the same.
    Sha256 hash;
    for (size_t at = 0; at < input.size(); at += 7777) {
      ASSERT_TRUE(hash.update(input.data() + at, std::min<size_t>(7777, input.size() - at)));
    }
    unsigned char raw[32];
    ASSERT_TRUE(hash.finish(raw));
    char hex[65];
    for (int i = 0; i < 32; ++i) std::snprintf(hex + 2 * i, 3, "%02x", raw[i]);
    EXPECT_STREQ(hex, digest) << input.size() << " bytes in pieces";
  }
}

TEST(Sha256, FilesAroundTheReadBlockMatchAnotherImplementation) {
  TempDir dir;
  for (size_t size : {size_t{0}, size_t{1}, kHashReadBlock - 1, kHashReadBlock, kHashReadBlock + 1,
                      3 * kHashReadBlock + 17}) {
    const std::string path = dir / ("file-" + std::to_string(size));
    WriteFile(path, Pattern(size));
    // shasum (Perl's Digest::SHA; the Mac has no sha256sum), so a slip shared with
    // the code under test cannot hide.
    std::string output;
    ASSERT_EQ(RunCapturing("/usr/bin/shasum", {"-a", "256", path}, &output), 0);
    EXPECT_EQ(Sha256OfFile(path), output.substr(0, 64)) << size << " bytes";
  }
}

TEST(Sha256, AFailedReadGivesNoDigest) {
  TempDir dir;
  WriteFile(dir / "folder/inside", "x");
  mkfifo((dir / "fifo").c_str(), 0644);
  EXPECT_EQ(Sha256OfFile(dir / "missing"), std::nullopt);
  EXPECT_EQ(Sha256OfFile(dir / "folder"), std::nullopt);
  // A FIFO without a writer would otherwise hash as empty (or block).
  EXPECT_EQ(Sha256OfFile(dir / "fifo"), std::nullopt);
  // A regular file whose first read fails (EIO): no digest of the bytes so far.
  EXPECT_EQ(Sha256OfFile("/proc/self/mem"), std::nullopt);
  if (geteuid() != 0) {  // root reads whatever the mode says
    WriteFile(dir / "locked", "secret");
    chmod((dir / "locked").c_str(), 0);
    EXPECT_EQ(Sha256OfFile(dir / "locked"), std::nullopt);
  }
}

// A hash nobody waits for any more stops within a block: the reads are
// counted, so the bound holds however fast the disk is.
TEST(Sha256, AHashNoLongerWantedStopsWithinOneBlock) {
  TempDir dir;
  const std::string big = dir / "big.exe";
  // 64 GiB, sparse: read in full it would take many seconds.
  test::WriteSparseFile(big, uint64_t{64} << 30, "MZ");
  struct Row {
    const char* when;
    uint64_t stopAfter;  // blocks read before the token is cancelled
  };
  for (const Row row : {Row{"cancelled before the first block", 0},
                        Row{"cancelled after the first block", 1},
                        Row{"cancelled after three blocks", 3}}) {
    SCOPED_TRACE(row.when);
    CancelToken token;
    uint64_t read = 0;
    EXPECT_EQ(Sha256OfFile(big,
                           [&](uint64_t blocks) {
                             read = blocks;
                             if (blocks == row.stopAfter) token.cancel();
                             return !token.cancelled();
                           }),
              std::nullopt);
    EXPECT_EQ(read, row.stopAfter);
  }
  // The token form.
  CancelToken cancelled;
  cancelled.cancel();
  EXPECT_EQ(Sha256OfFile(big, cancelled), std::nullopt);
}

// Cancelled from another thread while it reads, as a newer selection or Quit
// does: the hash ends within a block of the request.
TEST(Sha256, CancelFromAnotherThreadEndsTheHashWithinABlock) {
  TempDir dir;
  const std::string big = dir / "big.exe";
  test::WriteSparseFile(big, uint64_t{64} << 30, "MZ");
  CancelToken token;
  std::atomic<uint64_t> read{0};
  std::optional<std::string> digest = "unset";
  std::thread hashing([&] {
    digest = Sha256OfFile(big, [&](uint64_t blocks) {
      read.store(blocks);
      return !token.cancelled();
    });
  });
  while (read.load() < 2) std::this_thread::yield();
  token.cancel();
  const uint64_t atCancel = read.load();
  hashing.join();
  EXPECT_EQ(digest, std::nullopt);
  EXPECT_LE(read.load(), atCancel + 1);
}

TEST(Sha256, DemoSampleHasTheListedDigest) {
  std::optional<std::string> list =
      ReadFileBytes(std::string(VLMR_TEST_SOURCE_DIR) + "/demo/resources/" + kKnownInstallersList);
  ASSERT_TRUE(list.has_value());
  std::vector<std::string> entries = KnownInstallerEntries(*list);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(Sha256OfFile(VLMR_TEST_SAMPLE_INSTALLER), entries.front());
}

}  // namespace
}  // namespace vlmr
