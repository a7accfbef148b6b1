#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the demo and the tests need,
# skipping what is already there. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config        # compiler and build
  bison                                               # builds bash 3.2, the Mac's shell, for the script tests
  clang patchelf python3 python3-venv perl procps     # the tools the installer probes and runs
  qt6-base-dev qt6-image-formats-plugins libgl-dev    # the window (and .icns reading)
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # catalogues (lupdate, lrelease) and Qt's own
  libssl-dev                                          # SHA-256 of the installer (OpenSSL EVP)
  dbus-daemon                                         # desktop notifications; dbus-run-session in tests
  file                                                # tells Mach-O files apart (the packaging dry run)
  libgtest-dev googletest                             # tests
  libc++-dev libc++abi-dev                            # the libcxx preset (the Mac's C++ library)
  fonts-inter fonts-dejavu-core                       # the interface and log fonts
  fonts-noto-cjk                                      # Japanese in regular and bold, as the Mac's Hiragino sets it
  xvfb dbus-bin at-spi2-core python3-pyatspi          # what a screen reader hears (a11y tests)
  libxcb1-dev                                         # the first-paint benchmark watches its virtual display
)
if [ "${1:-}" = "--with-display-tools" ]; then
  packages+=(xdotool imagemagick)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
