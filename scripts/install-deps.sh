#!/usr/bin/env bash
# Installs every Debian package Quorva needs to build, run and test.
set -euo pipefail
PKGS=(
  g++ cmake make pkg-config clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libpugixml-dev
  libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
  dvdauthor genisoimage libburn-dev zlib1g-dev
  libgtest-dev googletest libgmock-dev
  ffmpeg lsdvd libdvdnav-dev libdvdread-dev udftools
  xvfb xauth bc time xdg-utils
  openbox xdotool x11-utils imagemagick
  fonts-dejavu-core
  dpkg-dev desktop-file-utils appstream bash-completion man-db lintian
  qt6-l10n-tools qt6-translations-l10n
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
