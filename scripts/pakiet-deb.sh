#!/usr/bin/env bash
# The Debian package: builds the program into build/ (as scripts/test.sh does), makes
# build/kelvor_<version>_amd64.deb with CPack, and tries it out: installed on this machine
# (as root, with apt resolving its dependencies), it must run the example to a target
# byte-identical to the one of the program in build/, its desktop entry must pass
# desktop-file-validate and the window must find all its libraries; then it is purged and none
# of its files may be left.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh dpkg-dev desktop-file-utils librsvg2-bin
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
(cd build && cpack -G DEB >/dev/null)
pakiet=$(ls -t build/kelvor_*_amd64.deb | head -n 1)
echo "Package: $pakiet ($(du -h "$pakiet" | cut -f1))"
if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: the package was made but not installed."
    exit 0
fi

robocze=$(mktemp -d)
trap 'rm -rf "$robocze"' EXIT
# Installed over an earlier installation of the same package, and always purged at the end.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$PWD/$pakiet" >/dev/null
pliki=$(dpkg -L kelvor)
usun() { dpkg --purge kelvor >/dev/null; }
trap 'usun 2>/dev/null || true; rm -rf "$robocze"' EXIT

wersja=$(sed -n 's/^project(kelvor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(/usr/bin/kelvor-cli --version)" = "kelvor-cli $wersja" ] || {
    echo "kelvor-cli --version: $(/usr/bin/kelvor-cli --version), expected $wersja"; exit 1; }
przyklady=/usr/share/doc/kelvor/przyklady
mkdir -p "$robocze/zainstalowany" "$robocze/zbudowany"
/usr/bin/kelvor-cli -q -y -c "$przyklady/przyklad.cfg" --date 2024-05-06 -d "$robocze/zainstalowany" \
    "$przyklady/obreb_przykladowy.swd"
build/bin/kelvor-cli -q -y -c examples/przyklad.cfg --date 2024-05-06 -d "$robocze/zbudowany" \
    examples/obreb_przykladowy.swd
cmp "$robocze/zainstalowany/obreb_przykladowy_nowy.swd" "$robocze/zbudowany/obreb_przykladowy_nowy.swd"
desktop-file-validate /usr/share/applications/kelvor.desktop
if ldd /usr/bin/kelvor | grep -q 'not found'; then
    ldd /usr/bin/kelvor | grep 'not found'
    exit 1
fi

usun
trap 'rm -rf "$robocze"' EXIT
zostalo=0
while IFS= read -r f; do
    # dpkg lists the shared folders too (/usr, /usr/share ...); only the package's own files count.
    if [ -e "$f" ] && [ ! -d "$f" ]; then echo "left after purge: $f"; zostalo=1; fi
done <<< "$pliki"
[ -e /usr/share/doc/kelvor ] && { echo "left after purge: /usr/share/doc/kelvor"; zostalo=1; }
[ "$zostalo" -eq 0 ]
echo "Debian package: installed, ran the example byte-identically, purged without a trace."
