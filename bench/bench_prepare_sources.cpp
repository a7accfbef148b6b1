// Unpacking the source snapshot: the reusing preparation against the first
// copy, and the first copy against `cp -a` of the same 200 MB tree.
#include "bench/bench_support.h"
#include "pipeline/pipeline.h"
#include "platform/bundle.h"
#include "platform/system_tools.h"

using namespace vlmr::bench;

namespace {

// A snapshot of ~200 MB: many source-sized files and some large blobs.
void MakeSnapshot(const std::string& src) {
  std::filesystem::create_directories(src + "/tools");
  std::ofstream(src + "/tools/package_app.sh") << "exit 0\n";
  std::string block(64 * 1024, 'x');
  for (int d = 0; d < 40; ++d) {
    std::string dir = src + "/code/dir" + std::to_string(d);
    std::filesystem::create_directories(dir);
    for (int f = 0; f < 50; ++f) {
      std::ofstream(dir + "/file" + std::to_string(f) + ".cpp") << block.substr(0, 20000);
    }
  }
  for (int b = 0; b < 4; ++b) {
    std::ofstream blob(src + "/blob" + std::to_string(b) + ".bin", std::ios::binary);
    for (int i = 0; i < 740; ++i) blob << block;  // ~48 MB each
  }
}

}  // namespace

int main() {
  Scratch scratch;
  std::string resources = scratch / "Resources";
  MakeSnapshot(resources + "/src");
  std::ofstream(resources + "/SRC_ID") << "bench";
  setenv("HOME", (scratch / "home").c_str(), 1);
  vlmr::SetResourceDirectoryForTesting(resources);
  vlmr::SetTools(vlmr::SystemTools::ForPlatform(VLMR_BENCH_SOURCE_DIR "/platform/linux"));
  std::string sources = scratch / "home/Library/Application Support/Velmora 3000/installer-src/dev";

  std::vector<double> copies, reuses, cps;
  for (int i = 0; i < 3; ++i) {
    std::filesystem::remove_all(sources);
    Shell("sync");
    copies.push_back(Seconds([] { vlmr::Pipeline::Create({})->prepareSources(); }));
    reuses.push_back(Seconds([] { vlmr::Pipeline::Create({})->prepareSources(); }));
    std::filesystem::remove_all(scratch / "cp-copy");
    Shell("sync");
    cps.push_back(Seconds(
        [&] { Shell("cp -a " + Quote(resources + "/src") + " " + Quote(scratch / "cp-copy")); }));
  }
  double copy = Median(copies), reuse = Median(reuses), cp = Median(cps);
  std::printf("first copy %.3f s, reuse %.5f s, cp -a %.3f s (medians of 3)\n", copy, reuse, cp);
  std::printf("reuse/copy %.5f (goal <= 0.01)\n", reuse / copy);
  PrintRatio(copy / cp, 1.2);
  return 0;
}
