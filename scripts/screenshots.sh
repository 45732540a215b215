#!/usr/bin/env bash
# Takes the pictures of the window for the README and the manual into docs/screenshots/: the
# real window on the bundled example under a virtual X server (Xvfb) with a small window manager
# for the title bar; each tab, a greyed attribute page, the progress dialog of a run and the
# report of a comparison. Once at 100 % on a 1280x1024 screen and once at 150 % display scaling
# on a 1280x800 screen (names ending in "_150", with a picture of the whole screen), the setting
# of many office laptops.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh xvfb xauth openbox
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target zrzuty_okna
mkdir -p docs/screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  'openbox >/dev/null 2>&1 & sleep 1; build/bin/zrzuty_okna docs/screenshots'
xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
  'openbox >/dev/null 2>&1 & sleep 1; QT_SCALE_FACTOR=1.5 build/bin/zrzuty_okna docs/screenshots _150'
