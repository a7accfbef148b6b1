// The headless build's own cost: "--cli" running a script that sleeps one
// second, against bash running the same script directly. Also reports the
// peak resident memory of a "--cli" run of the demo bundle.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>

#include <thread>

#include "bench/bench_support.h"

extern char** environ;

using namespace vlmr::bench;

namespace {

// Runs argv, sampling the child's own peak resident memory until it exits.
double RunSampled(std::vector<std::string> argv, long* peakKiB) {
  std::vector<char*> raw;
  for (std::string& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);
  pid_t pid = 0;
  auto start = Clock::now();
  // Both commands print to the null device: the terminal is not what we measure.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (posix_spawn(&pid, raw[0], &actions, nullptr, raw.data(), environ) != 0) std::abort();
  posix_spawn_file_actions_destroy(&actions);
  long peak = 0;
  siginfo_t info{};
  for (;;) {
    info.si_pid = 0;
    waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT);
    if (info.si_pid != 0) break;
    peak = std::max(peak, StatusKiB(std::to_string(pid), "VmHWM"));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (peakKiB) *peakKiB = peak;
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
  std::string executable = VLMR_BENCH_EXECUTABLE;
  Scratch scratch;
  // A bundle of our own around a copy of the executable, with a sleeping script.
  std::string bundle = scratch / "Bench.app";
  std::filesystem::create_directories(bundle + "/Contents/MacOS");
  std::filesystem::create_directories(bundle + "/Contents/Resources/src/tools");
  std::filesystem::copy_file(executable, bundle + "/Contents/MacOS/VelmoraInstaller");
  // The built bundle's helpers: the stand-in tools and the build supervisor.
  std::filesystem::create_directory_symlink(
      std::filesystem::path(executable).parent_path().parent_path() / "Helpers",
      bundle + "/Contents/Helpers");
  std::string script = bundle + "/Contents/Resources/src/tools/package_app.sh";
  std::ofstream(script) << "sleep 1\n";
  std::ofstream(scratch / "setup.exe") << "MZ";
  setenv("HOME", scratch.path().c_str(), 1);

  std::vector<std::string> cli = {bundle + "/Contents/MacOS/VelmoraInstaller",
                                  "--cli",
                                  "--installer",
                                  scratch / "setup.exe",
                                  "--out",
                                  scratch / "out"};
  RunSampled(cli, nullptr);  // first run unpacks the sources
  std::string unpacked =
      scratch / "Library/Application Support/Velmora 3000/installer-src/dev/tools/package_app.sh";
  std::vector<double> ours, direct;
  for (int i = 0; i < 5; ++i) {
    ours.push_back(RunSampled(cli, nullptr));
    direct.push_back(RunSampled({"/bin/bash", unpacked}, nullptr));
  }
  double ratio = Median(ours) / Median(direct);
  std::printf("cli run %.3f s, bash alone %.3f s (medians of 5)\n", Median(ours), Median(direct));

  // Peak memory of the installer process itself on the real demo bundle.
  std::string sample = scratch / "setup_simcity_3000_unlimited_2.0.949(a).exe";
  Shell("python3 " + Quote(VLMR_BENCH_SOURCE_DIR "/demo/make-sample-installer.py") + " " +
        Quote(sample));
  setenv("VLMR_DEMO_FAST", "1", 1);
  long peakKiB = 0;
  RunSampled({executable, "--cli", "--installer", sample, "--out", scratch / "demo-out"}, &peakKiB);
  std::printf("peak resident memory of a --cli demo run: %.1f MB (goal <= 20 MB)\n",
              peakKiB / 1024.0);
  PrintRatio(ratio, 1.06);
  return 0;
}
