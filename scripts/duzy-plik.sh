#!/usr/bin/env bash
# Check of files over 4 GiB, run by hand (not in CI; needs about 9 GB of free disk and some
# minutes): generates a synthetic SWDE file of GIB GiB (default 4.2) with parcels, buildings
# and premises, removes the premises with checksums through kelvor-cli, and verifies the target:
# every parcel and building kept, no premises, and every checksum line recomputed.
#   scripts/duzy-plik.sh [GIB] [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
gib="${1:-4.2}"
folder="${2:-${TMPDIR:-/tmp}/kelvor-duzy}"
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target kelvor-cli >/dev/null
mkdir -p "$folder"
zrodlo="$folder/duzy.swd"
printf 'Obiekty 1\r\nCRC 1\r\n' >"$folder/lokale.cfg"

echo "Generating $zrodlo ($gib GiB)"
python3 - "$zrodlo" "$gib" <<'PY'
import sys
sciezka, gib = sys.argv[1], float(sys.argv[2])
granica = int(gib * (1 << 30))
with open(sciezka, 'wb', buffering=1 << 24) as f:
    f.write(b"SWDE.w.2.00.(C) GUGiK 2000;\r\nSN;\r\nNS,TR,146599_9\r\nSX;\r\nSP;\r\nSX;\r\n"
            b"ST;\r\nSX;\r\nSO;\r\n")
    n, rozmiar, porcja = 0, 0, []
    while rozmiar < granica:
        blok = (f"RO,,G5DZE,{n},{n}_d,11;\r\nD,G5IDD,D,146599_9.0001.{n};\r\nD,G5POW,D,0.1234;\r\nX;\r\n"
                f"RO,,G5BUD,{n},{n}_b,11;\r\nD,G5FUZ,D,1;\r\nWG,G5RDZE,G5DZE,{n};\r\nX;\r\n"
                f"RO,,G5LKL,{n},{n}_l,11;\r\nD,G5NRL,D,{n % 90 + 1};\r\nWG,G5RBUD,G5BUD,{n};\r\nX;\r\n").encode()
        porcja.append(blok)
        rozmiar += len(blok)
        n += 1
        if len(porcja) == 50000:
            f.write(b"".join(porcja))
            porcja = []
    f.write(b"".join(porcja))
    f.write(b"SX;\r\nSWDEX;\r\n")
open(sciezka + ".bloki", "w").write(str(n))
PY
ls -l "$zrodlo"

echo "Filtering"
start=$(date +%s)
build/bin/kelvor-cli -q -y -c "$folder/lokale.cfg" "$zrodlo"
echo "kelvor-cli: $(( $(date +%s) - start )) s"

echo "Verifying $folder/duzy_nowy.swd"
python3 - "$folder/duzy_nowy.swd" "$(cat "$zrodlo.bloki")" <<'PY'
import sys, zlib
cel, bloki = sys.argv[1], int(sys.argv[2])
liczby = {b"G5DZE": 0, b"G5BUD": 0, b"G5LKL": 0}
plik, sekcja, w_sekcji, sumy, bledy = 0, 0, False, 0, []
with open(cel, 'rb', buffering=1 << 24) as f:
    for linia in f:
        linia = linia.rstrip(b"\r\n")
        if linia.startswith(b"RO,"):
            typ = linia.split(b",")[2]
            liczby[typ] = liczby.get(typ, 0) + 1
        if linia.startswith(b"SXC,"):
            oczekiwana = zlib.crc32(b"SXC,", sekcja)
            if linia != b"SXC,%d;" % oczekiwana:
                bledy.append(linia)
            sumy += 1
            w_sekcji = False
            plik = zlib.crc32(linia, plik)
            continue
        if linia.startswith(b"SWDEXC,"):
            if linia != b"SWDEXC,%d;" % zlib.crc32(b"SWDEXC,", plik):
                bledy.append(linia)
            sumy += 1
            break
        if not w_sekcji and linia[:2] in (b"SN", b"SP", b"ST", b"SO"):
            w_sekcji, sekcja = True, 0
        if w_sekcji:
            sekcja = zlib.crc32(linia, sekcja)
        plik = zlib.crc32(linia, plik)
print(f"blocks {bloki}, records kept {liczby}, checksum lines {sumy}, wrong {len(bledy)}")
ok = (liczby[b"G5DZE"] == bloki and liczby[b"G5BUD"] == bloki and liczby[b"G5LKL"] == 0
      and sumy == 5 and not bledy)
print("LARGE FILE CHECK PASSED" if ok else "LARGE FILE CHECK FAILED")
sys.exit(0 if ok else 1)
PY
ls -l "$folder"
