#include "checks/near_miss.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_tools.h"

namespace vlmr {
namespace {

using test::TempDir;
using test::WriteFile;

const std::string kArchive = "That's an archive. Open it and use the installer (.exe) inside.";
const std::string kDownload = "That download hasn't finished yet. Wait for it, then try again.";
const std::string kMac =
    "That's a Mac installer. This needs the Windows offline installer from GOG.";
const std::string kDataPart = "That's a data part of the installer. Use the .exe beside it.";
const std::string kNone;  // no near miss: validation decides

std::string TarHeader() {
  std::string head(300, '\0');
  head.replace(257, 5, "ustar");
  return head;
}

TEST(NearMiss, FileNameFirstBytesAndNeighboursGiveTheVerdict) {
  struct Row {
    const char* name;
    std::string head;
    const char* sibling;  // another file in the same folder, or nullptr
    const std::string& sentence;
  };
  const Row rows[] = {
      {"setup.zip", "anything", nullptr, kArchive},
      {"SETUP.7Z", "", nullptr, kArchive},
      {"setup.Rar", "", nullptr, kArchive},
      {"setup.tar", "", nullptr, kArchive},
      {"setup.exe.gz", "", nullptr, kArchive},
      {"setup", std::string("PK\x03\x04", 4), nullptr, kArchive},
      {"setup.exe", std::string("7z\xBC\xAF\x27\x1C", 6), nullptr, kArchive},
      {"setup.dat", "Rar!\x1A\x07", nullptr, kArchive},
      {"setup.exe", "\x1F\x8B\x08", nullptr, kArchive},
      {"setup.img", TarHeader(), nullptr, kArchive},
      {"setup.exe.part", "MZ", nullptr, kDownload},
      {"setup.exe.crdownload", "MZ", nullptr, kDownload},
      {"setup.exe.DOWNLOAD", "MZ", nullptr, kDownload},
      {"setup.exe.opdownload", "", nullptr, kDownload},
      {"setup.zip.part", "PK\x03\x04", nullptr, kDownload},
      {"Velmora.dmg", "", nullptr, kMac},
      {"Velmora.PKG", "", nullptr, kMac},
      {"setup_game-1.bin", "", "setup_game.exe", kDataPart},
      {"setup_game.bin", "", "setup_game.EXE", kDataPart},
      {"setup_game-2.bin", "", "other.exe", kNone},
      {"setup_game.bin", "", nullptr, kNone},
      {"setup_game.exe", "MZ\x90", "setup_game-1.bin", kNone},
      // Near-miss lookalikes that are not: the magic must start the file, the
      // tar marker must sit at its offset, and an extension must end the name.
      {"setup.exe", "MZ PK\x03\x04", nullptr, kNone},
      {"setup.exe", "ustar", nullptr, kNone},
      {"setup.zip.exe", "MZ", nullptr, kNone},
      {"zip", "", nullptr, kNone},
      {".part", "", nullptr, kNone},
  };
  for (const Row& row : rows) {
    TempDir dir;
    WriteFile(dir / row.name, row.head);
    if (row.sibling != nullptr) WriteFile(dir / row.sibling, "MZ");
    const std::optional<MessageText> sentence = NearMissSentence(NearMissOfFile(dir / row.name));
    EXPECT_EQ(std::string(sentence ? sentence->source : ""), row.sentence) << row.name;
  }
}

TEST(NearMiss, AnAppBundleFolderIsAMacInstaller) {
  TempDir dir;
  WriteFile(dir / "Velmora 3000.app/Contents/Info.plist", "<plist/>");
  EXPECT_EQ(NearMissOfFile(dir / "Velmora 3000.app"), NearMiss::MacInstaller);
  EXPECT_EQ(NearMissOfFile(dir / "Velmora 3000.app/"), NearMiss::MacInstaller);
}

}  // namespace
}  // namespace vlmr
