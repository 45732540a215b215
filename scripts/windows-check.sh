#!/usr/bin/env bash
# Windows build check, run by hand (not part of CI): cross-compiles the engine libraries and
# kelvor-cli with mingw-w64 into build-windows/ and, when wine is there or can be installed,
# runs kelvor-cli.exe --version and a filter of the bundled example under it.
# The tests are not built: GoogleTest is not packaged for mingw.
set -euo pipefail
cd "$(dirname "$0")/.."

zainstalowany() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
instaluj() {
    local sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "$@"
}

bash scripts/deps.sh
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null && ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
    echo "Installing the mingw-w64 cross compiler"
    instaluj g++-mingw-w64-x86-64-posix
fi

katalog=build-windows
# The JSON headers are copied aside, so that the host's /usr/include stays out of the build.
mkdir -p "$katalog/json"
cp -r /usr/include/nlohmann "$katalog/json/"
cmake -S . -B "$katalog" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DKELVOR_TESTS=OFF -DKELVOR_BENCH=OFF -DKELVOR_OKNO=OFF -DKELVOR_JSON_DIR="$PWD/$katalog/json" \
    >/dev/null
cmake --build "$katalog" -j "$(nproc)" --target kelvor_swde kelvor_opcje kelvor_filtr kelvor-cli
program="$PWD/$katalog/bin/kelvor-cli.exe"
echo "Built: $program"

if ! command -v wine >/dev/null; then
    echo "Installing wine to run the program"
    instaluj wine64 wine || true
fi
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
