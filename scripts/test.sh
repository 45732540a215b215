#!/usr/bin/env bash
# Builds everything into build/ and runs all tests. The window's tests need no display: they
# run on Qt's offscreen platform.
#   --sanitize   builds the engine, the console and their tests with AddressSanitizer and
#                UndefinedBehaviorSanitizer into build-sanitize/ and runs the tests there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
katalog=build
opcje=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  katalog=build-sanitize
  opcje=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVOR_SANITIZE=ON -DKELVOR_BENCH=OFF -DKELVOR_OKNO=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
fi
cmake -S . -B "$katalog" "${opcje[@]}" >/dev/null
cmake --build "$katalog" -j "$(nproc)"
cd "$katalog"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "$(nproc)"
