#!/usr/bin/env bash
# Checks what a screen reader announces: starts the window under a virtual X server with its
# own session bus and the accessibility bus, and reads it over AT-SPI (scripts/dostepnosc.py).
# The window runs from a scratch folder, so that its KELVOR.cfg lands there.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j "$(nproc)" --target kelvor >/dev/null
tu=$(mktemp -d)
trap 'rm -rf "$tu"' EXIT
cp build/bin/kelvor "$tu/"
xvfb-run -a dbus-run-session bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1/kelvor" >/dev/null 2>&1 & okno=$!
  sleep 3
  wynik=0; /usr/bin/python3 scripts/dostepnosc.py || wynik=$?
  kill "$okno"; exit "$wynik"' _ "$tu" 2>&1 | grep -v '^dbus-daemon\|SpiRegistry'
