#!/usr/bin/env bash
# Installs the Debian 12 packages Xiangce needs, only those that are missing.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev
  librlottie-dev
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev libswresample-dev
  libturbojpeg0-dev libjpeg62-turbo-dev libexif-dev zlib1g-dev
  libopencc-dev opencc
  fonts-noto-cjk
  ffmpeg
  dvdauthor
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
