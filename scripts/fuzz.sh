#!/usr/bin/env bash
# Fuzzes the reader, a whole one-file run, the configuration reader and the header reader with
# libFuzzer (Debian's clang), each for SECONDS (default 60), under AddressSanitizer and
# UndefinedBehaviorSanitizer. The corpora start from fuzz/korpus, fuzz/regresje and examples/
# and grow in build-fuzz/korpus. An input that breaks a target is kept in build-fuzz/znaleziska
# and the script fails; fix the fault and put the input into fuzz/regresje/<target>.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
sekundy="${1:-60}"

bash scripts/deps.sh clang libclang-rt-14-dev

katalog=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$katalog" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVOR_FUZZ=ON \
    -DKELVOR_TESTS=OFF -DKELVOR_BENCH=OFF -DKELVOR_OKNO=OFF >/dev/null
cele=(czytnik run konfiguracja naglowek gml)
cmake --build "$katalog" -j "$(nproc)" --target "${cele[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$katalog/znaleziska"
wynik=0
for cel in "${cele[@]}"; do
    korpus="$katalog/korpus/$cel"
    mkdir -p "$korpus"
    cp -n fuzz/korpus/"$cel"/* "$korpus"/
    find fuzz/regresje/"$cel" -type f ! -name .gitkeep -exec cp -n {} "$korpus"/ \;
    # The example data, with the leading bytes the target reads first.
    case "$cel" in
        czytnik) { printf '\0'; cat examples/obreb_przykladowy.swd; } >"$korpus/przyklad" ;;
        naglowek) cp examples/obreb_przykladowy.swd "$korpus/przyklad" ;;
        run) { printf '\xff\x87\x0d\xff'; cat examples/obreb_przykladowy.swd; } >"$korpus/przyklad" ;;
        konfiguracja) cp examples/przyklad.cfg "$korpus/przyklad.cfg" ;;
    esac
    echo "== fuzz_$cel, $sekundy s"
    if ! "$katalog/bin/fuzz_$cel" -max_total_time="$sekundy" -timeout=20 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$katalog/znaleziska/$cel-" \
        "$korpus" 2>"$katalog/fuzz_$cel.log"; then
        tail -40 "$katalog/fuzz_$cel.log"
        wynik=1
    fi
    grep -E "^stat::number_of_executed_units|^Done" "$katalog/fuzz_$cel.log" || true
done
exit $wynik
