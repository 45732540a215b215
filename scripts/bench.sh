#!/usr/bin/env bash
# Builds the program and runs the benchmark: generated district-like files of SIZE_MB (default
# 256) and a tenth of it, the longest plan pass by pass against a plain copy of the file, the
# window's run against the console's (when the window is built), and eight files with -j 2.
# Ends with one "RATIO ..." line. Further arguments go to bench_kelvor (e.g. -r 3 for the best of
# three runs on a busy machine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
rozmiar="${1:-256}"
shift || true
cmake --build build -j "$(nproc)" --target bench_kelvor
exec build/bin/bench_kelvor "$rozmiar" "$@"
