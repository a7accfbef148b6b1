#include "modes/headless.h"

#include "base/files.h"
#include "modes/options.h"
#include "pipeline/pipeline.h"

namespace vlmr {

int RunHeadlessBuild(const std::vector<std::string>& arguments) {
  std::optional<std::string> installer = ValueForOption(arguments, "--installer");
  std::optional<std::string> out = ValueForOption(arguments, "--out");
  std::optional<std::string> cache = ValueForOption(arguments, "--cache");
  if (!installer || installer->empty() || !out || out->empty()) {
    PrintError(
        "usage: VelmoraInstaller --cli --installer <gog-setup.exe> --out <dir> [--cache <dir>]\n");
    return 2;
  }
  std::string installerPath = ExpandPath(*installer);
  if (!IsFile(installerPath)) {
    PrintError("error: installer not found: " + installerPath + "\n");
    return 2;
  }

  std::shared_ptr<Pipeline> pipeline = Pipeline::Create();
  pipeline->configureBundledTools();
  pipeline->installerPath = installerPath;
  pipeline->stageDir = ExpandPath(*out);
  if (cache && !cache->empty()) pipeline->cacheDir = ExpandPath(*cache);

  PrintCLI("[installer] bundled tools: %@", {*pipeline->toolsDir});
  PrintCLI("[installer] SDL3: %@", {*pipeline->sdl3Dir});
  PrintCLI("[installer] wheels: %@", {*pipeline->wheelsDir});
  PrintCLI("[installer] output: %@", {*pipeline->stageDir});

  Error error;
  if (!pipeline->prepareSourcesWithError(&error)) {
    std::string message = error.message.empty() ? "could not prepare sources" : error.message;
    PrintError("error: " + message + "\n");
    return 1;
  }
  PrintCLI("[installer] build sources: %@", {*pipeline->srcRoot});

  Error launchError;
  int32_t status = pipeline->runHeadlessWithError(&launchError);
  // Only a failed launch fills the error; a script's own status 1 does not.
  if (!launchError.message.empty()) PrintError("error: " + launchError.message + "\n");
  return status;
}

}  // namespace vlmr
