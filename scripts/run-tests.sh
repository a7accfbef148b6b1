#!/usr/bin/env bash
# Builds and runs every test: the parsers' fuzz targets for a bounded time each
# (clang, libFuzzer), the whole suite in a normal build and under
# AddressSanitizer + UndefinedBehaviorSanitizer, the threaded tests under
# ThreadSanitizer, the Qt-free tests against libc++ (the Mac's C++ library)
# with every source parsed against it and as the Mac sees it. Ends with
# CTest's summary of the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
status=0
for preset in fuzz asan tsan libcxx default; do
  echo "==== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" || status=1
done
exit $status
