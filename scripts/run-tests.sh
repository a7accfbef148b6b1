#!/usr/bin/env bash
# Builds and runs every test: the parsers' fuzz targets for a bounded time each
# (clang, libFuzzer), the whole suite in a normal build and under
# AddressSanitizer + UndefinedBehaviorSanitizer, the threaded tests under
# ThreadSanitizer, the Qt-free tests against libc++ (the Mac's C++ library)
# with every source parsed against it and as the Mac sees it. The normal build
# also runs the shell scripts' tests under bash 3.2, the Mac's /bin/bash, when
# the shared tools beside the repository can build it, and its tests a second
# time with TMPDIR behind a symbolic link, as on the Mac. Ends with CTest's
# summary of that run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
status=0

# The Mac's /bin/bash is bash 3.2: an empty array under `set -u`, for one, is
# an error there and not here. A build of it from ../shared runs the demo build
# script's and the packaging script's tests a second time (CTest label
# mac-bash); without ../shared those runs alone are skipped.
mac_bash=""
mac_bash_note=""
mac_bash_builder="$(dirname "$PWD")/shared/tools/mac-bash/build.sh"
if [ -f "$mac_bash_builder" ]; then
  if mac_bash="$(bash "$mac_bash_builder")" && [ -x "$mac_bash" ]; then
    version="$("$mac_bash" --version | sed -n '1s/^GNU bash, version \([0-9.]*\).*/\1/p')"
    mac_bash_note="mac-bash: GNU bash $version at $mac_bash"
  else
    mac_bash=""
    mac_bash_note="mac-bash: $mac_bash_builder could not build bash 3.2 (above); the shell scripts' tests under it did not run"
    status=1
  fi
else
  mac_bash_note="mac-bash: $mac_bash_builder is missing, so the shell scripts' tests run under this machine's bash only, not under bash 3.2"
fi
echo "$mac_bash_note"

for preset in fuzz asan tsan libcxx default; do
  echo "==== $preset"
  options=()
  if [ "$preset" = default ]; then
    # Empty when there is none, which also drops a path an earlier run left.
    options=("-DVLMR_MAC_BASH=$mac_bash")
    echo "$mac_bash_note"
  fi
  cmake --preset "$preset" ${options[@]+"${options[@]}"} >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" || status=1
  if [ "$preset" = default ]; then
    # The Mac's $TMPDIR lies under /var/folders, and /var is a symbolic link
    # to /private/var: the normal build's tests once more with TMPDIR behind
    # such a link, so a path compared or shown in one spelling where the
    # resolved one is met fails here as it would there.
    linked_root="$(mktemp -d)"
    # mktemp's 0700 would bar the tests that run the installer as another
    # user from the folders under it; TMPDIR itself is open to all, as here.
    chmod 755 "$linked_root"
    mkdir "$linked_root/private"
    ln -s private "$linked_root/var"
    echo "==== default, TMPDIR=$linked_root/var (a link to $linked_root/private)"
    TMPDIR="$linked_root/var" ctest --preset default || status=1
    rm -rf "$linked_root"
  fi
done
exit $status
