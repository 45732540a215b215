#!/usr/bin/env bash
# The Windows tests: cross-builds GoogleTest (from the sources Debian ships in googletest) and
# expat (from Debian's source package, scripts/expat-mingw.sh), the engine, kelvor-cli and every engine and console test with mingw-w64 into build-windows/, and
# runs the tests under wine through ctest. Installs mingw-w64 and wine when they are missing.
# Then the window: kelvor.exe and the window's tests built against the Qt of
# scripts/qt-windows.sh (built first when its cache is missing) and run under wine on Qt's
# offscreen platform.
#   --bez-okna   the engine and console tests only
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh googletest g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 dpkg-dev

katalog="$PWD/build-windows"
toolchain="$PWD/cmake/mingw-w64.cmake"
gtest="$katalog/googletest"
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$katalog/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" -Dgtest_disable_pthreads=OFF \
        -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$katalog/googletest-build" -j "$(nproc)" --target install >/dev/null
fi

# The GML reader's expat, built once from Debian's sources (scripts/expat-mingw.sh).
expat="$(bash scripts/expat-mingw.sh)"

# The JSON headers are copied aside, so that the host's /usr/include stays out of the build.
mkdir -p "$katalog/json"
cp -r /usr/include/nlohmann "$katalog/json/"

export WINEPREFIX="$katalog/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cmake -S . -B "$katalog/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DKELVOR_BENCH=OFF -DKELVOR_OKNO=OFF -DGTest_DIR="$gtest/lib/cmake/GTest" -DKELVOR_JSON_DIR="$katalog/json" \
    -DEXPAT_INCLUDE_DIR="$expat/include" -DEXPAT_LIBRARY="$expat/lib/libexpat.a" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
# One wine server for all the test processes, instead of one started and stopped per test.
wineserver -k 2>/dev/null || true
wineserver -p || true
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot --init >/dev/null 2>&1 || true
cmake --build "$katalog/build" -j "$(nproc)"
cd "$katalog/build"
ctest --output-on-failure -j "$(nproc)"

[ "${1:-}" = "--bez-okna" ] && exit 0
cd "$katalog/.."
bin=$(bash scripts/windows-okno.sh --testy | tail -n 1)
cd "$bin/.."
if ! ctest --output-on-failure -R '^ui_'; then
    for raport in ui_*.txt; do echo "== $raport"; tr -d '\r' < "$raport" | grep -v '^PASS' || true; done
    exit 1
fi
