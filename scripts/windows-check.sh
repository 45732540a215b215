#!/usr/bin/env bash
# Windows build check, run by hand (not part of CI): cross-compiles the engine libraries and
# kelvor-cli with mingw-w64 into build-windows/ and, when wine is there or can be installed,
# runs kelvor-cli.exe --version and a filter of the bundled example under it.
# The tests are cross-built and run by scripts/test-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev

katalog=build-windows
# The JSON headers are copied aside, so that the host's /usr/include stays out of the build.
mkdir -p "$katalog/json"
cp -r /usr/include/nlohmann "$katalog/json/"
# The GML reader's expat, built once from Debian's sources (scripts/expat-mingw.sh).
expat="$(bash scripts/expat-mingw.sh)"
cmake -S . -B "$katalog" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DKELVOR_TESTS=OFF -DKELVOR_BENCH=OFF -DKELVOR_OKNO=OFF -DKELVOR_JSON_DIR="$PWD/$katalog/json" \
    -DEXPAT_INCLUDE_DIR="$expat/include" -DEXPAT_LIBRARY="$expat/lib/libexpat.a" >/dev/null
cmake --build "$katalog" -j "$(nproc)" --target kelvor_swde kelvor_gml kelvor_opcje kelvor_filtr kelvor-cli
program="$PWD/$katalog/bin/kelvor-cli.exe"
echo "Built: $program"

command -v wine >/dev/null || bash scripts/deps.sh wine64 wine || true
if ! command -v wine >/dev/null; then
    echo "wine is not available: the program was built but not run."
    exit 0
fi

export WINEPREFIX="$PWD/$katalog/wine" WINEDEBUG=-all
wine "$program" --version 2>/dev/null

demo="$katalog/demo"
rm -rf "$demo"
mkdir -p "$demo"
cp examples/obreb_przykladowy.swd examples/przyklad.cfg "$demo/"
(cd "$demo" && wine "$program" -q -c przyklad.cfg --header "ON=Biuro Żółć" obreb_przykladowy.swd 2>/dev/null)
cel="$demo/obreb_przykladowy_nowy.swd"
for plik in "$cel" "$demo/obreb_przykladowy_nowy.log"; do
    [ -s "$plik" ] || { echo "Missing: $plik"; exit 1; }
done
# The header text typed in UTF-8 must land as ISO-8859-2 bytes.
LC_ALL=C grep -aq $'^NS,ON,Biuro \xaf\xf3\xb3\xe6\r$' "$cel" || { echo "Wrong header in $cel"; exit 1; }
echo "Windows check passed: $cel"
