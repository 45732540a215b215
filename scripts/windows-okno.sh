#!/usr/bin/env bash
# The window for Windows: builds kelvor.exe, kelvor-cli.exe and (with --testy) every test with
# mingw-w64 against the Qt of scripts/qt-windows.sh (built first when its cache folder is
# missing, 20 to 30 minutes) into build-windows/okno/, and puts beside the programs in its bin/
# what they need to run: Qt's DLLs, the platform and style plugins, Qt's Polish translation and
# the compiler's runtime DLLs. Prints the bin/ folder last.
#   --testy   also the tests (GoogleTest from build-windows/googletest, made by test-windows.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
projekt="$PWD"
testy=OFF
[ "${1:-}" = "--testy" ] && testy=ON

bash scripts/deps.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix imagemagick \
    librsvg2-bin qt6-translations-l10n >&2
qt=$(bash scripts/qt-windows.sh | tail -n 1)
expat=$(bash scripts/expat-mingw.sh | tail -n 1)

katalog="$projekt/build-windows/okno"
mkdir -p "$katalog/json"
# Copied only when newer, so that an unchanged build is not relinked.
cp -ru /usr/include/nlohmann "$katalog/json/"
opcje=(-DCMAKE_BUILD_TYPE=Release -DKELVOR_BENCH=OFF -DKELVOR_TESTS=$testy
       -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
       -DQT_CHAINLOAD_TOOLCHAIN_FILE="$projekt/cmake/mingw-w64.cmake"
       -DKELVOR_JSON_DIR="$katalog/json"
       -DEXPAT_INCLUDE_DIR="$expat/include" -DEXPAT_LIBRARY="$expat/lib/libexpat.a")
[ "$testy" = ON ] && opcje+=(-DGTest_DIR="$projekt/build-windows/googletest/lib/cmake/GTest"
                             -DCMAKE_CROSSCOMPILING_EMULATOR=wine)
cmake -S . -B "$katalog" "${opcje[@]}" >/dev/null

# What a program of the window needs beside it, put there first: a test program is started
# while it is built, to list its tests.
bin="$katalog/bin"
mkdir -p "$bin/platforms" "$bin/styles" "$bin/translations"
qt_dll=(Qt6Core Qt6Gui Qt6Widgets)
[ "$testy" = ON ] && qt_dll+=(Qt6Test)
for d in "${qt_dll[@]}"; do cp -u "$qt/bin/$d.dll" "$bin/"; done
for p in qwindows qoffscreen qminimal; do cp -u "$qt/plugins/platforms/$p.dll" "$bin/platforms/"; done
cp -u "$qt/plugins/styles/qwindowsvistastyle.dll" "$bin/styles/"
cp -u /usr/share/qt6/translations/qtbase_pl.qm "$bin/translations/"
for d in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp -u "$(x86_64-w64-mingw32-g++-posix -print-file-name=$d)" "$bin/"
done

# The programs and the window's tests; the engine's and console's tests run in the static build
# of test-windows.sh.
cele=(kelvor kelvor-cli)
[ "$testy" = ON ] && cele+=($(cmake --build "$katalog" --target help | sed -n 's/^\.\.\. \(testy_ui_[a-z_]*\).*/\1/p'))
cmake --build "$katalog" -j "$(nproc)" --target "${cele[@]}" podrecznik >&2
echo "$bin"
