#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and any packages named as
# arguments, only when something is missing: the compiler and CMake, GoogleTest, the JSON
# library, the XML parser of the GML reader (expat), Qt 6 Widgets with Qt Test and Qt's own
# translations (the window's standard buttons and dialogs in Polish), a font for the window's
# tests, and the SVG converter that draws the application icon.
set -euo pipefail
pakiety=(cmake g++ make libgtest-dev nlohmann-json3-dev libexpat1-dev qt6-base-dev
         qt6-translations-l10n fonts-dejavu-core librsvg2-bin "$@")
brak=()
for p in "${pakiety[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brak+=("$p")
done
if [ ${#brak[@]} -gt 0 ]; then
  echo "Installing: ${brak[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${brak[@]}"
fi
