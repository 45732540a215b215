#!/usr/bin/env bash
# Builds everything into build/ and runs all tests. The window's tests need no display: they
# run on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
cd build
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "$(nproc)"
