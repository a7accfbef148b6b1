#!/usr/bin/env bash
# Builds and runs every test: the parsers' fuzz targets for a bounded time each
# (clang, libFuzzer), the whole suite in a normal build and under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the threaded tests under
# ThreadSanitizer. Ends with CTest's summary of the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
status=0
for preset in fuzz asan tsan default; do
  echo "==== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" || status=1
done
exit $status
