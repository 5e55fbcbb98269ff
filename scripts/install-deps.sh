#!/usr/bin/env bash
# Installs the Debian packages Brisko needs to build, run and test, skipping what is there.
set -euo pipefail
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core desktop-file-utils dpkg-dev lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
