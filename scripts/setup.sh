#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, play and test, if any
# are missing. Safe to run again: it installs nothing when all are there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev
  libfreetype-dev libfontconfig-dev fonts-ipafont-gothic
  libstb-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream
  clang libclang-rt-dev # the fuzz targets: clang and its libFuzzer runtime
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
