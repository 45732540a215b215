#!/usr/bin/env bash
# Installs the Debian packages the build needs, and any packages named as arguments, only when
# something is missing.
set -euo pipefail
pakiety=(cmake g++ make libgtest-dev nlohmann-json3-dev "$@")
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
