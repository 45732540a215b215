#!/usr/bin/env bash
# The Windows setup program, and its trial under wine:
#   1. builds the Windows programs (scripts/windows-okno.sh, with the Qt of scripts/qt-windows.sh),
#      installs them into build-windows/instalator/pliki with the Qt files the window needs, and
#      makes build-windows/kelvor-<version>-setup.exe with Debian's makensis;
#   2. in a fresh wine prefix: a silent install; the installed kelvor-cli.exe --version; the
#      example filtered by the installed program, byte-identical to the Linux target; the window
#      started from the installed folder and pictured (build-windows/instalator/okno.png); a
#      silent uninstall, after which nothing of the program may be left (files, Start menu,
#      the uninstall entry).
#   --bez-proby   only step 1
set -euo pipefail
cd "$(dirname "$0")/.."
projekt="$PWD"
bash scripts/deps.sh nsis wine wine64 xvfb xauth imagemagick >&2

bin=$(bash scripts/windows-okno.sh | tail -n 1)
okno="$projekt/build-windows/okno"
robocze="$projekt/build-windows/instalator"
pliki="$robocze/pliki"
wersja=$(sed -n 's/^project(kelvor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="$projekt/build-windows/kelvor-$wersja-setup.exe"

rm -rf "$pliki"
cmake --install "$okno" --prefix "$pliki" >/dev/null
mkdir -p "$pliki/platforms" "$pliki/styles" "$pliki/translations"
cp "$bin"/Qt6Core.dll "$bin"/Qt6Gui.dll "$bin"/Qt6Widgets.dll "$bin"/libstdc++-6.dll \
   "$bin"/libgcc_s_seh-1.dll "$bin"/libwinpthread-1.dll "$pliki/"
cp "$bin/platforms/qwindows.dll" "$pliki/platforms/"
cp "$bin/styles/qwindowsvistastyle.dll" "$pliki/styles/"
cp "$bin/translations/qtbase_pl.qm" "$pliki/translations/"
find "$pliki" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# One File line per file, and the uninstaller's Delete lines for exactly those files.
(cd "$pliki" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$robocze/lista.txt"
{
    katalog_poprzedni=
    while IFS= read -r f; do
        katalog=$(dirname "$f")
        if [ "$katalog" != "$katalog_poprzedni" ]; then
            [ "$katalog" = . ] && echo 'SetOutPath "$INSTDIR"' \
                               || echo "SetOutPath \"\$INSTDIR\\${katalog//\//\\}\""
            katalog_poprzedni=$katalog
        fi
        echo "File \"$pliki/$f\""
    done < "$robocze/lista.txt"
} > "$robocze/pliki.nsh"
{
    while IFS= read -r f; do echo "Delete \"\$INSTDIR\\${f//\//\\}\""; done < "$robocze/lista.txt"
    (cd "$pliki" && find . -mindepth 1 -type d | sed 's|^\./||' | awk '{ print length, $0 }' \
        | sort -rn | cut -d' ' -f2-) | while IFS= read -r d; do
        echo "RMDir \"\$INSTDIR\\${d//\//\\}\""
    done
} > "$robocze/usuwanie.nsh"
makensis -V2 -DWERSJA="$wersja" -DZRODLA="$pliki" -DWYNIK="$setup" -DPLIKI="$robocze/pliki.nsh" \
    -DUSUWANIE="$robocze/usuwanie.nsh" -DROZMIAR_KB="$(du -sk "$pliki" | cut -f1)" \
    packaging/kelvor.nsi >&2
echo "Setup program: $setup ($(du -h "$setup" | cut -f1); $(wc -l < "$robocze/lista.txt") files," \
     "$(du -sh "$pliki" | cut -f1) installed)"
[ "${1:-}" = "--bez-proby" ] && exit 0

# ---- The trial in a fresh wine prefix ------------------------------------------------------
export WINEPREFIX="$robocze/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
# Wine's own fonts, so that title bars and message boxes draw as on Windows.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

wine "$setup" /S
wineserver -w
zainstalowany="$WINEPREFIX/drive_c/Program Files/KELVOR"
for f in kelvor.exe kelvor-cli.exe kelvor.html odinstaluj.exe przyklady/obreb_przykladowy.swd; do
    [ -f "$zainstalowany/$f" ] || { echo "not installed: $f"; exit 1; }
done
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KELVOR/KELVOR.lnk" ] \
    || { echo "no Start-menu entry"; exit 1; }
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KELVOR' /v DisplayName \
    >/dev/null 2>&1 || { echo "no uninstall entry"; exit 1; }

[ "$(wine "$zainstalowany/kelvor-cli.exe" --version | tr -d '\r')" = "kelvor-cli $wersja" ] \
    || { echo "the installed kelvor-cli.exe names another version"; exit 1; }
mkdir -p "$robocze/wynik" "$robocze/wynik-linux"
wine "$zainstalowany/kelvor-cli.exe" -q -y -c 'C:\Program Files\KELVOR\przyklady\przyklad.cfg' \
    --date 2024-05-06 -d 'Z:'"${robocze//\//\\}"'\wynik' \
    'C:\Program Files\KELVOR\przyklady\obreb_przykladowy.swd' >/dev/null
[ -x build/bin/kelvor-cli ] || { cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null &&
                                 cmake --build build -j "$(nproc)" --target kelvor-cli >&2; }
build/bin/kelvor-cli -q -y -c examples/przyklad.cfg --date 2024-05-06 -d "$robocze/wynik-linux" \
    examples/obreb_przykladowy.swd >/dev/null
cmp "$robocze/wynik/obreb_przykladowy_nowy.swd" "$robocze/wynik-linux/obreb_przykladowy_nowy.swd"
echo "The installed kelvor-cli.exe filtered the example byte-identically to Linux."

# The installed window in a wine desktop of a clerk's screen size, pictured.
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    wine explorer /desktop=kelvor,1280x900 "C:\\Program Files\\KELVOR\\kelvor.exe" &
    sleep 12
    import -window root "$0"
    wineserver -k' "$robocze/okno.png" || true
[ -s "$robocze/okno.png" ] && echo "Picture of the installed window: $robocze/okno.png"

wine "$zainstalowany/odinstaluj.exe" /S
wineserver -w
zostalo=$(find "$WINEPREFIX/drive_c" -iname '*kelvor*' 2>/dev/null || true)
if [ -n "$zostalo" ] || wine reg query \
        'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KELVOR' >/dev/null 2>&1; then
    echo "left after uninstalling:"; echo "$zostalo"
    exit 1
fi
echo "Setup program: installed silently, ran, uninstalled without a trace."
