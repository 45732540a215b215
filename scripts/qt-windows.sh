#!/usr/bin/env bash
# Qt for Windows, made here: Debian ships no Qt built for Windows and nothing but Debian's
# packages can be fetched, so this builds Qt's base modules from Debian's own source package of
# the host Qt's version with the project's mingw-w64 toolchain, and installs them into a cache
# folder outside the tree, keyed by the version and the build options:
#     ${KELVOR_CACHE:-~/.cache/kelvor}/qt-<version>-mingw-<options key>
# A second run finds the folder (complete once it holds .gotowe) and only prints it. The last line printed is the folder.
#   --print   print the folder the cache would be in and whether it is there, build nothing
# Takes 20 to 30 minutes on two cores; delete the folder to build it anew.
set -euo pipefail
cd "$(dirname "$0")/.."
projekt="$PWD"

bash scripts/deps.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev ninja-build >&2

wersja_deb=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
wersja=${wersja_deb%%+*}
wersja=${wersja%%-*}

# What is built: Core, Gui, Widgets and Test with the windows, offscreen and minimal platforms
# and the windowsvista style, Qt's own copies of the image, font and text libraries, and nothing
# that needs a system library Windows lacks or the program does not use.
opcje=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_openssl=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_freetype=ON -DFEATURE_testlib=ON
)
klucz=$( { echo "$wersja_deb"; printf '%s\n' "${opcje[@]}"; cat cmake/mingw-w64.cmake; } \
         | sha1sum | cut -c1-8)
cache="${KELVOR_CACHE:-$HOME/.cache/kelvor}"
cel="$cache/qt-$wersja-mingw-$klucz"

if [ "${1:-}" = "--print" ]; then
    [ -f "$cel/.gotowe" ] && echo "built: $cel" || echo "missing: $cel"
    exit 0
fi
if [ -f "$cel/.gotowe" ]; then
    echo "$cel"
    exit 0
fi

poczatek=$(date +%s)
robocze="$cache/qt-$wersja-mingw-$klucz.build"
rm -rf "$robocze"
mkdir -p "$robocze/apt/lists/partial" "$robocze/src"

# Debian's source package through a private list of sources, so that the system's apt
# configuration stays as it is.
zrodla=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
[ -n "$zrodla" ] || zrodla=http://deb.debian.org/debian
wydanie=$(. /etc/os-release && echo "$VERSION_CODENAME")
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $zrodla $wydanie main" \
    > "$robocze/apt/sources.list"
apt_opcje=(-o "Dir::Etc::SourceList=$robocze/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
           -o "Dir::State::Lists=$robocze/apt/lists" -o APT::Sandbox::User=root)
apt-get "${apt_opcje[@]}" -qq update >&2
(cd "$robocze/src" && apt-get "${apt_opcje[@]}" -qq source "qt6-base=$wersja_deb" >&2)
qt_src=$(find "$robocze/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

# Debian's tarball leaves out the Wintab headers (graphics tablets through wintab32.dll), which
# the windows platform plugin includes: that support is built out of the plugin, the rest of
# tablet and pen input stays.
for f in windows/qwindowscontext.cpp windows/qwindowspointerhandler.cpp \
         windows/qwindowspointerhandler.h; do
    sed -i 's/QT_CONFIG(tabletevent)/0 \/* without Wintab *\//' "$qt_src/src/plugins/platforms/$f"
done
# Qt 6.4 leaves its dynamic OpenGL switch on without OpenGL, and the plugin's window code then
# names OpenGL classes that were never built.
sed -i 's/QT_CONFIG(dynamicgl)/(QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl))/' \
    "$qt_src/src/plugins/platforms/windows/qwindowswindow.cpp"
for f in windows/CMakeLists.txt direct2d/CMakeLists.txt; do
    sed -i 's/CONDITION QT_FEATURE_tabletevent$/CONDITION OFF/' "$qt_src/src/plugins/platforms/$f"
done

cmake -S "$qt_src" -B "$robocze/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$projekt/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$cel" "${opcje[@]}" >"$robocze/configure.log" 2>&1 \
    || { tail -n 40 "$robocze/configure.log" >&2; exit 1; }
echo "Qt $wersja for Windows: configured in $(( $(date +%s) - poczatek )) s, building..." >&2
cmake --build "$robocze/build" -j "$(nproc)" >"$robocze/build.log" 2>&1 \
    || { tail -n 40 "$robocze/build.log" >&2; exit 1; }
# The folder counts as built only once the whole install is in it.
rm -rf "$cel"
cmake --install "$robocze/build" >/dev/null
touch "$cel/.gotowe"
rm -rf "$robocze"
echo "Qt $wersja for Windows built in $(( $(date +%s) - poczatek )) s: $(du -sh "$cel" | cut -f1)" >&2
echo "$cel"
