#!/usr/bin/env bash
# Builds the installer with its demo bundle, makes the sample installer and
# runs the product: the window when a display is available, otherwise the
# headless build of the sample into build/demo-out.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target VelmoraInstaller velmora_sample_installer

app="build/default/Velmora 3000 Installer.app/Contents/MacOS/VelmoraInstaller"
sample="build/default/sample/setup_simcity_3000_unlimited_2.0.949(a).exe"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${1:-}" != "--cli" ]; then
  echo "Starting the installer window. The sample installer to drop or choose is:"
  echo "  $PWD/$sample"
  exec "$app"
fi
echo "No display: running the headless build of the sample installer."
exec "$app" --cli --installer "$sample" --out build/demo-out
