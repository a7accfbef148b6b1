#include "modes/headless.h"

#include <csignal>

#include "base/files.h"
#include "base/text.h"
#include "modes/options.h"
#include "pipeline/pipeline.h"
#include "platform/signal_relay.h"

namespace vlmr {

namespace {

// `ExpandPath` of an option's value; without a current directory a relative
// value cannot be placed, which is reported here.
std::optional<std::string> Expanded(const std::string& value) {
  bool ok = true;
  std::string path = ExpandPath(value, &ok);
  if (!ok) {
    PrintError("error: cannot find " + EscapedForLog(value) +
               ": the current directory no longer exists\n");
    return std::nullopt;
  }
  return path;
}

// The command line's exit status for the end of a build that no signal
// ended: 1 when it could not start or its status was lost, else the script's
// termination status (its exit code, or the number of the signal that ended it).
int ExitStatusOf(const BuildReport& report) {
  if (report.startFailure) return 1;
  if (report.supervisorLost) {
    PrintError(
        "error: the build's supervisor ended unexpectedly; the build was stopped and did not "
        "finish\n");
    return 1;
  }
  if (report.status < 0) {
    PrintError("error: the build script's exit status was lost\n");
    return 1;
  }
  return report.status;
}

}  // namespace

int RunHeadlessBuild(const std::vector<std::string>& arguments) {
  std::optional<std::string> installer = ValueForOption(arguments, "--installer");
  std::optional<std::string> out = ValueForOption(arguments, "--out");
  std::optional<std::string> cache = ValueForOption(arguments, "--cache");
  if (!installer || installer->empty() || !out || out->empty()) {
    PrintError(
        "usage: VelmoraInstaller --cli --installer <gog-setup.exe> --out <dir> [--cache <dir>]\n");
    return 2;
  }
  std::optional<std::string> installerPath = Expanded(*installer);
  std::optional<std::string> outPath = Expanded(*out);
  std::optional<std::string> cachePath;
  if (cache && !cache->empty()) cachePath = Expanded(*cache);
  if (!installerPath || !outPath || (cache && !cache->empty() && !cachePath)) return 2;
  if (!IsFile(*installerPath)) {
    PrintError("error: installer not found: " + EscapedForLog(*installerPath) + "\n");
    return 2;
  }

  std::shared_ptr<Pipeline> pipeline = Pipeline::Create(
      BuildRequest{*installerPath, *outPath, cachePath, BuildRequest::Mode::Headless});

  PrintCLI("[installer] bundled tools: %@", {pipeline->tools().tools});
  PrintCLI("[installer] SDL3: %@", {pipeline->tools().sdl3});
  PrintCLI("[installer] wheels: %@", {pipeline->tools().wheels});
  // Paths are bytes we did not choose: escaped, each stays one readable line.
  PrintCLI("[installer] output: %@", {EscapedForLog(pipeline->request().outputFolder)});

  // A preparation that failed is repeated by the run, which reports it.
  if (pipeline->prepareSources()) {
    PrintCLI("[installer] build sources: %@",
             {EscapedForLog(pipeline->report().sourcesRoot.value_or(""))});
  }

  // The script leads its own process group, out of reach of the terminal's
  // Ctrl-C and Ctrl-\, a closed terminal's hang-up and a runner's SIGTERM:
  // they are passed on to it, and the installer then ends the same way.
  SignalRelay relay({SIGINT, SIGTERM, SIGHUP, SIGQUIT});
  pipeline->run(&relay);
  const BuildReport& report = pipeline->report();
  // Only a build that could not start has a start failure; a script's own
  // status 1 does not.
  if (report.startFailure) PrintError("error: " + report.startFailure->english() + "\n");
  if (int signal = relay.first()) {
    SignalRelay::EndBy(signal);
    return 128 + signal;
  }
  return ExitStatusOf(report);
}

}  // namespace vlmr
