#!/usr/bin/env bash
# Builds expat for the Windows cross build from Debian's own source package of the version the
# host has installed (or the archive's newest of the same upstream version; ZRODLO names it), statically, with 64-bit byte positions (XML_LARGE_SIZE), and prints the
# folder it is installed in: ~/.cache/kelvor/expat-<version>-mingw. A second run finds the
# folder and builds nothing. DTD support stays off: the patched sources test XML_DTD by value,
# which their CMake build defines empty, and GML files need no DTD. The sources are fetched with a private apt configuration (deb-src
# lines for the archives the host already uses) into a scratch folder outside the tree, which
# is removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
toolchain="$PWD/cmake/mingw-w64.cmake"
wersja="$(dpkg-query -W -f='${Version}' libexpat1-dev)"
cel="${XDG_CACHE_HOME:-$HOME/.cache}/kelvor/expat-${wersja}-mingw"
if [ -f "$cel/lib/libexpat.a" ] && [ -f "$cel/include/expat.h" ]; then
    echo "$cel"
    exit 0
fi
robocze="$(mktemp -d)"
trap 'rm -rf "$robocze"' EXIT
mkdir -p "$robocze/lists/partial" "$robocze/archives/partial" "$robocze/src"
# deb-src for every "Types: deb" stanza of the host's deb822 sources, the same archives.
for plik in /etc/apt/sources.list.d/*.sources; do
    [ -f "$plik" ] || continue
    sed -e 's/^Types: deb$/Types: deb-src/' "$plik"
    echo
done > "$robocze/zrodla.sources"
mkdir -p "$robocze/parts"
mv "$robocze/zrodla.sources" "$robocze/parts/"
apt_opcje=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$robocze/parts"
           -o Dir::State::Lists="$robocze/lists" -o Dir::Cache::Archives="$robocze/archives"
           -o Debug::NoLocking=1)
for proba in 1 2 3; do
    apt-get "${apt_opcje[@]}" update -qq >&2 && break
    sleep 10
done
# The installed version's sources; when the archive no longer holds them (a newer point or
# security release replaced them), its newest sources of the same upstream version.
wersje=("$wersja" $(apt-cache "${apt_opcje[@]}" showsrc expat | sed -n 's/^Version: //p' |
                    grep -F "${wersja%%-*}-" | sort -r -V))
for w in "${wersje[@]}"; do
    (cd "$robocze/src" && apt-get "${apt_opcje[@]}" source -qq "expat=$w" >&2) && break
    rm -rf "$robocze/src"/*
done
zrodla="$(find "$robocze/src" -maxdepth 1 -mindepth 1 -type d -name "expat-${wersja%%-*}" | head -1)"
if [ -z "$zrodla" ]; then
    echo "no expat ${wersja%%-*} sources in the archive" >&2
    exit 1
fi
[ -f "$zrodla/CMakeLists.txt" ] || zrodla="$zrodla/expat" # the upstream tree has it one down
cmake -S "$zrodla" -B "$robocze/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cel" -DEXPAT_SHARED_LIBS=OFF \
    -DEXPAT_LARGE_SIZE=ON -DEXPAT_DTD=OFF -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
    -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_BUILD_PKGCONFIG=OFF >&2
cmake --build "$robocze/build" -j "$(nproc)" --target install >&2
basename "$(find "$robocze/src" -maxdepth 1 -name '*.dsc' | head -1)" > "$cel/ZRODLO"
echo "$cel"
