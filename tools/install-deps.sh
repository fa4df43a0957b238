#!/usr/bin/env bash
# Installs every Debian package the project needs, only those that are missing.
# Safe to run again; it does nothing when everything is present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libirrlicht-dev libmozjs-102-dev libbullet-dev libcurl4-openssl-dev
  libvorbis-dev libogg-dev libdumb1-dev libasound2-dev
  libpng-dev libjpeg-dev zlib1g-dev libgl-dev libx11-dev libxxf86vm-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  xvfb xauth xdotool x11-utils imagemagick libgl1-mesa-dri
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
